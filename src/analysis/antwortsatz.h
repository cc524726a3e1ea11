#pragma once
// Answer records (.kqa): one JSON object per line and per completed run, beside the best
// list that got the run's entry. The file is UTF-8 and ours; a teacher's computer reads
// what many pupils' computers appended, so the reader trusts no line of it.
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// One answer in the order given: where it went, what was dropped or chosen, the verdict.
struct KqaAntwort {
    int32_t ziel = -1; // the target object's index in the document
    QString nummer;    // its cover number or letter as the quiz showed it
    QString text;      // the text dropped on it or chosen
    bool richtig = false;
    int32_t versuch = 1; // attempt at this target within the run, from 1
    int64_t ms = 0;      // milliseconds since the start of the run
};

// One completed run.
struct KqaLauf {
    QString titel;
    QString datei; // file name of the document, without folder
    QString hash;  // SHA-256 of the document file, lower-case hex
    QString teilnehmer;
    QString rechner;
    QDateTime start;
    int64_t dauerMs = 0;
    double leistung = 0; // 0..1
    QString note;
    bool ganz = true; // a whole run, not the repeat of the wrong answers
    std::vector<KqaAntwort> antworten;
};

// The line of a run, UTF-8, without the line end.
QByteArray KqaZeile(const KqaLauf& lauf);
// One line back into a run; false for a line that is not a run record.
bool KqaZeileLesen(const QByteArray& zeile, KqaLauf& lauf);

// Many runs as read from a file: the answers of all runs in one array and every text
// once, so that a class's year of runs stays small and quick to count.
struct KqaAntwortKurz {
    int32_t ziel = -1;
    int32_t nummer = 0; // index into KqaBestand::texte
    int32_t text = 0;   // index into KqaBestand::texte
    int32_t versuch = 1;
    int64_t ms = 0;
    bool richtig = false;
};
struct KqaLaufKopf {
    QString titel;
    QString datei;
    QString hash;
    QString teilnehmer;
    QString rechner;
    QString start; // ISO 8601 as written; made a QDateTime only when a run is taken whole
    int64_t dauerMs = 0;
    double leistung = 0;
    QString note;
    bool ganz = true;
    int64_t zeile = 0; // line in the file, from 1
    std::size_t antwortAnfang = 0;
    std::size_t antwortEnde = 0;
};
class KqaBestand final {
public:
    const std::vector<KqaLaufKopf>& laeufe() const { return m_laeufe; }
    const std::vector<KqaAntwortKurz>& antworten() const { return m_antworten; }
    const QString& text(int32_t id) const { return m_texte[static_cast<std::size_t>(id)]; }
    void hinzufuegen(const KqaLauf& lauf, int64_t zeile = 0);
    // The run at `i` as a whole record again.
    KqaLauf lauf(std::size_t i) const;

    // For the line reader: a text by its UTF-8 bytes, and a run whose answers were added last.
    int32_t textId(QByteArrayView utf8);
    void antwortAnhaengen(const KqaAntwortKurz& a) { m_antworten.push_back(a); }
    std::size_t antwortAnzahl() const { return m_antworten.size(); }
    void antwortenKuerzen(std::size_t anzahl) { m_antworten.resize(anzahl); }
    void kopfAnhaengen(KqaLaufKopf kopf) { m_laeufe.push_back(std::move(kopf)); }

private:
    int32_t textId(const QString& text);

    std::vector<KqaLaufKopf> m_laeufe;
    std::vector<KqaAntwortKurz> m_antworten;
    std::vector<QString> m_texte;
    QHash<QByteArray, int32_t> m_ids; // UTF-8 bytes -> index into m_texte
};

// What reading a whole file found.
struct KqaLeseErgebnis {
    KqaBestand bestand;
    QStringList warnungen; // one per damaged line, naming it
    bool keinKqa = false;  // the file has lines, but not one of them is a run record
    QString fehler;        // the file could not be read at all
};

// Limits against a planted file: longer lines and more lines than this are not read.
inline constexpr int64_t KqaZeileHoechstens = 4 * 1024 * 1024;
inline constexpr int64_t KqaDateiHoechstens = int64_t{2} * 1024 * 1024 * 1024;
inline constexpr int KqaAntwortenHoechstens = 10000;

// Reads the bytes of a file; damaged or cut lines are skipped with a warning each.
KqaLeseErgebnis KqaLesenAusBytes(const QByteArray& bytes, const QString& name);
// Reads a file (regular files only, no link followed, bounded in size).
KqaLeseErgebnis KqaLesen(const QString& pfad);

// The warning for a skipped line.
QString KqaZeileBeschaedigtText(const QString& name, int64_t zeile);
