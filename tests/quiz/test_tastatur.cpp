// Keyboard play: focus, typed cover numbers, Enter, Escape, arrows for question marks.
#include "mapview/nummerierung.h"
#include "quiztest.h"

class Tastatur : public QuizTest {};

TEST_F(Tastatur, NummerTippenUndEnterUrteilen) {
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    EXPECT_EQ(m_quiz.Fokus(), 0);
    const int ziel = m_quiz.Fragenfolge()[2].ZielObjekt; // cover number 3
    EXPECT_TRUE(m_quiz.NummerTippen(QChar(u'3')));
    EXPECT_EQ(m_quiz.Ziel(), ziel);
    EXPECT_EQ(m_karte.Markenobjekt(), ziel);
    // Focus to the element that carries that position's text, then Enter.
    while (m_quiz.Elemente()[m_quiz.Fokus()].Tag != ziel)
        m_quiz.FokusWeiter(false);
    EXPECT_TRUE(m_quiz.Bestaetigen());
    EXPECT_EQ(m_dok.Objekte[ziel].Zustand, 0);
    EXPECT_EQ(m_quiz.Daten().Richtig, 1);
    EXPECT_EQ(m_quiz.Ziel(), -1);
    EXPECT_GE(m_quiz.Fokus(), 0);
    EXPECT_TRUE(m_quiz.Elemente()[m_quiz.Fokus()].Vorhanden) << "focus on the first visible element";
}

TEST_F(Tastatur, FalschMitEnterWieAbwurf) {
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    const int k = m_quiz.Fokus();
    const int tag = m_quiz.Elemente()[k].Tag;
    const int falsch = tag == m_quiz.Fragenfolge()[0].ZielObjekt ? 1 : 0;
    ASSERT_TRUE(m_quiz.NummerTippen(QChar(u'1' + falsch)));
    const QPoint platz = m_quiz.Elemente()[k].Rechteck.topLeft();
    EXPECT_TRUE(m_quiz.Bestaetigen());
    EXPECT_EQ(m_quiz.Daten().Fehlversuche, 1);
    EXPECT_EQ(m_quiz.Elemente()[k].Rechteck.topLeft(), platz);
}

TEST_F(Tastatur, EscapeLoeschtRahmenUndEnterTutNichts) {
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    ASSERT_TRUE(m_quiz.NummerTippen(QChar(u'2')));
    m_quiz.RahmenLoeschen();
    EXPECT_EQ(m_quiz.Ziel(), -1);
    EXPECT_EQ(m_karte.Markenobjekt(), -1);
    EXPECT_FALSE(m_quiz.Bestaetigen());
    EXPECT_EQ(m_quiz.Daten().Richtig + m_quiz.Daten().Fehlversuche, 0);
    EXPECT_FALSE(m_quiz.NummerTippen(QChar(u'9')));
    EXPECT_FALSE(m_quiz.NummerTippen(QChar(u'#')));
}

TEST_F(Tastatur, TabUndShiftTabUeberSichtbareElemente) {
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    m_quiz.FokusWeiter(false);
    EXPECT_EQ(m_quiz.Fokus(), 1);
    m_quiz.FokusWeiter(true);
    m_quiz.FokusWeiter(true);
    EXPECT_EQ(m_quiz.Fokus(), 3);
}

class ZwoelfBuchstaben : public QuizTest {
protected:
    ZwoelfBuchstaben() : QuizTest(Beschriftungsdokument(30)) { m_dok.Header.HD_NumArt = 1; }
};

TEST_F(ZwoelfBuchstaben, BuchstabenMitApostroph) {
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    const int ziel27 = m_quiz.Fragenfolge()[26].ZielObjekt; // number 27 is "A'"
    ASSERT_EQ(NummerText(m_dok, ziel27), QStringLiteral("A'"));
    EXPECT_TRUE(m_quiz.NummerTippen(QChar(u'a')));
    EXPECT_EQ(m_quiz.Ziel(), m_quiz.Fragenfolge()[0].ZielObjekt);
    EXPECT_TRUE(m_quiz.NummerTippen(QChar(u'\'')));
    EXPECT_EQ(m_quiz.Ziel(), ziel27);
    // A letter that continues nothing starts a new number.
    EXPECT_TRUE(m_quiz.NummerTippen(QChar(u'c')));
    EXPECT_EQ(m_quiz.Ziel(), m_quiz.Fragenfolge()[2].ZielObjekt);
}

TEST_F(Tastatur, PfeileBeiFragezeichen) {
    m_werte.UebOpt.Zuordnungsziele = 2;
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    EXPECT_FALSE(m_quiz.NummerTippen(QChar(u'1')));
    EXPECT_TRUE(m_quiz.PfeilSchritt(true));
    EXPECT_EQ(m_quiz.Ziel(), 0);
    EXPECT_TRUE(m_quiz.PfeilSchritt(true));
    EXPECT_EQ(m_quiz.Ziel(), 1);
    EXPECT_TRUE(m_quiz.PfeilSchritt(false));
    EXPECT_TRUE(m_quiz.PfeilSchritt(false));
    EXPECT_EQ(m_quiz.Ziel(), 3) << "wraps around";
    TextAuf(2, 2);
    m_quiz.RahmenLoeschen();
    m_quiz.PfeilSchritt(true);
    m_quiz.PfeilSchritt(true);
    m_quiz.PfeilSchritt(true);
    EXPECT_EQ(m_quiz.Ziel(), 3) << "answered positions are skipped";
}
