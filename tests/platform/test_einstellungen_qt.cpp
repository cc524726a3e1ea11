#include "platform/einstellungen_qt.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class IniSpeicher : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(tmp.isValid()); }
    QString datei() const { return tmp.filePath(QStringLiteral("einstellungen.ini")); }
    void roh(const QByteArray& inhalt) {
        QFile f(datei());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    }
    QTemporaryDir tmp;
};

TEST_F(IniSpeicher, FehlendeDateiHatKeineWerte) {
    const EinstellungenQt s(datei());
    EXPECT_FALSE(s.leseBool(QStringLiteral("Opt-Sound")));
    EXPECT_FALSE(s.leseInt(QStringLiteral("UebOpt-AbfrageModus")));
    EXPECT_FALSE(s.leseText(QStringLiteral("NetzKomKanal")));
    EXPECT_FALSE(QFile::exists(datei())) << "reading creates nothing";
}

TEST_F(IniSpeicher, NamenOhneRuecksichtAufGrossUndKlein) {
    roh("[General]\nUebOpt-Zeitlimit=2\nNETZKOMKANAL=TVL-7\n");
    const EinstellungenQt s(datei());
    EXPECT_EQ(s.leseInt(QStringLiteral("UebOpt-ZeitLimit")), 2);
    EXPECT_EQ(s.leseInt(QStringLiteral("uebopt-zeitlimit")), 2);
    EXPECT_EQ(s.leseText(QStringLiteral("NetzKomKanal")), QStringLiteral("TVL-7"));
}

TEST_F(IniSpeicher, SchreibenBehaeltDieGespeicherteSchreibweise) {
    roh("[General]\nUebOpt-Zeitlimit=2\n");
    {
        EinstellungenQt s(datei());
        s.schreibeInt(QStringLiteral("UebOpt-ZeitLimit"), 1);
        EXPECT_EQ(s.leseInt(QStringLiteral("UebOpt-Zeitlimit")), 1);
        s.schreibeText(QStringLiteral("Neu-Wert"), QStringLiteral("a"));
        s.schreibeText(QStringLiteral("NEU-WERT"), QStringLiteral("b"));
        s.speichern();
    }
    QSettings kontrolle(datei(), QSettings::IniFormat);
    EXPECT_EQ(kontrolle.allKeys(),
              (QStringList{QStringLiteral("Neu-Wert"), QStringLiteral("UebOpt-Zeitlimit")}));
    EXPECT_EQ(kontrolle.value(QStringLiteral("Neu-Wert")).toString(), QStringLiteral("b"));
}

TEST_F(IniSpeicher, TypenUeberstehenDieRundreise) {
    {
        EinstellungenQt s(datei());
        s.schreibeBool(QStringLiteral("B0"), false);
        s.schreibeBool(QStringLiteral("B1"), true);
        s.schreibeInt(QStringLiteral("Minus"), -5);
        s.schreibeText(QStringLiteral("Zahltext"), QStringLiteral("3"));
        s.schreibeText(QStringLiteral("Komma"), QStringLiteral("/srv/a,b/"));
        s.schreibeText(QStringLiteral("Leer"), QString());
        s.schreibeText(QStringLiteral("Umlaut"), QStringLiteral("Übungen für Klasse 7ä"));
        s.speichern();
    }
    const EinstellungenQt s(datei());
    EXPECT_EQ(s.leseBool(QStringLiteral("B0")), false);
    EXPECT_EQ(s.leseBool(QStringLiteral("B1")), true);
    EXPECT_EQ(s.leseInt(QStringLiteral("Minus")), -5);
    EXPECT_EQ(s.leseText(QStringLiteral("Zahltext")), QStringLiteral("3"));
    EXPECT_EQ(s.leseText(QStringLiteral("Komma")), QStringLiteral("/srv/a,b/"));
    EXPECT_EQ(s.leseText(QStringLiteral("Leer")), QString());
    EXPECT_EQ(s.leseText(QStringLiteral("Umlaut")), QStringLiteral("Übungen für Klasse 7ä"));

    QFile f(datei());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray inhalt = f.readAll();
    EXPECT_TRUE(inhalt.contains("B1=1\n")) << "a boolean is the integer 0 or 1";
    EXPECT_FALSE(inhalt.contains("true"));
}

struct KeineZahl {
    const char* zeile;
};

class IniFalscherTyp : public IniSpeicher, public ::testing::WithParamInterface<KeineZahl> {};

TEST_P(IniFalscherTyp, ZahlFehlt) {
    roh(QByteArray("[General]\nWert=") + GetParam().zeile + "\n");
    const EinstellungenQt s(datei());
    EXPECT_FALSE(s.leseInt(QStringLiteral("Wert")));
    EXPECT_FALSE(s.leseBool(QStringLiteral("Wert")));
}

INSTANTIATE_TEST_SUITE_P(Einstellungen, IniFalscherTyp,
                         ::testing::Values(KeineZahl{"ja"}, KeineZahl{"true"}, KeineZahl{"12abc"},
                                           KeineZahl{""}, KeineZahl{"1.5"}, KeineZahl{"99999999999"},
                                           KeineZahl{"1,2"}, KeineZahl{"@Variant(\\0\\0\\0\\x7f\\0\\0\\0)"}));

TEST_F(IniSpeicher, BeschaedigteDateiOhneAbsturz) {
    QByteArray muell;
    for (int i = 0; i < 4096; ++i)
        muell.append(static_cast<char>((i * 131 + 7) % 256));
    roh(muell);
    const EinstellungenQt s(datei());
    EXPECT_FALSE(s.leseInt(QStringLiteral("Opt-Sound")));
    EXPECT_FALSE(s.leseText(QStringLiteral("NetzKomOrdner")));
}

TEST(EinstellungenQtProgramm, OrtDesProgrammspeichers) {
    // Only the place is checked; the user's real settings are never touched.
    const EinstellungenQt s;
    EXPECT_TRUE(s.ort().contains(QStringLiteral("Velmora"))) << s.ort().toStdString();
    EXPECT_TRUE(s.ort().contains(QStringLiteral("Velmora Kartello-Quiz 1.0"))) << s.ort().toStdString();
}

} // namespace
