// Single questions in the quiz panel of a 900 x 650 window: the picture is shown smaller
// than it is and centred lower, while the answer cells keep their size.
#include "mapview/kartenhilfen.h"
#include "quiztest.h"

namespace {

struct Panel {
    QSize groesse;
    bool wieGewohnt; // the grid stands where the learning view shows the answer
};

class EinzelfragenPanel : public QuizTest, public ::testing::WithParamInterface<Panel> {
protected:
    EinzelfragenPanel() : QuizTest(Fragendokument(8)) { m_ui.panel = GetParam().groesse; }
    QPoint Zaehler() const {
        for (auto it = m_ui.schritte.rbegin(); it != m_ui.schritte.rend(); ++it)
            if (it->art == QuizSchritt::Art::FrageZaehler) return it->punkt;
        return {-1, -1};
    }
};

TEST_P(EinzelfragenPanel, AntwortenVorDemTrennbalkenZaehlerUnterDemBildkopf) {
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    const int trenner = m_quiz.Daten().AntwortSpalteX;
    std::vector<QRect> felder;
    for (const AntwortElement& e : m_quiz.Elemente())
        if (e.Vorhanden && e.Sichtbar) felder.push_back(e.Rechteck);
    ASSERT_EQ(felder.size(), 6u);
    for (size_t i = 0; i < felder.size(); ++i) {
        EXPECT_LT(felder[i].right(), trenner) << "answer " << i << " crosses into the instruction column";
        EXPECT_GE(felder[i].left(), 0);
        for (size_t j = i + 1; j < felder.size(); ++j)
            EXPECT_FALSE(felder[i].intersects(felder[j])) << i << " and " << j;
    }
    const QPoint p0 = m_karte.AnteilZuPunkt(QPointF(0.1, 0.58));
    const int oben = m_karte.AnteilZuPunkt(QPointF(0, 0)).y();
    EXPECT_EQ(Zaehler().y(), oben + RundeGerade((p0.y() - oben) * 0.3)) << "measured from the picture's top";
    const QPoint gewohnt = p0 + QPoint(4, 0);
    EXPECT_EQ(felder[0].topLeft() == gewohnt && felder[1].left() - felder[0].left() == 170,
              GetParam().wieGewohnt);
}

INSTANTIATE_TEST_SUITE_P(Groessen, EinzelfragenPanel,
                         ::testing::Values(Panel{{1000, 600}, true}, Panel{{690, 560}, false},
                                           Panel{{560, 420}, false}));

} // namespace
