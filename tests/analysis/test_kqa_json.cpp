// The reader of .kqa lines: every text our writer makes comes back unchanged, and lines
// that are not exactly JSON, or not a run record, are refused.
#include "analysis/antwortsatz.h"

#include <gtest/gtest.h>

namespace {

QByteArray Kopf(const char* antworten = "[[3,\"3\",\"Polen\",true,1,1200]]") {
    return QByteArray(
               R"({"titel":"T","datei":"europa.tvl","hash":"ab","teilnehmer":"A","rechner":"PC",)"
               R"("start":"2026-12-09T10:15:00.000","dauerMs":1200,"leistung":0.5,"note":"3","ganz":true,)"
               R"("antworten":)") +
           antworten + "}";
}

TEST(KqaJson, WasWirSchreibenKommtUnveraendertZurueck) {
    KqaLauf lauf;
    lauf.titel = QStringLiteral("Flüsse \"Europas\" \\ Teil 1\r\n\t😀");
    lauf.datei = QStringLiteral("flüsse.tvl");
    lauf.hash = QString(64, u'f');
    lauf.teilnehmer = QStringLiteral("Zoë\x01 Ørsted");
    lauf.rechner = QStringLiteral("PC-07");
    lauf.start = QDateTime(QDate(2026, 12, 9), QTime(10, 15, 3, 250));
    lauf.dauerMs = 123456;
    lauf.leistung = 0.875;
    lauf.note = QStringLiteral("2");
    lauf.ganz = false;
    lauf.antworten = {{12, QStringLiteral("b'"), QStringLiteral("Rhein\\Main"), false, 1, 900},
                      {12, QStringLiteral("b'"), QStringLiteral("Donau"), true, 2, 2100}};
    KqaLauf zurueck;
    ASSERT_TRUE(KqaZeileLesen(KqaZeile(lauf), zurueck));
    EXPECT_EQ(zurueck.titel, lauf.titel);
    EXPECT_EQ(zurueck.teilnehmer, lauf.teilnehmer);
    EXPECT_EQ(zurueck.start, lauf.start);
    EXPECT_EQ(zurueck.leistung, lauf.leistung);
    EXPECT_FALSE(zurueck.ganz);
    ASSERT_EQ(zurueck.antworten.size(), 2u);
    EXPECT_EQ(zurueck.antworten[0].text, QStringLiteral("Rhein\\Main"));
    EXPECT_EQ(zurueck.antworten[1].versuch, 2);
    EXPECT_EQ(zurueck.antworten[1].ms, 2100);
}

TEST(KqaJson, EscapesUndUnbekannteFelder) {
    KqaLauf l;
    QByteArray zeile = Kopf(R"([[3,"3","\u00c4\ud83d\ude00\ud800x\/",true,1,1]])");
    zeile.insert(1, R"("neu":{"a":[1,2.5e3,-0.5,null,{"b":"\""}]},)");
    ASSERT_TRUE(KqaZeileLesen(zeile, l));
    EXPECT_EQ(l.antworten.at(0).text, QStringLiteral("Ä😀\uFFFDx/"));
}

struct Kaputt {
    const char* name;
    QByteArray zeile;
};

class KqaJsonKaputt : public ::testing::TestWithParam<Kaputt> {};

TEST_P(KqaJsonKaputt, WirdAbgelehnt) {
    KqaLauf l;
    EXPECT_FALSE(KqaZeileLesen(GetParam().zeile, l));
}

QByteArray Ohne(const char* feld) {
    QByteArray z = Kopf();
    const qsizetype a = z.indexOf(QByteArray(QByteArray("\"") + feld + "\""));
    return z.remove(a, z.indexOf(',', a) - a + 1);
}

QByteArray Tief(int n) {
    QByteArray z = Kopf();
    return z.insert(1, "\"x\":" + QByteArray(n, '[') + QByteArray(n, ']') + ",");
}

INSTANTIATE_TEST_SUITE_P(
    Zeilen, KqaJsonKaputt,
    ::testing::Values(Kaputt{"abgeschnitten", Kopf().left(80)}, Kaputt{"dahinter", Kopf() + " x"},
                      Kaputt{"ohneHash", Ohne("hash")}, Kaputt{"ohneGanz", Ohne("ganz")},
                      Kaputt{"fuehrendeNull", Kopf(R"([[03,"3","P",true,1,1]])")},
                      Kaputt{"plus", Kopf(R"([[+3,"3","P",true,1,1]])")},
                      Kaputt{"nan", Kopf(R"([[NaN,"3","P",true,1,1]])")},
                      Kaputt{"bruch", Kopf(R"([[3,"3","P",true,1,1.5]])")},
                      Kaputt{"versuchNull", Kopf(R"([[3,"3","P",true,0,1]])")},
                      Kaputt{"zielNegativ", Kopf(R"([[-1,"3","P",true,1,1]])")},
                      Kaputt{"fuenfFelder", Kopf(R"([[3,"3","P",true,1]])")},
                      Kaputt{"steuerzeichen", Kopf("[[3,\"3\",\"P\x01\",true,1,1]]")},
                      Kaputt{"falscherEscape", Kopf(R"([[3,"3","P\q",true,1,1]])")},
                      Kaputt{"zweimalAntworten", Kopf(R"([],"antworten":[])")}, Kaputt{"zuTief", Tief(100)},
                      Kaputt{"keinObjekt", QByteArray("[1,2,3]")}),
    [](const ::testing::TestParamInfo<Kaputt>& fall) { return std::string(fall.param.name); });

TEST(KqaJson, NichtZuTiefGeschachteltGehtDurch) {
    KqaLauf l;
    EXPECT_TRUE(KqaZeileLesen(Tief(40), l));
}

} // namespace
