// A run completes once: boxes raised inside a judgement, the clock and commands that
// leave the quiz while such a box is open.
#include "quiz/quiztexte.h"
#include "quiztest.h"

namespace {
const QString Tonfehler = QStringLiteral("Sounddatei \"Richtig1.wav\" nicht gefunden.");
}

class EinmalAbschliessen : public QuizTest {
protected:
    void SetUp() override {
        m_werte.UebOpt.Zeitlimit = 1;
        m_werte.UebOpt.ZLimitMin = QStringLiteral("0");
        m_werte.UebOpt.ZLimitSek = QStringLiteral("20");
        ASSERT_TRUE(QFile::remove(QDir(m_soundordner.path()).filePath(QStringLiteral("Richtig1.wav"))));
    }
    // While the sound error box of the first answer is open, `waehrend` runs once.
    void BeiTonfehler(std::function<void()> waehrend) {
        m_meldungen.waehrendOffen = [this, waehrend,
                                     fertig = false](const FakeMeldungen::Eintrag& e) mutable {
            if (fertig || e.text != Tonfehler) return;
            fertig = true;
            waehrend();
        };
    }
};

TEST_F(EinmalAbschliessen, ZeitlimitWaehrendTonfehlerZaehltDieAntwortUndSchliesstEinmalAb) {
    BeiTonfehler([this] {
        m_uhr.vorruecken(25000);
        for (int i = 0; i < 3; ++i)
            m_quiz.Takt(); // ticks inside the box only update the display
        EXPECT_EQ(m_quiz.Daten().Endzustand, Aktiv);
        EXPECT_TRUE(m_ui.protokolle.empty());
    });
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    TextAuf(0, 0);

    EXPECT_EQ(m_quiz.Daten().Richtig, 1);
    EXPECT_EQ(m_quiz.Daten().Endzustand, Timeout);
    ASSERT_EQ(m_ui.protokolle.size(), 1u);
    ASSERT_EQ(m_ui.bestenliste.size(), 1u);
    ASSERT_EQ(m_ui.ergebnisse.size(), 1u);
    EXPECT_DOUBLE_EQ(m_ui.bestenliste[0].Gesamtleistung, 0.25);
    EXPECT_EQ(m_ui.bestenliste[0].ZeitMs, 20000);
    EXPECT_TRUE(m_ui.protokolle[0].contains(QStringLiteral("Richtig zugeordnet:\t1  von  4\r\n")));
    EXPECT_TRUE(m_ui.protokolle[0].contains(QStringLiteral("00:20 - ") + ZeitlimitErreichtText));
    EXPECT_EQ(m_meldungen.texte(), (std::vector<QString>{Tonfehler, ZeitlimitErreichtText}));
    EXPECT_FALSE(m_quiz.Quizmodus());
    // A late tick finds nothing to end.
    m_quiz.Takt();
    EXPECT_EQ(m_ui.protokolle.size(), 1u);
    EXPECT_EQ(m_ui.bestenliste.size(), 1u);
}

// Leaving the run while its judgement waits on the box: the judgement that resumes
// afterwards counts nothing, writes nothing and completes nothing.
TEST_F(EinmalAbschliessen, VerlassenerLaufBleibtVomAltenUrteilUnberuehrt) {
    struct Fall {
        const char* name;
        bool neuStarten;
    };
    for (const Fall fall : {Fall{"abbrechen", false}, Fall{"neu starten", true}}) {
        SCOPED_TRACE(fall.name);
        m_ui = FakeOberflaeche();
        m_meldungen.eintraege.clear();
        UebDataTyp danach;
        QString ablaufDanach;
        std::vector<int32_t> zustaende;
        BeiTonfehler([&] {
            if (fall.neuStarten)
                ASSERT_TRUE(m_quiz.Starten(false, 0));
            else
                ASSERT_TRUE(m_quiz.Abbrechen());
            danach = m_quiz.Daten();
            ablaufDanach = Ablauf();
            for (const ObjDataTyp& o : m_dok.Objekte)
                zustaende.push_back(o.Zustand);
        });
        ASSERT_TRUE(m_quiz.Starten(true, 0));
        TextAuf(0, 0);

        EXPECT_EQ(m_quiz.Quizmodus(), fall.neuStarten);
        EXPECT_EQ(m_quiz.Daten().Richtig, 0);
        EXPECT_EQ(m_quiz.Daten().Offen, danach.Offen);
        EXPECT_EQ(Ablauf(), ablaufDanach);
        EXPECT_EQ(m_quiz.Daten().Endzustand, Aktiv);
        for (size_t i = 0; i < m_dok.Objekte.size(); ++i)
            EXPECT_EQ(m_dok.Objekte[i].Zustand, zustaende[i]) << i;
        EXPECT_TRUE(m_ui.protokolle.empty());
        EXPECT_TRUE(m_ui.bestenliste.empty());
        EXPECT_TRUE(m_ui.ergebnisse.empty());
        if (fall.neuStarten) {
            // The new run keeps its own clock and time limit.
            EXPECT_TRUE(m_ui.timer);
            m_uhr.vorruecken(21000);
            m_quiz.Takt();
            EXPECT_EQ(m_quiz.Daten().Endzustand, Timeout);
            EXPECT_EQ(m_ui.bestenliste.size(), 1u);
        }
    }
}

// The best list records the clock's time at the end of the run: not the time the
// time-out box stayed open, not the part of a tick past the limit.
TEST_F(EinmalAbschliessen, DauerNachZeitablaufIstDasLimit) {
    m_meldungen.waehrendOffen = [this](const FakeMeldungen::Eintrag& e) {
        if (e.text == ZeitlimitErreichtText) m_uhr.vorruecken(24000);
    };
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    m_uhr.vorruecken(20099);
    m_quiz.Takt();
    ASSERT_EQ(m_ui.bestenliste.size(), 1u);
    EXPECT_EQ(m_ui.bestenliste[0].ZeitMs, 20000);
    EXPECT_TRUE(m_ui.protokolle[0].contains(QStringLiteral("Verbliebene Zeit:\t00:00\r\n")));
    EXPECT_TRUE(m_ui.protokolle[0].contains(QStringLiteral("00:20 - ") + ZeitlimitErreichtText));
}
