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

KqaLeseErgebnis KqaLesenAusBytes(const QByteArray& bytes, const QString& name) {
    KqaLeseErgebnis e;
    int64_t nummer = 0;
    int64_t beschaedigt = 0;
    KqaLauf lauf;
    for (qsizetype anfang = 0; anfang < bytes.size();) {
        qsizetype ende = bytes.indexOf('\n', anfang);
        if (ende < 0) ende = bytes.size();
        ++nummer;
        QByteArrayView zeile(bytes.constData() + anfang, ende - anfang);
        anfang = ende + 1;
        if (zeile.endsWith('\r')) zeile.chop(1);
        if (zeile.trimmed().isEmpty()) continue;
        if (zeile.size() > KqaZeileHoechstens || !KqaZeileLesen(zeile.toByteArray(), lauf)) {
            ++beschaedigt;
            e.warnungen.append(KqaZeileBeschaedigtText(name, nummer));
            continue;
        }
        e.bestand.hinzufuegen(lauf, nummer);
    }
    e.keinKqa = beschaedigt > 0 && e.bestand.laeufe().empty();
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
    QByteArray bytes;
    if (!datei.allesLesen(bytes)) {
        e.fehler = datei.fehler();
        return e;
    }
    datei.schliessen();
    return KqaLesenAusBytes(bytes, QFileInfo(pfad).fileName());
}
