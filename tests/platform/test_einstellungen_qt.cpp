#include "platform/einstellungen_qt.h"

#include <QFile>
#include <QTemporaryDir>
#include <cctype>
#include <gtest/gtest.h>
#include <string>

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
                         ::testing::Values(KeineZahl{"ja"}, KeineZahl{"wahr"}, KeineZahl{"12abc"},
                                           KeineZahl{""}, KeineZahl{"1.5"}, KeineZahl{"99999999999"},
                                           KeineZahl{"1,2"}, KeineZahl{"@Variant(\\0\\0\\0\\x7f\\0\\0\\0)"}));

struct Schalter {
    const char* zeile;
    bool wert;
};

class IniSchalter : public IniSpeicher, public ::testing::WithParamInterface<Schalter> {};

// Presets are written by hand: true/false read like 1/0, a number stays no boolean word.
TEST_P(IniSchalter, VonHandGeschrieben) {
    roh(QByteArray("[General]\nOpt-Sound=") + GetParam().zeile + "\n");
    const EinstellungenQt s(datei());
    EXPECT_EQ(s.leseBool(QStringLiteral("opt-sound")), GetParam().wert) << GetParam().zeile;
}

INSTANTIATE_TEST_SUITE_P(Einstellungen, IniSchalter,
                         ::testing::Values(Schalter{"true", true}, Schalter{"false", false},
                                           Schalter{"True", true}, Schalter{" FALSE ", false},
                                           Schalter{"1", true}, Schalter{"0", false}, Schalter{"7", true}),
                         [](const ::testing::TestParamInfo<Schalter>& fall) {
                             std::string name;
                             for (const char* c = fall.param.zeile; *c; ++c)
                                 if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                             return name + "_" + std::to_string(fall.index);
                         });

TEST_F(IniSpeicher, TrueIstKeineZahl) {
    roh("[General]\nWert=true\n");
    const EinstellungenQt s(datei());
    EXPECT_FALSE(s.leseInt(QStringLiteral("Wert")));
}

// A computer's presets under a user's own file: the user's value wins, the preset
// fills the rest, and saving copies no preset into the user's file.
TEST_F(IniSpeicher, VorgabenDesSystems) {
    const QString system = tmp.filePath(QStringLiteral("system.conf"));
    {
        QFile f(system);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[General]\nOpt-ProtOrdner=/srv/klasse7/protokolle/\nNetzKomKanal=TVL-3\n"
                "Opt-Sound=false\nopt-autoprotspeichern=true\nUebOpt-AbfrageModus=2\n"
                "UebOpt-Zuordnungsziele=0\n");
    }
    roh("[General]\nNETZKOMKANAL=TVL-9\nOpt-AutoProtSpeichern=1\nUebOpt-AbfrageModus=kaputt\n");
    {
        EinstellungenQt s(datei(), system);
        EXPECT_EQ(s.leseText(QStringLiteral("NetzKomKanal")), QStringLiteral("TVL-9"));
        EXPECT_EQ(s.leseText(QStringLiteral("Opt-ProtOrdner")), QStringLiteral("/srv/klasse7/protokolle/"));
        EXPECT_EQ(s.leseBool(QStringLiteral("Opt-Sound")), false);
        EXPECT_EQ(s.leseBool(QStringLiteral("Opt-AutoProtSpeichern")), true);
        EXPECT_EQ(s.leseInt(QStringLiteral("UebOpt-AbfrageModus")), 2)
            << "an unreadable own value leaves the preset";
        EXPECT_FALSE(s.leseInt(QStringLiteral("UebOpt-Zuordnungstexte")));
        ASSERT_NE(s.system(), nullptr);
        EXPECT_TRUE(s.system()->enthaelt(QStringLiteral("netzkomkanal")));

        s.schreibeText(QStringLiteral("Opt-ProtOrdner"), QStringLiteral("/srv/klasse7/protokolle/"));
        s.schreibeBool(QStringLiteral("Opt-Sound"), false);
        s.schreibeInt(QStringLiteral("UebOpt-Zuordnungsziele"), 1); // differs: the user's own now
        s.schreibeText(QStringLiteral("NetzKomKanal"), QStringLiteral("TVL-3")); // held: stays his
        s.speichern();
    }
    QSettings benutzer(datei(), QSettings::IniFormat);
    EXPECT_FALSE(benutzer.contains(QStringLiteral("Opt-ProtOrdner")));
    EXPECT_FALSE(benutzer.contains(QStringLiteral("Opt-Sound")));
    EXPECT_EQ(benutzer.value(QStringLiteral("UebOpt-Zuordnungsziele")).toString(), QStringLiteral("1"));
    EXPECT_EQ(benutzer.value(QStringLiteral("NETZKOMKANAL")).toString(), QStringLiteral("TVL-3"));
    QSettings vorgabe(system, QSettings::IniFormat);
    EXPECT_EQ(vorgabe.value(QStringLiteral("UebOpt-Zuordnungsziele")).toString(), QStringLiteral("0"))
        << "the presets are never written";
}

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
