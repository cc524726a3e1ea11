// Cover numbers: ordering rules, the selection-sort quirk, number texts.
#include "kartentest.h"
#include "mapview/nummerierung.h"

using namespace Qt::Literals::StringLiterals;

namespace {

std::vector<QString> Reihenfolge(const Dokument& dok, const FragenfolgeTyp& folge) {
    std::vector<QString> namen;
    for (const auto& e : folge) {
        EXPECT_EQ(e.TextObjekt, -1);
        namen.push_back(dok.Objekte[e.ZielObjekt].OB_Cap);
    }
    return namen;
}

using Namen = std::vector<QString>;

TEST(NummerierungTest, GleicheSchluesselTauschenDurchAuswahlsortierung) {
    Dokument dok = TestDokument();
    // B1 and B2 hang at the same point, A higher up: the swap moves B1 behind B2.
    dok.Objekte.push_back(Beschriftung(QStringLiteral("B1"), 0, 0, 0.5, 0.5));
    dok.Objekte.push_back(Beschriftung(QStringLiteral("B2"), 0, 0, 0.5, 0.5));
    dok.Objekte.push_back(Beschriftung(QStringLiteral("A"), 0, 0, 0.5, 0.2));
    const FragenfolgeTyp folge = NummerierungSetzen(dok);
    EXPECT_EQ(Reihenfolge(dok, folge), (Namen{u"A"_s, u"B2"_s, u"B1"_s}));
    EXPECT_EQ(dok.Objekte[2].Nummer, 1);
    EXPECT_EQ(dok.Objekte[1].Nummer, 2);
    EXPECT_EQ(dok.Objekte[0].Nummer, 3);
}

TEST(NummerierungTest, NachPositionZeilenweiseVonLinksNachRechts) {
    Dokument dok = TestDokument();
    dok.Objekte.push_back(Beschriftung(QStringLiteral("rechts"), 0.9, 0.9, 0.8, 0.5));
    dok.Objekte.push_back(Beschriftung(QStringLiteral("links"), 0.0, 0.0, 0.2, 0.5));
    dok.Objekte.push_back(Beschriftung(QStringLiteral("hoeher"), 0.0, 0.0, 0.95, 0.499));
    dok.Objekte.push_back(Beschriftung(QStringLiteral("fest"), 0.0, 0.0, 0.0, 0.0, 1));
    const FragenfolgeTyp folge = NummerierungSetzen(dok);
    EXPECT_EQ(Reihenfolge(dok, folge), (Namen{u"hoeher"_s, u"links"_s, u"rechts"_s}));
    EXPECT_EQ(dok.Objekte[3].Nummer, -1); // fixed texts are not listed
}

TEST(NummerierungTest, NachBeschriftungOhneGrossKleinschreibung) {
    Dokument dok = TestDokument();
    dok.Header.HD_GeordnetArt = 1;
    dok.Objekte.push_back(Beschriftung(QStringLiteral("Zugspitze"), 0, 0, 0.1, 0.1));
    dok.Objekte.push_back(Beschriftung(QStringLiteral("donau"), 0, 0, 0.2, 0.2));
    dok.Objekte.push_back(Beschriftung(QStringLiteral("Donau"), 0, 0, 0.3, 0.3, 3));
    dok.Objekte.push_back(Beschriftung(QStringLiteral("Alpen"), 0, 0, 0.4, 0.4));
    const FragenfolgeTyp folge = NummerierungSetzen(dok);
    // "donau" and "Donau" compare equal: the selection sort keeps whichever it meets first.
    EXPECT_EQ(Reihenfolge(dok, folge), (Namen{u"Alpen"_s, u"donau"_s, u"Donau"_s, u"Zugspitze"_s}));
}

TEST(NummerierungTest, OhneAbdeckbareObjekteLeer) {
    Dokument dok = TestDokument();
    dok.Objekte.push_back(Beschriftung(QStringLiteral("Info"), 0, 0, 0.1, 0.1, 2));
    EXPECT_TRUE(NummerierungSetzen(dok).empty());
    Dokument leer;
    EXPECT_TRUE(NummerierungSetzen(leer).empty());
}

TEST(NummerierungTest, EinzelfragenAntwortenTragenFragezeichen) {
    Dokument dok = TestDokument(QSize(870, 600), Einzelfragen);
    dok.Objekte.push_back(Beschriftung(QStringLiteral("Label"), 0, 0, 0.1, 0.1, 0));
    dok.Objekte.push_back(Beschriftung(QStringLiteral("Berlin"), 0, 0, 0.1, 0.58, 10));
    dok.Objekte.push_back(Beschriftung(QStringLiteral("Paris"), 0, 0, 0.1, 0.58, 10));
    const FragenfolgeTyp folge = NummerierungSetzen(dok);
    ASSERT_EQ(folge.size(), 2u);
    EXPECT_EQ(dok.Objekte[1].Nummer, 0);
    EXPECT_EQ(dok.Objekte[2].Nummer, 0);
    EXPECT_EQ(dok.Objekte[0].Nummer, -1);
    EXPECT_EQ(NummerText(dok, 1), u"?"_s);
}

TEST(NummerierungTest, NachQuizMitZufallsnummernWiederDokumentordnung) {
    Dokument dok = TestDokument();
    dok.Objekte.push_back(Beschriftung(QStringLiteral("a"), 0, 0, 0.1, 0.1));
    dok.Objekte.push_back(Beschriftung(QStringLiteral("b"), 0, 0, 0.1, 0.2));
    dok.Objekte[0].Nummer = 2;
    dok.Objekte[1].Nummer = 1;
    NummerierungSetzen(dok);
    EXPECT_EQ(dok.Objekte[0].Nummer, 1);
    EXPECT_EQ(dok.Objekte[1].Nummer, 2);
}

struct TextFall {
    int nummer;
    int art;
    const char16_t* text;
};
class NummerTextTest : public ::testing::TestWithParam<TextFall> {};

TEST_P(NummerTextTest, Text) {
    EXPECT_EQ(NummerText(GetParam().nummer, GetParam().art), QString::fromUtf16(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Faelle, NummerTextTest,
                         ::testing::Values(TextFall{0, 0, u"?"}, TextFall{-1, 1, u"?"}, TextFall{1, 0, u"1"},
                                           TextFall{123, 0, u"123"}, TextFall{1, 1, u"A"},
                                           TextFall{26, 1, u"Z"}, TextFall{27, 1, u"A'"},
                                           TextFall{28, 1, u"B'"}, TextFall{53, 1, u"A''"},
                                           TextFall{30, 2, u"30"}));

TEST(NummerTextTest, DreissigBuchstabenAbisZdannMitStrich) {
    Dokument dok = TestDokument();
    dok.Header.HD_NumArt = 1;
    for (int i = 0; i < 30; ++i)
        dok.Objekte.push_back(Beschriftung(QStringLiteral("L%1").arg(i), 0, 0, 0.5, i / 100.0));
    NummerierungSetzen(dok);
    QStringList texte;
    for (int i = 0; i < 30; ++i)
        texte << NummerText(dok, i);
    EXPECT_EQ(texte.mid(0, 26).join(QString()), u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"_s);
    EXPECT_EQ(texte.mid(26), (QStringList{u"A'"_s, u"B'"_s, u"C'"_s, u"D'"_s}));
    EXPECT_EQ(NummerText(dok, 99), u"?"_s);
}

} // namespace
