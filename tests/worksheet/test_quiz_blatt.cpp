// A sheet made during a quiz equals one made before it and leaves the quiz untouched.
#include "../quiz/quiztest.h"
#include "worksheet/arbeitsblatt.h"

class BlattImQuiz : public QuizTest {};

TEST_F(BlattImQuiz, GleichesBlattUndDerAblegetestTrifftWeiter) {
    // The map control of the learning view; the quiz narrows the map by its answer column.
    const QSize steuerelement = m_karte.Steuerelementgroesse();
    for (int art : {ArbeitsblattArt, LoesungKomplett, LoesungFolie}) {
        SCOPED_TRACE(art);
        ArbeitsblattOptionen o;
        o.art = art;
        o.titel = m_dok.Header.HD_titel;
        const QImage vorher = Arbeitsblatt(m_dok, o, steuerelement).Vorschaubild();
        if (!m_quiz.Quizmodus()) {
            ASSERT_TRUE(m_quiz.Starten(true, 0));
        }
        const std::vector<ObjDataTyp> objekte = m_dok.Objekte;
        const QImage kartenbild = m_karte.Kartenbild();
        const QImage waehrend = Arbeitsblatt(m_dok, o, steuerelement).Vorschaubild();
        EXPECT_TRUE(waehrend == vorher);
        for (size_t i = 0; i < objekte.size(); ++i) {
            EXPECT_EQ(m_dok.Objekte[i].Box, objekte[i].Box);
            EXPECT_EQ(m_dok.Objekte[i].Zustand, objekte[i].Zustand);
        }
        EXPECT_TRUE(m_karte.Kartenbild() == kartenbild);
    }
    const int richtig = m_quiz.Daten().Richtig;
    TextAuf(2, 2);
    EXPECT_EQ(m_dok.Objekte[2].Zustand, 0);
    EXPECT_EQ(m_quiz.Daten().Richtig, richtig + 1);
}
