#include "results/bestenliste_text.h"

#include "data/cp1252.h"

#include <QLocale>
#include <QRegularExpression>

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
    const int32_t sekunden = dauerMs / 1000;
    return QStringLiteral("%1:%2")
        .arg(sekunden / 60, 2, 10, QLatin1Char('0'))
        .arg(sekunden % 60, 2, 10, QLatin1Char('0'));
}

QString DatumUhrzeitText(const QDateTime& zeit) {
    const QLocale ort = QLocale::system();
    // The long time format of a locale may name the time zone; the system's long time does not.
    static const QRegularExpression zone(QStringLiteral("\\s*t+\\s*"));
    QString zeitFormat = ort.timeFormat(QLocale::LongFormat);
    zeitFormat.remove(zone);
    return ort.toString(zeit.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           ort.toString(zeit.time(), zeitFormat);
}

std::vector<QStringList> BestListZeilen(const std::vector<BestListDataTyp>& liste) {
    std::vector<QStringList> zeilen;
    zeilen.reserve(liste.size() + 2);
    QStringList kopf;
    for (const BestListSpalte& s : BestListSpalten())
        kopf << s.titel;
    zeilen.push_back(kopf);
    for (std::size_t i = 0; i < liste.size(); ++i) {
        const BestListDataTyp& e = liste[i];
        zeilen.push_back({QString::number(i + 1), e.Name, e.Rechner, LeistungText(e.Leistung),
                          ZeitText(e.Dauer), DatumUhrzeitText(AusSeriellerZeit(e.Beginn))});
    }
    if (liste.empty()) zeilen.push_back(QStringList(BestListSpaltenAnzahl, QString()));
    return zeilen;
}

QString BestListGridText(const std::vector<QStringList>& zeilen) {
    QString text;
    for (const QStringList& zeile : zeilen)
        text += zeile.join(QLatin1Char('\t')) + QStringLiteral("\r\n");
    return text;
}

QByteArray BestListGridBytes(const std::vector<QStringList>& zeilen) {
    return NachCp1252(BestListGridText(zeilen));
}
