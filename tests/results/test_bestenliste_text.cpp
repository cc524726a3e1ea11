// Grid cells, grid text and the printed page of the best list.
#include "results/bestenliste_druck.h"
#include "results/bestenliste_text.h"

#include "test_bestenliste_hilfe.h"

#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(BestenlisteText, LeistungMitEinerNachkommastelle) {
    const std::vector<std::pair<double, QString>> faelle{{0.875, QStringLiteral("87.5 %")},
                                                         {1.0, QStringLiteral("100.0 %")},
                                                         {0.0, QStringLiteral("0.0 %")},
                                                         {2.0 / 3.0, QStringLiteral("66.7 %")},
                                                         {12.3456, QStringLiteral("1234.6 %")}};
    for (const auto& [wert, text] : faelle)
        EXPECT_EQ(LeistungText(wert), text) << wert;
}

TEST(BestenlisteText, ZeitInGanzenSekunden) {
    const std::vector<std::pair<int32_t, QString>> faelle{
        {59999, QStringLiteral("00:59")},  {60000, QStringLiteral("01:00")},
        {247000, QStringLiteral("04:07")}, {6000 * 1000, QStringLiteral("100:00")},
        {0, QStringLiteral("00:00")},      {999, QStringLiteral("00:00")}};
    for (const auto& [ms, text] : faelle)
        EXPECT_EQ(ZeitText(ms), text) << ms;
}

TEST(BestenlisteText, ZeilenMitRangUndKopf) {
    std::vector<BestListDataTyp> l{TestEintrag(QStringLiteral("Anna"), 0.875, 59999),
                                   TestEintrag(QStringLiteral("Bo"), 0.5, 6000000)};
    const auto zeilen = BestListZeilen(l);
    ASSERT_EQ(zeilen.size(), 3u);
    EXPECT_EQ(zeilen[0], (QStringList{QStringLiteral("Pos."), QStringLiteral("Name"),
                                      QStringLiteral("Rechner"), QStringLiteral("Leistung"),
                                      QStringLiteral("Zeit (Min:Sek)"), QStringLiteral("Datum/Uhrzeit")}));
    EXPECT_EQ(zeilen[1].mid(0, 5),
              (QStringList{QStringLiteral("1"), QStringLiteral("Anna"), QStringLiteral("PC-01"),
                           QStringLiteral("87.5 %"), QStringLiteral("00:59")}));
    EXPECT_EQ(zeilen[2][0], QStringLiteral("2"));
    EXPECT_EQ(zeilen[2][4], QStringLiteral("100:00"));
    EXPECT_EQ(zeilen[1][5], DatumUhrzeitText(AusSeriellerZeit(l[0].Beginn)));
}

TEST(BestenlisteText, LeereListeHatEineLeereZeile) {
    const QString text = BestListGridText(BestListZeilen({}));
    EXPECT_EQ(text, QStringLiteral(
                        "Pos.\tName\tRechner\tLeistung\tZeit (Min:Sek)\tDatum/Uhrzeit\r\n\t\t\t\t\t\r\n"));
}

TEST(BestenlisteText, GridBytesIn1252) {
    const auto zeilen = BestListZeilen({TestEintrag(QStringLiteral("Jörg"), 1, 1)});
    const QByteArray b = BestListGridBytes(zeilen);
    EXPECT_TRUE(b.contains("\r\n1\tJ\xf6rg\tPC-01\t100.0 %\t00:00\t"));
    EXPECT_TRUE(b.endsWith("\r\n"));
}

TEST(BestenlisteText, UhrzeitOhneZeitzone) {
    const QString t = DatumUhrzeitText(QDateTime(QDate(2026, 12, 8), QTime(10, 15, 7)));
    EXPECT_TRUE(t.contains(QStringLiteral("10:15:07"))) << t.toStdString();
    EXPECT_FALSE(t.endsWith(QLatin1Char(' ')));
}

// A4 portrait: 1800 units wide; edges keep the screen proportions, rounding ties to even.
TEST(BestenlisteDruck, MasseAufA4) {
    const BestListDruckMasse m = BestListDruckMasseFuer(2100, 2970, 0, 0);
    EXPECT_EQ(m.breite, 1800);
    EXPECT_EQ(m.grenze, 2670);
    EXPECT_EQ(m.links, 150);
    EXPECT_EQ(m.oben, 150);
    EXPECT_EQ(m.zeichenhoehe, 31); // 20000 / 640 = 31.25
    EXPECT_EQ(m.kanten, (std::array<int, 7>{150, 262, 824, 1105, 1330, 1555, 1949}));
}

TEST(BestenlisteDruck, VersatzMindertDenRandNichtUnterNull) {
    const BestListDruckMasse m = BestListDruckMasseFuer(2100, 2970, 42, 200);
    EXPECT_EQ(m.links, 108);
    EXPECT_EQ(m.oben, 0);
    EXPECT_EQ(m.kanten.front(), 108);
}

TEST(BestenlisteDruck, ZeichenhoeheHoechstens40) {
    EXPECT_EQ(BestListDruckMasseFuer(4200, 2970, 0, 0).zeichenhoehe, 40); // A3 landscape: 68.75
    EXPECT_EQ(BestListDruckMasseFuer(1480, 2100, 0, 0).zeichenhoehe, 20); // A5: 20000/640*1180/1800 = 20.49
}

int DruckeSeiten(const QString& datei, int eintraege) {
    QPdfWriter pdf(datei);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    std::vector<BestListDataTyp> l;
    for (int i = 0; i < eintraege; ++i)
        l.push_back(TestEintrag(QStringLiteral("Teilnehmer %1").arg(i), 0.5, i * 1000));
    return BestListDrucken(pdf, BestListZeilen(l));
}

TEST(BestenlisteDruck, SeitenumbruchBeiLangerListe) {
    QTemporaryDir ordner;
    const QString pdf = ordner.filePath(QStringLiteral("b.pdf"));
    EXPECT_EQ(DruckeSeiten(pdf, 10), 1);
    EXPECT_TRUE(Inhalt(pdf).startsWith("%PDF"));
    const int viele = DruckeSeiten(pdf, 300);
    EXPECT_GE(viele, 3);
    EXPECT_LE(viele, 10);
    EXPECT_GE(DruckeSeiten(pdf, 600), 2 * viele - 1);
}

} // namespace
