// Reading a whole .kqa: lines cut as the bytes come, a large file read in two halves at
// once, one per processor core, and the halves joined in file order.
#include "analysis/antwortsatz.h"
#include "analysis/kqa_json.h"
#include "platform/dateisperre.h"

#include <QFileInfo>
#include <QThread>

#include <memory>
#include <mutex>

namespace {

// What one stretch of lines gave: its runs, the numbers of its damaged lines (counted from
// the stretch's first line), and how many lines it had.
struct Strecke {
    explicit Strecke(AuswertungsUmfang umfang) : bestand(umfang) {}
    KqaBestand bestand;
    std::vector<int64_t> beschaedigt;
    int64_t zeilen = 0;
    QString fehler;
};

// Cuts the bytes into lines as they come. A line that lies whole in a piece is read where it
// lies; only a line across pieces is gathered, and one longer than the limit is skipped
// while it streams past.
class ZeilenLeser final {
public:
    explicit ZeilenLeser(Strecke& s) : m_s(s) {}

    void futtern(QByteArrayView bytes) {
        while (!bytes.isEmpty()) {
            const qsizetype ende = bytes.indexOf('\n');
            const QByteArrayView stueck = ende < 0 ? bytes : bytes.first(ende);
            if (ende >= 0 && m_zeile.isEmpty() && !m_zuLang) {
                zeileFertig(stueck, stueck.size() > KqaZeileHoechstens);
            } else {
                sammeln(stueck);
                if (ende >= 0) zeileFertig(m_zeile, m_zuLang);
            }
            if (ende < 0) return;
            bytes = bytes.sliced(ende + 1);
        }
    }
    void ende() {
        if (!m_zeile.isEmpty() || m_zuLang) zeileFertig(m_zeile, m_zuLang);
    }

private:
    void sammeln(QByteArrayView stueck) {
        if (m_zuLang) return;
        if (m_zeile.size() + stueck.size() > KqaZeileHoechstens) {
            m_zuLang = true;
            m_zeile.clear();
        } else {
            m_zeile.append(stueck);
        }
    }
    static bool Leer(QByteArrayView zeile) {
        for (const char c : zeile)
            if (c != ' ' && c != '\t' && c != '\r' && c != '\f' && c != '\v') return false;
        return true;
    }
    void zeileFertig(QByteArrayView zeile, bool zuLang) {
        const int64_t nummer = ++m_s.zeilen;
        if (zeile.endsWith('\r')) zeile.chop(1);
        const bool leer = !zuLang && Leer(zeile);
        if (!leer && (zuLang || !KqaJsonZeileLesen(zeile, nummer, m_s.bestand)))
            m_s.beschaedigt.push_back(nummer);
        m_zeile.clear();
        m_zuLang = false;
    }

    Strecke& m_s;
    QByteArray m_zeile;
    bool m_zuLang = false;
};

// The stretches joined in order, with their line numbers made the file's.
KqaLeseErgebnis Zusammenfuehren(std::vector<std::unique_ptr<Strecke>>& strecken, const QString& name) {
    KqaLeseErgebnis e;
    e.bestand = std::move(strecken.front()->bestand);
    int64_t versatz = 0;
    for (std::size_t i = 0; i < strecken.size(); ++i) {
        Strecke& s = *strecken[i];
        if (e.fehler.isEmpty()) e.fehler = s.fehler;
        if (i > 0) e.bestand.anfuegen(s.bestand, versatz);
        for (const int64_t z : s.beschaedigt)
            e.warnungen.append(KqaZeileBeschaedigtText(name, versatz + z));
        // A stretch ends after a line end, so the next one starts on a line of its own.
        versatz += s.zeilen;
    }
    e.keinKqa = !e.warnungen.isEmpty() && e.bestand.laeufe().empty();
    return e;
}

// Below this the second thread costs more than it saves.
constexpr int64_t TeilenAb = 4 * 1024 * 1024;
constexpr int64_t Stueckgroesse = 64 * 1024;

// Reads [von, bis) of the open file into `s`. The file is shared between the halves;
// its reads are taken one at a time, the reading of lines runs side by side.
void StreckeLesen(GesperrteDatei& datei, std::mutex& sperre, int64_t von, int64_t bis, Strecke& s) {
    ZeilenLeser leser(s);
    // A small piece stays in the processor's cache between the copy and the reading.
    QByteArray stueck(Stueckgroesse, Qt::Uninitialized);
    for (int64_t pos = von; pos < bis;) {
        int64_t n = 0;
        {
            const std::lock_guard<std::mutex> halten(sperre);
            n = datei.lesenAb(pos, stueck.data(), std::min<int64_t>(stueck.size(), bis - pos));
            if (n <= 0) {
                s.fehler = datei.fehler().isEmpty() ? QStringLiteral("Lesefehler") : datei.fehler();
                return;
            }
        }
        leser.futtern(QByteArrayView(stueck.constData(), n));
        pos += n;
    }
    leser.ende();
}

// Where the second half begins: just after the first line end from the middle on; the
// whole file when no line ends within a piece of the middle.
int64_t Teilungsstelle(GesperrteDatei& datei, int64_t groesse) {
    if (groesse < TeilenAb) return groesse;
    const int64_t mitte = groesse / 2;
    QByteArray stueck(Stueckgroesse, Qt::Uninitialized);
    const int64_t n = datei.lesenAb(mitte, stueck.data(), std::min<int64_t>(stueck.size(), groesse - mitte));
    const qsizetype ende = n > 0 ? QByteArrayView(stueck.constData(), n).indexOf('\n') : -1;
    return ende < 0 ? groesse : mitte + ende + 1;
}

} // namespace

KqaLeseErgebnis KqaLesenAusBytes(const QByteArray& bytes, const QString& name, AuswertungsUmfang umfang) {
    std::vector<std::unique_ptr<Strecke>> strecken;
    strecken.push_back(std::make_unique<Strecke>(umfang));
    ZeilenLeser leser(*strecken.front());
    leser.futtern(bytes);
    leser.ende();
    return Zusammenfuehren(strecken, name);
}

KqaLeseErgebnis KqaLesen(const QString& pfad, AuswertungsUmfang umfang) {
    KqaLeseErgebnis e;
    e.bestand = KqaBestand(umfang);
    // A link planted in a shared folder could lead anywhere: only the file itself is read.
    if (QFileInfo(pfad).isSymLink()) {
        e.fehler = QStringLiteral("Keine gewöhnliche Datei.");
        return e;
    }
    GesperrteDatei datei;
    if (!datei.oeffnen(pfad, GesperrteDatei::Zugriff::LesenOhneSchreiber)) {
        e.fehler = datei.fehler();
        return e;
    }
    const int64_t groesse = datei.groesse();
    if (groesse < 0 || groesse > KqaDateiHoechstens) {
        e.fehler = QStringLiteral("Die Datei ist zu groß.");
        return e;
    }
    const int64_t teilung = Teilungsstelle(datei, groesse);
    std::vector<std::unique_ptr<Strecke>> strecken;
    strecken.push_back(std::make_unique<Strecke>(umfang));
    std::mutex sperre;
    std::unique_ptr<QThread> zweiter;
    if (teilung < groesse) {
        strecken.push_back(std::make_unique<Strecke>(umfang));
        zweiter.reset(QThread::create(StreckeLesen, std::ref(datei), std::ref(sperre), teilung, groesse,
                                      std::ref(*strecken.back())));
        zweiter->start();
    }
    StreckeLesen(datei, sperre, 0, teilung, *strecken.front());
    if (zweiter) zweiter->wait();
    KqaLeseErgebnis gelesen = Zusammenfuehren(strecken, QFileInfo(pfad).fileName());
    // A file that could not be read through is no analysis: what was read is dropped.
    if (!gelesen.fehler.isEmpty()) {
        e.fehler = gelesen.fehler;
        return e;
    }
    return gelesen;
}
