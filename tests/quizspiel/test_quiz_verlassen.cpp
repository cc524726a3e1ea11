// Leaving a quiz by another command than "Quiz abbrechen", and the learning view that
// follows a quiz, laid out like a fresh one.
#include "quizspiel.h"

namespace {

struct Ansicht {
    QSize karte;
    QSize steuerelement;
    QRect start;
};

Ansicht AnsichtVon(TForm1& f) {
    auto* karte = f.findChild<TKartenBild*>(QStringLiteral("LernKartPicImg"));
    auto* start = f.findChild<QWidget*>(QStringLiteral("StartInfoPan"));
    return {karte->size(), f.karte().Steuerelementgroesse(), start->geometry()};
}

void ErwarteGleich(const Ansicht& ist, const Ansicht& soll) {
    EXPECT_EQ(ist.karte, soll.karte);
    EXPECT_EQ(ist.steuerelement, soll.steuerelement);
    EXPECT_EQ(ist.start, soll.start);
}

} // namespace

TEST_F(QuizSpiel, DokumentOeffnenWaehrendDesQuizBeendetEsWieAbbrechen) {
    TForm1& fenster = oeffnen("europa");
    auto* pan = fenster.findChild<QWidget*>(QStringLiteral("LernKartPan"));
    const Ansicht frisch = AnsichtVon(fenster);
    EXPECT_EQ(frisch.karte.width(), pan->width() - 17);
    const QString anderes = m_tmp.filePath(QStringLiteral("planeten.tvl"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KARTELLO_BIN_ORDNER "/planeten.tvl"), anderes));
    m_dialoge.dateien.push_back(anderes);

    QTest::keyClick(&fenster, Qt::Key_F7);
    ASSERT_TRUE(fenster.QuizLaeuft());
    QTest::keyClick(&fenster, Qt::Key_O, Qt::ControlModifier); // "Ja" to the question
    ASSERT_EQ(m_meldungen.eintraege.size(), 1u);
    EXPECT_TRUE(m_meldungen.eintraege[0].text.startsWith(
        QStringLiteral("Das aktuelle Quiz ist noch nicht beendet.")));
    EXPECT_EQ(fenster.dokument().Header.Dateiname, anderes);
    EXPECT_FALSE(quiz().Quizmodus());
    EXPECT_EQ(fenster.Ansichtsmodus(), 2);
    EXPECT_FALSE(fenster.uebInfoPan().isVisible());
    EXPECT_FALSE(fenster.quizAnzeige().ZeitTimer().isActive());
    ErwarteGleich(AnsichtVon(fenster), frisch);

    // The next quiz starts at once: nothing of the left one is running any more.
    QTest::keyClick(&fenster, Qt::Key_F7);
    EXPECT_TRUE(fenster.QuizLaeuft());
    EXPECT_EQ(m_meldungen.eintraege.size(), 1u);
    EXPECT_TRUE(fenster.protokoll().leer());

    // Closing the window ("Ja" again) ends the quiz as well.
    EXPECT_TRUE(fenster.close());
    EXPECT_FALSE(quiz().Quizmodus());
    EXPECT_EQ(m_meldungen.eintraege.size(), 2u);
}

// However the quiz ends, the learning view gets back the whole map area.
TEST_F(QuizSpiel, LernansichtNachDemQuizWieNachDemStart) {
    for (const bool zeitablauf : {false, true}) {
        SCOPED_TRACE(zeitablauf ? "Zeitablauf" : "abgebrochen");
        TForm1& fenster = oeffnen("planeten");
        const Ansicht frisch = AnsichtVon(fenster);
        fenster.einstellungen().UebOpt.Zeitlimit = zeitablauf ? 1 : 0;
        fenster.einstellungen().UebOpt.ZLimitMin = QStringLiteral("0");
        fenster.einstellungen().UebOpt.ZLimitSek = QStringLiteral("5");
        QTest::keyClick(&fenster, Qt::Key_F7);
        ASSERT_TRUE(fenster.QuizLaeuft());
        EXPECT_LT(fenster.karte().Steuerelementgroesse().width(), frisch.karte.width());
        if (zeitablauf) {
            m_uhr.vorruecken(6000);
            ergebnisBeantworten(false);
            EXPECT_TRUE(QTest::qWaitFor([&] { return fenster.Ansichtsmodus() == 2; }, 3000));
        } else {
            QTest::mouseClick(fenster.findChild<THoverPanel*>(QStringLiteral("LernKartBtn")), Qt::LeftButton);
        }
        EXPECT_FALSE(quiz().Quizmodus());
        ErwarteGleich(AnsichtVon(fenster), frisch);
        m_fenster.reset();
        ASSERT_TRUE(QFile::remove(m_tmp.filePath(QStringLiteral("planeten.tvl"))));
    }
}
