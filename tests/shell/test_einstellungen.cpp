#include "shell/programmeinstellungen.h"

#include "fake_einstellungen.h"
#include "platform/einstellungen_qt.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <functional>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

ProgrammOrdnerTyp Standardordner() {
    return OrdnerAusProgrammordner(QStringLiteral("/nicht/da/kartello"));
}

// Every value different from its default, so a round trip shows each one.
ProgrammEinstellungenTyp AllesAnders() {
    ProgrammEinstellungenTyp w;
    w.Sound = false;
    w.UebNameEingabe = false;
    w.AutoProtSpeichern = true;
    w.ErgebBestListEintragen = false;
    w.UebOpt = {.AbfrageModus = 2,
                .Zeitlimit = 1,
                .ZLimitMin = QStringLiteral("12"),
                .ZLimitSek = QStringLiteral("30"),
                .ZuordnungRichtig = 1,
                .ZuordnungFalsch = 2,
                .Zuordnungstexte = 0,
                .Zuordnungsziele = 0};
    w.UebOptFragen = {.Zeitlimit = 1,
                      .ZLimitMin = QStringLiteral("0"),
                      .ZLimitSek = QStringLiteral("45"),
                      .ZuordnungFalsch = 1,
                      .Zuordnungstexte = 0,
                      .Zuordnungsziele = 0};
    return w;
}

TEST(Programmeinstellungen, Standardwerte) {
    const ProgrammEinstellungenTyp w;
    EXPECT_TRUE(w.Sound && w.UebNameEingabe && !w.AutoProtSpeichern && w.ErgebBestListEintragen);
    EXPECT_EQ(w.UebOpt.ZLimitMin, QStringLiteral("3"));
    EXPECT_EQ(w.UebOpt.ZLimitSek, QStringLiteral("0"));
    EXPECT_EQ(w.UebOpt.Zuordnungstexte, 1);
    EXPECT_EQ(w.UebOpt.Zuordnungsziele, 1);
    EXPECT_EQ(w.UebOptFragen.Zuordnungstexte, 1);
    EXPECT_EQ(w.UebOptFragen.Zuordnungsziele, 1);
    EXPECT_EQ(w.UebOptFragen.ZLimitMin, QStringLiteral("3"));
    EXPECT_EQ(w.UebOpt.AbfrageModus + w.UebOpt.Zeitlimit + w.UebOpt.ZuordnungRichtig +
                  w.UebOpt.ZuordnungFalsch + w.UebOptFragen.ZuordnungFalsch + w.UebOptFragen.Zeitlimit,
              0);
}

TEST(Programmeinstellungen, LeererSpeicherLaesstAllesStehen) {
    FakeEinstellungen speicher;
    ProgrammEinstellungenTyp w;
    ProgrammOrdnerTyp o = Standardordner();
    EinstellungenLaden(speicher, w, o);
    EXPECT_EQ(w, ProgrammEinstellungenTyp{});
    EXPECT_EQ(o.Kommunikationsordner, Standardordner().Kommunikationsordner);
    EXPECT_EQ(o.Kanalname, QStringLiteral("TVL-1"));
}

TEST(Programmeinstellungen, NurEinigeWerteVorhanden) {
    FakeEinstellungen speicher;
    speicher.setze(QStringLiteral("Opt-Sound"), 0);
    speicher.setze(QStringLiteral("UebOpt-ZLimitMin"), QStringLiteral("7"));
    speicher.setze(QStringLiteral("UebOptFragen-Zuordnungsziele"), 0);
    speicher.setze(QStringLiteral("NetzKomKanal"), QStringLiteral("TVL-9"));
    ProgrammEinstellungenTyp w;
    ProgrammOrdnerTyp o = Standardordner();
    EinstellungenLaden(speicher, w, o);

    ProgrammEinstellungenTyp erwartet;
    erwartet.Sound = false;
    erwartet.UebOpt.ZLimitMin = QStringLiteral("7");
    erwartet.UebOptFragen.Zuordnungsziele = 0;
    EXPECT_EQ(w, erwartet);
    EXPECT_EQ(o.Kanalname, QStringLiteral("TVL-9"));
    EXPECT_EQ(o.Protokollordner, Standardordner().Protokollordner);
    EXPECT_EQ(o.Bestenlistenordner, Standardordner().Bestenlistenordner);
}

TEST(Programmeinstellungen, ZeitlimitGrossOderKlein) {
    for (const QString& name : {QStringLiteral("UebOpt-Zeitlimit"), QStringLiteral("UebOpt-ZeitLimit"),
                                QStringLiteral("UEBOPT-ZEITLIMIT")}) {
        FakeEinstellungen speicher;
        speicher.setze(name, 2);
        ProgrammEinstellungenTyp w;
        ProgrammOrdnerTyp o;
        EinstellungenLaden(speicher, w, o);
        EXPECT_EQ(w.UebOpt.Zeitlimit, 2) << name.toStdString();
    }
}

TEST(Programmeinstellungen, ZeitlimitWirdUnterSeinemNamenGeschrieben) {
    FakeEinstellungen speicher;
    EinstellungenSpeichern(speicher, ProgrammEinstellungenTyp{}, Standardordner());
    EXPECT_TRUE(speicher.geschrieben.contains(QStringLiteral("UebOpt-ZeitLimit")));
    EXPECT_EQ(speicher.gespeicherterName(QStringLiteral("uebopt-zeitlimit")),
              QStringLiteral("UebOpt-ZeitLimit"));
}

struct FalscherTyp {
    const char16_t* name;
    QVariant wert;
};

class FalscherTypBehaeltStandard : public ::testing::TestWithParam<FalscherTyp> {};

TEST_P(FalscherTypBehaeltStandard, Laden) {
    FakeEinstellungen speicher;
    speicher.setze(QString::fromUtf16(GetParam().name), GetParam().wert);
    ProgrammEinstellungenTyp w;
    ProgrammOrdnerTyp o = Standardordner();
    EinstellungenLaden(speicher, w, o);
    EXPECT_EQ(w, ProgrammEinstellungenTyp{});
    EXPECT_EQ(o.Kommunikationsordner, Standardordner().Kommunikationsordner);
    EXPECT_EQ(o.Protokollordner, Standardordner().Protokollordner);
}

INSTANTIATE_TEST_SUITE_P(Programmeinstellungen, FalscherTypBehaeltStandard,
                         ::testing::Values(FalscherTyp{u"Opt-Sound", QStringLiteral("0")},
                                           FalscherTyp{u"Opt-AutoProtSpeichern", QVariant(3.5)},
                                           FalscherTyp{u"UebOpt-AbfrageModus", QStringLiteral("2")},
                                           FalscherTyp{u"UebOpt-ZLimitMin", QVariant(5)},
                                           FalscherTyp{u"NetzKomOrdner", QVariant(1)},
                                           FalscherTyp{u"Opt-ProtOrdner", QVariant(QStringList{})}));

TEST(Programmeinstellungen, OrdnerWieGespeichert) {
    FakeEinstellungen speicher;
    speicher.setze(QStringLiteral("Opt-ProtOrdner"), QStringLiteral("/srv/klasse/prot"));
    speicher.setze(QStringLiteral("Opt-BestListOrdner"), QString());
    speicher.setze(QStringLiteral("NetzKomOrdner"), QStringLiteral("relativ"));
    ProgrammEinstellungenTyp w;
    ProgrammOrdnerTyp o = Standardordner();
    EinstellungenLaden(speicher, w, o);
    // no separator appended, nothing resolved: the values are used exactly as stored
    EXPECT_EQ(o.Protokollordner, QStringLiteral("/srv/klasse/prot"));
    EXPECT_EQ(o.Bestenlistenordner, QString());
    EXPECT_EQ(o.Kommunikationsordner, QStringLiteral("relativ"));
    // An empty communication folder would put the exercise into the working directory.
    speicher.setze(QStringLiteral("NetzKomOrdner"), QString());
    o = Standardordner();
    EinstellungenLaden(speicher, w, o);
    EXPECT_EQ(o.Kommunikationsordner, Standardordner().Kommunikationsordner);
    EXPECT_FALSE(o.Kommunikationsordner.isEmpty());
}

TEST(Programmeinstellungen, NichtSchreibbarerSpeicherMeldetSich) {
    QTemporaryDir tmp;
    const QString ini = tmp.filePath(QStringLiteral("kartello.conf"));
    ASSERT_TRUE(QDir().mkdir(ini)); // a folder at the file's name
    EinstellungenQt speicher(ini);
    EXPECT_FALSE(EinstellungenSpeichern(speicher, ProgrammEinstellungenTyp{}, Standardordner()));
    EXPECT_EQ(speicher.ort(), ini);
}

TEST(Programmeinstellungen, SpeichernInTabellenfolgeMitTypen) {
    FakeEinstellungen speicher;
    const ProgrammOrdnerTyp o = Standardordner();
    EinstellungenSpeichern(speicher, AllesAnders(), o);
    const QStringList namen = EinstellungsNamen();
    ASSERT_EQ(namen.size(), 22);
    EXPECT_EQ(speicher.geschrieben, namen);
    EXPECT_EQ(namen.first(), QStringLiteral("Opt-Sound"));
    EXPECT_EQ(namen.last(), QStringLiteral("UebOptFragen-Zuordnungsziele"));
    EXPECT_EQ(speicher.gespeichert, 1);
    EXPECT_EQ(speicher.wert(QStringLiteral("Opt-AutoProtSpeichern")), QVariant(1))
        << "booleans as integer 0/1";
    EXPECT_EQ(speicher.wert(QStringLiteral("Opt-Sound")), QVariant(0));
    EXPECT_EQ(speicher.wert(QStringLiteral("UebOpt-ZLimitSek")), QVariant(QStringLiteral("30")))
        << "time as text";
    EXPECT_EQ(speicher.wert(QStringLiteral("UebOpt-AbfrageModus")), QVariant(2));
    EXPECT_EQ(speicher.wert(QStringLiteral("NetzKomOrdner")), QVariant(o.Kommunikationsordner));
    EXPECT_EQ(speicher.wert(QStringLiteral("NetzKomKanal")), QVariant(o.Kanalname));
}

TEST(Programmeinstellungen, RundreiseUeberQSettingsIni) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString datei = tmp.filePath(QStringLiteral("kartello.ini"));
    ProgrammOrdnerTyp gespeichert = Standardordner();
    gespeichert.Kommunikationsordner = QStringLiteral("/srv/kom, Raum 12/");
    gespeichert.Kanalname = QStringLiteral("Klasse 7b");
    gespeichert.Protokollordner = QStringLiteral("C:\\Protokolle\\");
    gespeichert.Bestenlistenordner = QStringLiteral("/home/lehrer/Bestenlisten/");
    {
        EinstellungenQt speicher(datei);
        EinstellungenSpeichern(speicher, AllesAnders(), gespeichert);
    }
    EinstellungenQt speicher(datei);
    ProgrammEinstellungenTyp w;
    ProgrammOrdnerTyp o = Standardordner();
    EinstellungenLaden(speicher, w, o);
    EXPECT_EQ(w, AllesAnders());
    EXPECT_EQ(o.Kommunikationsordner, gespeichert.Kommunikationsordner);
    EXPECT_EQ(o.Kanalname, gespeichert.Kanalname);
    EXPECT_EQ(o.Protokollordner, gespeichert.Protokollordner);
    EXPECT_EQ(o.Bestenlistenordner, gespeichert.Bestenlistenordner);

    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray inhalt = f.readAll();
    EXPECT_TRUE(inhalt.contains("UebOpt-ZeitLimit=1")) << inhalt.constData();
    EXPECT_TRUE(inhalt.contains("Opt-Sound=0"));
    EXPECT_TRUE(inhalt.contains("Opt-AutoProtSpeichern=1"));
}

TEST(Programmeinstellungen, AlteSchreibweiseImIniBleibtEinWert) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString datei = tmp.filePath(QStringLiteral("alt.ini"));
    {
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[General]\nUebOpt-Zeitlimit=2\nopt-sound=0\n");
    }
    ProgrammEinstellungenTyp w;
    ProgrammOrdnerTyp o = Standardordner();
    {
        EinstellungenQt speicher(datei);
        EinstellungenLaden(speicher, w, o);
        EXPECT_EQ(w.UebOpt.Zeitlimit, 2);
        EXPECT_FALSE(w.Sound);
        w.UebOpt.Zeitlimit = 1;
        EinstellungenSpeichern(speicher, w, o);
    }
    QSettings roh(datei, QSettings::IniFormat);
    EXPECT_EQ(roh.allKeys().size(), 22) << roh.allKeys().join(u' ').toStdString();
    EXPECT_EQ(roh.value(QStringLiteral("UebOpt-Zeitlimit")).toInt(), 1);
}

// A run of the program: load at start, change some values, save at close.
EinstellungsStand Lauf(const QString& benutzer, const QString& system,
                       const std::function<void(ProgrammEinstellungenTyp&, ProgrammOrdnerTyp&)>& aendern) {
    EinstellungenQt speicher(benutzer, system);
    EinstellungsStand stand{ProgrammEinstellungenTyp{}, Standardordner()};
    EinstellungenLaden(speicher, stand.werte, stand.ordner);
    const EinstellungsStand geladen = stand;
    aendern(stand.werte, stand.ordner);
    AenderungenSpeichern(speicher, geladen, stand.werte, stand.ordner);
    return geladen;
}

TEST(Programmeinstellungen, VorgabenBleibenInKraftBisDerBenutzerSieAendert) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString benutzer = tmp.filePath(QStringLiteral("benutzer.conf"));
    const QString system = tmp.filePath(QStringLiteral("system.conf"));
    const auto nichts = [](ProgrammEinstellungenTyp&, ProgrammOrdnerTyp&) {};
    Lauf(benutzer, system, nichts);
    EXPECT_TRUE(QSettings(benutzer, QSettings::IniFormat).allKeys().isEmpty())
        << "nothing untouched is written";

    // The administrator adds presets after the first run: they reach this user.
    {
        QFile f(system);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[General]\nOpt-Sound=false\nOpt-ProtOrdner=/srv/klasse7/protokolle/\nUebOpt-ZLimitMin=9\n");
    }
    EinstellungsStand zweiter = Lauf(benutzer, system, [](ProgrammEinstellungenTyp& w, ProgrammOrdnerTyp& o) {
        w.UebOpt.ZLimitMin = QStringLiteral("5"); // the user's own choice over a preset
        o.Bestenlistenordner = QStringLiteral("/home/lehrer/bestenlisten/");
        w.AutoProtSpeichern = true;
        w.AutoProtSpeichern = false; // back again: no change
    });
    EXPECT_FALSE(zweiter.werte.Sound);
    EXPECT_EQ(zweiter.ordner.Protokollordner, QStringLiteral("/srv/klasse7/protokolle/"));
    QSettings roh(benutzer, QSettings::IniFormat);
    QStringList namen = roh.allKeys();
    namen.sort();
    EXPECT_EQ(namen, (QStringList{QStringLiteral("Opt-BestListOrdner"), QStringLiteral("UebOpt-ZLimitMin")}));

    // A preset changed later reaches him too, except where he chose himself.
    {
        QFile f(system);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[General]\nOpt-Sound=true\nOpt-ProtOrdner=/srv/klasse8/protokolle/\nUebOpt-ZLimitMin=7\n");
    }
    const EinstellungsStand dritter = Lauf(benutzer, system, nichts);
    EXPECT_TRUE(dritter.werte.Sound);
    EXPECT_EQ(dritter.ordner.Protokollordner, QStringLiteral("/srv/klasse8/protokolle/"));
    EXPECT_EQ(dritter.werte.UebOpt.ZLimitMin, QStringLiteral("5"));
    EXPECT_EQ(dritter.ordner.Bestenlistenordner, QStringLiteral("/home/lehrer/bestenlisten/"));
}

} // namespace
