// Committed documents keep reading the same way, whatever the writer does later.
#include "documents/tvl_datei.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

QString Datei(const char* name) {
    return QStringLiteral(TESTDATEN_ORDNER "/tvl/") + QString::fromLatin1(name);
}

} // namespace

TEST(TvlDaten, BeispielMitDreiObjekten) {
    Dokument d;
    TvlLeser leser;
    ASSERT_TRUE(leser.lesen(Datei("beispiel.tvl"), d)) << leser.errorString().toStdString();
    EXPECT_EQ(d.Header.HD_titel, QStringLiteral("Flüsse"));
    EXPECT_EQ(d.Header.HD_fragentext, QStringLiteral("Frage // Antwort"));
    EXPECT_EQ(d.Header.HD_DokTyp, 2);
    EXPECT_EQ(d.Header.HD_RandErw, (std::array<double, 4>{0.1, 0, 0.1, 0}));
    ASSERT_EQ(d.Objekte.size(), 3u);
    EXPECT_EQ(d.Objekte[0].OB_Cap, QStringLiteral("Rhein"));
    EXPECT_EQ(d.Objekte[0].OB_FrageNummer, -1);
    EXPECT_EQ(d.Objekte[1].OB_Cap, QStringLiteral("Zeile 1\r\nZeile, \"2\""));
    EXPECT_EQ(d.Objekte[1].OB_FrageNummer, 1);
    EXPECT_EQ(d.Objekte[2].OB_Typ, 11);
    EXPECT_EQ(d.Objekte[2].OB_Cap, QString()) << "\"Frage Nr. 1\" of a heading is dropped";
    EXPECT_EQ(d.Objekte[2].OB_Sx, 0.25);
    EXPECT_EQ(d.Objekte[2].OB_Ky, 0.125);
    EXPECT_EQ(d.Basisbild.size(), QSize(4, 3));
    EXPECT_EQ(d.Basisbild.pixel(3, 2), qRgb(10, 200, 30));
}

TEST(TvlDaten, NurPflichtschluessel) {
    Dokument d;
    TvlLeser leser;
    ASSERT_TRUE(leser.lesen(Datei("pflicht.tvl"), d)) << leser.errorString().toStdString();
    EXPECT_EQ(d.Header.HD_vers, QStringLiteral("1.00"));
    EXPECT_TRUE(d.Objekte.empty());
    EXPECT_EQ(d.Basisbild.size(), QSize(1, 1));
    EXPECT_EQ(d.Basisbild.pixel(0, 0), qRgb(255, 255, 255));
}

TEST(TvlDaten, PaletteMitTransparenzUndGrau16) {
    Dokument d;
    TvlLeser leser;
    ASSERT_TRUE(leser.lesen(Datei("palette.tvl"), d)) << leser.errorString().toStdString();
    EXPECT_EQ(d.Basisbild.format(), QImage::Format_ARGB32);
    EXPECT_EQ(d.Basisbild.pixel(4, 1), qRgba(255, 0, 0, 100));
    ASSERT_TRUE(leser.lesen(Datei("grau16.tvl"), d)) << leser.errorString().toStdString();
    EXPECT_EQ(d.Basisbild.size(), QSize(3, 3));
    EXPECT_EQ(qRed(d.Basisbild.pixel(1, 1)), qGreen(d.Basisbild.pixel(1, 1)));
}
