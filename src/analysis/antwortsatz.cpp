#include "analysis/antwortsatz.h"

#include "analysis/kqa_json.h"
#include "platform/dateisperre.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

// An answer is an array, not an object: a class's year of runs stays a third as long.
QJsonArray AntwortAlsJson(const KqaAntwort& a) {
    return {a.ziel, a.nummer, a.text, a.richtig, a.versuch, static_cast<double>(a.ms)};
}

} // namespace

QByteArray KqaZeile(const KqaLauf& lauf) {
    QJsonArray antworten;
    for (const KqaAntwort& a : lauf.antworten)
        antworten.append(AntwortAlsJson(a));
    const QJsonObject o{
        {QStringLiteral("titel"), lauf.titel},
        {QStringLiteral("datei"), lauf.datei},
        {QStringLiteral("hash"), lauf.hash},
        {QStringLiteral("teilnehmer"), lauf.teilnehmer},
        {QStringLiteral("rechner"), lauf.rechner},
        {QStringLiteral("start"), lauf.start.toString(Qt::ISODateWithMs)},
        {QStringLiteral("dauerMs"), static_cast<double>(lauf.dauerMs)},
        {QStringLiteral("leistung"), lauf.leistung},
        {QStringLiteral("note"), lauf.note},
        {QStringLiteral("ganz"), lauf.ganz},
        {QStringLiteral("antworten"), antworten},
    };
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

bool KqaZeileLesen(const QByteArray& zeile, KqaLauf& lauf) {
    KqaBestand b;
    if (!KqaJsonZeileLesen(zeile, 0, b)) return false;
    lauf = b.lauf(0);
    return true;
}

int32_t KqaBestand::textId(QByteArrayView utf8) {
    // Looked up without a copy; only a text seen for the first time is stored.
    const auto gefunden = m_ids.constFind(QByteArray::fromRawData(utf8.data(), utf8.size()));
    if (gefunden != m_ids.cend()) return gefunden.value();
    const auto id = static_cast<int32_t>(m_texte.size());
    m_texte.push_back(QString::fromUtf8(utf8));
    m_ids.insert(utf8.toByteArray(), id);
    return id;
}

int32_t KqaBestand::textId(const QString& text) {
    return textId(QByteArrayView(text.toUtf8()));
}

KqaLauf KqaBestand::lauf(std::size_t i) const {
    const KqaLaufKopf& k = m_laeufe.at(i);
    KqaLauf l{k.titel,      k.datei,    k.hash,
              k.teilnehmer, k.rechner,  QDateTime::fromString(k.start, Qt::ISODateWithMs),
              k.dauerMs,    k.leistung, k.note,
              k.ganz,       {}};
    for (std::size_t a = k.antwortAnfang; a < k.antwortEnde; ++a) {
        const KqaAntwortKurz& kurz = m_antworten[a];
        l.antworten.push_back(
            {kurz.ziel, text(kurz.nummer), text(kurz.text), kurz.richtig, kurz.versuch, kurz.ms});
    }
    return l;
}

void KqaBestand::hinzufuegen(const KqaLauf& lauf, int64_t zeile) {
    KqaLaufKopf k{lauf.titel,        lauf.datei,    lauf.hash,
                  lauf.teilnehmer,   lauf.rechner,  lauf.start.toString(Qt::ISODateWithMs),
                  lauf.dauerMs,      lauf.leistung, lauf.note,
                  lauf.ganz,         zeile,         m_antworten.size(),
                  m_antworten.size()};
    for (const KqaAntwort& a : lauf.antworten)
        m_antworten.push_back({a.ziel, textId(a.nummer), textId(a.text), a.versuch, a.ms, a.richtig});
    k.antwortEnde = m_antworten.size();
    m_laeufe.push_back(std::move(k));
}

QString KqaZeileBeschaedigtText(const QString& name, int64_t zeile) {
    return QStringLiteral("%1: Zeile %2 ist beschädigt und wird übergangen.").arg(name).arg(zeile);
}

namespace {

// Cuts the bytes into lines as they come, never holding more than one line and one piece:
// a line longer than the limit is skipped while it streams past.
class ZeilenLeser final {
public:
    ZeilenLeser(KqaLeseErgebnis& e, const QString& name) : m_e(e), m_name(name) {}

    void futtern(QByteArrayView bytes) {
        while (!bytes.isEmpty()) {
            const qsizetype ende = bytes.indexOf('\n');
            const QByteArrayView stueck = ende < 0 ? bytes : bytes.first(ende);
            if (!m_zuLang) {
                if (m_zeile.size() + stueck.size() > KqaZeileHoechstens) {
                    m_zuLang = true;
                    m_zeile.clear();
                } else {
                    m_zeile.append(stueck);
                }
            }
            if (ende < 0) return;
            zeileFertig();
            bytes = bytes.sliced(ende + 1);
        }
    }
    void ende() {
        if (!m_zeile.isEmpty() || m_zuLang) zeileFertig();
        m_e.keinKqa = m_beschaedigt > 0 && m_e.bestand.laeufe().empty();
    }

private:
    void zeileFertig() {
        ++m_nummer;
        if (m_zeile.endsWith('\r')) m_zeile.chop(1);
        const bool leer = !m_zuLang && m_zeile.trimmed().isEmpty();
        if (!leer && (m_zuLang || !KqaJsonZeileLesen(m_zeile, m_nummer, m_e.bestand))) {
            ++m_beschaedigt;
            m_e.warnungen.append(KqaZeileBeschaedigtText(m_name, m_nummer));
        }
        m_zeile.clear();
        m_zuLang = false;
    }

    KqaLeseErgebnis& m_e;
    const QString& m_name;
    QByteArray m_zeile;
    bool m_zuLang = false;
    int64_t m_nummer = 0;
    int64_t m_beschaedigt = 0;
};

} // namespace

KqaLeseErgebnis KqaLesenAusBytes(const QByteArray& bytes, const QString& name) {
    KqaLeseErgebnis e;
    ZeilenLeser leser(e, name);
    leser.futtern(bytes);
    leser.ende();
    return e;
}

KqaLeseErgebnis KqaLesen(const QString& pfad) {
    KqaLeseErgebnis e;
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
    const QString name = QFileInfo(pfad).fileName();
    ZeilenLeser leser(e, name);
    QByteArray stueck(1024 * 1024, Qt::Uninitialized);
    for (int64_t pos = 0; pos < groesse;) {
        const int64_t n = datei.lesenAb(pos, stueck.data(), std::min<int64_t>(stueck.size(), groesse - pos));
        if (n <= 0) {
            e.fehler = datei.fehler().isEmpty() ? QStringLiteral("Lesefehler") : datei.fehler();
            return e;
        }
        leser.futtern(QByteArrayView(stueck.constData(), n));
        pos += n;
    }
    leser.ende();
    return e;
}
