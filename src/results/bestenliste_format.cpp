#include "results/bestenliste_format.h"

#include "data/cp1252.h"
#include "documents/tvl_puffer.h"

#include <QtEndian>

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

// A bounds-checked cursor; every read that would pass the end fails and ends the list.
class Leser final {
public:
    explicit Leser(const QByteArray& d) : m_d(d.constData()), m_n(d.size()) {}
    qint64 rest() const { return m_n - m_pos; }

    bool ganzzahl(int32_t& wert) {
        if (rest() < 4) return false;
        wert = qFromLittleEndian<int32_t>(m_d + m_pos);
        m_pos += 4;
        return true;
    }
    // Damage can put NaN or infinity into a double; they would defeat the ranking's comparisons.
    bool reell(double& wert) {
        if (rest() < 8) return false;
        const auto bits = qFromLittleEndian<uint64_t>(m_d + m_pos);
        std::memcpy(&wert, &bits, sizeof wert);
        if (!std::isfinite(wert)) wert = 0;
        m_pos += 8;
        return true;
    }
    bool text(QByteArray& bytes) {
        int32_t laenge = 0;
        if (!ganzzahl(laenge) || laenge < 0 || laenge > rest()) return false;
        bytes = QByteArray::fromRawData(m_d + m_pos, laenge);
        m_pos += laenge;
        return true;
    }
    bool text(QString& wert) {
        QByteArray bytes;
        if (!text(bytes)) return false;
        wert = AusCp1252(bytes);
        return true;
    }

private:
    const char* m_d;
    qint64 m_n;
    qint64 m_pos = 0;
};

// Reads one entry; false when the data ended (or broke) inside it, which ends the list.
bool EintragLesen(Leser& l, const Felder& f, BestListDataTyp& e) {
    if (f.name && !l.text(e.Name)) return false;
    if (f.rechner && !l.text(e.Rechner)) return false;
    if (f.beginn && !l.reell(e.Beginn)) return false;
    if (f.dauer && !l.ganzzahl(e.Dauer)) return false;
    return !f.leistung || l.reell(e.Leistung);
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
    packer.text(NachCp1252(eintrag.Name));
    packer.text(NachCp1252(eintrag.Rechner));
    packer.reell(eintrag.Beginn);
    packer.ganzzahl(eintrag.Dauer);
    packer.reell(eintrag.Leistung);
    return bytes;
}

BestListLeseFehler BestListAusDaten(const QByteArray& daten, std::vector<BestListDataTyp>& liste) {
    liste.clear();
    Leser l(daten);
    QByteArray text;
    if (!l.text(text) || text != BestListKennung) return BestListLeseFehler::FalscheKennung;
    if (!l.text(text)) return BestListLeseFehler::KopfBeschaedigt;
    const Felder felder = FelderAus(text);
    // Entries of such a list have no bytes: reading them would never reach the end.
    if (felder.keines()) return BestListLeseFehler::Keiner;
    liste.reserve(100);
    while (l.rest() > 0) {
        liste.emplace_back();
        if (!EintragLesen(l, felder, liste.back())) break;
    }
    return BestListLeseFehler::Keiner;
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
