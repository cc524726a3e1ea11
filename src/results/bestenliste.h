#pragma once
// The best list of the running program: the entries most recently loaded, and the
// commands that load, rank, show and append with the program's messages. The
// user is reached only through Meldungen and the window hook, so tests drive
// every flow without a window.
#include "results/bestenliste_datei.h"
#include "results/bestenliste_format.h"

#include <QDateTime>
#include <QString>
#include <functional>
#include <vector>

class Meldungen;
class Warten;
struct Dokument;
struct ProgrammOrdnerTyp;

// The best list of a document: its file name with ".hsc" in the best-list folder,
// so documents of the same name in different folders share one list.
QString BestListPfad(const QString& bestenlistenordner, const QString& dokumentDatei);
// The network exercise's list: communication folder + channel + "-tvlnetzuebung.hsc".
QString NetzBestListPfad(const QString& kommunikationsordner, const QString& kanal);

// The entry of a local run; a blank name becomes "(kein Name)", any other keeps its blanks.
BestListDataTyp BestListEintrag(const QString& teilnehmer, const QString& rechner, const QDateTime& beginn,
                                int32_t dauerMs, double leistung);

// What a finished quiz hands over; the entry is made only for a complete quiz with the option on.
struct QuizErgebnisTyp {
    bool optionEintragen = true; // "&Ergebnisse in Bestenliste eintragen"
    int fragenAnzahl = 0;        // questions asked in this run
    int fragenGesamt = 0;        // questions of the document
    QString teilnehmer;
    QDateTime startZeit;
    int32_t dauerMs = 0;
    double gesamtleistung = 0;
};
bool BestListEintragErwuenscht(const QuizErgebnisTyp& ergebnis);

class Bestenliste final {
public:
    Bestenliste(Meldungen& meldungen, Warten& warten) : m_meldungen(meldungen), m_warten(warten) {}

    const std::vector<BestListDataTyp>& eintraege() const { return m_liste; }
    void leeren() {
        m_liste.clear();
        m_schaden.clear();
    }
    // The warning of the last load when the file was damaged before its end, else empty.
    const QString& schaden() const { return m_schaden; }
    void rangfolge();

    // Appends with retries; after the last failed attempt the write-failure message.
    bool anhaengen(const QString& pfad, const BestListDataTyp& eintrag);
    // Fills the list from the file; a missing file gives the information of the
    // document's or the network's list, an unreadable one the read-failure message.
    bool laden(const QString& pfad, bool netz);
    // Reads the file again without any message, one attempt, and ranks it; a missing file
    // gives an empty list. On failure the list stays as it was.
    bool stillNachladen(const QString& pfad);

    // The end of a quiz: appends to the open document's list when wanted. True when
    // an entry was written.
    bool ergebnisEintragen(const QuizErgebnisTyp& ergebnis, const QString& pfad, const QString& rechner);

    // The quiz completion's hand-over: appends to the list of the open document in the
    // best-list folder. The duration is held to the 32-bit field of the file.
    bool dokumentErgebnisAnhaengen(const Dokument& dok, const ProgrammOrdnerTyp& ordner,
                                   const QString& teilnehmer, const QString& rechner, const QDateTime& start,
                                   int64_t dauerMs, double leistung);

    // "Show best list": checks that a document is open (the document's list), loads,
    // ranks and hands the window caption to `fensterZeigen`, even after a failed load.
    void zeigen(const Dokument& dok, const ProgrammOrdnerTyp& ordner, bool netz,
                const std::function<void(const QString& fenstertitel)>& fensterZeigen);

    // Tests replace the system's write to simulate a full disk, or the whole file layer
    // (owned by the test) to simulate a late error at close.
    void setzeSchreiber(BestListSchreiber schreiber) {
        m_schreiber = BestListSchreiberSchicht(std::move(schreiber));
    }
    void setzeSchicht(AnhangSchicht* schicht) { m_schicht = schicht; }
    // The system's reason of the last failure (not shown to the user).
    QString letzterFehler() const { return m_fehler; }

private:
    Meldungen& m_meldungen;
    Warten& m_warten;
    BestListSchreiberSchicht m_schreiber{{}};
    AnhangSchicht* m_schicht = nullptr;
    std::vector<BestListDataTyp> m_liste;
    QString m_fehler;
    QString m_schaden;
};

// Texts of the messages.
QString BestListSpeichernFehlerZusatz();
QString BestListKeineEintraegeText(bool netz);
QString BestListLesenFehlerZusatz(bool netz);
QString BestListKeinDokumentText();
inline const QString BestListTeilWiederholungText =
    QStringLiteral("Teil-Wiederholungen werden nicht berücksichtigt.");
