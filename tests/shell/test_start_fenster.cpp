#include "shell/av_main.h"

#include "documents/tvl_datei.h"
#include "fake_einstellungen.h"
#include "fake_meldungen.h"
#include "fake_systeminfo.h"
#include "fake_shell.h"
#include "fake_dialoge.h"
#include "fake_ton.h"
#include "fake_zwischenablage.h"
#include "fake_uhr.h"
#include "shell/start.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class Hauptfenster : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        programmordner = QDir::toNativeSeparators(tmp.path()) + QDir::separator();
        Ordner() = OrdnerAusProgrammordner(programmordner);
        ASSERT_TRUE(QDir(tmp.path()).mkpath(QStringLiteral("themen")));
        themen = programmordner + QStringLiteral("themen") + QDir::separator();
    }
    void TearDown() override { Ordner() = ProgrammOrdnerTyp{}; }

    TForm1& fenster(const QString& argument = {}) {
        m_fenster = std::make_unique<TForm1>(
            Dienste{meldungen, speicher, system, uhr, warten, shell, ton, dialoge, zwischenablage}, argument);
        return *m_fenster;
    }
    QString dokumentSchreiben(const QString& name, const QString& titel) {
        Dokument dok;
        dok.Header.HD_titel = titel;
        dok.Basisbild = QImage(40, 30, QImage::Format_ARGB32);
        dok.Basisbild.fill(Qt::darkCyan);
        const QString pfad = themen + name;
        TvlSchreiber schreiber;
        EXPECT_TRUE(schreiber.schreiben(pfad, dok)) << schreiber.errorString().toStdString();
        return pfad;
    }

    QTemporaryDir tmp;
    QString programmordner;
    QString themen;
    FakeMeldungen meldungen;
    FakeEinstellungen speicher;
    FakeSystemInfo system;
    FakeUhr uhr;
    FakeWarten warten;
    FakeShell shell;
    FakeTonAufnahme ton;
    FakeDialoge dialoge;
    FakeZwischenablage zwischenablage;
    std::unique_ptr<TForm1> m_fenster;
};

TEST_F(Hauptfenster, ZustandNachDerErzeugung) {
    TForm1& f = fenster();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Velmora Kartello-Quiz"));
    EXPECT_EQ(f.size(), QSize(900, 650));
    EXPECT_EQ(f.minimumSize(), QSize(780, 570));
    EXPECT_TRUE(f.ErsteAktivierungAussteht());
    EXPECT_FALSE(f.SchliessenBestaetigt());
    EXPECT_EQ(f.Ansichtsmodus(), 2);
    EXPECT_EQ(f.Nummerierungsart(), 1);
    EXPECT_FALSE(f.dokument().IstOffen());
    EXPECT_FALSE(f.QuizLaeuft());
    // nothing is read before the first activation
    EXPECT_TRUE(speicher.geschrieben.isEmpty());
    EXPECT_TRUE(meldungen.eintraege.empty());
}

TEST_F(Hauptfenster, ErsteAktivierungBeimZeigenLaedtEinstellungen) {
    speicher.setze(QStringLiteral("Opt-Sound"), 0);
    speicher.setze(QStringLiteral("NetzKomKanal"), QStringLiteral("TVL-5"));
    TForm1& f = fenster();
    f.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.ErsteAktivierungAussteht(); }));
    EXPECT_FALSE(f.einstellungen().Sound);
    EXPECT_EQ(Ordner().Kanalname, QStringLiteral("TVL-5"));
    EXPECT_EQ(Ordner().Startordner, programmordner);
    EXPECT_EQ(Ordner().Themenordner, programmordner);
    EXPECT_TRUE(Ordner().Startdokument.isEmpty());
    auto* start = f.findChild<QWidget*>(QStringLiteral("StartInfoPan"));
    ASSERT_NE(start, nullptr);
    EXPECT_TRUE(start->isVisible());
    EXPECT_EQ(start->pos(), QPoint(50, 50));

    // a later activation changes nothing
    speicher.setze(QStringLiteral("Opt-Sound"), 1);
    f.ErsteAktivierung();
    EXPECT_FALSE(f.einstellungen().Sound);
}

TEST_F(Hauptfenster, BefehlszeileMitOrdner) {
    TForm1& f = fenster(themen.chopped(1));
    f.ErsteAktivierung();
    EXPECT_EQ(Ordner().Startordner, themen);
    EXPECT_EQ(Ordner().Themenordner, themen);
    EXPECT_FALSE(f.dokument().IstOffen());
}

TEST_F(Hauptfenster, BefehlszeileMitDokument) {
    const QString pfad =
        dokumentSchreiben(QStringLiteral("Europa.tvl"), QStringLiteral("Hauptstädte Europas"));
    TForm1& f = fenster(pfad);
    f.ErsteAktivierung();
    EXPECT_TRUE(meldungen.eintraege.empty());
    EXPECT_EQ(f.dokument().Header.Dateiname, pfad);
    EXPECT_EQ(Ordner().Startdokument, pfad);
    EXPECT_EQ(Ordner().Startordner, themen);
    EXPECT_EQ(Ordner().Themenordner, themen);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Velmora Kartello-Quiz - Hauptstädte Europas"));
}

TEST_F(Hauptfenster, BefehlszeileMitFehlenderDatei) {
    const QString pfad = themen + QStringLiteral("weg.tvl");
    TForm1& f = fenster(pfad);
    f.ErsteAktivierung();
    ASSERT_EQ(meldungen.eintraege.size(), 1u);
    EXPECT_EQ(meldungen.eintraege[0].art, MeldungsArt::Fehler);
    EXPECT_EQ(meldungen.eintraege[0].text, FehltText(pfad));
    EXPECT_FALSE(f.dokument().IstOffen());
    EXPECT_EQ(Ordner().Startordner, themen);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Velmora Kartello-Quiz"));
}

TEST_F(Hauptfenster, BefehlszeileMitKaputterDatei) {
    const QString pfad = themen + QStringLiteral("kaputt.tvl");
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write("KRF-1.01 und dann nichts Brauchbares");
    datei.close();
    TForm1& f = fenster(pfad);
    f.ErsteAktivierung();
    ASSERT_FALSE(meldungen.eintraege.empty());
    EXPECT_EQ(meldungen.eintraege.back().text, LesefehlerText(pfad));
    EXPECT_FALSE(f.dokument().IstOffen());
    EXPECT_EQ(Ordner().Startordner, themen);
}

TEST_F(Hauptfenster, ProgrammBeendenSchliesstUndSpeichert) {
    Ordner().Kommunikationsordner = programmordner;
    const QString netzdatei = NetzuebungsDateien(Ordner()).front();
    QFile datei(netzdatei);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.close();

    TForm1& f = fenster();
    f.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.ErsteAktivierungAussteht(); }));
    // One menu switch turned off and on again, one turned off: only the latter is the user's.
    for (const char* schalter : {"AutoProtSpeichern1", "AutoProtSpeichern1", "Sound1"})
        f.findChild<QAction*>(QString::fromLatin1(schalter))->trigger();
    auto* beenden = f.findChild<QAction*>(QStringLiteral("Beenden1"));
    ASSERT_NE(beenden, nullptr);
    EXPECT_EQ(beenden->text(), QStringLiteral("Programm &beenden"));
    beenden->trigger();
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(f.SchliessenBestaetigt());
    EXPECT_TRUE(meldungen.eintraege.empty()) << "no quiz runs, nothing to ask";
    EXPECT_EQ(speicher.gespeichert, 1);
    EXPECT_EQ(speicher.geschrieben, QStringList{QStringLiteral("Opt-Sound")})
        << "untouched values stay unwritten";
    EXPECT_EQ(speicher.leseBool(QStringLiteral("Opt-Sound")), false);
    EXPECT_TRUE(QFile::exists(netzdatei)) << "this computer published no exercise";
}

} // namespace
