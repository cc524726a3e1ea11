#include "quiz/ac_nameeingabe.h"

#include "fenster_hilfe.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

class NameFensterTest : public ::testing::Test {
protected:
    void SetUp() override { RessourcenLaden(); }

    // Abfragen() with `schritt` run inside the modal window.
    QString abfragen(std::function<void(TNameEingabeForm&)> schritt) {
        bool gesehen = false;
        WennModal(
            [this, schritt = std::move(schritt)](QWidget* modal) {
                EXPECT_EQ(modal, &fenster);
                schritt(fenster);
            },
            &gesehen);
        const QString name = fenster.Abfragen();
        EXPECT_TRUE(gesehen);
        return name;
    }

    TNameEingabeForm fenster;
};

TEST_F(NameFensterTest, TexteDesFensters) {
    EXPECT_EQ(fenster.windowTitle(), u"Teilnehmername eingeben"_s);
    const auto gruppen = fenster.findChildren<QGroupBox*>();
    ASSERT_EQ(gruppen.size(), 1);
    EXPECT_EQ(gruppen[0]->title(), u" Quizteilnehmer "_s);
    QLabel* nameLab = nullptr;
    QStringList texte;
    for (QLabel* l : fenster.findChildren<QLabel*>()) {
        texte << l->text();
        if (l->text() == u"&Name:"_s) nameLab = l;
    }
    ASSERT_NE(nameLab, nullptr);
    EXPECT_EQ(nameLab->buddy(), fenster.TNameEdit());
    EXPECT_TRUE(texte.contains(u"Bitte Name für Protokoll und Bestenliste eingeben."_s));
    EXPECT_EQ(fenster.OkBtn()->text(), u"OK"_s);
    EXPECT_TRUE(fenster.OkBtn()->isDefault());
    EXPECT_EQ(fenster.TNameEdit()->maxLength(), 30);
}

TEST_F(NameFensterTest, TextBleibtUngekuerztUndUngetrimmt) {
    const QString name = abfragen([](TNameEingabeForm& f) {
        EXPECT_EQ(f.focusWidget(), f.TNameEdit());
        Tippen(f.TNameEdit(), u"  Jörg Müller-Lüdenscheidt "_s);
        QTest::mouseClick(f.OkBtn(), Qt::LeftButton);
    });
    EXPECT_EQ(name, u"  Jörg Müller-Lüdenscheidt "_s);
}

TEST_F(NameFensterTest, HoechstensDreissigZeichen) {
    const QString name = abfragen([](TNameEingabeForm& f) {
        QTest::keyClicks(f.TNameEdit(), u"abcdefghijklmnopqrstuvwxyz0123456789"_s);
        QTest::keyClick(f.TNameEdit(), Qt::Key_Return);
    });
    EXPECT_EQ(name, u"abcdefghijklmnopqrstuvwxyz0123"_s);
}

TEST_F(NameFensterTest, LetzterNameWirdWiederAngeboten) {
    abfragen([](TNameEingabeForm& f) {
        QTest::keyClicks(f.TNameEdit(), u"Anna"_s);
        QTest::keyClick(f.TNameEdit(), Qt::Key_Return);
    });
    // The second quiz: the window offers the name, OK keeps it.
    const QString zweiter = abfragen([](TNameEingabeForm& f) {
        EXPECT_EQ(f.TNameEdit()->text(), u"Anna"_s);
        QTest::mouseClick(f.OkBtn(), Qt::LeftButton);
    });
    EXPECT_EQ(zweiter, u"Anna"_s);
    // Typing replaces the offered name rather than appending to it.
    const QString dritter = abfragen([](TNameEingabeForm& f) {
        QTest::keyClicks(f.TNameEdit(), u"Bert"_s);
        QTest::keyClick(f.TNameEdit(), Qt::Key_Enter);
    });
    EXPECT_EQ(dritter, u"Bert"_s);
}

TEST_F(NameFensterTest, LeererNameUndEscapeGebenDenFeldtext) {
    const QString leer = abfragen([](TNameEingabeForm& f) { QTest::mouseClick(f.OkBtn(), Qt::LeftButton); });
    EXPECT_EQ(leer, QString());
    fenster.TNameEdit()->setText(u"Carla"_s);
    const QString escape = abfragen([](TNameEingabeForm& f) { QTest::keyClick(&f, Qt::Key_Escape); });
    EXPECT_EQ(escape, u"Carla"_s);
}

} // namespace

namespace {

TEST_F(NameFensterTest, NichtsUeberdecktSich) {
    fenster.show();
    EXPECT_TRUE(Ueberlappungen(&fenster).isEmpty()) << Ueberlappungen(&fenster).join(u"; "_s).toStdString();
}

} // namespace

namespace {

// A pasted name with TAB and line breaks would forge protocol headings and export rows.
TEST_F(NameFensterTest, EingefuegteSteuerzeichenFallenWeg) {
    const QString name = abfragen([](TNameEingabeForm& f) {
        Tippen(f.TNameEdit(), u"Ev"_s);
        f.TNameEdit()->insert(u"e\r\n<tit>Note:\t1"_s); // what a paste does
        EXPECT_EQ(f.TNameEdit()->text(), u"Eve<tit>Note:1"_s);
        EXPECT_EQ(f.TNameEdit()->cursorPosition(), 14);
        QTest::mouseClick(f.OkBtn(), Qt::LeftButton);
    });
    EXPECT_EQ(name, u"Eve<tit>Note:1"_s);
}

} // namespace
