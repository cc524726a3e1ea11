#include "tool_json_leser.h"

#include <QJsonArray>
#include <QStringDecoder>
#include <QStringEncoder>
#include <cmath>
#include <limits>
#include <utility>

namespace {

// The file stores text in Windows-1252; a character outside it would silently become "?".
QChar ErstesFremdzeichen(const QString& text) {
    QStringEncoder kodierer("windows-1252");
    QStringDecoder dekodierer("windows-1252");
    const QByteArray bytes = kodierer.encode(text);
    const QString zurueck = dekodierer.decode(bytes);
    for (qsizetype i = 0; i < text.size(); ++i)
        if (i >= zurueck.size() || zurueck.at(i) != text.at(i)) return text.at(i);
    return QChar();
}

} // namespace

// Only finite numbers: the reader counts NaN and infinity in a document as damage,
// so a document built with them could never be opened.
bool ReellAusJson(const QJsonValue& wert, double& zahl) {
    if (!wert.isDouble() || !std::isfinite(wert.toDouble())) return false;
    zahl = wert.toDouble();
    return true;
}

JsonLeser::JsonLeser(QJsonObject objekt, QString ort) : m_objekt(std::move(objekt)), m_ort(std::move(ort)) {}

bool JsonLeser::wertHolen(const QString& feld, QJsonValue& wert) {
    wert = m_objekt.value(feld);
    if (!wert.isUndefined()) return true;
    m_fehler = QStringLiteral("Feld \"%1\" fehlt%2.").arg(feld, m_ort);
    return false;
}

bool JsonLeser::scheitern(const QString& feld, const QString& muss) {
    m_fehler = QStringLiteral("Feld \"%1\"%2 muss %3 sein.").arg(feld, m_ort, muss);
    return false;
}

bool JsonLeser::text(const QString& feld, QString& wert) {
    QJsonValue v;
    if (!wertHolen(feld, v)) return false;
    if (!v.isString()) return scheitern(feld, QStringLiteral("eine Zeichenkette"));
    const QChar fremd = ErstesFremdzeichen(v.toString());
    if (!fremd.isNull()) {
        m_fehler = QStringLiteral("Feld \"%1\"%2 enthält das Zeichen \"%3\" (U+%4), das Windows-1252 "
                                  "nicht darstellen kann.")
                       .arg(feld, m_ort, QString(fremd))
                       .arg(fremd.unicode(), 4, 16, QLatin1Char('0'));
        return false;
    }
    wert = v.toString();
    return true;
}

bool JsonLeser::ganz(const QString& feld, int32_t& wert) {
    QJsonValue v;
    if (!wertHolen(feld, v)) return false;
    const double zahl = v.toDouble();
    if (!v.isDouble() || std::trunc(zahl) != zahl || zahl < std::numeric_limits<int32_t>::min() ||
        zahl > std::numeric_limits<int32_t>::max())
        return scheitern(feld, QStringLiteral("eine ganze Zahl von -2147483648 bis 2147483647"));
    wert = static_cast<int32_t>(zahl);
    return true;
}

bool JsonLeser::reell(const QString& feld, double& wert) {
    QJsonValue v;
    if (!wertHolen(feld, v)) return false;
    if (!ReellAusJson(v, wert)) return scheitern(feld, QStringLiteral("eine Zahl"));
    return true;
}

bool JsonLeser::reellFeld(const QString& feld, std::array<double, 4>& wert) {
    QJsonValue v;
    if (!wertHolen(feld, v)) return false;
    const QJsonArray liste = v.toArray();
    std::array<double, 4> zahlen{};
    bool gut = v.isArray() && liste.size() == 4;
    for (qsizetype i = 0; gut && i < 4; ++i)
        gut = ReellAusJson(liste.at(i), zahlen[size_t(i)]);
    if (!gut)
        return scheitern(feld, QStringLiteral("eine Liste von vier Zahlen (links, oben, rechts, unten)"));
    wert = zahlen;
    return true;
}

bool JsonLeser::nurBekannte(const QStringList& felder) {
    for (auto it = m_objekt.constBegin(); it != m_objekt.constEnd(); ++it) {
        if (!felder.contains(it.key())) {
            m_fehler = QStringLiteral("Unbekanntes Feld \"%1\"%2.").arg(it.key(), m_ort);
            return false;
        }
    }
    return true;
}
