#include "shell/av_main_menue.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

struct MenueFenster : ::testing::Test {
    QMainWindow fenster;
    Hauptmenue menue{&fenster};

    void SetUp() override {
        fenster.resize(400, 300);
        fenster.show();
        fenster.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    }
    int zaehlen(const char* name) {
        auto* zaehler = new int(0);
        menue.verbinden(QString::fromLatin1(name), [zaehler] { ++*zaehler; });
        m_zaehler.emplace_back(zaehler);
        return static_cast<int>(m_zaehler.size() - 1);
    }
    int stand(int i) const { return *m_zaehler[static_cast<size_t>(i)]; }
    std::vector<std::unique_ptr<int>> m_zaehler;
};

QStringList SichtbareMenues(QMenuBar* leiste) {
    QStringList texte;
    for (QAction* a : leiste->actions())
        if (a->isVisible()) texte << a->text();
    return texte;
}

} // namespace

TEST_F(MenueFenster, UnbekannterEintragWirdNichtStillUebergangen) {
    EXPECT_THROW(menue.verbinden(QStringLiteral("Oefnen1"), [] {}), std::invalid_argument);
    EXPECT_NO_THROW(menue.verbinden(QStringLiteral("Oeffnen1"), [] {}));
}

TEST_F(MenueFenster, ZeigtNurDieSichtbarenMenues) {
    EXPECT_EQ(SichtbareMenues(fenster.menuBar()),
              (QStringList{QStringLiteral("&Aktion"), QStringLiteral("&Quizauswahl"),
                           QStringLiteral("&Optionen"), QStringLiteral("&Hilfe")}));
}

TEST_F(MenueFenster, TastenVersteckterEintraegeWirken) {
    const int oeffnen = zaehlen("Oeffnen1");
    const int netz = zaehlen("NetzInitiieren1");
    const int weiter = zaehlen("NaechstesQuiz1");
    const int zurueck = zaehlen("VorherigesQuiz1");
    QTest::keyClick(&fenster, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(&fenster, Qt::Key_F9);
    QTest::keyClick(&fenster, Qt::Key_PageDown);
    QTest::keyClick(&fenster, Qt::Key_PageDown);
    EXPECT_EQ(stand(oeffnen), 1);
    EXPECT_EQ(stand(netz), 1);
    EXPECT_EQ(stand(weiter), 2);
    EXPECT_EQ(stand(zurueck), 0);
}

TEST_F(MenueFenster, GesperrtesMenueSperrtSeineTasten) {
    const int weiter = zaehlen("NaechstesQuiz1");
    const int start = zaehlen("QuizStarten1");
    menue.menue(QStringLiteral("Auswahl1"))->setEnabled(false);
    QTest::keyClick(&fenster, Qt::Key_PageDown);
    QTest::keyClick(&fenster, Qt::Key_F7);
    EXPECT_EQ(stand(weiter), 0);
    EXPECT_EQ(stand(start), 1);
    menue.menue(QStringLiteral("Auswahl1"))->setEnabled(true);
    QTest::keyClick(&fenster, Qt::Key_PageDown);
    EXPECT_EQ(stand(weiter), 1);
}

TEST_F(MenueFenster, QuizauswahlHatDieFestenEintraegeInReihenfolge) {
    QStringList texte;
    for (QAction* a : menue.menue(QStringLiteral("Auswahl1"))->actions())
        if (!a->isSeparator()) texte << a->text();
    EXPECT_EQ(texte, QStringList{QStringLiteral("&Startseite")});
    EXPECT_TRUE(menue.aktion(QStringLiteral("Sound1"))->isCheckable());
    EXPECT_EQ(menue.aktion(QStringLiteral("Vollbild1"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
}
