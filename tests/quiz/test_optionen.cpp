// Options: copying into the quiz state, time fields, the options window's two views.
#include "quiz/uebdaten.h"

#include <gtest/gtest.h>

TEST(Optionen, LabellingUndClozeKopierenDasErsteFenster) {
    ProgrammEinstellungenTyp w;
    w.UebOpt = {.AbfrageModus = 2,
                .Zeitlimit = 1,
                .ZLimitMin = QStringLiteral("2"),
                .ZLimitSek = QStringLiteral("30"),
                .ZuordnungRichtig = 1,
                .ZuordnungFalsch = 1,
                .Zuordnungstexte = 0,
                .Zuordnungsziele = 2};
    w.UebOptFragen.ZuordnungFalsch = 0;
    for (int typ : {0, 1}) {
        UebDataTyp d;
        OptionenKopieren(w, typ, d);
        EXPECT_EQ(d.AbfrageModus, 2);
        EXPECT_EQ(d.Zeitlimit, 1);
        EXPECT_EQ(d.ZeitlimitSek, 150);
        EXPECT_EQ(d.ZuordnungRichtig, 1);
        EXPECT_EQ(d.ZuordnungFalsch, 1);
        EXPECT_EQ(d.Zuordnungstexte, 0);
        EXPECT_EQ(d.Zuordnungsziele, 2);
        EXPECT_EQ(d.RiFaRueckmeldung, 0);
    }
}

TEST(Optionen, EinzelfragenKopierenDasZweiteFenster) {
    ProgrammEinstellungenTyp w;
    w.UebOpt = {.AbfrageModus = 2, .ZuordnungRichtig = 1};
    w.UebOptFragen = {.Zeitlimit = 1,
                      .ZLimitMin = QStringLiteral("0"),
                      .ZLimitSek = QStringLiteral("45"),
                      .ZuordnungFalsch = 1,
                      .Zuordnungstexte = 0,
                      .Zuordnungsziele = 0};
    UebDataTyp d;
    OptionenKopieren(w, 2, d);
    EXPECT_EQ(d.AbfrageModus, 0);
    EXPECT_EQ(d.ZuordnungRichtig, 0);
    EXPECT_EQ(d.ZuordnungFalsch, 1);
    EXPECT_EQ(d.Zuordnungstexte, 0);
    EXPECT_EQ(d.Zuordnungsziele, 0);
    EXPECT_EQ(d.Zeitlimit, 1);
    EXPECT_EQ(d.ZeitlimitSek, 45);
}

TEST(Optionen, AndererTypKopiertNichts) {
    ProgrammEinstellungenTyp w;
    w.UebOpt.AbfrageModus = 2;
    UebDataTyp d;
    d.AbfrageModus = 1;
    d.ZeitlimitSek = 77;
    OptionenKopieren(w, 5, d);
    EXPECT_EQ(d.AbfrageModus, 1);
    EXPECT_EQ(d.ZeitlimitSek, 77);
    EXPECT_EQ(OptionsFensterFuer(5), OptionsFenster::Keins);
    EXPECT_EQ(OptionsFensterFuer(1), OptionsFenster::UebOpt);
    EXPECT_EQ(OptionsFensterFuer(2), OptionsFenster::UebOptFragen);
}

TEST(Optionen, ZeitfelderMitUnsinnZaehlenNull) {
    EXPECT_EQ(ZeitlimitSekunden(QStringLiteral("3"), QStringLiteral("0")), 180);
    EXPECT_EQ(ZeitlimitSekunden(QStringLiteral("0"), QStringLiteral("0")), 0);
    EXPECT_EQ(ZeitlimitSekunden(QString(), QStringLiteral("7")), 7);
    EXPECT_EQ(ZeitlimitSekunden(QStringLiteral("x"), QStringLiteral("-5")), 0);
    EXPECT_EQ(ZeitlimitSekunden(QStringLiteral("59"), QStringLiteral("59")), 3599);
}

TEST(Optionen, ZeitfeldSchaltetZeitlimitEin) {
    ProgrammEinstellungenTyp w;
    ZeitfeldGeaendert(w, OptionsFenster::UebOpt);
    EXPECT_EQ(w.UebOpt.Zeitlimit, 1);
    EXPECT_EQ(w.UebOptFragen.Zeitlimit, 0);
    ZeitfeldGeaendert(w, OptionsFenster::UebOptFragen);
    EXPECT_EQ(w.UebOptFragen.Zeitlimit, 1);
}

TEST(Optionen, ErweitertUndZurueck) {
    UebOptAnsicht a = UebOptAnsichtFuer(UebOptHoeheReduziert);
    EXPECT_EQ(a.knopfText, QStringLiteral("Erweitert..."));
    EXPECT_FALSE(a.erweitert);
    a = UebOptUmschalten(a.hoehe);
    EXPECT_EQ(a.hoehe, 514);
    EXPECT_EQ(a.knopfText, QStringLiteral("Reduziert..."));
    EXPECT_TRUE(a.erweitert);
    a = UebOptUmschalten(a.hoehe);
    EXPECT_EQ(a.hoehe, 276);
    EXPECT_EQ(a.knopfText, QStringLiteral("Erweitert..."));
    EXPECT_FALSE(a.erweitert);
    // Any other height (a resized window) switches to the extended view.
    EXPECT_EQ(UebOptUmschalten(300).hoehe, 514);
}
