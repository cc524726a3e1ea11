#include "data/hintergrund.h"
#include "widgets/fensterfarben.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextStream>
#include <QWidget>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// The resource lives in the UI library; a static library needs its explicit registration.
static void RessourcenLaden() {
    Q_INIT_RESOURCE(kartello);
}

namespace {

const QString BilderOrdner = QStringLiteral(KARTELLO_QUELL_ORDNER "/src/data/bilder/");

// Every pixel differs from every other, so a copied pixel tells where it came from.
QImage Musterteil(int breite = 64, int hoehe = 64) {
    QImage teil(breite, hoehe, QImage::Format_RGB32);
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x)
            teil.setPixel(x, y, qRgb(x * 3, y * 3, (x * 7 + y * 11) % 256));
    return teil;
}

class HintergrundTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RessourcenLaden(); }
};

// ---- nine-slice scaling ----

class NeunTeiligGroesse : public ::testing::TestWithParam<QSize> {};

TEST_P(NeunTeiligGroesse, ErgibtGenauDieZielgroesse) {
    const QImage bild = NeunTeilig(Musterteil(), GetParam());
    ASSERT_FALSE(bild.isNull());
    EXPECT_EQ(bild.size(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Groessen, NeunTeiligGroesse,
                         ::testing::Values(QSize(1, 1), QSize(20, 20), QSize(29, 300), QSize(59, 59),
                                           QSize(60, 60), QSize(61, 61), QSize(64, 64), QSize(65, 33),
                                           QSize(900, 650), QSize(1920, 1080)));

TEST(NeunTeilig, LeereZielgroesseGibtLeeresBild) {
    EXPECT_TRUE(NeunTeilig(Musterteil(), QSize(0, 0)).isNull());
    EXPECT_TRUE(NeunTeilig(Musterteil(), QSize(0, 50)).isNull());
    EXPECT_TRUE(NeunTeilig(Musterteil(), QSize(-5, 50)).isNull());
    EXPECT_TRUE(NeunTeilig(Musterteil(), QSize()).isNull());
}

TEST(NeunTeilig, EckenBleibenPixelgenau) {
    const QImage teil = Musterteil();
    const int W = 237, H = 151, w = teil.width(), h = teil.height();
    const QImage bild = NeunTeilig(teil, QSize(W, H));
    for (int y = 0; y < TeilRand; ++y) {
        for (int x = 0; x < TeilRand; ++x) {
            ASSERT_EQ(bild.pixel(x, y), teil.pixel(x, y)) << x << "," << y;
            ASSERT_EQ(bild.pixel(W - TeilRand + x, y), teil.pixel(w - TeilRand + x, y));
            ASSERT_EQ(bild.pixel(x, H - TeilRand + y), teil.pixel(x, h - TeilRand + y));
            ASSERT_EQ(bild.pixel(W - TeilRand + x, H - TeilRand + y),
                      teil.pixel(w - TeilRand + x, h - TeilRand + y));
        }
    }
}

// Column x of the top strip must be some centre column of the tile, unscaled across the
// strip, and the centre columns must appear in order from first to last.
TEST(NeunTeilig, KantenWerdenNurInDerLaengeGestreckt) {
    const QImage teil = Musterteil();
    const int W = 300, H = 200, w = teil.width(), h = teil.height();
    const QImage bild = NeunTeilig(teil, QSize(W, H));
    int letzteSpalte = TeilRand;
    for (int x = TeilRand; x < W - TeilRand; ++x) {
        int gefunden = -1;
        for (int sx = TeilRand; sx < w - TeilRand && gefunden < 0; ++sx)
            if (bild.pixel(x, 0) == teil.pixel(sx, 0)) gefunden = sx;
        ASSERT_GE(gefunden, letzteSpalte) << "Spalte " << x;
        for (int y = 0; y < TeilRand; ++y) {
            ASSERT_EQ(bild.pixel(x, y), teil.pixel(gefunden, y));
            ASSERT_EQ(bild.pixel(x, H - TeilRand + y), teil.pixel(gefunden, h - TeilRand + y));
        }
        letzteSpalte = gefunden;
    }
    EXPECT_EQ(bild.pixel(TeilRand, 0), teil.pixel(TeilRand, 0));
    EXPECT_EQ(bild.pixel(W - TeilRand - 1, 0), teil.pixel(w - TeilRand - 1, 0));
    // Left and right strips: rows of the tile's centre, columns unchanged.
    for (int y = TeilRand; y < H - TeilRand; ++y) {
        int gefunden = -1;
        for (int sy = TeilRand; sy < h - TeilRand && gefunden < 0; ++sy)
            if (bild.pixel(0, y) == teil.pixel(0, sy)) gefunden = sy;
        ASSERT_GE(gefunden, 0) << "Zeile " << y;
        for (int x = 0; x < TeilRand; ++x) {
            ASSERT_EQ(bild.pixel(x, y), teil.pixel(x, gefunden));
            ASSERT_EQ(bild.pixel(W - TeilRand + x, y), teil.pixel(w - TeilRand + x, gefunden));
        }
    }
}

TEST(NeunTeilig, MitteKommtAusDerMitteDesTeils) {
    const QImage teil = Musterteil();
    const QImage bild = NeunTeilig(teil, QSize(200, 120));
    QSet<QRgb> mitte;
    for (int y = TeilRand; y < teil.height() - TeilRand; ++y)
        for (int x = TeilRand; x < teil.width() - TeilRand; ++x)
            mitte.insert(teil.pixel(x, y));
    for (int y = TeilRand; y < 120 - TeilRand; ++y)
        for (int x = TeilRand; x < 200 - TeilRand; ++x)
            ASSERT_TRUE(mitte.contains(bild.pixel(x, y))) << x << "," << y;
}

// A one-colour tile must give a one-colour picture: no gaps between the nine parts.
TEST(NeunTeilig, EinfarbigesTeilLaesstKeineLuecken) {
    QImage teil(61, 61, QImage::Format_RGB32);
    teil.fill(qRgb(12, 200, 99));
    for (const QSize groesse :
         {QSize(61, 61), QSize(62, 97), QSize(333, 61), QSize(17, 45), QSize(1000, 700)}) {
        const QImage bild = NeunTeilig(teil, groesse);
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                ASSERT_EQ(bild.pixel(x, y), qRgb(12, 200, 99)) << groesse.width() << "x" << groesse.height();
    }
}

// Narrower than two borders: the right column is drawn last and wins, and the bottom
// corners win over the top ones.
TEST(NeunTeilig, KleinesZielZeigtRechteUntereEcke) {
    const QImage teil = Musterteil();
    const QImage bild = NeunTeilig(teil, QSize(20, 20));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(bild.pixel(x, y), teil.pixel(44 + x, 44 + y)) << x << "," << y;
    const QImage breit = NeunTeilig(teil, QSize(45, 10));
    EXPECT_EQ(breit.pixel(0, 0), teil.pixel(0, 54)); // left column: bottom-left corner
    EXPECT_EQ(breit.pixel(44, 9), teil.pixel(63, 63));
    EXPECT_EQ(breit.pixel(15, 0), teil.pixel(34 + 0, 54));
}

TEST(NeunTeilig, ZuKleinesTeilNimmtSchmalerenRand) {
    const QImage teil = Musterteil(21, 13);
    EXPECT_EQ(RandFuer(teil), 6);
    const QImage bild = NeunTeilig(teil, QSize(100, 80));
    ASSERT_EQ(bild.size(), QSize(100, 80));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) {
            ASSERT_EQ(bild.pixel(x, y), teil.pixel(x, y));
            ASSERT_EQ(bild.pixel(94 + x, 74 + y), teil.pixel(15 + x, 7 + y));
        }
    EXPECT_EQ(RandFuer(Musterteil(1, 1)), 0);
    EXPECT_EQ(NeunTeilig(Musterteil(1, 1), QSize(5, 5)).pixel(4, 4), Musterteil(1, 1).pixel(0, 0));
    EXPECT_EQ(RandFuer(Musterteil(61, 61)), TeilRand);
    EXPECT_EQ(RandFuer(Musterteil(60, 200)), 29);
}

TEST(NeunTeilig, OhneTeilDurchsichtig) {
    const QImage bild = NeunTeilig(QImage(), QSize(30, 20));
    ASSERT_EQ(bild.size(), QSize(30, 20));
    EXPECT_EQ(qAlpha(bild.pixel(15, 10)), 0);
}

TEST(NeunTeilig, DurchsichtigkeitDesTeilsBleibt) {
    QImage teil(64, 64, QImage::Format_ARGB32);
    teil.fill(qRgba(10, 20, 30, 255));
    teil.setPixel(0, 0, qRgba(0, 0, 0, 0));
    const QImage bild = NeunTeilig(teil, QSize(100, 100));
    EXPECT_EQ(qAlpha(bild.pixel(0, 0)), 0);
    EXPECT_EQ(bild.pixel(50, 50), qRgba(10, 20, 30, 255));
}

// ---- colours ----

struct BgrFall {
    uint32_t bgr;
    QColor farbe;
};

class BgrFarben : public ::testing::TestWithParam<BgrFall> {};

TEST_P(BgrFarben, WirdRotGruenBlau) {
    EXPECT_EQ(FarbeAusBgr(GetParam().bgr), GetParam().farbe);
    EXPECT_EQ(BgrAusFarbe(GetParam().farbe), GetParam().bgr);
}

INSTANTIATE_TEST_SUITE_P(Werte, BgrFarben,
                         ::testing::Values(BgrFall{0, QColor(0, 0, 0)}, BgrFall{0xFF, QColor(255, 0, 0)},
                                           BgrFall{0xFF00, QColor(0, 255, 0)},
                                           BgrFall{0xFF0000, QColor(0, 0, 255)},
                                           BgrFall{16777215, QColor(255, 255, 255)},
                                           BgrFall{14864589, QColor(0xCD, 0xD0, 0xE2)},
                                           BgrFall{10134178, QColor(0xA2, 0xA2, 0x9A)},
                                           BgrFall{6975343, QColor(0x6F, 0x6F, 0x6A)}));

TEST(Farben, HoeheBitsWerdenIgnoriert) {
    EXPECT_EQ(FarbeAusBgr(0x7F0000FF), QColor(255, 0, 0));
}

TEST(Farben, KnopfUndWerkzeugstil) {
    EXPECT_EQ(KnopfFarbe(), QColor(0xCD, 0xD0, 0xE2));
    const WerkzeugKnopfStilTyp stil = WerkzeugKnopfStil();
    EXPECT_TRUE(stil.HoverActive);
    EXPECT_EQ(stil.BorderColor, QColor(0xA2, 0xA2, 0x9A));
    EXPECT_EQ(stil.BorderWidth, 1);
    EXPECT_EQ(stil.NormColor, QColor(0xEC, 0xEC, 0xE8));
    EXPECT_EQ(stil.CheckColor, QColor(Qt::white));
    EXPECT_EQ(stil.HoverColor, QColor(0xFE, 0xFE, 0xF8));
    EXPECT_EQ(stil.NormFontColor, QColor(0x51, 0x51, 0x4E));
    EXPECT_EQ(stil.CheckFontColor, QColor(Qt::black));
    EXPECT_FALSE(stil.CheckFontBold);
    EXPECT_FALSE(stil.XPCheck);
    EXPECT_TRUE(stil.ShowHint);
    EXPECT_EQ(StartInfoTextFarbe(), QColor(0x6F, 0x6F, 0x6A));
}

TEST(KnoepfeFaerben, FaerbtAlleKnoepfeAuchVerschachtelt) {
    QWidget fenster;
    auto* oben = new QPushButton(u"OK"_s, &fenster);
    auto* gruppe = new QWidget(&fenster);
    auto* innen = new QPushButton(u"Abbrechen"_s, gruppe);
    auto* haken = new QCheckBox(u"Option"_s, gruppe);
    auto* beschriftung = new QLabel(u"Text"_s, &fenster);
    innen->setCursor(Qt::PointingHandCursor);
    const QColor vorher = beschriftung->palette().color(QPalette::Window);

    EXPECT_EQ(KnoepfeFaerben(&fenster, "QPushButton"), 2);
    for (QPushButton* knopf : {oben, innen}) {
        EXPECT_EQ(knopf->palette().color(QPalette::Button), KnopfFarbe());
        EXPECT_FALSE(knopf->testAttribute(Qt::WA_SetCursor));
        EXPECT_EQ(knopf->cursor().shape(), Qt::ArrowCursor);
    }
    EXPECT_NE(haken->palette().color(QPalette::Button), KnopfFarbe());
    EXPECT_EQ(beschriftung->palette().color(QPalette::Window), vorher);
    // The default class takes every kind of button.
    EXPECT_EQ(KnoepfeFaerben(&fenster), 3);
    EXPECT_EQ(haken->palette().color(QPalette::Button), KnopfFarbe());
}

TEST(KnoepfeFaerben, OhneFensterOderKnoepfe) {
    EXPECT_EQ(KnoepfeFaerben(nullptr), 0);
    QWidget leer;
    EXPECT_EQ(KnoepfeFaerben(&leer), 0);
    EXPECT_EQ(KnoepfeFaerben(&leer, nullptr), 0);
    QObject keinWidget;
    new QObject(&keinWidget);
    EXPECT_EQ(KnoepfeFaerben(&keinWidget, "QObject"), 0);
}

// ---- theme colours ----

TEST(ThemenFarben, NimmtDieGenanntenPixel) {
    const QImage drei = Musterteil(), vier = Musterteil(70, 61);
    const ThemenFarbenTyp farben = ThemenFarbenAus(drei, vier);
    EXPECT_EQ(farben.A, QColor::fromRgb(drei.pixel(0, 0)));
    EXPECT_EQ(farben.B, QColor::fromRgb(drei.pixel(30, 30)));
    EXPECT_EQ(farben.C, QColor::fromRgb(vier.pixel(30, 30)));
}

TEST(ThemenFarben, ZuKleineTeileGebenUngueltigeFarben) {
    const ThemenFarbenTyp farben = ThemenFarbenAus(Musterteil(20, 20), QImage());
    EXPECT_TRUE(farben.A.isValid());
    EXPECT_FALSE(farben.B.isValid());
    EXPECT_FALSE(farben.C.isValid());
}

TEST_F(HintergrundTest, ThemenFarbenDerEchtenTeile) {
    const ThemenFarbenTyp ausDateien = ThemenFarbenAus(QImage(BilderOrdner + u"BackTeileImg3.png"_s),
                                                       QImage(BilderOrdner + u"BackTeileImg4.png"_s));
    const ThemenFarbenTyp ausRessource = ThemenFarben();
    for (const ThemenFarbenTyp& f : {ausDateien, ausRessource}) {
        EXPECT_EQ(f.A, QColor(112, 138, 163));
        EXPECT_EQ(f.B, QColor(250, 247, 240));
        EXPECT_EQ(f.C, QColor(246, 243, 236));
    }
}

// ---- pictures of the resource ----

QStringList DateienDerRessource() {
    QFile qrc(QStringLiteral(KARTELLO_QUELL_ORDNER "/src/data/kartello.qrc"));
    if (!qrc.open(QIODevice::ReadOnly)) return {};
    const QString text = QString::fromUtf8(qrc.readAll());
    QStringList dateien;
    static const QRegularExpression datei(u"<file>([^<]+)</file>"_s);
    for (auto it = datei.globalMatch(text); it.hasNext();)
        dateien << it.next().captured(1);
    return dateien;
}

QSize ErwarteteGroesse(const QString& datei) {
    if (datei.contains(u"/cursor/"_s)) return {CursorGroesse, CursorGroesse};
    if (datei.endsWith(u"Startbasisbild.png"_s)) return {1000, 700};
    if (datei.contains(u"BackTeileImg"_s)) return {64, 64};
    if (datei.endsWith(u"programm.png"_s)) return {64, 64};
    if (datei.endsWith(u"programm32.png"_s)) return {32, 32};
    if (datei.endsWith(u"programm16.png"_s)) return {16, 16};
    return {24, 24};
}

TEST_F(HintergrundTest, JedesBildDerRessourceLaedtMitSeinerGroesse) {
    const QStringList dateien = DateienDerRessource();
    ASSERT_GE(dateien.size(), 30);
    for (const QString& datei : dateien) {
        const QImage bild(u":/"_s + datei);
        ASSERT_FALSE(bild.isNull()) << datei.toStdString();
        EXPECT_EQ(bild.size(), ErwarteteGroesse(datei)) << datei.toStdString();
    }
}

TEST_F(HintergrundTest, JedeBilddateiStehtInDerRessource) {
    const QStringList dateien = DateienDerRessource();
    QDir ordner(BilderOrdner);
    for (const QString& unterordner : {u""_s, u"cursor/"_s, u"glyphen/"_s})
        for (const QString& name : QDir(BilderOrdner + unterordner).entryList({u"*.png"_s}, QDir::Files))
            EXPECT_TRUE(dateien.contains(u"bilder/"_s + unterordner + name)) << name.toStdString();
}

TEST_F(HintergrundTest, TeileUndGlyphenPerNamen) {
    for (const QString& name : Hintergrundteile()) {
        const QImage teil = RessourcenBild(name);
        ASSERT_FALSE(teil.isNull()) << name.toStdString();
        EXPECT_GE(teil.width(), TeilMindestgroesse);
        EXPECT_GE(teil.height(), TeilMindestgroesse);
    }
    for (const QString& name : Glyphen())
        EXPECT_FALSE(RessourcenBild(name).isNull()) << name.toStdString();
    EXPECT_EQ(RessourcenBild(u"Startbasisbild"_s).size(), QSize(1000, 700));
    EXPECT_TRUE(RessourcenBild(u"gibt-es-nicht"_s).isNull());
}

TEST_F(HintergrundTest, HintergruendeDerDreiArten) {
    const ThemenFarbenTyp farben = ThemenFarben();
    for (const HintergrundArt art : {HintergrundArt::Kartenbereich, HintergrundArt::Titel,
                                     HintergrundArt::Dialog, HintergrundArt::Kopfleiste}) {
        const QImage bild = Hintergrund(art, QSize(640, 480));
        ASSERT_EQ(bild.size(), QSize(640, 480));
        const QImage teil = RessourcenBild(TeilName(art));
        EXPECT_EQ(bild.pixel(0, 0), teil.pixel(0, 0));
        EXPECT_EQ(bild.pixel(320, 240), teil.pixel(TeilRand, TeilRand));
    }
    EXPECT_EQ(QColor::fromRgb(Hintergrund(HintergrundArt::Kartenbereich, {300, 200}).pixel(150, 100)),
              farben.B);
    EXPECT_EQ(QColor::fromRgb(Hintergrund(HintergrundArt::Dialog, {300, 200}).pixel(150, 100)), farben.C);
}

// ---- cursors ----

TEST_F(HintergrundTest, NeunCursorInDerReihenfolgeDesProgramms) {
    QStringList namen;
    for (const RessourcenCursorTyp& c : RessourcenCursorListe())
        namen << c.Name;
    EXPECT_EQ(namen, QStringList({u"DRAGBLACK"_s, u"STIFT5"_s, u"MARKER25"_s, u"RADIER32"_s, u"PFEILMOVE"_s,
                                  u"HAEKCHEN"_s, u"KREUZ"_s, u"TEXTEINGABE"_s, u"HAND"_s}));
}

// The hotspot sits on the drawn shape: some pixel within two pixels of it is opaque.
TEST_F(HintergrundTest, CursorBilderLadenUndHotspotLiegtAufDerForm) {
    for (const RessourcenCursorTyp& c : RessourcenCursorListe()) {
        const CursorBildTyp cursor = CursorBild(c.Name);
        ASSERT_FALSE(cursor.Bild.isNull()) << c.Name.toStdString();
        EXPECT_EQ(cursor.Bild.size(), QSize(CursorGroesse, CursorGroesse));
        EXPECT_EQ(cursor.Hotspot, c.Hotspot);
        ASSERT_TRUE(cursor.Bild.rect().contains(cursor.Hotspot));
        int deckend = 0;
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                if (cursor.Bild.valid(cursor.Hotspot + QPoint(dx, dy)) &&
                    qAlpha(cursor.Bild.pixel(cursor.Hotspot + QPoint(dx, dy))) > 128)
                    ++deckend;
        EXPECT_GT(deckend, 0) << c.Name.toStdString();
    }
    EXPECT_TRUE(CursorBild(u"UNBEKANNT"_s).Bild.isNull());
}

// The generator records the hotspots it drew; the program's table must agree.
TEST_F(HintergrundTest, HotspotsWieVomGeneratorGezeichnet) {
    QFile datei(BilderOrdner + u"cursor/hotspots.txt"_s);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly | QIODevice::Text));
    QTextStream ein(&datei);
    int anzahl = 0;
    while (!ein.atEnd()) {
        const QString zeile = ein.readLine().trimmed();
        if (zeile.isEmpty() || zeile.startsWith(u'#')) continue;
        const QStringList teile = zeile.split(u' ');
        ASSERT_EQ(teile.size(), 3);
        EXPECT_EQ(CursorBild(teile[0]).Hotspot, QPoint(teile[1].toInt(), teile[2].toInt()))
            << zeile.toStdString();
        ++anzahl;
    }
    EXPECT_EQ(anzahl, int(RessourcenCursorListe().size()));
}

} // namespace
