// "Quiz wiederholen" in the result window: the options window first when the user wants
// it before every quiz, and a partial repeat's result says that it was one.
#include "quiztest.h"

namespace {

class Wiederholung : public QuizTest {
protected:
    // Position 1 is failed with text 0, position 2 is right, then the time runs out.
    void ErsterLauf() {
        m_werte.UebOpt.Zeitlimit = 1;
        m_werte.UebOpt.ZLimitSek = QStringLiteral("30");
        m_werte.UebOpt.ZLimitMin = QStringLiteral("0");
        ASSERT_TRUE(m_quiz.Starten(true, 0));
        TextAuf(0, 1);
        TextAuf(2, 2);
        m_uhr.vorruecken(31000);
        m_quiz.Takt();
    }
};

TEST_F(Wiederholung, OptionsfensterVorDerWiederholungUndTeillauf) {
    m_ui.vorJederUebung = true;
    m_ui.optionenStarten = true;
    m_ui.wahlen = {{true, 1}};
    ErsterLauf();
    ASSERT_GE(m_ui.ergebnisse.size(), 1u);
    EXPECT_EQ(m_ui.ergebnisse[0].Durchlauf, QString()) << "the first run was complete";
    EXPECT_EQ(m_ui.optionenFenster, std::vector<int>{Bildbeschriftung}) << "as before F7";
    ASSERT_TRUE(m_quiz.Laeuft());
    EXPECT_EQ(m_quiz.Daten().FragenAnzahl, 2);
    TextAuf(0, 0);
    TextAuf(1, 1);
    ASSERT_EQ(m_ui.ergebnisse.size(), 2u);
    EXPECT_EQ(m_ui.ergebnisse[1].Durchlauf, QStringLiteral("Wiederholung: 2 Fragen"));
}

TEST_F(Wiederholung, OptionsfensterGeschlossenBringtDasErgebnisZurueck) {
    m_ui.vorJederUebung = true;
    m_ui.optionenStarten = false; // "Schließen"
    m_ui.wahlen = {{true, 0}, {false, 0}};
    ErsterLauf();
    EXPECT_EQ(m_ui.optionenFenster.size(), 1u);
    EXPECT_EQ(m_ui.ergebnisse.size(), 2u) << "the result window again, nothing repeated";
    EXPECT_FALSE(m_quiz.Laeuft());
}

TEST_F(Wiederholung, OhneHakenKeinOptionsfenster) {
    m_ui.wahlen = {{true, 0}};
    ErsterLauf();
    EXPECT_TRUE(m_ui.optionenFenster.empty());
    ASSERT_TRUE(m_quiz.Laeuft());
    EXPECT_EQ(m_quiz.Daten().FragenAnzahl, 4);
}

} // namespace
