#pragma once
// The one topic document held in memory: header, object list and base image.
#include <QImage>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

enum DokTyp : int32_t { Bildbeschriftung = 0, Lueckentext = 1, Einzelfragen = 2 };

// Object kinds (OB_Typ) with the numbers the file stores.
namespace ObArt {
enum : int32_t {
    Beschriftung = 0, // a label: covered and asked in a labelling or cloze quiz
    FesterText = 1,   // always drawn, never covered or asked
    Infopunkt = 2,    // "Info" disc; its caption is an info text
    Luecke = 3,       // one gap of the cloze text
    Link = 4,         // "Link" disc: a file or internet address
    DokVerweis = 5,   // "Dok." disc: another document or folder
    Antwort = 10,     // the answer of a single question
    Frage = 11,       // question heading or text
    KnopfVorige = 12, // navigation buttons of the question pages, 12 to 16
    KnopfNaechste = 13,
    KnopfErste = 14,
    KnopfLetzte = 15,
    KnopfZufall = 16,
    AntwortTitel = 17, // the caption "Antwort:" of a question
};
} // namespace ObArt

// View modes of the main window and the map: learning view and quiz.
namespace Ansichtsart {
enum : int32_t { Lernansicht = 2, Quizansicht = 3 };
} // namespace Ansichtsart

// Object states (Zustand): the learning view uses covered and shown, a quiz the others.
namespace ObZustand {
enum : int32_t {
    Gezeigt = 0,
    Verdeckt = -1,
    Haken = -2,      // answered right: green tick
    Kreuz = -3,      // answered wrong: red cross
    Offen = -5,      // asked and not yet answered
    Geschlossen = -6 // a single question closed after a wrong answer
};
} // namespace ObZustand

struct HeaderDataTyp {
    QString Dateiname; // empty: no document is open
    QString HD_vers = QStringLiteral("1.00");
    QString HD_titel;
    QString HD_autor;
    QString HD_bemerkung;
    QString HD_lueckentext;
    QString HD_fragentext;
    int32_t HD_AnzFrageNummern = 0;
    int32_t HD_DokTyp = 0;
    bool Geaendert = false;
    std::array<double, 4> HD_RandErw{0, 0, 0, 0}; // left, top, right, bottom
    int32_t HD_NumArt = 0;
    int32_t HD_GeordnetArt = 0;

    bool operator==(const HeaderDataTyp&) const = default;
};

struct ObjDataTyp {
    // stored fields
    double OB_Sx = 0;
    double OB_Sy = 0;
    double OB_Kx = 0;
    double OB_Ky = 0;
    QString OB_Cap;
    int32_t OB_KAusr = 0;
    int32_t OB_TAusr = 0;
    int32_t OB_Ebene = 0;
    int32_t OB_Typ = 0;
    int32_t OB_Sline = 0;
    int32_t OB_Fsize = 0;
    int32_t OB_FrageNummer = -1;
    int32_t OB_KAusrAkt = 0;
    // runtime fields, never stored
    int32_t Zustand = ObZustand::Verdeckt;
    int32_t Nummer = -1;
    int32_t FehlversucheZiel = 0;
    int32_t FehlversucheText = 0;
    std::array<double, 4> Box{-1, -1, -1, -1};
    double BoxHalbBreite = 0;
    double BoxHalbHoehe = 0;
    int32_t BoxLinks = -1;
    int32_t BoxOben = -1;

    // Equal in the fields that a file stores.
    bool GleicheDateifelder(const ObjDataTyp& o) const;
};

struct Dokument {
    HeaderDataTyp Header;
    std::vector<ObjDataTyp> Objekte;
    QImage Basisbild; // 32-bit; the start picture while no document is open
    int32_t AktuelleFrage = 0;
    int32_t Listenindex = -1;   // index of the open document in the topic list
    QString VorherigesDokument; // path open before the last reset

    bool IstOffen() const { return !Header.Dateiname.isEmpty(); }

    // Records the open document as the previously shown one and empties the header.
    // Objects and base image are left to the caller (closing restores them itself).
    void Zuruecksetzen();
};

// One question of the question text: the j-th non-empty line is question j.
struct FrageTextZeile {
    QString Frage;
    QString Antwort; // "---" when the line has no "//"
};
std::vector<FrageTextZeile> FragenAusFragentext(const QString& fragentext);

// Name of a document type ("Bildbeschriftung", "Lückentext", "Einzelfragen"); empty for others.
QString DokTypName(int32_t typ);
