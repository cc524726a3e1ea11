#include "results/bestenliste_text.h"

#include "data/cp1252.h"
#include "data/steuerzeichen.h"
#include "platform/anzeigeort.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>

const std::array<BestListSpalte, BestListSpaltenAnzahl>& BestListSpalten() {
    static const std::array<BestListSpalte, BestListSpaltenAnzahl> spalten{{
        {QStringLiteral("Pos."), 40, Ausrichtung::Mitte},
        {QStringLiteral("Name"), 200, Ausrichtung::Links},
        {QStringLiteral("Rechner"), 100, Ausrichtung::Links},
        {QStringLiteral("Leistung"), 80, Ausrichtung::Mitte},
        {QStringLiteral("Zeit (Min:Sek)"), 80, Ausrichtung::Mitte},
        {QStringLiteral("Datum/Uhrzeit"), 140, Ausrichtung::Links},
    }};
    return spalten;
}

QString LeistungText(double leistung) {
    return QString::number(leistung * 100.0, 'f', 1) + QStringLiteral(" %");
}

QString ZeitText(int32_t dauerMs) {
    // A negative duration shows as none, never as "-35791:-23".
    const int32_t sekunden = std::max<int32_t>(dauerMs, 0) / 1000;
    return QStringLiteral("%1:%2")
        .arg(sekunden / 60, 2, 10, QLatin1Char('0'))
        .arg(sekunden % 60, 2, 10, QLatin1Char('0'));
}

namespace {

// The long time format of a locale may name the time zone; the system's long time does not.
QString ZeitFormatOhneZone(const QLocale& ort) {
    static const QRegularExpression zone(QStringLiteral("\\s*t+\\s*"));
    QString zeitFormat = ort.timeFormat(QLocale::LongFormat);
    zeitFormat.remove(zone);
    return zeitFormat;
}

} // namespace

QString DatumUhrzeitText(const QDateTime& zeit) {
    const QLocale ort = AnzeigeOrt();
    return ort.toString(zeit.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           ort.toString(zeit.time(), ZeitFormatOhneZone(ort));
}

BestListZellen::BestListZellen(const std::vector<BestListDataTyp>& liste)
    : m_liste(liste), m_ort(AnzeigeOrt()), m_zeitFormat(ZeitFormatOhneZone(m_ort)) {}

QString BestListZellen::datumUhrzeit(double beginn) const {
    const QDateTime zeit = AusSeriellerZeit(beginn);
    const qint64 tag = zeit.date().toJulianDay();
    if (tag != m_letzterTag || !zeit.isValid()) {
        m_letzterTag = zeit.isValid() ? tag : std::numeric_limits<qint64>::min();
        m_letztesDatum = m_ort.toString(zeit.date(), QLocale::ShortFormat);
    }
    return m_letztesDatum + QLatin1Char(' ') + m_ort.toString(zeit.time(), m_zeitFormat);
}

QString BestListZellen::text(std::size_t zeile, int spalte) const {
    if (zeile >= m_liste.size()) return {};
    const BestListDataTyp& e = m_liste[zeile];
    switch (spalte) {
    case 0:
        return QString::number(zeile + 1);
    case 1:
        return e.Name;
    case 2:
        return e.Rechner;
    case 3:
        return LeistungText(e.Leistung);
    case 4:
        return ZeitText(e.Dauer);
    case 5:
        return datumUhrzeit(e.Beginn);
    default:
        return {};
    }
}

QStringList BestListZellen::zeile(std::size_t zeile) const {
    QStringList zellen;
    zellen.reserve(BestListSpaltenAnzahl);
    for (int s = 0; s < BestListSpaltenAnzahl; ++s)
        zellen << text(zeile, s);
    return zellen;
}

std::vector<QStringList> BestListZeilen(const std::vector<BestListDataTyp>& liste) {
    const BestListZellen zellen(liste);
    std::vector<QStringList> zeilen;
    zeilen.reserve(zellen.zeilen() + 1);
    QStringList kopf;
    for (const BestListSpalte& s : BestListSpalten())
        kopf << s.titel;
    zeilen.push_back(kopf);
    for (std::size_t i = 0; i < zellen.zeilen(); ++i)
        zeilen.push_back(zellen.zeile(i));
    return zeilen;
}

QString BestListGridText(const std::vector<QStringList>& zeilen) {
    QString text;
    for (const QStringList& zeile : zeilen) {
        // A name from the shared list must not add cells or rows, nor a formula.
        for (qsizetype i = 0; i < zeile.size(); ++i)
            text += (i > 0 ? QStringLiteral("\t") : QString()) + ExportZelle(zeile.at(i));
        text += QStringLiteral("\r\n");
    }
    return text;
}

QByteArray BestListGridBytes(const std::vector<QStringList>& zeilen) {
    return NachCp1252(BestListGridText(zeilen));
}
