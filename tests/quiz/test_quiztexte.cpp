// Number formats, grades, durations and the line formats of the protocol.
#include "data/av_data.h"
#include "quiz/quiztexte.h"

#include <gtest/gtest.h>

TEST(Quiztexte, ProzentMitEinerStelleUndPunkt) {
    EXPECT_EQ(ProzentText(0.0), QStringLiteral("0.0 %"));
    EXPECT_EQ(ProzentText(1.0), QStringLiteral("100.0 %"));
    EXPECT_EQ(ProzentText(2.0 / 3.0), QStringLiteral("66.7 %"));
    EXPECT_EQ(ProzentText(17.0 / 20.0), QStringLiteral("85.0 %"));
    EXPECT_EQ(ProzentText(14.0 / 20.0), QStringLiteral("70.0 %"));
}

TEST(Quiztexte, UhrMitZweiStellen) {
    EXPECT_EQ(UhrText(0), QStringLiteral("00:00"));
    EXPECT_EQ(UhrText(185), QStringLiteral("03:05"));
    EXPECT_EQ(UhrText(125 * 60 + 7), QStringLiteral("125:07"));
    EXPECT_EQ(UhrText(59), QStringLiteral("00:59"));
    EXPECT_EQ(UhrText(-3), QStringLiteral("00:00"));
}

TEST(Quiztexte, Dauertexte) {
    EXPECT_EQ(DauerText(180), QStringLiteral("3 Min. 0 Sek."));
    EXPECT_EQ(DauerText(45), QStringLiteral("45 Sek."));
    EXPECT_EQ(DauerText(3600), QStringLiteral("1 Std. 0 Min. 0 Sek."));
    EXPECT_EQ(DauerText(3661), QStringLiteral("1 Std. 1 Min. 1 Sek."));
    EXPECT_EQ(DauerText(0), QStringLiteral("0 Sek."));
    EXPECT_EQ(DauerText(-10), QStringLiteral("0 Sek."));
}

struct NotenFall {
    int richtig;
    int falsch;
    int offen;
    int note;
    const char16_t* wort;
};

class Noten : public ::testing::TestWithParam<NotenFall> {};

TEST_P(Noten, GrenzeGehoertZurBesserenNote) {
    const NotenFall f = GetParam();
    const double l = double(f.richtig) / double(f.richtig + f.falsch + f.offen);
    EXPECT_EQ(NoteFuer(l), f.note);
    EXPECT_EQ(NotenWort(NoteFuer(l)), QString::fromUtf16(f.wort));
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, Noten,
    ::testing::Values(NotenFall{17, 3, 0, 1, u"sehr gut"}, NotenFall{20, 0, 0, 1, u"sehr gut"},
                      NotenFall{16, 4, 0, 2, u"gut"}, NotenFall{14, 0, 6, 2, u"gut"},
                      NotenFall{11, 9, 0, 3, u"befriedigend"}, NotenFall{8, 12, 0, 4, u"ausreichend"},
                      NotenFall{1, 3, 0, 5, u"mangelhaft"}, NotenFall{5, 15, 0, 5, u"mangelhaft"},
                      NotenFall{4, 16, 0, 6, u"ungenügend"}, NotenFall{0, 1, 0, 6, u"ungenügend"}));

TEST(Quiztexte, NotenRandwerte) {
    EXPECT_EQ(NoteFuer(0.0), 6);
    EXPECT_EQ(NoteFuer(0.25), 5);
    EXPECT_EQ(NoteFuer(std::nextafter(0.25, 0.0)), 6);
    EXPECT_EQ(NoteFuer(0.55), 3);
    EXPECT_EQ(NoteFuer(std::nan("")), 6);
    EXPECT_TRUE(NotenWort(0).isEmpty());
    EXPECT_TRUE(NotenWort(7).isEmpty());
}

TEST(Quiztexte, Anweisungen) {
    EXPECT_EQ(Anweisungstext(0, 0),
              QStringLiteral("Ziehe die Beschriftungen an die jeweils richtige Position!"));
    EXPECT_EQ(Anweisungstext(1, 1), QStringLiteral("Ziehe den Lückentext an die richtige Position!"));
    EXPECT_EQ(Anweisungstext(1, 2),
              QStringLiteral("Ziehe den richtigen Lückentext an die markierte Position!"));
    EXPECT_EQ(Anweisungstext(2, 0), QStringLiteral("Klicke auf die richtige Antwort!"));
    EXPECT_TRUE(Anweisungstext(0, 3).isEmpty());
    EXPECT_TRUE(Anweisungstext(7, 0).isEmpty());
}

struct UrteilFall {
    int typ;
    int modus;
    bool richtig;
    const char16_t* zeile;
};

class Urteile : public ::testing::TestWithParam<UrteilFall> {};

TEST_P(Urteile, WortFuerWort) {
    const UrteilFall f = GetParam();
    EXPECT_EQ(UrteilZeile(f.typ, f.modus, f.richtig, QStringLiteral("Rhein"), QStringLiteral("Do-\r\nnau")),
              QString::fromUtf16(f.zeile));
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, Urteile,
    ::testing::Values(
        UrteilFall{0, 0, true,
                   u"RICHTIG - Beschriftungstext \"Rhein\" wird der richtigen Position zugeordnet"},
        UrteilFall{0, 0, false,
                   u"FALSCH - Beschriftungstext \"Rhein\" wird der Position von \"Donau\" zugeordnet"},
        UrteilFall{0, 1, true, u"RICHTIG - Beschriftungstext \"Rhein\" wird richtig zugeordnet"},
        UrteilFall{0, 1, false,
                   u"FALSCH - Beschriftungstext \"Rhein\" wird der Position von \"Donau\" zugeordnet"},
        UrteilFall{0, 2, true,
                   u"RICHTIG - Der Position von \"Donau\" wird der richtige Beschriftungstext zugeordnet"},
        UrteilFall{0, 2, false,
                   u"FALSCH - Der Position von \"Donau\" wird der Beschriftungstext \"Rhein\" zugeordnet"},
        UrteilFall{1, 0, true, u"RICHTIG - Lückentext \"Rhein\" wird der richtigen Lücke zugeordnet"},
        UrteilFall{1, 0, false, u"FALSCH - Lückentext \"Rhein\" wird der Lücke von \"Donau\" zugeordnet"},
        UrteilFall{1, 1, true, u"RICHTIG - Lückentext \"Rhein\" wird richtig zugeordnet"},
        UrteilFall{1, 1, false, u"FALSCH - Lückentext \"Rhein\" wird der Lücke von \"Donau\" zugeordnet"},
        UrteilFall{1, 2, true, u"RICHTIG - Der Lücke \"Donau\" wird der richtige Lückentext zugeordnet"},
        UrteilFall{1, 2, false, u"FALSCH - Der Lücke \"Donau\" wird der Lückentext \"Rhein\" zugeordnet"},
        UrteilFall{2, 0, true, u"RICHTIG - Gewählte Antwort: \"Rhein\""},
        UrteilFall{2, 0, false, u"FALSCH - Gewählte Antwort: \"Rhein\""}));

TEST(Quiztexte, Praesentationszeilen) {
    EXPECT_EQ(EinzeltextZeile(0, QStringLiteral("Rhein")),
              QStringLiteral("Beschriftungstext \"Rhein\" soll der richtigen Position zugeordnet werden"));
    EXPECT_EQ(EinzeltextZeile(1, QStringLiteral("Rhein")),
              QStringLiteral("Lückentext \"Rhein\" soll der richtigen Lücke zugeordnet werden"));
    EXPECT_EQ(EinzelpositionZeile(0, QStringLiteral("Rhein")),
              QStringLiteral("Der Position \"Rhein\" soll der richtige Beschriftungstext zugeordnet werden"));
    EXPECT_EQ(EinzelpositionZeile(1, QStringLiteral("Rhein")),
              QStringLiteral("Der Lücke \"Rhein\" soll der richtige Lückentext zugeordnet werden"));
}

struct NormalFall {
    const char16_t* roh;
    const char16_t* normal;
};

class Normalisierung : public ::testing::TestWithParam<NormalFall> {};

TEST_P(Normalisierung, Beschriftungen) {
    EXPECT_EQ(TextNormalisieren(QString::fromUtf16(GetParam().roh)), QString::fromUtf16(GetParam().normal));
}

INSTANTIATE_TEST_SUITE_P(Tabelle, Normalisierung,
                         ::testing::Values(NormalFall{u"Mittel-\r\nmeer", u"Mittelmeer"},
                                           NormalFall{u"Baden-\r\nWürttemberg", u"Baden-Württemberg"},
                                           NormalFall{u"Nord\r\nsee", u"Nord see"},
                                           NormalFall{u"Über-\r\nöl-\r\nleitung", u"Überölleitung"},
                                           NormalFall{u"Ende-\r\n", u"Ende-"}, NormalFall{u"a    b", u"a  b"},
                                           NormalFall{u"  x  ", u"x"}, NormalFall{u"\tTab\r\n", u"Tab"}));

TEST(Quiztexte, OptionswerteAusserhalbDerListeSindLeer) {
    EXPECT_EQ(AbfragemodusText(2), QStringLiteral("Einzelabfrage Positionen"));
    EXPECT_TRUE(AbfragemodusText(3).isEmpty());
    EXPECT_TRUE(ZuordnungszieleText(-1).isEmpty());
    EXPECT_EQ(FragenAbfragemodusText(1), QStringLiteral("jede Frage nur einmal stellen"));
    EXPECT_EQ(FragenReihenfolgeText(1), QStringLiteral("zufällig gemischt"));
}
