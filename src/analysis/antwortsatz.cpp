#include "analysis/antwortsatz.h"

#include "analysis/kqa_json.h"

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
    const QJsonObject kopf{
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
    };
    // The answers come last: a reader that counts only some runs reads the others' heads
    // and steps over the rest of their lines.
    QByteArray zeile = QJsonDocument(kopf).toJson(QJsonDocument::Compact);
    zeile.chop(1);
    return zeile + ",\"antworten\":" + QJsonDocument(antworten).toJson(QJsonDocument::Compact) + '}';
}

bool KqaZeileLesen(const QByteArray& zeile, KqaLauf& lauf) {
    KqaBestand b;
    if (!KqaJsonZeileLesen(zeile, 0, b)) return false;
    lauf = b.lauf(0);
    return true;
}

int32_t KqaBestand::textId(QByteArrayView utf8) {
    // The same few texts come again and again (a title, a computer, a grade): a glance at a
    // small table by length and three bytes finds most of them without hashing.
    const auto n = static_cast<std::size_t>(utf8.size());
    const auto byte = [&](std::size_t i) {
        return static_cast<unsigned char>(utf8[static_cast<qsizetype>(i)]);
    };
    const std::size_t skizze =
        n == 0 ? 0 : (n * 131 + byte(0) * 31 + byte(n / 2) * 7 + byte(n - 1)) % m_zuletzt.size();
    if (const int32_t id = m_zuletzt[skizze];
        id >= 0 && KurzGleich(m_utf8[static_cast<std::size_t>(id)], utf8))
        return id;
    // Looked up without a copy; only a text seen for the first time is stored.
    const auto gefunden = m_ids.constFind(QByteArray::fromRawData(utf8.data(), utf8.size()));
    if (gefunden != m_ids.cend()) return m_zuletzt[skizze] = gefunden.value();
    const auto id = static_cast<int32_t>(m_texte.size());
    m_texte.push_back(QString::fromUtf8(utf8));
    m_utf8.push_back(utf8.toByteArray());
    m_ids.insert(m_utf8.back(), id);
    return m_zuletzt[skizze] = id;
}

int32_t KqaBestand::feldTextId(std::size_t feld, QByteArrayView utf8) {
    int32_t& zuletzt = m_feldZuletzt[feld % m_feldZuletzt.size()];
    if (zuletzt < 0 || QByteArrayView(m_utf8[static_cast<std::size_t>(zuletzt)]) != utf8)
        zuletzt = textId(utf8);
    return zuletzt;
}

int32_t KqaBestand::textId(const QString& text) {
    return textId(QByteArrayView(text.toUtf8()));
}

int32_t KqaBestand::schuelerId(int32_t teilnehmer) {
    const auto i = static_cast<std::size_t>(teilnehmer);
    if (i >= m_schuelerVon.size()) m_schuelerVon.resize(std::max(i + 1, m_texte.size()), -1);
    if (m_schuelerVon[i] < 0) {
        const QString name = text(teilnehmer).trimmed();
        m_schuelerVon[i] = textId(name.isEmpty() ? QStringLiteral("(kein Name)") : name);
    }
    return m_schuelerVon[i];
}

bool KqaBestand::antwortenNoetig(int32_t schueler, bool ganz) const {
    if (m_umfang == AuswertungsUmfang::AlleLaeufe) return true;
    const auto i = static_cast<std::size_t>(schueler);
    return ganz && (i >= m_ersterGenommen.size() || !m_ersterGenommen[i]);
}

void KqaBestand::startSetzen(KqaLaufKopf& kopf, QByteArrayView iso) {
    kopf.startAnfang = static_cast<std::size_t>(m_starts.size());
    kopf.startLaenge = static_cast<std::size_t>(iso.size());
    m_starts.append(iso);
}

QString KqaBestand::start(const KqaLaufKopf& k) const {
    return QString::fromUtf8(m_starts.constData() + k.startAnfang, static_cast<qsizetype>(k.startLaenge));
}

void KqaBestand::kopfAnhaengen(const KqaLaufKopf& kopf) {
    if (kopf.ganz && kopf.antwortenGelesen) {
        const auto i = static_cast<std::size_t>(kopf.schueler);
        if (i >= m_ersterGenommen.size()) m_ersterGenommen.resize(i + 1, false);
        m_ersterGenommen[i] = true;
    }
    m_laeufe.push_back(kopf);
}

KqaLauf KqaBestand::lauf(std::size_t i) const {
    const KqaLaufKopf& k = m_laeufe.at(i);
    KqaLauf l{text(k.titel),
              text(k.datei),
              text(k.hash),
              text(k.teilnehmer),
              text(k.rechner),
              QDateTime::fromString(start(k), Qt::ISODateWithMs),
              k.dauerMs,
              k.leistung,
              text(k.note),
              k.ganz,
              {}};
    for (std::size_t a = k.antwortAnfang; a < k.antwortEnde; ++a) {
        const KqaAntwortKurz& kurz = m_antworten[a];
        l.antworten.push_back(
            {kurz.ziel, text(kurz.nummer), text(kurz.text), kurz.richtig, kurz.versuch, kurz.ms});
    }
    return l;
}

void KqaBestand::hinzufuegen(const KqaLauf& lauf, int64_t zeile) {
    KqaLaufKopf k;
    k.titel = textId(lauf.titel);
    k.datei = textId(lauf.datei);
    k.hash = textId(lauf.hash);
    k.teilnehmer = textId(lauf.teilnehmer);
    k.schueler = schuelerId(k.teilnehmer);
    k.rechner = textId(lauf.rechner);
    k.note = textId(lauf.note);
    k.dauerMs = lauf.dauerMs;
    k.leistung = lauf.leistung;
    k.ganz = lauf.ganz;
    k.zeile = zeile;
    startSetzen(k, QByteArrayView(lauf.start.toString(Qt::ISODateWithMs).toUtf8()));
    k.antwortAnfang = m_antworten.size();
    for (const KqaAntwort& a : lauf.antworten)
        m_antworten.push_back({a.ziel, textId(a.nummer), textId(a.text), a.versuch, a.ms, a.richtig});
    k.antwortEnde = m_antworten.size();
    kopfAnhaengen(k);
}

void KqaBestand::anfuegen(const KqaBestand& spaeter, int64_t zeilenVersatz) {
    std::vector<int32_t> ids;
    ids.reserve(spaeter.m_utf8.size());
    for (const QByteArray& utf8 : spaeter.m_utf8)
        ids.push_back(textId(QByteArrayView(utf8)));
    const auto neu = [&ids](int32_t id) { return ids[static_cast<std::size_t>(id)]; };
    m_laeufe.reserve(m_laeufe.size() + spaeter.m_laeufe.size());
    for (KqaLaufKopf k : spaeter.m_laeufe) {
        for (int32_t* id : {&k.titel, &k.datei, &k.hash, &k.teilnehmer, &k.schueler, &k.rechner, &k.note})
            *id = neu(*id);
        k.zeile += zeilenVersatz;
        startSetzen(
            k, QByteArrayView(spaeter.m_starts)
                   .sliced(static_cast<qsizetype>(k.startAnfang), static_cast<qsizetype>(k.startLaenge)));
        const std::size_t von = k.antwortAnfang;
        const std::size_t bis = k.antwortEnde;
        k.antwortAnfang = k.antwortEnde = m_antworten.size();
        if (k.antwortenGelesen && !antwortenNoetig(k.schueler, k.ganz)) k.antwortenGelesen = false;
        if (k.antwortenGelesen) {
            for (std::size_t i = von; i < bis; ++i) {
                KqaAntwortKurz a = spaeter.m_antworten[i];
                a.nummer = neu(a.nummer);
                a.text = neu(a.text);
                m_antworten.push_back(a);
            }
            k.antwortEnde = m_antworten.size();
        }
        kopfAnhaengen(k);
    }
}

QString KqaZeileBeschaedigtText(const QString& name, int64_t zeile) {
    return QStringLiteral("%1: Zeile %2 ist beschädigt und wird übergangen.").arg(name).arg(zeile);
}
