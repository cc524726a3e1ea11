#pragma once
// Answer records (.kqa): one JSON object per line and per completed run, beside the best
// list that got the run's entry. The file is UTF-8 and ours; a teacher's computer reads
// what many pupils' computers appended, so the reader trusts no line of it.
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
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

    bool operator==(const KqaAntwort&) const = default;
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

// Which runs an analysis counts: each pupil's first whole run, or all of them.
enum class AuswertungsUmfang {
    ErsterGanzerLauf,
    AlleLaeufe,
};

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
// A run without its answers; the texts are indices into KqaBestand's texts.
struct KqaLaufKopf {
    int32_t titel = 0;
    int32_t datei = 0;
    int32_t hash = 0;
    int32_t teilnehmer = 0;
    int32_t schueler = 0; // the pupil the run counts for: the name trimmed, "(kein Name)" for none
    int32_t rechner = 0;
    int32_t note = 0;
    int64_t dauerMs = 0;
    double leistung = 0;
    bool ganz = true;
    bool antwortenGelesen = true; // false when the reading scope did not need them
    int64_t zeile = 0;            // line in the file, from 1
    std::size_t startAnfang = 0;  // ISO 8601 as written, in KqaBestand's start bytes
    std::size_t startLaenge = 0;
    std::size_t antwortAnfang = 0;
    std::size_t antwortEnde = 0;
};
class KqaBestand final {
public:
    // `umfang` says whose answers a reader keeps; the runs themselves are all kept.
    explicit KqaBestand(AuswertungsUmfang umfang = AuswertungsUmfang::AlleLaeufe) : m_umfang(umfang) {
        m_zuletzt.fill(-1);
        m_feldZuletzt.fill(-1);
    }

    AuswertungsUmfang umfang() const { return m_umfang; }
    const std::vector<KqaLaufKopf>& laeufe() const { return m_laeufe; }
    const std::vector<KqaAntwortKurz>& antworten() const { return m_antworten; }
    const QString& text(int32_t id) const { return m_texte[static_cast<std::size_t>(id)]; }
    std::size_t textAnzahl() const { return m_texte.size(); }
    QString start(const KqaLaufKopf& k) const;
    void hinzufuegen(const KqaLauf& lauf, int64_t zeile = 0);
    // The run at `i` as a whole record again.
    KqaLauf lauf(std::size_t i) const;
    // Appends the runs of a store read from the file's later lines, `zeilenVersatz` lines
    // further on. A pupil's first whole run stays the earlier one: a later store's
    // candidate loses its answers when this store has one.
    void anfuegen(const KqaBestand& spaeter, int64_t zeilenVersatz);

    // For the line reader: a text by its UTF-8 bytes, the pupil of a name, whether a run's
    // answers are to be kept, and the pieces of a run, its answers first.
    int32_t textId(QByteArrayView utf8);
    // The same for a member of the run's head: most lines repeat the line before.
    int32_t feldTextId(std::size_t feld, QByteArrayView utf8);
    int32_t schuelerId(int32_t teilnehmer);
    bool antwortenNoetig(int32_t schueler, bool ganz) const;
    void antwortAnhaengen(const KqaAntwortKurz& a) { m_antworten.push_back(a); }
    std::size_t antwortAnzahl() const { return m_antworten.size(); }
    void antwortenKuerzen(std::size_t anzahl) { m_antworten.resize(anzahl); }
    void startSetzen(KqaLaufKopf& kopf, QByteArrayView iso);
    void kopfAnhaengen(const KqaLaufKopf& kopf);

private:
    int32_t textId(const QString& text);

    AuswertungsUmfang m_umfang;
    std::vector<KqaLaufKopf> m_laeufe;
    std::vector<KqaAntwortKurz> m_antworten;
    std::vector<QString> m_texte;
    std::vector<QByteArray> m_utf8;        // the same texts as read
    QHash<QByteArray, int32_t> m_ids;      // UTF-8 bytes -> index into m_texte
    std::array<int32_t, 8192> m_zuletzt;   // a text recently met, by a cheap sketch of its bytes
    std::array<int32_t, 16> m_feldZuletzt; // the last text of each member of a run's head
    std::vector<int32_t> m_schuelerVon;    // name's text id -> pupil's text id, -1 not yet known
    std::vector<bool> m_ersterGenommen;    // pupil's text id -> a first whole run is kept
    QByteArray m_starts;
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
// 1 GiB holds some 800,000 runs of 25 answers, a school's years.
inline constexpr int64_t KqaDateiHoechstens = int64_t{1} * 1024 * 1024 * 1024;
inline constexpr int KqaAntwortenHoechstens = 10000;

// Reads the bytes of a file; damaged or cut lines are skipped with a warning each. All
// runs are kept; the answers only of the runs that `umfang` counts. A line whose answers
// are not needed is checked up to them and for its end, not through them.
KqaLeseErgebnis KqaLesenAusBytes(const QByteArray& bytes, const QString& name,
                                 AuswertungsUmfang umfang = AuswertungsUmfang::AlleLaeufe);
// Reads a file (regular files only, no link followed, bounded in size).
KqaLeseErgebnis KqaLesen(const QString& pfad, AuswertungsUmfang umfang = AuswertungsUmfang::AlleLaeufe);

// The warning for a skipped line.
QString KqaZeileBeschaedigtText(const QString& name, int64_t zeile);
