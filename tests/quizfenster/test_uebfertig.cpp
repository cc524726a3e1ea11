#include "quiz/ac_uebfertig.h"

#include "fenster_hilfe.h"
#include "quiz/bewertungsskala.h"
#include "data/hintergrund.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {

ErgebnisAnzeige Beispiel(bool wiederholenAktiv, double l = 0.85) {
    ErgebnisAnzeige e;
    e.Richtig = u"17  von  20"_s;
    e.Falsch = u"3"_s;
    e.Quote = u"85.0 %"_s;
    e.Offen = u"0"_s;
    e.ZeitArt = u"Verbliebene Zeit:"_s;
    e.Zeit = u"01:07"_s;
    e.Gesamtleistung = u"85.0 %"_s;
    e.Bewertung = u"sehr gut"_s;
    e.Note = u"1"_s;
    e.L = l;
    e.WiederholenAktiv = wiederholenAktiv;
    return e;
}

QImage Skalenbild(const TUebFertigForm& f) {
    return f.BewertSkalaImg()->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
}

class ErgebnisFensterTest : public ::testing::Test {
protected:
    void SetUp() override { RessourcenLaden(); }

    // Zeigen() with `schritt` run inside the modal window.
    ErgebnisWahl zeigen(const ErgebnisAnzeige& anzeige, std::function<void(TUebFertigForm&)> schritt) {
        bool gesehen = false;
        WennModal(
            [this, schritt = std::move(schritt)](QWidget* modal) {
                EXPECT_EQ(modal, &fenster);
                schritt(fenster);
            },
            &gesehen);
        const ErgebnisWahl wahl = fenster.Zeigen(anzeige);
        EXPECT_TRUE(gesehen);
        return wahl;
    }

    QWidget haupt;
    TUebFertigForm fenster{&haupt};
};

TEST_F(ErgebnisFensterTest, TexteUndKnoepfe) {
    EXPECT_EQ(fenster.windowTitle(), u"Quiz beendet"_s);
    EXPECT_TRUE(fenster.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QStringList titel;
    for (const QGroupBox* g : fenster.findChildren<QGroupBox*>())
        titel << g->title();
    EXPECT_TRUE(titel.contains(u" Statistik "_s));
    EXPECT_TRUE(titel.contains(u" Bewertungsskala "_s));
    EXPECT_EQ(fenster.WiederholenGruppe()->title(), u" Quiz wiederholen "_s);
    EXPECT_EQ(Beschriftungen(fenster.WiederholenMode()),
              QStringList({u" komplett wiederholen "_s,
                           u" nur Fragen wiederholen, die nicht auf Anhieb korrekt gelöst wurden"_s}));
    EXPECT_EQ(fenster.WiederholenMode()->checkedId(), 0);
    EXPECT_EQ(fenster.ProtokollBtn()->text(), u"Protokoll..."_s);
    EXPECT_EQ(fenster.BestListBtn()->text(), u"Bestenliste..."_s);
    EXPECT_EQ(fenster.WiederholenBtn()->text(), u"Quiz wiederholen"_s);
    EXPECT_EQ(fenster.LernBtn()->text(), u"Schließen"_s);
    EXPECT_TRUE(fenster.WiederholenBtn()->isDefault());
    EXPECT_TRUE(fenster.FensterBtn()->isHidden());
    EXPECT_EQ(fenster.BewertSkalaImg()->size(), QSize(217, 209));

    // The fixed labels of the statistics, in their order from top to bottom.
    const QStringList erwartet = {u"Richtig beantwortet:"_s, u"Fehlversuche:"_s,   u"Erfolgsquote:"_s,
                                  u"Offene Fragen:"_s,       u"Benötigte Zeit:"_s, u"Gesamtleistung:"_s,
                                  u"Bewertung:"_s,           u"Schulnote:"_s};
    QList<QLabel*> links;
    for (QLabel* l : fenster.findChildren<QLabel*>())
        if (erwartet.contains(l->text())) links << l;
    std::sort(links.begin(), links.end(), [](QLabel* a, QLabel* b) { return a->y() < b->y(); });
    QStringList reihe;
    for (QLabel* l : links)
        reihe << l->text();
    EXPECT_EQ(reihe, erwartet);
    EXPECT_EQ(fenster.Wert("ZeitArtLab")->text(), u"Benötigte Zeit:"_s);
}

TEST_F(ErgebnisFensterTest, FuellenSetztJedesWertfeld) {
    const ErgebnisAnzeige e = Beispiel(true);
    fenster.Fuellen(e);
    const std::pair<const char*, QString> faelle[] = {
        {"RichtigLab", e.Richtig},
        {"FalschLab", e.Falsch},
        {"QuoteLab", e.Quote},
        {"UebNummernOffenLab", e.Offen},
        {"ZeitArtLab", e.ZeitArt},
        {"UebZeitLab", e.Zeit},
        {"GesamtleistungLab", e.Gesamtleistung},
        {"BewertLab", e.Bewertung},
        {"NoteLab", e.Note},
    };
    for (const auto& [name, text] : faelle) {
        QLabel* wert = fenster.Wert(name);
        ASSERT_NE(wert, nullptr) << name;
        EXPECT_EQ(wert->text(), text) << name;
    }
    EXPECT_EQ(fenster.Wert("GibtEsNicht"), nullptr);
    // Every value sits on the row of its label: the time label beside the time value.
    EXPECT_EQ(fenster.Wert("ZeitArtLab")->y(), fenster.Wert("UebZeitLab")->y());
    EXPECT_LT(fenster.Wert("ZeitArtLab")->x(), fenster.Wert("UebZeitLab")->x());
}

TEST_F(ErgebnisFensterTest, SkalaGleichtDerGezeichnetenSkala) {
    const QColor innen = ThemenFarben().C;
    ASSERT_TRUE(innen.isValid());
    for (double l : {0.0, 0.25, 0.7, 0.853, 1.0}) {
        fenster.Fuellen(Beispiel(false, l));
        const QImage erwartet =
            BewertungsskalaZeichnen(QSize(217, 209), l, innen).convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(Skalenbild(fenster), erwartet) << l;
    }
    // The marker moves with L, so a stale picture would be caught.
    fenster.Fuellen(Beispiel(false, 0.1));
    const QImage tief = Skalenbild(fenster);
    fenster.Fuellen(Beispiel(false, 0.9));
    EXPECT_NE(Skalenbild(fenster), tief);
}

TEST_F(ErgebnisFensterTest, OhneFehlversuchGesperrtUndKomplett) {
    fenster.Fuellen(Beispiel(true));
    EXPECT_TRUE(fenster.WiederholenGruppe()->isEnabled());
    fenster.WiederholenMode()->button(1)->setChecked(true);

    fenster.Fuellen(Beispiel(false));
    EXPECT_FALSE(fenster.WiederholenGruppe()->isEnabled());
    EXPECT_EQ(fenster.WiederholenMode()->checkedId(), 0);
    const ErgebnisWahl wahl = zeigen(Beispiel(false), [](TUebFertigForm& f) {
        QTest::mouseClick(f.WiederholenMode()->button(1), Qt::LeftButton);
        EXPECT_EQ(f.WiederholenMode()->checkedId(), 0);
        QTest::mouseClick(f.WiederholenBtn(), Qt::LeftButton);
    });
    EXPECT_TRUE(wahl.wiederholen);
    EXPECT_EQ(wahl.wiederholmodus, 0);
}

TEST_F(ErgebnisFensterTest, WiederholenGibtDenGewaehltenPunkt) {
    const ErgebnisWahl wahl = zeigen(Beispiel(true), [](TUebFertigForm& f) {
        EXPECT_EQ(f.focusWidget(), f.LernBtn());
        QTest::mouseClick(f.WiederholenMode()->button(1), Qt::LeftButton);
        QTest::mouseClick(f.WiederholenBtn(), Qt::LeftButton);
    });
    EXPECT_TRUE(wahl.wiederholen);
    EXPECT_EQ(wahl.wiederholmodus, 1);
    // The choice stays for the next showing of the same kind of run.
    const ErgebnisWahl wieder = zeigen(Beispiel(true), [](TUebFertigForm& f) {
        EXPECT_EQ(f.WiederholenMode()->checkedId(), 1);
        QTest::mouseClick(f.WiederholenBtn(), Qt::LeftButton);
    });
    EXPECT_EQ(wieder.wiederholmodus, 1);
}

TEST_F(ErgebnisFensterTest, SchliessenUndEscapeWiederholenNicht) {
    struct Fall {
        const char* wie;
        std::function<void(TUebFertigForm&)> schritt;
    };
    const Fall faelle[] = {
        {"Schließen", [](TUebFertigForm& f) { QTest::mouseClick(f.LernBtn(), Qt::LeftButton); }},
        {"Escape", [](TUebFertigForm& f) { QTest::keyClick(&f, Qt::Key_Escape); }},
        {"Eingabe auf Schließen", [](TUebFertigForm& f) { QTest::keyClick(f.LernBtn(), Qt::Key_Return); }},
        {"Fenster schließen", [](TUebFertigForm& f) { f.close(); }},
    };
    for (const Fall& fall : faelle) {
        const ErgebnisWahl wahl = zeigen(Beispiel(true), [&](TUebFertigForm& f) {
            QTest::mouseClick(f.WiederholenMode()->button(1), Qt::LeftButton);
            fall.schritt(f);
        });
        EXPECT_FALSE(wahl.wiederholen) << fall.wie;
        EXPECT_EQ(wahl.wiederholmodus, 0) << fall.wie;
    }
    // A repeat chosen once does not stick to a later close.
    zeigen(Beispiel(true), [](TUebFertigForm& f) { QTest::mouseClick(f.WiederholenBtn(), Qt::LeftButton); });
    const ErgebnisWahl danach =
        zeigen(Beispiel(true), [](TUebFertigForm& f) { QTest::mouseClick(f.LernBtn(), Qt::LeftButton); });
    EXPECT_FALSE(danach.wiederholen);
}

TEST_F(ErgebnisFensterTest, ProtokollUndBestenlisteRufenIhreFunktionen) {
    int protokoll = 0;
    int bestenliste = 0;
    fenster.show();
    // Without a function the buttons do nothing and do not close the window.
    QTest::mouseClick(fenster.ProtokollBtn(), Qt::LeftButton);
    QTest::mouseClick(fenster.BestListBtn(), Qt::LeftButton);
    EXPECT_TRUE(fenster.isVisible());
    fenster.ProtokollZeigen = [&] { ++protokoll; };
    fenster.BestenlisteZeigen = [&] { ++bestenliste; };
    QTest::mouseClick(fenster.ProtokollBtn(), Qt::LeftButton);
    QTest::mouseClick(fenster.BestListBtn(), Qt::LeftButton);
    QTest::mouseClick(fenster.BestListBtn(), Qt::LeftButton);
    EXPECT_EQ(protokoll, 1);
    EXPECT_EQ(bestenliste, 2);
    EXPECT_TRUE(fenster.isVisible());
}

TEST_F(ErgebnisFensterTest, FensterknopfSchaltetZwischenStreifenUndVollerGroesse) {
    haupt.setGeometry(100, 60, 800, 600);
    haupt.show();
    fenster.show();
    const int voll = fenster.height();
    ASSERT_GT(voll, 80);
    fenster.FensterUmschalten();
    EXPECT_EQ(fenster.height(), 80);
    EXPECT_EQ(fenster.pos(), haupt.geometry().topLeft() + QPoint(4, 4));
    EXPECT_EQ(fenster.FensterBtn()->text(), u"&Fenster vergrößern"_s);
    EXPECT_EQ(fenster.findChild<QLabel*>(u"MainBackImg"_s)->pixmap().height(), 80);

    fenster.FensterUmschalten();
    EXPECT_EQ(fenster.height(), voll);
    EXPECT_EQ(fenster.FensterBtn()->text(), u"&Fenster verkleinern"_s);
    EXPECT_EQ(fenster.findChild<QLabel*>(u"MainBackImg"_s)->pixmap().height(), voll);
    const QRect schirm = fenster.screen()->geometry();
    EXPECT_EQ(fenster.y(), schirm.top() + (schirm.height() - voll) / 2);

    // Shrunk and hidden: the next showing is at full size again.
    fenster.FensterUmschalten();
    fenster.hide();
    fenster.show();
    EXPECT_EQ(fenster.height(), voll);
    EXPECT_EQ(fenster.FensterBtn()->text(), u"&Fenster verkleinern"_s);
}

} // namespace

namespace {

TEST_F(ErgebnisFensterTest, NichtsUeberdecktSich) {
    fenster.Fuellen(Beispiel(true));
    fenster.show();
    EXPECT_TRUE(Ueberlappungen(&fenster).isEmpty()) << Ueberlappungen(&fenster).join(u"; "_s).toStdString();
}

} // namespace
