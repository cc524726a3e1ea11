#include "results/bestenliste_format.h"

#include "data/cp1252.h"
#include "documents/tvl_puffer.h"
#include "results/lateinschrift.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr qint64 MsProTag = 86'400'000;
const QDate Nulltag(1899, 12, 30);

struct Felder {
    bool name, rechner, beginn, dauer, leistung;
    bool keines() const { return !(name || rechner || beginn || dauer || leistung); }
};

Felder FelderAus(const QByteArray& schluessel) {
    const auto hat = [&](const char* k) { return schluessel.contains(k); };
    return {hat("HSC-Name"), hat("HSC-Rechner"), hat("HSC-Beginn"), hat("HSC-Dauer"), hat("HSC-Leistung")};
}

// The serial dates a date can show: 1 January 100 to 31 December 9999.
constexpr double BeginnMin = -657434.0;
constexpr double BeginnMax = 2958465.0;

// Damage can put any bit pattern into a value. Each one is held to its range, so
// the window never shows "inf %" or a negative time and the ranking compares sound values.
double Begrenzt(double wert, double min, double max) {
    if (std::isnan(wert)) return 0;
    return std::clamp(wert, min, max);
}

enum class Stand { Ok, Ende, Schaden };

// A bounds-checked cursor over the file's bytes. It holds a bounded window of them
// and fetches the next piece when a field needs it, so a long list never sits in
// memory as a whole; only a single text longer than a piece widens the window.
class Leser final {
public:
    Leser(const BestListQuelle& quelle, qint64 gesamt) : m_quelle(quelle), m_gesamt(gesamt) {}
    qint64 rest() const { return m_gesamt - m_pos; }
    qint64 position() const { return m_pos; }
    bool lesefehler() const { return m_lesefehler; }

    Stand ganzzahl(int32_t& wert) {
        if (!holen(4)) return Stand::Ende;
        wert = qFromLittleEndian<int32_t>(hier());
        m_pos += 4;
        return Stand::Ok;
    }
    Stand reell(double& wert) {
        if (!holen(8)) return Stand::Ende;
        const auto bits = qFromLittleEndian<uint64_t>(hier());
        std::memcpy(&wert, &bits, sizeof wert);
        m_pos += 8;
        return Stand::Ok;
    }
    // A negative byte count, or one past the end that no text could have, is damage;
    // a plausible one past the end is a file that ends inside this text.
    // The text's bytes stay valid until the next read.
    Stand text(const char*& anfang, int32_t& laenge) {
        if (ganzzahl(laenge) != Stand::Ok) return Stand::Ende;
        if (laenge < 0 || (laenge > rest() && laenge > BestListMaxTextBytes)) return Stand::Schaden;
        if (laenge > rest() || !holen(laenge)) return Stand::Ende;
        anfang = hier();
        m_pos += laenge;
        return Stand::Ok;
    }
    Stand text(QByteArray& bytes) {
        const char* anfang = nullptr;
        int32_t laenge = 0;
        const Stand s = text(anfang, laenge);
        if (s == Stand::Ok) bytes = QByteArray(anfang, laenge);
        return s;
    }
    Stand text(QString& wert) {
        const char* anfang = nullptr;
        int32_t laenge = 0;
        const Stand s = text(anfang, laenge);
        if (s == Stand::Ok) wert = AusCp1252(anfang, laenge);
        return s;
    }

private:
    const char* hier() const { return m_fenster.constData() + (m_pos - m_fensterAnfang); }
    // Makes `n` bytes from the current position available in the window.
    bool holen(qint64 n) {
        if (n > rest()) return false;
        const qint64 ende = m_fensterAnfang + m_fenster.size();
        if (m_pos + n <= ende) return true;
        m_fenster.remove(0, static_cast<qsizetype>(m_pos - m_fensterAnfang));
        m_fensterAnfang = m_pos;
        const qint64 fehlt = qMin(rest(), qMax<qint64>(n, BestListStueckBytes)) - m_fenster.size();
        const qsizetype alt = m_fenster.size();
        m_fenster.resize(alt + static_cast<qsizetype>(fehlt));
        const int64_t gelesen = m_quelle(m_fenster.data() + alt, fehlt);
        if (gelesen != fehlt) {
            m_fenster.resize(alt + static_cast<qsizetype>(qMax<int64_t>(0, gelesen)));
            m_gesamt = m_fensterAnfang + m_fenster.size();
            m_lesefehler = true;
        }
        return m_pos + n <= m_fensterAnfang + m_fenster.size();
    }

    const BestListQuelle& m_quelle;
    qint64 m_gesamt;
    qint64 m_pos = 0;
    QByteArray m_fenster;
    qint64 m_fensterAnfang = 0;
    bool m_lesefehler = false;
};

// Reads one entry: Ok, Ende when the file ends inside it, Schaden when a field is impossible.
Stand EintragLesen(Leser& l, const Felder& f, BestListDataTyp& e) {
    Stand s = Stand::Ok;
    if (f.name && (s = l.text(e.Name)) != Stand::Ok) return s;
    if (f.rechner && (s = l.text(e.Rechner)) != Stand::Ok) return s;
    if (f.beginn && (s = l.reell(e.Beginn)) != Stand::Ok) return s;
    // No entry this program writes starts at the serial date 0; a run of zeros (a file
    // grown by a hole, a disk that lost its data) does.
    if (f.beginn && e.Beginn == 0) return Stand::Schaden;
    e.Beginn = Begrenzt(e.Beginn, BeginnMin, BeginnMax);
    if (f.dauer && (s = l.ganzzahl(e.Dauer)) != Stand::Ok) return s;
    e.Dauer = std::max<int32_t>(e.Dauer, 0);
    if (f.leistung && (s = l.reell(e.Leistung)) != Stand::Ok) return s;
    e.Leistung = Begrenzt(e.Leistung, 0, 1);
    return Stand::Ok;
}

BestListLeseFehler Eintraege(Leser& l, std::vector<BestListDataTyp>& liste, int64_t* beschaedigtAb) {
    QByteArray text;
    if (l.text(text) != Stand::Ok || text != BestListKennung) return BestListLeseFehler::FalscheKennung;
    if (l.text(text) != Stand::Ok) return BestListLeseFehler::KopfBeschaedigt;
    const Felder felder = FelderAus(text);
    // Entries of such a list have no bytes: whatever follows the header is not an entry.
    if (felder.keines()) {
        if (l.rest() > 0 && beschaedigtAb) *beschaedigtAb = 1;
        return BestListLeseFehler::Keiner;
    }
    liste.reserve(100);
    while (l.rest() > 0) {
        // Beyond what any class writes, the rest is refused like damage, so that a list
        // of whatever size is shown in bounded time and memory.
        if (liste.size() >= BestListHoechstEintraege || l.position() >= BestListHoechstBytes) {
            if (beschaedigtAb) *beschaedigtAb = static_cast<int64_t>(liste.size()) + 1;
            break;
        }
        liste.emplace_back();
        const Stand s = EintragLesen(l, felder, liste.back());
        if (s == Stand::Ok) continue;
        if (s == Stand::Schaden) {
            liste.pop_back();
            if (beschaedigtAb) *beschaedigtAb = static_cast<int64_t>(liste.size()) + 1;
        }
        break;
    }
    return BestListLeseFehler::Keiner;
}

} // namespace

QByteArray BestListKopf() {
    QByteArray kopf;
    TvlPacker packer(kopf);
    packer.text(BestListKennung);
    packer.text(BestListSchluesselliste);
    return kopf;
}

QByteArray BestListEintragBytes(const BestListDataTyp& eintrag) {
    QByteArray bytes;
    TvlPacker packer(bytes);
    packer.text(NachCp1252(FuerCp1252Umschreiben(eintrag.Name)));
    packer.text(NachCp1252(FuerCp1252Umschreiben(eintrag.Rechner)));
    packer.reell(eintrag.Beginn);
    packer.ganzzahl(eintrag.Dauer);
    packer.reell(eintrag.Leistung);
    return bytes;
}

BestListLeseFehler BestListAusQuelle(const BestListQuelle& quelle, int64_t groesse,
                                     std::vector<BestListDataTyp>& liste, int64_t* beschaedigtAb,
                                     bool* lesefehler) {
    if (beschaedigtAb) *beschaedigtAb = 0;
    Leser l(quelle, groesse);
    std::vector<BestListDataTyp> neu;
    const BestListLeseFehler f = Eintraege(l, neu, beschaedigtAb);
    if (lesefehler) *lesefehler = l.lesefehler();
    if (f == BestListLeseFehler::Keiner) liste = std::move(neu);
    return f;
}

BestListLeseFehler BestListAusDaten(const QByteArray& daten, std::vector<BestListDataTyp>& liste,
                                    int64_t* beschaedigtAb) {
    qint64 pos = 0;
    const BestListQuelle ausSpeicher = [&](char* ziel, int64_t n) {
        const int64_t k = qMin<int64_t>(n, daten.size() - pos);
        std::memcpy(ziel, daten.constData() + pos, static_cast<std::size_t>(k));
        pos += k;
        return k;
    };
    return BestListAusQuelle(ausSpeicher, daten.size(), liste, beschaedigtAb, nullptr);
}

double SerielleZeit(const QDateTime& zeit) {
    const qint64 tage = Nulltag.daysTo(zeit.date());
    const double bruch = static_cast<double>(zeit.time().msecsSinceStartOfDay()) / MsProTag;
    return tage >= 0 ? tage + bruch : tage - bruch;
}

QDateTime AusSeriellerZeit(double seriell) {
    if (!std::isfinite(seriell) || std::abs(seriell) > 3.0e6) return {};
    const double tage = std::trunc(seriell);
    const auto ms = static_cast<int>(std::llround(std::abs(seriell - tage) * MsProTag));
    QDate datum = Nulltag.addDays(static_cast<qint64>(tage));
    // Rounding can reach the next midnight.
    if (ms >= MsProTag) return QDateTime(datum.addDays(1), QTime(0, 0));
    return QDateTime(datum, QTime::fromMSecsSinceStartOfDay(ms));
}
