#include "shell/start.h"

#include "fake_einstellungen.h"
#include "fake_meldungen.h"
#include "fake_systeminfo.h"
#include "shell/programmeinstellungen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct AnzeigeFall {
    BildschirmModus modus;
    bool geeignet;
};

class Anzeigegrenzen : public ::testing::TestWithParam<AnzeigeFall> {};

TEST_P(Anzeigegrenzen, PruefungUndFrage) {
    const AnzeigeFall fall = GetParam();
    EXPECT_EQ(AnzeigeGeeignet(fall.modus), fall.geeignet);

    FakeSystemInfo system;
    system.modus = fall.modus;
    FakeMeldungen meldungen;
    meldungen.antworten = {Antwort::Nein};
    EXPECT_EQ(AnzeigePruefen(system, meldungen), fall.geeignet);
    if (fall.geeignet) {
        EXPECT_TRUE(meldungen.eintraege.empty());
    } else {
        ASSERT_EQ(meldungen.eintraege.size(), 1u);
        EXPECT_EQ(meldungen.eintraege[0].art, MeldungsArt::Warnung);
        EXPECT_EQ(meldungen.eintraege[0].knoepfe, Knoepfe::JaNein);
        EXPECT_EQ(meldungen.eintraege[0].text, AnzeigeWarnung(fall.modus));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Start, Anzeigegrenzen,
    ::testing::Values(AnzeigeFall{{960, 768, 15, true}, true}, AnzeigeFall{{959, 768, 15, true}, false},
                      AnzeigeFall{{960, 767, 15, true}, false}, AnzeigeFall{{960, 768, 14, true}, false},
                      AnzeigeFall{{1920, 1080, 32, true}, true}, AnzeigeFall{{800, 600, 32, true}, false},
                      // no screen to query: the check passes
                      AnzeigeFall{{0, 0, 0, false}, true}));

TEST(Anzeige, JaStartetTrotzdem) {
    FakeSystemInfo system;
    system.modus = {800, 600, 8, true};
    FakeMeldungen meldungen;
    meldungen.antworten = {Antwort::Ja};
    EXPECT_TRUE(AnzeigePruefen(system, meldungen));
    EXPECT_EQ(meldungen.eintraege.size(), 1u);
}

TEST(Anzeige, WarnungWortlaut) {
    const QString erwartet =
        QStringLiteral("Ungeeigneter Grafikmodus! (Windows-Systemsteuerung / Eigenschaften von Anzeige)") +
        u"\r\n\r\n" +
        QStringLiteral(
            "Für dieses Programm sollte ein Grafikmodus mit einer Auflösung von mindestens 1024 x 768 "
            "Pixel (Bildpunkte)und einer Farbtiefe von mindestens 16 Bit (High Color) eingestellt sein. ") +
        u"\r\n" + QStringLiteral("Aktuelle Einstellungen:") + u"\r\n" +
        QStringLiteral("- Auflösung: 959 x 700 Pixel") + u"\r\n" + QStringLiteral("- Farbtiefe: 14 Bit") +
        u"\r\n\r\n" + QStringLiteral("Programm trotzdem starten?");
    EXPECT_EQ(AnzeigeWarnung({959, 700, 14, true}), erwartet);
}

// --- command-line argument --------------------------------------------------------

class Befehlszeile : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        ASSERT_TRUE(QDir(tmp.path()).mkpath(QStringLiteral("Themen mit Blank")));
        ordner = QDir::toNativeSeparators(tmp.filePath(QStringLiteral("Themen mit Blank")));
        QFile f(ordner + QDir::separator() + QStringLiteral("Europa.tvl"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QTemporaryDir tmp;
    QString ordner; // without final separator
    const QString programmordner = QStringLiteral("/opt/kartello/");
};

TEST_F(Befehlszeile, OhneArgumentDerProgrammordner) {
    const StartZiel z = StartZielAusArgument(QString(), programmordner);
    EXPECT_EQ(z.Startordner, programmordner);
    EXPECT_TRUE(z.Startdokument.isEmpty());
}

TEST_F(Befehlszeile, OrdnerBekommtDenTrenner) {
    const StartZiel z = StartZielAusArgument(ordner, programmordner);
    EXPECT_EQ(z.Startordner, ordner + QDir::separator());
    EXPECT_TRUE(z.Startdokument.isEmpty());
    // one separator only, when it is already there
    EXPECT_EQ(StartZielAusArgument(ordner + QDir::separator(), programmordner).Startordner, z.Startordner);
}

TEST_F(Befehlszeile, DokumentWirdGeoeffnetUndSeinOrdnerGelistet) {
    const QString dokument = ordner + QDir::separator() + QStringLiteral("Europa.tvl");
    const StartZiel z = StartZielAusArgument(dokument, programmordner);
    EXPECT_EQ(z.Startordner, ordner + QDir::separator());
    EXPECT_EQ(z.Startdokument, dokument);
}

TEST_F(Befehlszeile, FehlendeDateiImVorhandenenOrdner) {
    const QString fehlt = ordner + QDir::separator() + QStringLiteral("gibtsnicht.tvl");
    const StartZiel z = StartZielAusArgument(fehlt, programmordner);
    EXPECT_EQ(z.Startordner, ordner + QDir::separator());
    // the reader reports the missing file under this path
    EXPECT_EQ(z.Startdokument, fehlt);
}

TEST_F(Befehlszeile, FehlenderOrdnerMitTrennerOeffnetNichts) {
    const QString fehlt = ordner + QDir::separator() + QStringLiteral("neu") + QDir::separator();
    const StartZiel z = StartZielAusArgument(fehlt, programmordner);
    EXPECT_EQ(z.Startordner, fehlt);
    EXPECT_TRUE(z.Startdokument.isEmpty());
}

TEST_F(Befehlszeile, RelativerPfadWirdVoll) {
    const QString relativ = QDir::current().relativeFilePath(ordner + QStringLiteral("/Europa.tvl"));
    const StartZiel z = StartZielAusArgument(relativ, programmordner);
    EXPECT_EQ(z.Startdokument, ordner + QDir::separator() + QStringLiteral("Europa.tvl"));
    EXPECT_EQ(z.Startordner, ordner + QDir::separator());
}

// --- closing ----------------------------------------------------------------------

class Schliessen_ : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        ordner.Kommunikationsordner = QDir::toNativeSeparators(tmp.path()) + QDir::separator();
        ordner.Kanalname = QStringLiteral("TVL-3");
        for (const QString& datei : NetzuebungsDateien(ordner) + QStringList{fremd()})
            anlegen(datei);
        geladen = {werte, ordner};
    }
    static void anlegen(const QString& pfad) {
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    QString fremd() const { return ordner.Kommunikationsordner + QStringLiteral("TVL-4-tvlnetzuebung.tvl"); }
    int vorhandene() const {
        int n = 0;
        for (const QString& datei : NetzuebungsDateien(ordner))
            n += QFile::exists(datei) ? 1 : 0;
        return n;
    }

    QTemporaryDir tmp;
    ProgrammOrdnerTyp ordner;
    ProgrammEinstellungenTyp werte;
    EinstellungsStand geladen;
    FakeMeldungen meldungen;
    FakeEinstellungen speicher;
    // The settings file as this run published it: the fixture's files hold "x".
    const QByteArray eigene = QByteArrayLiteral("x");
};

TEST_F(Schliessen_, DateinamenDesKanals) {
    const QString basis = ordner.Kommunikationsordner + QStringLiteral("TVL-3-tvlnetzuebung");
    EXPECT_EQ(NetzuebungsDateien(ordner),
              (QStringList{basis + QStringLiteral(".tvl"), basis + QStringLiteral(".dat"),
                           basis + QStringLiteral(".okx")}));
}

TEST_F(Schliessen_, NeinBehaeltQuizUndSpeichertNichts) {
    meldungen.antworten = {Antwort::Nein};
    EXPECT_FALSE(Schliessen(true, meldungen, speicher, geladen, werte, ordner, eigene));
    ASSERT_EQ(meldungen.eintraege.size(), 1u);
    EXPECT_EQ(meldungen.eintraege[0].art, MeldungsArt::Bestaetigung);
    EXPECT_EQ(meldungen.eintraege[0].knoepfe, Knoepfe::JaNein);
    EXPECT_EQ(meldungen.eintraege[0].text,
              QStringLiteral("Das aktuelle Quiz ist noch nicht beendet.\r\nQuiz wirklich abbrechen?"));
    EXPECT_EQ(vorhandene(), 3);
    EXPECT_TRUE(speicher.geschrieben.isEmpty());
    EXPECT_EQ(speicher.gespeichert, 0);
}

TEST_F(Schliessen_, JaLoeschtNetzdateienUndSpeichert) {
    meldungen.antworten = {Antwort::Ja};
    werte.Sound = false;
    EXPECT_TRUE(Schliessen(true, meldungen, speicher, geladen, werte, ordner, eigene));
    EXPECT_EQ(vorhandene(), 0);
    EXPECT_TRUE(QFile::exists(fremd())) << "another channel's files stay";
    EXPECT_EQ(speicher.geschrieben, QStringList{QStringLiteral("Opt-Sound")}) << "only what changed";
    EXPECT_EQ(speicher.gespeichert, 1);
    EXPECT_EQ(speicher.leseBool(QStringLiteral("Opt-Sound")), false);
}

TEST_F(Schliessen_, OhneQuizKeineFrage) {
    EXPECT_TRUE(Schliessen(false, meldungen, speicher, geladen, werte, ordner, eigene));
    EXPECT_TRUE(meldungen.eintraege.empty());
    EXPECT_EQ(vorhandene(), 0);
    EXPECT_EQ(speicher.gespeichert, 0) << "nothing changed, nothing written";
    EXPECT_TRUE(speicher.geschrieben.isEmpty());
}

TEST_F(Schliessen_, FremdeUebungBleibtBeimSchliessen) {
    EXPECT_TRUE(Schliessen(false, meldungen, speicher, geladen, werte, ordner, QByteArray()));
    EXPECT_EQ(vorhandene(), 3) << "this run published nothing";
    EXPECT_EQ(speicher.gespeichert, 0) << "nothing changed, nothing written";
    EXPECT_TRUE(speicher.geschrieben.isEmpty());
}

TEST_F(Schliessen_, FehlendeDateienSindKeinFehler) {
    for (const QString& datei : NetzuebungsDateien(ordner))
        QFile::remove(datei);
    EXPECT_TRUE(Schliessen(false, meldungen, speicher, geladen, werte, ordner, eigene));
    EXPECT_TRUE(meldungen.eintraege.empty());
    EXPECT_EQ(speicher.gespeichert, 0) << "nothing changed, nothing written";
    EXPECT_TRUE(speicher.geschrieben.isEmpty());
}

} // namespace

namespace {

TEST(Programmordner, OrdnerNebenDemProgramm) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    ASSERT_TRUE(QDir(tmp.path()).mkpath(QStringLiteral("sound")));
    const QString p = QDir::toNativeSeparators(tmp.path()) + QDir::separator();
    const auto unter = [&p](const char* name) -> QString {
        return p + QString::fromLatin1(name) + QDir::separator();
    };
    const ProgrammOrdnerTyp o = OrdnerAusProgrammordner(tmp.path());
    EXPECT_EQ(o.Programmordner, p);
    EXPECT_EQ(o.Startordner, p);
    EXPECT_EQ(o.Themenordner, p);
    EXPECT_TRUE(o.Startdokument.isEmpty());
    EXPECT_EQ(o.Soundordner, unter("sound"));
    EXPECT_EQ(o.Protokollordner, unter("protokolle"));
    EXPECT_EQ(o.Bestenlistenordner, unter("bestenlisten"));
    EXPECT_EQ(o.Kommunikationsordner, unter("kom"));
    EXPECT_EQ(o.Setupordner, unter("setupbasissystem"));
    EXPECT_EQ(o.Kanalname, QStringLiteral("TVL-1"));
    // the same with the separator already given
    EXPECT_EQ(OrdnerAusProgrammordner(p).Protokollordner, o.Protokollordner);
}

TEST_F(Schliessen_, NichtGespeicherteEinstellungenWerdenGemeldetVorDemAufraeumen) {
    speicher.speichernScheitert = true;
    werte.Sound = false; // a changed value that must be written
    EXPECT_TRUE(Schliessen(false, meldungen, speicher, geladen, werte, ordner, eigene));
    ASSERT_EQ(meldungen.eintraege.size(), 1u);
    EXPECT_EQ(meldungen.eintraege[0].art, MeldungsArt::Fehler);
    EXPECT_EQ(meldungen.eintraege[0].text, SchreibfehlerText(speicher.ort()));
    EXPECT_EQ(vorhandene(), 0) << "the clean-up still runs";
}

TEST_F(Schliessen_, GleichnamigerRechnerOhneEigeneDateiLaesstDieUebung) {
    // Same computer name, but the settings file is another run's (other bytes).
    EXPECT_TRUE(Schliessen(false, meldungen, speicher, geladen, werte, ordner, QByteArrayLiteral("y")));
    EXPECT_EQ(vorhandene(), 3);
}

} // namespace
