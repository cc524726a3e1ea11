// The clock, the time limit with a fake clock, partial repeats and the exact figures.
#include "quiz/quiztexte.h"
#include "quiztest.h"

class Uhr4 : public QuizTest {};

TEST_F(Uhr4, OhneLimitZaehltAufwaerts) {
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    EXPECT_EQ(m_quiz.Status().ZeitModus, QStringLiteral("Benötigte Zeit:"));
    m_uhr.vorruecken(59900);
    m_quiz.Takt();
    EXPECT_EQ(m_quiz.Status().Zeit, QStringLiteral("00:59"));
    EXPECT_TRUE(m_ui.timer);
    m_uhr.vorruecken(100);
    m_quiz.Takt();
    EXPECT_EQ(m_quiz.Status().Zeit, QStringLiteral("01:00"));
    // Only a changed text is handed on.
    m_ui.schritte.clear();
    m_quiz.Takt();
    EXPECT_TRUE(m_ui.schritte.empty());
}

TEST_F(Uhr4, RueckwaertsLaufendeUhrZaehltNull) {
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    m_uhr.tick -= 5000;
    m_quiz.Takt();
    EXPECT_EQ(m_quiz.Status().Zeit, QStringLiteral("00:00"));
    EXPECT_EQ(m_quiz.ZeitMs(), 0);
}

TEST_F(Uhr4, ZeitlimitLaeuftAbUndEndetMitTimeout) {
    m_werte.UebOpt.Zeitlimit = 1;
    m_werte.UebOpt.ZLimitMin = QStringLiteral("3");
    m_werte.UebOpt.ZLimitSek = QStringLiteral("0");
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    EXPECT_EQ(m_quiz.Status().Zeit, QStringLiteral("03:00"));
    EXPECT_EQ(m_quiz.Status().ZeitModus, QStringLiteral("Verbleibende Zeit:"));
    TextAuf(0, 0);
    TextAuf(1, 2); // a failed attempt at position 2 with text 1
    m_uhr.vorruecken(60000);
    m_quiz.Takt();
    EXPECT_EQ(m_quiz.Daten().Endzustand, Aktiv);
    EXPECT_TRUE(m_ui.timer);
    m_uhr.vorruecken(200000);
    m_quiz.Takt();
    EXPECT_EQ(m_quiz.Daten().Endzustand, Timeout);
    EXPECT_FALSE(m_ui.timer);
    EXPECT_EQ(m_quiz.Status().Zeit, QStringLiteral("00:00"));
    EXPECT_EQ(m_quiz.Status().Status, QStringLiteral("Quiz beendet"));
    ASSERT_EQ(m_meldungen.eintraege.size(), 1u);
    EXPECT_EQ(m_meldungen.eintraege[0].text,
              QStringLiteral("Das Zeitlimit ist erreicht, die Übung wird beendet."));
    EXPECT_EQ(m_meldungen.eintraege[0].art, MeldungsArt::Information);
    EXPECT_TRUE(
        Ablauf().endsWith(QStringLiteral(" - Das Zeitlimit ist erreicht, die Übung wird beendet.\r\n")));
    ASSERT_EQ(m_ui.ergebnisse.size(), 1u);
    EXPECT_EQ(m_ui.ergebnisse[0].ZeitArt, QStringLiteral("Verbliebene Zeit:"));
    EXPECT_EQ(m_ui.ergebnisse[0].Offen, QStringLiteral("3"));
    EXPECT_TRUE(Protokolltext().contains(QStringLiteral("Zeitlimit:\tja, 3 Min. 0 Sek.\r\n")));
    EXPECT_TRUE(Protokolltext().contains(QStringLiteral("Offene Positionen:\t3\r\n")));
    EXPECT_TRUE(Protokolltext().contains(QStringLiteral("Verbliebene Zeit:\t00:00\r\n")));
    // The result window was closed: back in the learning view, the covers numbered in document order.
    EXPECT_FALSE(m_quiz.Quizmodus());
    EXPECT_EQ(m_ui.modi.back(), false);
}

TEST_F(Uhr4, NullLimitEndetBeimErstenTakt) {
    m_werte.UebOpt.Zeitlimit = 1;
    m_werte.UebOpt.ZLimitMin = QStringLiteral("0");
    m_werte.UebOpt.ZLimitSek = QStringLiteral("0");
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    m_quiz.Takt();
    EXPECT_EQ(m_quiz.Daten().Endzustand, Timeout);
    EXPECT_EQ(m_ui.ergebnisse.size(), 1u);
}

TEST_F(Uhr4, TaktAusserhalbDesQuizSchaltetAb) {
    m_ui.timer = true;
    m_quiz.Takt();
    EXPECT_FALSE(m_ui.timer);
    EXPECT_TRUE(m_ui.ergebnisse.empty());
}

TEST_F(Uhr4, TeilwiederholungNurMitFehlversuchen) {
    m_werte.UebOpt.Zeitlimit = 1;
    m_werte.UebOpt.ZLimitSek = QStringLiteral("30");
    m_werte.UebOpt.ZLimitMin = QStringLiteral("0");
    m_werte.ErgebBestListEintragen = true;
    m_ui.wahlen = {{true, 1}};
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    TextAuf(0, 1); // position 1 and text 0 failed
    TextAuf(2, 2); // right at once
    m_uhr.vorruecken(31000);
    m_quiz.Takt();
    ASSERT_EQ(m_ui.ergebnisse.size(), 1u);
    EXPECT_TRUE(m_ui.ergebnisse[0].WiederholenAktiv);
    EXPECT_EQ(m_ui.bestenliste.size(), 1u);
    // The repeat asks position 1 (failed target) and 0 (failed text); 3 was never answered.
    ASSERT_TRUE(m_quiz.Laeuft());
    EXPECT_EQ(m_quiz.Daten().FragenAnzahl, 2);
    EXPECT_EQ(m_quiz.Daten().FragenGesamt, 4);
    EXPECT_EQ(m_dok.Objekte[0].Zustand, -5);
    EXPECT_EQ(m_dok.Objekte[1].Zustand, -5);
    EXPECT_EQ(m_dok.Objekte[2].Zustand, 0);
    EXPECT_EQ(m_dok.Objekte[3].Zustand, 0);
    EXPECT_EQ(m_quiz.Daten().Offen, 2);
    TextAuf(0, 0);
    TextAuf(1, 1);
    ASSERT_EQ(m_ui.ergebnisse.size(), 2u);
    EXPECT_TRUE(
        Protokolltext().contains(QStringLiteral("Quiz-Umfang:\t2 von 4 Fragen (Teilwiederholung)\r\n")));
    EXPECT_EQ(m_ui.bestenliste.size(), 1u) << "a partial repeat is not entered into the best list";
    // A second partial repeat finds no question: refused, the result window comes again.
    EXPECT_FALSE(m_ui.ergebnisse[1].WiederholenAktiv);
}

class Zwanzig : public QuizTest {
protected:
    Zwanzig() : QuizTest(Beschriftungsdokument(20)) {}
};

TEST_F(Zwanzig, SiebzehnVonZwanzigIstNoteEins) {
    m_werte.UebOpt.ZuordnungFalsch = 1;
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    EXPECT_EQ(m_quiz.Elemente()[19].Rechteck.topLeft(), QPoint(850, 554));
    for (int i = 0; i < 3; ++i)
        TextAuf(19, i); // three crosses
    for (int i = 3; i < 20; ++i)
        TextAuf(i, i);
    ASSERT_EQ(m_ui.ergebnisse.size(), 1u);
    EXPECT_EQ(m_quiz.Daten().Richtig, 17);
    EXPECT_EQ(m_quiz.Daten().Fehlversuche, 3);
    EXPECT_EQ(m_ui.ergebnisse[0].Quote, QStringLiteral("85.0 %"));
    EXPECT_EQ(m_ui.ergebnisse[0].Gesamtleistung, QStringLiteral("85.0 %"));
    EXPECT_EQ(m_quiz.Daten().Note, 1);
    EXPECT_EQ(m_ui.ergebnisse[0].Bewertung, QStringLiteral("sehr gut"));
}

TEST_F(Zwanzig, VierzehnRichtigSechsOffenIstNoteZwei) {
    m_werte.UebOpt.Zeitlimit = 1;
    m_werte.UebOpt.ZLimitMin = QStringLiteral("1");
    m_werte.UebOpt.ZLimitSek = QStringLiteral("0");
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    for (int i = 0; i < 14; ++i)
        TextAuf(i, i);
    m_uhr.vorruecken(60000);
    m_quiz.Takt();
    ASSERT_EQ(m_ui.ergebnisse.size(), 1u);
    EXPECT_EQ(m_quiz.Daten().Gesamtleistung, 0.70);
    EXPECT_EQ(m_ui.ergebnisse[0].Quote, QStringLiteral("100.0 %"));
    EXPECT_EQ(m_ui.ergebnisse[0].Gesamtleistung, QStringLiteral("70.0 %"));
    EXPECT_EQ(m_ui.ergebnisse[0].Note, QStringLiteral("2"));
    EXPECT_EQ(m_ui.ergebnisse[0].Offen, QStringLiteral("6"));
    EXPECT_EQ(m_ui.ergebnisse[0].ZeitArt, QStringLiteral("Verbliebene Zeit:"));
    EXPECT_FALSE(m_ui.ergebnisse[0].WiederholenAktiv);
}
