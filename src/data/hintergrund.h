#pragma once
// The pictures of the window resource (tiles, start picture, glyphs, cursors), the
// nine-slice background and the program's colours. Core code: it hands out QImage and
// colours; widgets/fensterfarben turns them into palettes, pixmaps and cursors.
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// Width of the unscaled border of a background tile; tiles are at least 2 * 30 + 1 wide
// and high so that a centre of one pixel or more remains to be stretched.
inline constexpr int TeilRand = 30;
inline constexpr int TeilMindestgroesse = 2 * TeilRand + 1;

// Colour numbers of the window resource are stored blue-green-red (0x00BBGGRR).
QColor FarbeAusBgr(uint32_t bgr);
uint32_t BgrAusFarbe(const QColor& farbe);

// Nine-slice scaling of a tile onto a picture of the target size: filled with the tile's
// centre pixel, the centre stretched over everything, the four corners copied unchanged,
// the edge strips stretched along their length, and the right column (corner, edge,
// corner at full border width) drawn last at the right edge. A null or empty target size
// gives a null image; a tile smaller than the minimum uses a border that still leaves a
// centre pixel; a null tile gives a transparent picture.
QImage NeunTeilig(const QImage& teil, QSize ziel);
int RandFuer(const QImage& teil);

// The three theme colours taken from the background tiles. With the tiles of this program
// they are A = (112, 138, 163) soft blue-grey, B = (250, 247, 240) warm paper and
// C = (246, 243, 236) warm light.
struct ThemenFarbenTyp {
    QColor A; // window, top bar, status panel: pixel (0, 0) of BackTeileImg3
    QColor B; // map area panel: pixel (30, 30) of BackTeileImg3
    QColor C; // dialog windows: pixel (30, 30) of BackTeileImg4
};
// A pixel outside a (too small or null) tile gives an invalid colour.
ThemenFarbenTyp ThemenFarbenAus(const QImage& backTeileImg3, const QImage& backTeileImg4);
// From the tiles of the resource; invalid colours when the resource is not registered.
ThemenFarbenTyp ThemenFarben();

// The button colour 14864589, 0xE2D0CD in blue-green-red order: RGB (205, 208, 226).
inline constexpr uint32_t KnopfFarbeBgr = 14864589;
QColor KnopfFarbe();

// Colours of the tool-button style of the hover buttons in the top bar and of KennzInfoPan.
struct WerkzeugKnopfStilTyp {
    bool HoverActive = true;
    QColor BorderColor = FarbeAusBgr(10134178);
    int BorderWidth = 1;
    QColor NormColor = FarbeAusBgr(15265004);
    QColor CheckColor = FarbeAusBgr(16777215);
    QColor HoverColor = FarbeAusBgr(16318206);
    QColor NormFontColor = FarbeAusBgr(5132625);
    QColor CheckFontColor = Qt::black;
    bool CheckFontBold = false;
    bool XPCheck = false; // flat pressed style
    bool ShowHint = true;
};
WerkzeugKnopfStilTyp WerkzeugKnopfStil();

// Text colour of the start panel, 6975343 in blue-green-red order.
QColor StartInfoTextFarbe();

// Pictures of the resource by name, e.g. "BackTeileImg3", "Startbasisbild",
// "glyphen/haekchen". Paths are ":/bilder/<name>.png".
QString BildPfad(const QString& name);
QImage RessourcenBild(const QString& name);
QStringList Hintergrundteile(); // BackTeileImg2, BackTeileImg3, BackTeileImg3Tit, BackTeileImg4
QStringList Glyphen();          // "glyphen/..." names of the button glyphs and icons

// The three variants of the background and their tiles.
enum class HintergrundArt { Kartenbereich, Titel, Dialog, Kopfleiste };
QString TeilName(HintergrundArt art);
QImage Hintergrund(HintergrundArt art, QSize ziel);

// The resource cursors, in the order of the application cursors 1 to 8 after DRAGBLACK.
struct RessourcenCursorTyp {
    QString Name;   // "DRAGBLACK", "STIFT5", ...
    QPoint Hotspot; // in the 32 x 32 picture
};
const std::vector<RessourcenCursorTyp>& RessourcenCursorListe();
struct CursorBildTyp {
    QImage Bild; // null when the name is unknown or the resource is missing
    QPoint Hotspot;
};
CursorBildTyp CursorBild(const QString& name);
inline constexpr int CursorGroesse = 32;
