#include "analysis/antwortsatz.h"

#include "platform/dateisperre.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

// An answer is an array, not an object: a class's year of runs stays a third as long.
enum AntwortFeld { Ziel, Nummer, Text, Richtig, Versuch, Ms, AntwortFelder };

QJsonArray AntwortAlsJson(const KqaAntwort& a) {
    return {a.ziel, a.nummer, a.text, a.richtig, a.versuch, static_cast<double>(a.ms)};
}

bool Ganzzahl(const QJsonValue& wert, int64_t von, int64_t bis, int64_t& ziel) {
    if (!wert.isDouble()) return false;
    const double d = wert.toDouble();
    if (!std::isfinite(d) || d != std::floor(d) || d < static_cast<double>(von) ||
        d > static_cast<double>(bis))
        return false;
    ziel = static_cast<int64_t>(d);
    return true;
}

bool AntwortLesen(const QJsonValue& wert, KqaAntwort& a) {
    const QJsonArray feld = wert.toArray();
    if (feld.size() != AntwortFelder || !feld[Nummer].isString() || !feld[Text].isString() ||
        !feld[Richtig].isBool())
        return false;
    int64_t ziel = 0, versuch = 0, ms = 0;
    if (!Ganzzahl(feld[Ziel], 0, INT32_MAX, ziel) || !Ganzzahl(feld[Versuch], 1, INT32_MAX, versuch) ||
        !Ganzzahl(feld[Ms], 0, int64_t{1} << 50, ms))
        return false;
    a.ziel = static_cast<int32_t>(ziel);
    a.nummer = feld[Nummer].toString();
    a.text = feld[Text].toString();
    a.richtig = feld[Richtig].toBool();
    a.versuch = static_cast<int32_t>(versuch);
    a.ms = ms;
    return true;
}

bool KopfLesen(const QJsonObject& o, KqaLauf& lauf) {
    for (const char* text : {"titel", "datei", "hash", "teilnehmer", "rechner", "start", "note"})
        if (!o.value(QLatin1String(text)).isString()) return false;
    int64_t dauer = 0;
    const QJsonValue leistung = o.value(QLatin1String("leistung"));
    if (!Ganzzahl(o.value(QLatin1String("dauerMs")), 0, int64_t{1} << 50, dauer) || !leistung.isDouble() ||
        !o.value(QLatin1String("ganz")).isBool() || !o.value(QLatin1String("antworten")).isArray())
        return false;
    lauf.titel = o.value(QLatin1String("titel")).toString();
    lauf.datei = o.value(QLatin1String("datei")).toString();
    lauf.hash = o.value(QLatin1String("hash")).toString();
    lauf.teilnehmer = o.value(QLatin1String("teilnehmer")).toString();
    lauf.rechner = o.value(QLatin1String("rechner")).toString();
    lauf.start = QDateTime::fromString(o.value(QLatin1String("start")).toString(), Qt::ISODateWithMs);
    lauf.dauerMs = dauer;
    lauf.leistung = std::clamp(leistung.toDouble(), 0.0, 1.0);
    lauf.note = o.value(QLatin1String("note")).toString();
    lauf.ganz = o.value(QLatin1String("ganz")).toBool();
    return true;
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
    QJsonParseError fehler{};
    const QJsonDocument doc = QJsonDocument::fromJson(zeile, &fehler);
    if (fehler.error != QJsonParseError::NoError || !doc.isObject()) return false;
    const QJsonObject o = doc.object();
    KqaLauf neu;
    if (!KopfLesen(o, neu)) return false;
    const QJsonArray antworten = o.value(QLatin1String("antworten")).toArray();
    if (antworten.size() > KqaAntwortenHoechstens) return false;
    neu.antworten.resize(static_cast<std::size_t>(antworten.size()));
    for (qsizetype i = 0; i < antworten.size(); ++i)
        if (!AntwortLesen(antworten[i], neu.antworten[static_cast<std::size_t>(i)])) return false;
    lauf = std::move(neu);
    return true;
}

int32_t KqaBestand::textId(const QString& text) {
    const auto gefunden = m_ids.constFind(text);
    if (gefunden != m_ids.cend()) return gefunden.value();
    const auto id = static_cast<int32_t>(m_texte.size());
    m_texte.push_back(text);
    m_ids.insert(text, id);
    return id;
}

void KqaBestand::hinzufuegen(const KqaLauf& lauf, int64_t zeile) {
    KqaLaufKopf k{lauf.titel, lauf.datei,         lauf.hash,         lauf.teilnehmer, lauf.rechner,
                  lauf.start, lauf.dauerMs,       lauf.leistung,     lauf.note,       lauf.ganz,
                  zeile,      m_antworten.size(), m_antworten.size()};
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
        if (m_zuLang || (!m_zeile.trimmed().isEmpty() && !KqaZeileLesen(m_zeile, m_lauf))) {
            ++m_beschaedigt;
            m_e.warnungen.append(KqaZeileBeschaedigtText(m_name, m_nummer));
        } else if (!m_zeile.trimmed().isEmpty()) {
            m_e.bestand.hinzufuegen(m_lauf, m_nummer);
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
    KqaLauf m_lauf;
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
