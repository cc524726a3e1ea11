// Ranking: better Leistung first, then shorter Dauer; ties end exactly where the
// selection sort with swaps puts them.
#include "results/bestenliste_rang.h"

#include "test_bestenliste_hilfe.h"

#include <gtest/gtest.h>
#include <random>

namespace {

// The procedure as written: for each position, the first best of the rest is swapped in.
void Auswahlsortierung(std::vector<BestListDataTyp>& l) {
    for (std::size_t i = 0; i < l.size(); ++i) {
        std::size_t best = i;
        for (std::size_t j = i + 1; j < l.size(); ++j) {
            if (l[j].Leistung > l[best].Leistung ||
                (l[j].Leistung == l[best].Leistung && l[j].Dauer < l[best].Dauer))
                best = j;
        }
        std::swap(l[i], l[best]);
    }
}

QStringList Namen(const std::vector<BestListDataTyp>& l) {
    QStringList n;
    for (const auto& e : l)
        n << e.Name;
    return n;
}

TEST(BestenlisteRang, GleicheLeistungNachKuererDauer) {
    std::vector<BestListDataTyp> l{TestEintrag(QStringLiteral("lang"), 0.8, 90000),
                                   TestEintrag(QStringLiteral("kurz"), 0.8, 30000),
                                   TestEintrag(QStringLiteral("besser"), 0.9, 999999)};
    BestListRangfolge(l);
    EXPECT_EQ(Namen(l),
              (QStringList{QStringLiteral("besser"), QStringLiteral("kurz"), QStringLiteral("lang")}));
}

// B and A are equal; taking C swaps B behind A, so the order is not the stable one.
TEST(BestenlisteRang, GleicheEintraegeNichtStabilSondernWieDieAuswahl) {
    std::vector<BestListDataTyp> l{TestEintrag(QStringLiteral("B"), 0.5, 10),
                                   TestEintrag(QStringLiteral("A"), 0.5, 10),
                                   TestEintrag(QStringLiteral("C"), 1.0, 10)};
    BestListRangfolge(l);
    EXPECT_EQ(Namen(l), (QStringList{QStringLiteral("C"), QStringLiteral("A"), QStringLiteral("B")}));
}

TEST(BestenlisteRang, NullUndMinusNullSindGleich) {
    std::vector<BestListDataTyp> l{TestEintrag(QStringLiteral("a"), -0.0, 5),
                                   TestEintrag(QStringLiteral("b"), 0.0, 3)};
    BestListRangfolge(l);
    EXPECT_EQ(Namen(l), (QStringList{QStringLiteral("b"), QStringLiteral("a")}));
}

TEST(BestenlisteRang, LeereUndEinzelneListe) {
    std::vector<BestListDataTyp> leer;
    BestListRangfolge(leer);
    EXPECT_TRUE(leer.empty());
    std::vector<BestListDataTyp> eins{TestEintrag(QStringLiteral("x"), 0.1, 1)};
    BestListRangfolge(eins);
    EXPECT_EQ(Namen(eins), QStringList{QStringLiteral("x")});
}

// Random lists full of ties: few distinct keys, many equal entries told apart by name.
TEST(BestenlisteRang, GleicheReihenfolgeWieDieAuswahlsortierung) {
    std::mt19937 zufall(20261208);
    for (int runde = 0; runde < 3000; ++runde) {
        const int n = static_cast<int>(zufall() % 80);
        const int leistungen = 1 + static_cast<int>(zufall() % 4);
        const int dauern = 1 + static_cast<int>(zufall() % 4);
        std::vector<BestListDataTyp> l;
        for (int i = 0; i < n; ++i)
            l.push_back(TestEintrag(QString::number(i), static_cast<double>(zufall() % leistungen) / 4,
                                    static_cast<int32_t>(zufall() % dauern) * 1000));
        std::vector<BestListDataTyp> erwartet = l;
        Auswahlsortierung(erwartet);
        BestListRangfolge(l);
        ASSERT_EQ(Namen(l), Namen(erwartet)) << "Runde " << runde;
    }
}

TEST(BestenlisteRang, GrosseListeWieDieAuswahlsortierung) {
    std::mt19937 zufall(7);
    std::vector<BestListDataTyp> l;
    for (int i = 0; i < 3000; ++i)
        l.push_back(TestEintrag(QString::number(i), static_cast<double>(zufall() % 21) / 20,
                                static_cast<int32_t>(zufall() % 5)));
    std::vector<BestListDataTyp> erwartet = l;
    Auswahlsortierung(erwartet);
    BestListRangfolge(l);
    EXPECT_EQ(Namen(l), Namen(erwartet));
}

} // namespace
