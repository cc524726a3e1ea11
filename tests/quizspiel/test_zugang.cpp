// What a screen reader gets from a quiz played through the real main window: names and
// roles of the painted things, the positions that follow the answers, the spoken feedback.
#include "quizspiel.h"

#include "mapview/kartenzugang.h"
#include "widgets/zugang.h"

#include <QAccessible>
#include <QApplication>

namespace {

QStringList Namen(QAccessibleInterface* i) {
    QStringList namen;
    for (int k = 0; k < i->childCount(); ++k)
        namen << i->child(k)->text(QAccessible::Name);
    return namen;
}

// A screen reader listens while the test runs, as Orca would.
class Bildschirmleser : public QuizSpiel {
protected:
    void SetUp() override {
        QuizSpiel::SetUp();
        ZugangErzwingen(true);
    }
    void TearDown() override {
        QuizSpiel::TearDown();
        ZugangErzwingen(false);
    }
};

} // namespace

TEST_F(Bildschirmleser, PositionenFolgenDenAntwortenUndRueckmeldungWirdAngesagt) {
    TForm1& fenster = oeffnen("europa");
    QAccessibleInterface* knopf =
        QAccessible::queryAccessibleInterface(fenster.findChild<THoverPanel*>(QStringLiteral("UebungenBtn")));
    ASSERT_NE(knopf, nullptr);
    EXPECT_EQ(knopf->role(), QAccessible::Button);
    EXPECT_EQ(knopf->text(QAccessible::Name), QStringLiteral("Quiz starten"));
    EXPECT_TRUE(knopf->state().focusable);
    knopf->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(QTest::qWaitFor([&] { return fenster.QuizLaeuft(); }));

    QAccessibleInterface* pan = QAccessible::queryAccessibleInterface(&fenster.uebungPan());
    const QStringList namen = Namen(pan);
    EXPECT_TRUE(namen.contains(QStringLiteral("Ziehe die Beschriftungen an die jeweils richtige Position!")));
    const int n = quiz().Daten().FragenAnzahl;
    QStringList positionen = namen.filter(QRegularExpression(QStringLiteral("^Position \\d+, offen$")));
    ASSERT_EQ(positionen.size(), n);
    // In number order, so a reader walks them 1, 2, 3 ...
    for (int i = 0; i < n; ++i)
        EXPECT_EQ(positionen[i], QStringLiteral("Position %1, offen").arg(i + 1));
    // Every visible answer element is a push button named by its answer text.
    for (const AntwortElement& a : quiz().Elemente()) {
        QAccessibleInterface* e = QAccessible::queryAccessibleInterface(element(a.Nummer));
        EXPECT_EQ(e->role(), QAccessible::Button);
        EXPECT_EQ(e->text(QAccessible::Name), a.Beschriftung);
    }

    // A wrong answer, then the right one, through the keyboard and the press action.
    const int k = quiz().Fokus();
    const AntwortElement a = quiz().Elemente()[static_cast<size_t>(k)];
    const ObjDataTyp& ziel = fenster.dokument().Objekte[static_cast<size_t>(a.Tag)];
    const QString nummer = QString::number(ziel.Nummer);
    const QString andere = QString::number(ziel.Nummer == 1 ? 2 : 1);
    QTest::keyClicks(&fenster, andere);
    QTest::keyClick(&fenster, Qt::Key_Return);
    EXPECT_EQ(LetzteAnsage(), QStringLiteral("Position ") + andere + QStringLiteral(": ") + a.Beschriftung +
                                  QStringLiteral(", falsch"));
    QTest::keyClicks(&fenster, nummer);
    QAccessible::queryAccessibleInterface(element(k))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(QTest::qWaitFor([&] { return LetzteAnsage().endsWith(QStringLiteral(", richtig")); }));
    EXPECT_EQ(LetzteAnsage(), QStringLiteral("Position ") + nummer + QStringLiteral(": ") + a.Beschriftung +
                                  QStringLiteral(", richtig"));
    // The answered position changed its name; the others stay open.
    const QStringList danach = Namen(pan);
    EXPECT_TRUE(danach.contains(QStringLiteral("Position ") + nummer + QStringLiteral(": ") + a.Beschriftung +
                                QStringLiteral(", richtig")));
    EXPECT_EQ(danach.filter(QRegularExpression(QStringLiteral(", offen$"))).size(), n - 1);
}

TEST_F(Bildschirmleser, LueckentextUndEinzelfrageSindText) {
    TForm1& fenster = oeffnen("wasserkreislauf");
    QTest::keyClick(&fenster, Qt::Key_F7);
    ASSERT_TRUE(fenster.QuizLaeuft());
    const QStringList namen = Namen(QAccessible::queryAccessibleInterface(&fenster.uebungPan()));
    const QStringList text = namen.filter(QStringLiteral("Der Wasserkreislauf"));
    ASSERT_EQ(text.size(), 1);
    EXPECT_TRUE(text[0].contains(QStringLiteral("Die (Lücke "))) << text[0].toStdString();
    EXPECT_FALSE(text[0].contains(u'<'));
    EXPECT_EQ(LueckentextKlar(fenster.dokument()).count(QStringLiteral("(Lücke ")), 12);
}

TEST_F(Bildschirmleser, EinzelfrageUndErgebnisWerdenGelesen) {
    TForm1& fenster = oeffnen("hauptstaedte");
    QTest::keyClick(&fenster, Qt::Key_F7);
    ASSERT_TRUE(fenster.QuizLaeuft());
    const QStringList namen = Namen(QAccessible::queryAccessibleInterface(&fenster.uebungPan()));
    EXPECT_EQ(namen.filter(QRegularExpression(QStringLiteral("^1\\. Frage: .+\\?$"))).size(), 1)
        << namen.join(u'|').toStdString();
    const int n = quiz().Daten().FragenAnzahl;
    for (int i = 0; i < n && fenster.QuizLaeuft(); ++i) {
        if (i == n - 1) ergebnisBeantworten(false);
        richtigBeantworten();
    }
    ASSERT_EQ(m_ergebnisse.size(), 1u);
    TUebFertigForm& form = fenster.uebFertigForm();
    // The window opened with its summary said on its focused button.
    EXPECT_TRUE(form.LernBtn()->accessibleDescription().startsWith(
        QStringLiteral("Quiz beendet. Richtig beantwortet: ")))
        << form.LernBtn()->accessibleDescription().toStdString();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.BewertSkalaImg())->text(QAccessible::Description),
              QStringLiteral("Schulnote 1, 100,0 %"));
    EXPECT_EQ(form.Wert("NoteLab")->accessibleName(), QStringLiteral("Schulnote: 1"));
    EXPECT_TRUE(form.Zusammenfassung().startsWith(QStringLiteral("Richtig beantwortet: ")));
}
