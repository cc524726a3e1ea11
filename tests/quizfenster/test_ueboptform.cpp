#include "quiz/ac_ueboptform.h"

#include "fenster_hilfe.h"
#include "quiz/uebdaten.h"
#include "data/hintergrund.h"
#include "shell/programmeinstellungen.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {

class UebOptFensterTest : public ::testing::Test {
protected:
    void SetUp() override { RessourcenLaden(); }

    QGroupBox* gruppe(const QString& name) const { return fenster.findChild<QGroupBox*>(name); }

    // exec() with `schritt` run inside; returns the dialog result.
    int ausfuehren(QDialog& dialog, std::function<void(QWidget*)> schritt) {
        bool gesehen = false;
        WennModal(std::move(schritt), &gesehen);
        const int ergebnis = dialog.exec();
        EXPECT_TRUE(gesehen);
        return ergebnis;
    }

    ProgrammEinstellungenTyp werte;
    TUebOptForm fenster{werte};
};

TEST_F(UebOptFensterTest, GruppenTragenDieTexteDerOberflaeche) {
    struct Fall {
        QButtonGroup* knoepfe;
        QString titel;
        QStringList punkte;
    };
    const Fall faelle[] = {
        {fenster.AbfrageModus(),
         u" Abfragemodus "_s,
         {u" freie Zuordnung "_s, u" Einzelabfrage Texte "_s, u" Einzelabfrage Positionen "_s}},
        {fenster.Zeitlimit(), u" Zeitlimit "_s, {u" ohne Zeitlimit"_s, u" mit Zeitlimit:"_s}},
        {fenster.ZuordnungRichtig(),
         u" Verhalten bei richtiger Zuordnung "_s,
         {u" Beschriftung einblenden "_s, u" grünes Häkchen setzen "_s}},
        {fenster.ZuordnungFalsch(),
         u" Verhalten bei falscher Zuordnung (Fehlversuch) "_s,
         {u" beliebig viele Zuordnungsversuche erlaubt "_s, u" rotes Kreuz setzen,  "_s}},
        {fenster.Zuordnungstexte(),
         u" Zuordnungstexte "_s,
         {u" alphabetisch geordnet "_s, u" zufällig gemischt "_s}},
        {fenster.Zuordnungsziele(),
         u" Zuordnungsziele (Positionen) "_s,
         {u" geordnet nummeriert "_s, u" zufällig gemischt nummeriert "_s, u" Fragezeichen "_s}},
    };
    for (const Fall& f : faelle) {
        ASSERT_NE(f.knoepfe, nullptr);
        auto* kasten = qobject_cast<QGroupBox*>(f.knoepfe->buttons().first()->parentWidget());
        ASSERT_NE(kasten, nullptr);
        EXPECT_EQ(kasten->title(), f.titel);
        EXPECT_EQ(Beschriftungen(f.knoepfe), f.punkte) << f.titel.toStdString();
        EXPECT_TRUE(f.knoepfe->exclusive());
    }
    EXPECT_EQ(fenster.windowTitle(), u"Übungsoptionen für Bildbeschriftung und Lückentext"_s);
    EXPECT_EQ(fenster.OkBtn()->text(), u"Übung starten"_s);
    EXPECT_EQ(fenster.CloseBtn()->text(), u"Schließen"_s);
    EXPECT_TRUE(fenster.OkBtn()->isDefault());
    auto* zf1 = fenster.findChild<QLabel*>(u"ZF1Lab"_s);
    ASSERT_NE(zf1, nullptr);
    EXPECT_EQ(zf1->text(), u"keine erneute Zuordnung an dieser Position"_s);
    EXPECT_TRUE(zf1->isEnabled());
    auto* zeigen = fenster.findChild<QCheckBox*>(u"UebOptZeigenCheck"_s);
    ASSERT_NE(zeigen, nullptr);
    EXPECT_EQ(zeigen->text(), u" Dieses Dialogfenster vor jeder Übung anzeigen "_s);
    EXPECT_TRUE(fenster.ZeigenCheck());
}

TEST_F(UebOptFensterTest, ErlaeuterungenStehenImFenster) {
    QStringList texte;
    for (const QLabel* l : fenster.findChildren<QLabel*>())
        texte << l->text();
    for (const QString& t :
         {u"Text"_s, u"  -"_s, u"A B C D ..."_s, u"B D A C ..."_s, u"1 2 3 4 ..."_s, u"2 4 1 3 ..."_s, u"?"_s,
          u"Texte in beliebiger Reihenfolge zuordnen"_s,
          u"Bei der Einzelabfrage werden Texte bzw. Positionen einzeln vorgegeben."_s, u"Min."_s, u"Sek."_s})
        EXPECT_TRUE(texte.contains(t)) << t.toStdString();
    // Tick and cross pictures come from the resource, not empty labels.
    for (const QString& name : {u"RichtigImg"_s, u"FalschImg"_s}) {
        auto* bild = fenster.findChild<QLabel*>(name);
        ASSERT_NE(bild, nullptr);
        EXPECT_FALSE(bild->pixmap().isNull()) << name.toStdString();
    }
}

TEST_F(UebOptFensterTest, RueckmeldungsgruppeBleibtVerborgenAufSofort) {
    auto* rifa = gruppe(u"RiFaRueckmeldung"_s);
    ASSERT_NE(rifa, nullptr);
    EXPECT_TRUE(rifa->isHidden());
    EXPECT_EQ(rifa->title(), u" Richtig-/Falsch-Rückmeldung "_s);
    const auto radios = rifa->findChildren<QRadioButton*>();
    ASSERT_EQ(radios.size(), 2);
    EXPECT_EQ(radios[0]->text(), u" sofort bei jeder Zuordnung "_s);
    EXPECT_TRUE(radios[0]->isChecked());
    fenster.ErwBtnClick();
    EXPECT_TRUE(rifa->isHidden());
}

TEST_F(UebOptFensterTest, GrundwerteStehenInDenSteuerelementen) {
    EXPECT_EQ(fenster.AbfrageModus()->checkedId(), 0);
    EXPECT_EQ(fenster.Zeitlimit()->checkedId(), 0);
    EXPECT_EQ(fenster.ZuordnungRichtig()->checkedId(), 0);
    EXPECT_EQ(fenster.ZuordnungFalsch()->checkedId(), 0);
    EXPECT_EQ(fenster.Zuordnungstexte()->checkedId(), 1);
    EXPECT_EQ(fenster.Zuordnungsziele()->checkedId(), 1);
    EXPECT_EQ(fenster.ZLimitMin()->text(), u"3"_s);
    EXPECT_EQ(fenster.ZLimitSek()->text(), u"0"_s);
    // Building the window must not change a single option.
    EXPECT_EQ(werte, ProgrammEinstellungenTyp{});
}

TEST_F(UebOptFensterTest, TippenInsSekundenfeldSchaltetZeitlimitEin) {
    fenster.show();
    ASSERT_EQ(fenster.Zeitlimit()->checkedId(), 0);
    fenster.ZLimitSek()->setFocus();
    fenster.ZLimitSek()->selectAll();
    QTest::keyClicks(fenster.ZLimitSek(), u"45"_s);
    EXPECT_EQ(fenster.Zeitlimit()->checkedId(), 1);
    EXPECT_EQ(werte.UebOpt.Zeitlimit, 1);
    EXPECT_EQ(werte.UebOpt.ZLimitSek, u"45"_s);
    UebDataTyp daten;
    OptionenKopieren(werte, 0, daten);
    EXPECT_EQ(daten.Zeitlimit, 1);
    EXPECT_EQ(daten.ZeitlimitSek, 3 * 60 + 45);
}

TEST_F(UebOptFensterTest, LoeschenImMinutenfeldSchaltetZeitlimitEin) {
    fenster.show();
    fenster.ZLimitMin()->setFocus();
    QTest::keyClick(fenster.ZLimitMin(), Qt::Key_End);
    QTest::keyClick(fenster.ZLimitMin(), Qt::Key_Backspace);
    EXPECT_EQ(fenster.ZLimitMin()->text(), QString());
    EXPECT_EQ(werte.UebOpt.ZLimitMin, QString());
    EXPECT_EQ(werte.UebOpt.Zeitlimit, 1);
    EXPECT_EQ(ZeitlimitSekunden(werte.UebOpt.ZLimitMin, werte.UebOpt.ZLimitSek), 0);
}

TEST_F(UebOptFensterTest, ZeitfelderNehmenNurZahlenBis59) {
    struct Fall {
        QString getippt;
        QString ergebnis;
    };
    const Fall faelle[] = {
        {u"59"_s, u"59"_s}, {u"60"_s, u"6"_s}, {u"75"_s, u"7"_s},   {u"123"_s, u"12"_s},
        {u"a1"_s, u"1"_s},  {u"-5"_s, u"5"_s}, {u"0 9"_s, u"09"_s}, {u"x"_s, u""_s},
    };
    fenster.show();
    for (QLineEdit* feld : {fenster.ZLimitMin(), fenster.ZLimitSek()}) {
        EXPECT_EQ(feld->maxLength(), 2);
        for (const Fall& f : faelle) {
            feld->clear();
            feld->setFocus();
            QTest::keyClicks(feld, f.getippt);
            EXPECT_EQ(feld->text(), f.ergebnis) << f.getippt.toStdString();
        }
    }
    EXPECT_EQ(werte.UebOpt.ZLimitMin, u""_s);
    EXPECT_EQ(werte.UebOpt.ZLimitSek, u""_s);
}

TEST_F(UebOptFensterTest, WerteAnzeigenSchaltetZeitlimitNichtEin) {
    werte.UebOpt.Zeitlimit = 0;
    werte.UebOpt.ZLimitMin = u"12"_s;
    werte.UebOpt.ZLimitSek = u"30"_s;
    werte.UebOpt.AbfrageModus = 2;
    werte.UebOpt.Zuordnungsziele = 0;
    const ProgrammEinstellungenTyp vorher = werte;
    fenster.WerteAnzeigen();
    EXPECT_EQ(fenster.ZLimitMin()->text(), u"12"_s);
    EXPECT_EQ(fenster.ZLimitSek()->text(), u"30"_s);
    EXPECT_EQ(fenster.Zeitlimit()->checkedId(), 0);
    EXPECT_EQ(fenster.AbfrageModus()->checkedId(), 2);
    EXPECT_EQ(fenster.Zuordnungsziele()->checkedId(), 0);
    EXPECT_EQ(werte, vorher);
}

TEST_F(UebOptFensterTest, BeschaedigteGespeicherteWerteWaehlenEinenVorhandenenPunkt) {
    werte.UebOpt.AbfrageModus = 7;
    werte.UebOpt.Zuordnungsziele = -3;
    werte.UebOpt.Zeitlimit = 2;
    fenster.WerteAnzeigen();
    EXPECT_EQ(fenster.AbfrageModus()->checkedId(), 2);
    EXPECT_EQ(fenster.Zuordnungsziele()->checkedId(), 0);
    EXPECT_EQ(fenster.Zeitlimit()->checkedId(), 1);
    // The window and the option fields agree again, so the next quiz runs what is shown.
    EXPECT_EQ(werte.UebOpt.AbfrageModus, 2);
    EXPECT_EQ(werte.UebOpt.Zuordnungsziele, 0);
    EXPECT_EQ(werte.UebOpt.Zeitlimit, 1);
}

TEST_F(UebOptFensterTest, SchliessenBehaeltEineAenderung) {
    fenster.ErwBtnClick();
    const int ergebnis = ausfuehren(fenster, [this](QWidget* modal) {
        EXPECT_EQ(modal, &fenster);
        QTest::mouseClick(fenster.Zuordnungsziele()->button(2), Qt::LeftButton);
        QTest::mouseClick(fenster.ZuordnungRichtig()->button(1), Qt::LeftButton);
        QTest::mouseClick(fenster.CloseBtn(), Qt::LeftButton);
    });
    EXPECT_EQ(ergebnis, QDialog::Rejected);
    EXPECT_EQ(werte.UebOpt.Zuordnungsziele, 2);
    EXPECT_EQ(werte.UebOpt.ZuordnungRichtig, 1);
    UebDataTyp daten;
    OptionenKopieren(werte, 1, daten);
    EXPECT_EQ(daten.Zuordnungsziele, 2);
    EXPECT_EQ(daten.ZuordnungRichtig, 1);
}

TEST_F(UebOptFensterTest, EingabetasteImZeitfeldStartetDieUebung) {
    const int ergebnis = ausfuehren(fenster, [this](QWidget*) {
        EXPECT_EQ(fenster.focusWidget(), fenster.OkBtn());
        fenster.ZLimitMin()->setFocus();
        QTest::keyClick(fenster.ZLimitMin(), Qt::Key_5);
        QTest::keyClick(fenster.ZLimitMin(), Qt::Key_Return);
    });
    EXPECT_EQ(ergebnis, QDialog::Accepted);
    EXPECT_EQ(werte.UebOpt.Zeitlimit, 1);
}

TEST_F(UebOptFensterTest, ErweitertSchaltetHoeheUndGruppenUm) {
    const QList<QGroupBox*> vier = {gruppe(u"ZuordnungRichtig"_s), gruppe(u"ZuordnungFalsch"_s),
                                    gruppe(u"Zuordnungstexte"_s), gruppe(u"Zuordnungsziele"_s)};
    const auto alleVerborgen = [&](bool verborgen) {
        for (QGroupBox* g : vier) {
            ASSERT_NE(g, nullptr);
            EXPECT_EQ(g->isHidden(), verborgen) << g->objectName().toStdString();
        }
    };
    fenster.show();
    EXPECT_EQ(fenster.frameGeometry().height(), 276);
    EXPECT_EQ(fenster.ErwBtn()->text(), u"Erweitert..."_s);
    alleVerborgen(true);

    QTest::mouseClick(fenster.ErwBtn(), Qt::LeftButton);
    EXPECT_EQ(fenster.frameGeometry().height(), 514);
    EXPECT_EQ(fenster.ErwBtn()->text(), u"Reduziert..."_s);
    alleVerborgen(false);
    const QRect schirm = fenster.screen()->geometry();
    EXPECT_EQ(fenster.y(), schirm.top() + (schirm.height() - 514) / 2);
    EXPECT_EQ(fenster.x(), schirm.left() + (schirm.width() - fenster.frameGeometry().width()) / 2);

    QTest::mouseClick(fenster.ErwBtn(), Qt::LeftButton);
    EXPECT_EQ(fenster.frameGeometry().height(), 276);
    EXPECT_EQ(fenster.ErwBtn()->text(), u"Erweitert..."_s);
    alleVerborgen(true);
    EXPECT_EQ(fenster.y(), schirm.top() + (schirm.height() - 276) / 2);
    // The check box stays inside the window in both views.
    auto* zeigen = fenster.findChild<QCheckBox*>(u"UebOptZeigenCheck"_s);
    EXPECT_LE(zeigen->geometry().bottom(), fenster.height());
}

TEST_F(UebOptFensterTest, UngewohnteHoeheSchaltetAufErweitert) {
    fenster.setFixedHeight(300);
    fenster.ErwBtnClick();
    EXPECT_EQ(fenster.height(), 514);
    EXPECT_FALSE(gruppe(u"Zuordnungsziele"_s)->isHidden());
}

TEST_F(UebOptFensterTest, NetzModusStelltTitelNachJedemKnopfWiederHer) {
    const char* const knoepfe[] = {"OkBtn", "CloseBtn", nullptr};
    auto* pan = qobject_cast<QLabel*>(fenster.NetzUebInitPan());
    ASSERT_NE(pan, nullptr);
    EXPECT_EQ(pan->text(),
              u"Klicken Sie auf \"Übung starten\" um die Netzwerk-Übung zu initiieren.        Alle "
              u"getätigten Einstellungen werden an die Übungsteilnehmer übermittelt."_s);
    const QString titel = fenster.windowTitle();
    for (const char* knopf : knoepfe) {
        EXPECT_TRUE(pan->isHidden());
        fenster.NetzModusSetzen(u"Netzwerk-Übung initiieren"_s);
        ausfuehren(fenster, [&](QWidget*) {
            EXPECT_EQ(fenster.windowTitle(), u"Netzwerk-Übung initiieren"_s);
            EXPECT_TRUE(pan->isVisible());
            if (knopf != nullptr)
                QTest::mouseClick(fenster.findChild<QPushButton*>(QString::fromLatin1(knopf)),
                                  Qt::LeftButton);
            else
                QTest::keyClick(&fenster, Qt::Key_Escape);
        });
        EXPECT_EQ(fenster.windowTitle(), titel) << (knopf != nullptr ? knopf : "Escape");
        EXPECT_TRUE(pan->isHidden());
    }
}

class UebOptFragenFensterTest : public UebOptFensterTest {
protected:
    TUebOptFragenForm fragen{werte, fenster};
};

TEST_F(UebOptFragenFensterTest, GruppenGroesseUndTitel) {
    EXPECT_EQ(fragen.windowTitle(), u"Übungsoptionen für Einzelfragen"_s);
    fragen.show();
    EXPECT_EQ(fragen.size(), QSize(704, 282));
    struct Fall {
        QButtonGroup* knoepfe;
        QString titel;
        QStringList punkte;
        int grundwert;
    };
    const Fall faelle[] = {
        {fragen.ZuordnungFalsch(),
         u" Abfragemodus "_s,
         {u" solange wiederholen, bis jede Frage richtig beantwortet wurde "_s,
          u" jede Frage nur einmal stellen "_s},
         0},
        {fragen.Zuordnungstexte(),
         u" Antwortmöglichkeiten "_s,
         {u" alphabetisch geordnet "_s, u" zufällig gemischt "_s},
         1},
        {fragen.Zuordnungsziele(),
         u" Reihenfolge der Fragen "_s,
         {u" geordnet "_s, u" zufällig gemischt "_s},
         1},
        {fragen.Zeitlimit(), u" Zeitlimit "_s, {u" ohne Zeitlimit "_s, u" Zeitlimit von: "_s}, 0},
    };
    for (const Fall& f : faelle) {
        auto* kasten = qobject_cast<QGroupBox*>(f.knoepfe->buttons().first()->parentWidget());
        ASSERT_NE(kasten, nullptr);
        EXPECT_EQ(kasten->title(), f.titel);
        EXPECT_EQ(Beschriftungen(f.knoepfe), f.punkte);
        EXPECT_EQ(f.knoepfe->checkedId(), f.grundwert) << f.titel.toStdString();
        // Every item of every group is inside the fixed client area.
        for (QAbstractButton* b : f.knoepfe->buttons())
            EXPECT_TRUE(fragen.rect().contains(b->mapTo(&fragen, b->rect().bottomRight())));
    }
    EXPECT_EQ(fragen.ZeigenCheck()->text(), u" Dieses Dialogfenster vor jeder Übung anzeigen "_s);
    EXPECT_EQ(fragen.findChild<QPushButton*>(u"ErwBtn"_s), nullptr);
}

TEST_F(UebOptFragenFensterTest, ZeitfeldUndKnoepfeSchreibenInDieFragenOptionen) {
    const int ergebnis = ausfuehren(fragen, [this](QWidget* modal) {
        EXPECT_EQ(modal, &fragen);
        EXPECT_EQ(fragen.focusWidget(), fragen.OkBtn());
        fragen.ZLimitMin()->setFocus();
        fragen.ZLimitMin()->selectAll();
        QTest::keyClicks(fragen.ZLimitMin(), u"1"_s);
        QTest::mouseClick(fragen.ZuordnungFalsch()->button(1), Qt::LeftButton);
        QTest::mouseClick(fragen.OkBtn(), Qt::LeftButton);
    });
    EXPECT_EQ(ergebnis, QDialog::Accepted);
    EXPECT_EQ(fragen.Zeitlimit()->checkedId(), 1);
    EXPECT_EQ(werte.UebOptFragen.Zeitlimit, 1);
    EXPECT_EQ(werte.UebOptFragen.ZLimitMin, u"1"_s);
    EXPECT_EQ(werte.UebOptFragen.ZuordnungFalsch, 1);
    // The other window's options are untouched.
    EXPECT_EQ(werte.UebOpt.Zeitlimit, 0);
    EXPECT_EQ(werte.UebOpt.ZuordnungFalsch, 0);
    EXPECT_EQ(werte.UebOpt.ZLimitMin, u"3"_s);
}

TEST_F(UebOptFragenFensterTest, WerteAnzeigenSetztOhneZeitlimitZuSchalten) {
    werte.UebOptFragen.ZLimitSek = u"15"_s;
    werte.UebOptFragen.Zuordnungsziele = 0;
    fragen.WerteAnzeigen();
    EXPECT_EQ(fragen.ZLimitSek()->text(), u"15"_s);
    EXPECT_EQ(fragen.Zuordnungsziele()->checkedId(), 0);
    EXPECT_EQ(fragen.Zeitlimit()->checkedId(), 0);
    EXPECT_EQ(werte.UebOptFragen.Zeitlimit, 0);
}

TEST_F(UebOptFragenFensterTest, KontrollkaestchenSpiegelnSichInBeideRichtungen) {
    fenster.setzeZeigenCheck(false);
    ausfuehren(fragen, [this](QWidget*) {
        EXPECT_FALSE(fragen.ZeigenCheck()->isChecked());
        QTest::mouseClick(fragen.ZeigenCheck(), Qt::LeftButton);
        EXPECT_TRUE(fragen.ZeigenCheck()->isChecked());
        QTest::mouseClick(fragen.CloseBtn(), Qt::LeftButton);
    });
    EXPECT_TRUE(fenster.ZeigenCheck());

    ausfuehren(fragen, [this](QWidget*) {
        QTest::mouseClick(fragen.ZeigenCheck(), Qt::LeftButton);
        QTest::keyClick(&fragen, Qt::Key_Escape);
    });
    EXPECT_FALSE(fenster.ZeigenCheck());

    // A change in the main window shows on the next activation.
    fenster.setzeZeigenCheck(true);
    ausfuehren(fragen, [this](QWidget*) {
        EXPECT_TRUE(fragen.ZeigenCheck()->isChecked());
        QTest::mouseClick(fragen.OkBtn(), Qt::LeftButton);
    });
    EXPECT_TRUE(fenster.ZeigenCheck());
}

TEST_F(UebOptFragenFensterTest, NetzModusImFragenfenster) {
    fragen.NetzModusSetzen(u"Netz"_s);
    EXPECT_EQ(fragen.windowTitle(), u"Netz"_s);
    EXPECT_FALSE(fragen.NetzUebInitPan()->isHidden());
    ausfuehren(fragen, [this](QWidget*) { QTest::mouseClick(fragen.CloseBtn(), Qt::LeftButton); });
    EXPECT_EQ(fragen.windowTitle(), u"Übungsoptionen für Einzelfragen"_s);
    EXPECT_TRUE(fragen.NetzUebInitPan()->isHidden());
}

} // namespace

namespace {

TEST_F(UebOptFensterTest, NichtsUeberdecktSichInBeidenAnsichten) {
    fenster.NetzModusSetzen(u"Netz"_s);
    fenster.show();
    EXPECT_TRUE(Ueberlappungen(&fenster).isEmpty()) << Ueberlappungen(&fenster).join(u"; "_s).toStdString();
    fenster.ErwBtnClick();
    EXPECT_TRUE(Ueberlappungen(&fenster).isEmpty()) << Ueberlappungen(&fenster).join(u"; "_s).toStdString();
}

TEST_F(UebOptFragenFensterTest, NichtsUeberdecktSich) {
    fragen.NetzModusSetzen(u"Netz"_s);
    fragen.show();
    EXPECT_TRUE(Ueberlappungen(&fragen).isEmpty()) << Ueberlappungen(&fragen).join(u"; "_s).toStdString();
}

} // namespace

namespace {

QSize HintergrundGroesse(const QWidget& fenster) {
    auto* bild = fenster.findChild<QLabel*>(u"MainBackImg"_s);
    return bild != nullptr ? bild->pixmap().size() : QSize();
}

TEST_F(UebOptFensterTest, HintergrundUndFarbenFolgenDerAnsicht) {
    fenster.show();
    EXPECT_EQ(fenster.frameGeometry().height(), 276);
    EXPECT_EQ(HintergrundGroesse(fenster), fenster.size());
    EXPECT_EQ(fenster.OkBtn()->palette().color(QPalette::Button), KnopfFarbe());
    EXPECT_EQ(fenster.ErwBtn()->palette().color(QPalette::Button), KnopfFarbe());
    EXPECT_EQ(fenster.palette().color(QPalette::Window), ThemenFarben().C);
    fenster.ErwBtnClick();
    EXPECT_EQ(fenster.frameGeometry().height(), 514);
    EXPECT_EQ(HintergrundGroesse(fenster), fenster.size());
    // The picture is the dialog tile stretched to the window, not a leftover of the other view.
    EXPECT_EQ(fenster.findChild<QLabel*>(u"MainBackImg"_s)
                  ->pixmap()
                  .toImage()
                  .convertToFormat(QImage::Format_RGB32),
              Hintergrund(HintergrundArt::Dialog, fenster.size()).convertToFormat(QImage::Format_RGB32));
    fenster.ErwBtnClick();
    EXPECT_EQ(fenster.frameGeometry().height(), 276);
    EXPECT_EQ(HintergrundGroesse(fenster), fenster.size());
}

TEST_F(UebOptFragenFensterTest, HintergrundUndKnopffarbe) {
    fragen.show();
    EXPECT_EQ(HintergrundGroesse(fragen), QSize(704, 282));
    EXPECT_EQ(fragen.CloseBtn()->palette().color(QPalette::Button), KnopfFarbe());
}

} // namespace
