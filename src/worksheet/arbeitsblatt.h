#pragma once
// The worksheet page: worksheet, complete solution sheet or solution overlay of the open
// document, drawn with QPainter in page units 1000 x 1625 (y down) onto any target.
// The page works on its own copy of the document, so making it changes nothing of the
// open document or a running quiz.
#include "documents/dokument.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

enum Blattart : int { ArbeitsblattArt = 0, LoesungKomplett = 1, LoesungFolie = 2 };

inline const QString StandardAufgabe = QStringLiteral("Aufgabe: Fülle die freien Felder aus!");

struct ArbeitsblattOptionen {
    int art = ArbeitsblattArt;
    bool name = true;
    bool klasse = true;
    bool datum = true;
    QString titel;
    QString aufgabe = StandardAufgabe;
    bool textvorgabe = true;
    int abFrage = 1;
};

// What a drawing of the page found out: the last single question that fitted (0: none).
struct SeitenInfo {
    int letzteFrage = 0;
};

class Arbeitsblatt final {
public:
    static constexpr int Breite = 1000;
    static constexpr int Hoehe = 1625;
    // The picture is one unit wider than the layout width, as the preview bitmap.
    static constexpr QSize Bildgroesse{1001, 1625};
    // Physical size: A4 width; the height keeps the page's ratio.
    static constexpr double BreiteMm = 210.0;
    static double HoeheMm() { return BreiteMm * Bildgroesse.height() / Bildgroesse.width(); }

    // `steuerelement`: the map control for which the labelling map is composed.
    Arbeitsblatt(const Dokument& dok, const ArbeitsblattOptionen& optionen, QSize steuerelement);

    const ArbeitsblattOptionen& Optionen() const { return m_opt; }
    SeitenInfo Zeichnen(QPainter& maler) const;
    QImage Vorschaubild() const;
    QByteArray Emf() const;
    QByteArray Wmf() const;
    QByteArray Svg() const;
    QByteArray Pdf() const;
    // The composed map image of a labelling sheet (empty for the other document types).
    const QImage& Kartenbild() const { return m_kartenbild; }

private:
    bool Voll() const { return m_opt.art != LoesungFolie; }
    bool Loesung() const { return m_opt.art != ArbeitsblattArt; }
    void KarteZusammensetzen(QSize steuerelement);
    int Eintragfelder(QPainter& maler, int y) const;
    int Titel(QPainter& maler, int y) const;
    int Aufgabe(QPainter& maler, int y) const;
    int Antworttexte(QPainter& maler, int y) const;
    QStringList AntworttextListe() const;
    int KarteZeichnen(QPainter& maler, int y) const;
    int LueckentextZeichnen(QPainter& maler, int y) const;
    int EinzelfragenZeichnen(QPainter& maler, int y, SeitenInfo& info) const;
    void Fusszeile(QPainter& maler) const;

    Dokument m_dok;
    ArbeitsblattOptionen m_opt;
    QImage m_kartenbild;
};

// Where the page goes on the paper when printed, in cm from the paper's top left corner.
struct DruckLage {
    double links = 2.2;
    double oben = 1.4;
    double breite = 16.6;
    double hoehe = 0;
};

// The page's ratio of width to height.
inline constexpr double Seitenverhaeltnis = static_cast<double>(Arbeitsblatt::Breite) / Arbeitsblatt::Hoehe;

// The print window's defaults: the margins and width above, and the height that the width
// and the page's ratio give, to 0.1 cm as the window shows it.
DruckLage StandardDruckLage();

// The page's rectangle on paper in units of `proCm` per cm. `verhaeltnisHalten` takes the
// height from the width, so rounded figures never distort the page.
QRect DruckRechteck(const DruckLage& lage, double proCm, bool verhaeltnisHalten);

// Output formats by file name extension, compared in lower case.
enum class Seitenformat { Emf, Wmf, Svg, Pdf, Png, Unbekannt };
Seitenformat FormatAusDateiname(const QString& dateiname);

inline const QString EndungFehlerText =
    QStringLiteral("Speichern fehlgeschlagen wegen ungültiger Dateinamenserweiterung.");

// Writes the page whole or not at all (an earlier file of that name stays intact on a
// failure). Returns an empty string on success, else the message for the user.
QString ArbeitsblattSchreiben(const Arbeitsblatt& blatt, const QString& dateiname, Seitenformat format);
