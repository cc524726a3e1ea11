// The main window driven like a user: menu keys, the topic menu, the mode switch,
// resizing and the display modes.
#include "shell/av_main.h"

#include "analysis/antwortsatz_datei.h"
#include "documents/tvl_datei.h"
#include "fake_einstellungen.h"
#include "fake_meldungen.h"
#include "fake_shell.h"
#include "fake_dialoge.h"
#include "fake_ton.h"
#include "fake_zwischenablage.h"
#include "fake_systeminfo.h"
#include "fake_uhr.h"
#include "mapview/ac_infobox.h"
#include "mapview/ac_kartenbild.h"
#include "mapview/link.h"
#include "results/ac_bestlist.h"
#include "results/bestenliste.h"
#include "shell/hilfe.h"
#include "widgets/fensterrahmen.h"
#include "widgets/hoverpanel.h"
#include "widgets/spaltenmenue.h"
#include "worksheet/ac_arbeitsblatt.h"

#include <QAction>
#include <QDialog>
#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QWidgetAction>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct Fenster : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        ordner = QDir::toNativeSeparators(tmp.path()) + QDir::separator();
        Ordner() = OrdnerAusProgrammordner(ordner);
    }
    void TearDown() override { Ordner() = ProgrammOrdnerTyp{}; }

    void dokument(const QString& name, const QString& titel, std::vector<ObjDataTyp> objekte = {}) {
        Dokument dok;
        dok.Objekte = std::move(objekte);
        dok.Header.HD_titel = titel;
        dok.Header.HD_AnzFrageNummern = 3;
        dok.Basisbild = QImage(40, 30, QImage::Format_RGB32);
        dok.Basisbild.fill(Qt::darkCyan);
        TvlSchreiber schreiber;
        ASSERT_TRUE(schreiber.schreiben(ordner + name, dok));
    }
    TForm1& starten() {
        f = std::make_unique<TForm1>(
            Dienste{meldungen, speicher, system, uhr, warten, shell, ton, dialoge, zwischenablage},
            QString());
        f->show();
        f->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(f.get()));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !f->ErsteAktivierungAussteht(); }));
        return *f;
    }
    QStringList themenEintraege() {
        QStringList texte;
        for (QAction* a : f->menue().menue(QStringLiteral("Auswahl1"))->actions())
            if (a->objectName().startsWith(QStringLiteral("MenueThemaItem"))) texte << a->text();
        return texte;
    }
    // Clicks an object of the open document on the real map control; it must lie in the
    // free frame around the start panel, where nothing covers the map.
    void objektKlicken(int index) {
        auto* karte = f->findChild<TKartenBild*>(QStringLiteral("LernKartPicImg"));
        const auto& b = f->dokument().Objekte[index].Box;
        ASSERT_NE(b[0], -1);
        const QPoint p = f->karte().AnteilZuPunkt(QPointF((b[0] + b[2]) / 2, (b[1] + b[3]) / 2));
        ASSERT_EQ(karte->childAt(p), nullptr) << p.x() << "," << p.y();
        QTest::mouseClick(karte, Qt::LeftButton, Qt::NoModifier, p);
    }
    QString titelLabel() { return f->findChild<QLabel*>(QStringLiteral("DokTitelLab"))->text(); }

    QTemporaryDir tmp;
    QString ordner;
    FakeMeldungen meldungen;
    FakeEinstellungen speicher;
    FakeSystemInfo system;
    FakeUhr uhr;
    FakeWarten warten;
    FakeShell shell;
    FakeTonAufnahme ton;
    FakeDialoge dialoge;
    FakeZwischenablage zwischenablage;
    std::unique_ptr<TForm1> f;
};

} // namespace

TEST_F(Fenster, BildAbOeffnetDasErsteQuizUndZeigtDenTitel) {
    dokument(QStringLiteral("b.tvl"), QStringLiteral("Flüsse"));
    dokument(QStringLiteral("A.tvl"), QStringLiteral("Alpen"));
    starten();
    EXPECT_EQ(themenEintraege(), (QStringList{QStringLiteral("&1:  Alpen"), QStringLiteral("&2:  Flüsse")}));
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Velmora Kartello-Quiz"));
    EXPECT_EQ(titelLabel(),
              QStringLiteral("Rufen Sie das Menü \"Quizauswahl\" auf, um ein Quiz auszuwählen!"));

    QTest::keyClick(f.get(), Qt::Key_PageDown);
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Velmora Kartello-Quiz - Alpen"));
    EXPECT_EQ(titelLabel(), QStringLiteral("Alpen (3 Fragen)"));
    EXPECT_TRUE(f->findChild<QAction*>(QStringLiteral("MenueThemaItem0"))->isChecked());

    QTest::keyClick(f.get(), Qt::Key_PageDown);
    QTest::keyClick(f.get(), Qt::Key_PageDown); // at the end: nothing
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Velmora Kartello-Quiz - Flüsse"));
    EXPECT_TRUE(f->findChild<QAction*>(QStringLiteral("MenueThemaItem1"))->isChecked());
    QTest::keyClick(f.get(), Qt::Key_PageUp);
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Velmora Kartello-Quiz - Alpen"));
    EXPECT_TRUE(meldungen.eintraege.empty());
}

TEST_F(Fenster, QuizSperrtDieQuizauswahlUndAendertDieKnoepfe) {
    dokument(QStringLiteral("a.tvl"), QStringLiteral("Alpen"));
    starten();
    auto* lernKart = f->findChild<THoverPanel*>(QStringLiteral("LernKartBtn"));
    EXPECT_EQ(lernKart->caption(), QStringLiteral("Startseite"));
    EXPECT_TRUE(lernKart->checked());

    f->QuizansichtZeigen();
    EXPECT_EQ(f->Ansichtsmodus(), 3);
    EXPECT_EQ(lernKart->caption(), QStringLiteral("Quiz\r\nabbrechen"));
    EXPECT_TRUE(f->findChild<THoverPanel*>(QStringLiteral("UebungenBtn"))->checked());
    EXPECT_FALSE(f->menue().menue(QStringLiteral("Auswahl1"))->isEnabled());
    QTest::keyClick(f.get(), Qt::Key_PageDown);
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Velmora Kartello-Quiz"));

    f->LernansichtZeigen();
    QTest::keyClick(f.get(), Qt::Key_PageDown);
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Velmora Kartello-Quiz - Alpen"));
}

TEST_F(Fenster, StrgOOeffnetDenDialogDesVerstecktenDateimenues) {
    dokument(QStringLiteral("a.tvl"), QStringLiteral("Alpen"));
    starten();
    dialoge.dateien.push_back(ordner + QStringLiteral("a.tvl"));
    QTest::keyClick(f.get(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(dialoge.oeffnenAuftraege.size(), 1u);
    EXPECT_EQ(dialoge.oeffnenAuftraege[0].Titel, QStringLiteral("Dokument öffnen"));
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Velmora Kartello-Quiz - Alpen"));
}

TEST_F(Fenster, NurStrgAlleinVerschiebtUndZoomt) {
    starten();
    QList<QPoint> schritte;
    QList<int> zoom;
    f->KarteVerschieben = [&](int dx, int dy) { schritte << QPoint(dx, dy); };
    f->KarteZoomen = [&](int r) { zoom << r; };
    QTest::keyClick(f.get(), Qt::Key_Left, Qt::ControlModifier);
    QTest::keyClick(f.get(), Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(f.get(), Qt::Key_Down, Qt::ControlModifier);
    QTest::keyClick(f.get(), Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    QTest::keyClick(f.get(), Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
    QTest::keyClick(f.get(), Qt::Key_Plus, Qt::ControlModifier); // not the keypad
    EXPECT_EQ(schritte, (QList<QPoint>{QPoint(-1, 0), QPoint(0, 1)}));
    EXPECT_EQ(zoom, (QList<int>{1, -1}));

    QTest::keyClick(f.get(), Qt::Key_G, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(f->frameGeometry(), QRect(0, 0, 1024, 768));
}

TEST_F(Fenster, GroesseUndAnzeigeModiOrdnenNeuAn) {
    starten();
    auto* karte = f->findChild<QWidget*>(QStringLiteral("LernKartPicImg"));
    auto* pan = f->findChild<QWidget*>(QStringLiteral("LernKartPan"));
    auto* start = f->findChild<QWidget*>(QStringLiteral("StartInfoPan"));
    f->resize(1200, 800);
    QTest::qWait(20);
    EXPECT_EQ(karte->width(), pan->width() - 17);
    EXPECT_EQ(start->geometry(), QRect(50, 50, karte->width() - 100, karte->height() - 100));

    const int vorher = f->Relayouts();
    f->AnzeigeVollbild();
    EXPECT_EQ(f->Relayouts(), vorher + 1);
    EXPECT_TRUE(f->windowFlags().testFlag(Qt::FramelessWindowHint));
    f->AnzeigeFenster();
    EXPECT_EQ(f->Relayouts(), vorher + 2);
    EXPECT_FALSE(f->windowFlags().testFlag(Qt::FramelessWindowHint));
    // The new native window of the framed mode is maximised too, not back at its normal size.
    EXPECT_TRUE(f->windowState().testFlag(Qt::WindowMaximized));
    EXPECT_TRUE(QTest::qWaitFor([&] { return f->isMaximized() && f->isVisible(); }));
    EXPECT_EQ(karte->width(), pan->width() - 17);
}

TEST_F(Fenster, OptionenHilfeUndWerkzeugleiste) {
    speicher.setze(QStringLiteral("Opt-AutoProtSpeichern"), 1);
    starten();
    EXPECT_TRUE(f->menue().aktion(QStringLiteral("AutoProtSpeichern1"))->isChecked());
    EXPECT_TRUE(f->menue().aktion(QStringLiteral("Sound1"))->isChecked());
    f->menue().aktion(QStringLiteral("Sound1"))->trigger();
    EXPECT_FALSE(f->einstellungen().Sound);

    shell.gelingt = false;
    QTest::keyClick(f.get(), Qt::Key_F1);
    ASSERT_EQ(shell.geoeffnet.size(), 1);
    EXPECT_TRUE(shell.geoeffnet[0].startsWith(QStringLiteral("file://")));
    EXPECT_TRUE(shell.geoeffnet[0].endsWith(QStringLiteral("hilfe/index.html")));
    ASSERT_EQ(meldungen.eintraege.size(), 1u);
    EXPECT_EQ(meldungen.eintraege[0].text, NichtOeffnenbarText(shell.geoeffnet[0]));

    QTest::keyClick(f.get(), Qt::Key_W, Qt::AltModifier);
    EXPECT_EQ(f->menue().aktion(QStringLiteral("Werkzeugleiste1"))->text(),
              QStringLiteral("Werkzeugleiste auf&klappen"));
}

namespace {
ObjDataTyp RandObjekt(const QString& text, int typ, double x) {
    ObjDataTyp o;
    o.OB_Cap = text;
    o.OB_Typ = typ;
    o.OB_Ebene = 2;
    o.OB_Sx = o.OB_Kx = x;
    o.OB_Sy = o.OB_Ky = 0.03; // the top of the map: in the frame above the start panel
    return o;
}
} // namespace

TEST_F(Fenster, KarteWirdMitDemDokumentAufgebautUndVerschoben) {
    dokument(QStringLiteral("a.tvl"), QStringLiteral("Alpen"));
    starten();
    QTest::keyClick(f.get(), Qt::Key_PageDown);
    auto* karte = f->findChild<TKartenBild*>(QStringLiteral("LernKartPicImg"));
    EXPECT_EQ(f->karte().Steuerelementgroesse(), karte->size());
    EXPECT_EQ(f->karte().Kartenbild().height(), karte->height()); // 4:3 in a wider control
    QTest::keyClick(f.get(), Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(f->karte().Zoomindex(), 2);
    const double links = f->karte().Ausschnitt().links;
    QTest::keyClick(f.get(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_GT(f->karte().Ausschnitt().links, links);
    // A new document starts at 100 % again.
    QTest::keyClick(f.get(), Qt::Key_Home, Qt::AltModifier);
    QTest::keyClick(f.get(), Qt::Key_PageDown);
    EXPECT_EQ(f->karte().Zoomindex(), 0);
}

TEST_F(Fenster, InfopunktImRahmenOeffnetDasInfofenster) {
    dokument(QStringLiteral("a.tvl"), QStringLiteral("Alpen"),
             {RandObjekt(QStringLiteral("Die <b>Alpen</b> sind 1200 km lang."), 2, 0.5)});
    starten();
    QTest::keyClick(f.get(), Qt::Key_PageDown);
    ASSERT_EQ(f->dokument().Objekte.size(), 1u);
    objektKlicken(0);
    EXPECT_TRUE(f->infoboxForm().isVisible());
    EXPECT_EQ(f->infoboxForm().RichEdit1().toPlainText(), QStringLiteral("Die Alpen sind 1200 km lang."));
}

TEST_F(Fenster, LinkImRahmenNurFuerSichereZiele) {
    dokument(QStringLiteral("a.tvl"), QStringLiteral("Alpen"),
             {RandObjekt(QStringLiteral("https://example.org/alpen"), 4, 0.3),
              RandObjekt(QStringLiteral("/bin/sh"), 4, 0.6)});
    starten();
    QTest::keyClick(f.get(), Qt::Key_PageDown);
    objektKlicken(0);
    EXPECT_EQ(shell.geoeffnet, QStringList{QStringLiteral("https://example.org/alpen")});
    EXPECT_TRUE(meldungen.eintraege.empty());
    objektKlicken(1);
    EXPECT_EQ(shell.geoeffnet.size(), 1);
    ASSERT_EQ(meldungen.eintraege.size(), 1u);
    EXPECT_EQ(meldungen.eintraege[0].text, LinkNichtOeffnenbarText(QStringLiteral("/bin/sh")));
}

TEST_F(Fenster, DokumentmarkeWechseltInDenUnterordner) {
    ASSERT_TRUE(QDir(ordner).mkdir(QStringLiteral("Europa")));
    dokument(QStringLiteral("Europa/laender.tvl"), QStringLiteral("Länder"));
    dokument(QStringLiteral("a.tvl"), QStringLiteral("Alpen"),
             {RandObjekt(QStringLiteral("Europa\\"), 5, 0.5)});
    starten();
    QTest::keyClick(f.get(), Qt::Key_PageDown);
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Velmora Kartello-Quiz - Alpen"));
    objektKlicken(0);
    EXPECT_TRUE(meldungen.eintraege.empty());
    EXPECT_EQ(Ordner().Themenordner, ordner + QStringLiteral("Europa") + QDir::separator());
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Velmora Kartello-Quiz"));
    EXPECT_EQ(themenEintraege(), QStringList{QStringLiteral("&1:  Länder")});
    QTest::keyClick(f.get(), Qt::Key_PageDown);
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Velmora Kartello-Quiz - Länder"));
}

// Window sizes are those of the whole window: the frame is taken off the inside.
TEST_F(Fenster, FenstergroessenSindAussenmasse) {
    EXPECT_EQ(InnenGroesse(QSize(1024, 768), QMargins(1, 20, 1, 1)), QSize(1022, 747));
    EXPECT_EQ(InnenGroesse(QSize(6, 6), QMargins(4, 4, 4, 4)), QSize(0, 0));
    starten();
    const QMargins rahmen = Fensterrahmen(f.get());
    EXPECT_EQ(f->frameGeometry().size(), QSize(900, 650));
    EXPECT_EQ(f->minimumSize(), InnenGroesse(QSize(780, 570), rahmen));
    QTest::keyClick(f.get(), Qt::Key_G, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(f->frameGeometry(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(f->size(), InnenGroesse(QSize(1024, 768), rahmen));
}

// 31 documents: the entry with index 12 starts the second column of "&Quizauswahl";
// mouse and keys reach every entry.
TEST_F(Fenster, EinunddreissigThemenInZweiSpalten) {
    for (int i = 0; i < 31; ++i)
        dokument(QStringLiteral("t%1.tvl").arg(i, 2, 10, QLatin1Char('0')),
                 QStringLiteral("Thema %1").arg(i, 2, 10, QLatin1Char('0')));
    starten();
    ASSERT_EQ(themenEintraege().size(), 31);
    QMenu* auswahl = f->menue().menue(QStringLiteral("Auswahl1"));
    auto* aktion = auswahl->findChild<QWidgetAction*>(QStringLiteral("ThemenSpalten"));
    ASSERT_NE(aktion, nullptr);
    auto* spalten = static_cast<TSpaltenMenue*>(aktion->defaultWidget());
    ASSERT_EQ(spalten->Anzahl(), 31);
    const QRect erster = spalten->Eintragsrechteck(0);
    EXPECT_EQ(spalten->Eintragsrechteck(11).top(), 11 * erster.height());
    EXPECT_EQ(spalten->Eintragsrechteck(12).topLeft(), QPoint(erster.right() + 1, 0));
    EXPECT_EQ(spalten->Eintragsrechteck(30).top(), 18 * erster.height());
    EXPECT_EQ(spalten->sizeHint().height(), 19 * erster.height());

    auswahl->popup(QPoint(0, 0));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(auswahl));
    auswahl->setActiveAction(aktion);
    spalten->setFocus();
    spalten->SetzeAktuell(11);
    QTest::keyClick(spalten, Qt::Key_Right);
    EXPECT_EQ(spalten->Aktuell(), 23);
    QTest::keyClick(spalten, Qt::Key_Up);
    EXPECT_EQ(spalten->Aktuell(), 22);
    QTest::keyClick(spalten, Qt::Key_Left);
    EXPECT_EQ(spalten->Aktuell(), 10);
    QTest::keyClick(spalten, Qt::Key_Down);
    QTest::keyClick(spalten, Qt::Key_Right);
    QTest::keyClick(spalten, Qt::Key_Return);
    EXPECT_FALSE(auswahl->isVisible());
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Velmora Kartello-Quiz - Thema 23"));

    auswahl->popup(QPoint(0, 0));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(auswahl));
    QTest::mouseClick(spalten, Qt::LeftButton, {}, spalten->Eintragsrechteck(12).center());
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Velmora Kartello-Quiz - Thema 12"));
    EXPECT_TRUE(f->findChild<QAction*>(QStringLiteral("MenueThemaItem12"))->isChecked());
}

TEST_F(Fenster, StrgAZeigtDasArbeitsblattDesOffenenDokuments) {
    dokument(QStringLiteral("a.tvl"), QStringLiteral("Alpen"));
    starten();
    QTest::keyClick(f.get(), Qt::Key_A, Qt::ControlModifier); // no document open: the usual hint
    ASSERT_EQ(meldungen.eintraege.size(), 1u);
    EXPECT_EQ(meldungen.eintraege[0].art, MeldungsArt::Information);
    EXPECT_EQ(meldungen.eintraege[0].text,
              QStringLiteral("Bitte zuerst über das Menü \"Quizauswahl\" das gewünschte Quiz auswählen."));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QTest::keyClick(f.get(), Qt::Key_PageDown);
    ASSERT_EQ(f->windowTitle(), QStringLiteral("Velmora Kartello-Quiz - Alpen"));
    QString titel;
    QString titelzeile;
    QTimer::singleShot(0, [&] {
        auto* form = qobject_cast<TArbeitsblattForm*>(QApplication::activeModalWidget());
        if (form == nullptr) return;
        titel = form->windowTitle();
        titelzeile = form->TitelEdit()->text();
        form->reject();
    });
    QTest::keyClick(f.get(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(titel, QStringLiteral("Arbeitsblatt"));
    EXPECT_EQ(titelzeile, QStringLiteral("Alpen"));
}

// The best-list window's entry opens the class analysis over the answer records beside
// the list, modal to that window without a loop of its own; without records it says so.
TEST_F(Fenster, BestenlisteOeffnetDieKlassenauswertung) {
    dokument(QStringLiteral("a.tvl"), QStringLiteral("Alpen"));
    starten();
    QTest::keyClick(f.get(), Qt::Key_PageDown);
    emit f->bestListForm().klassenauswertungGewuenscht();
    ASSERT_EQ(meldungen.eintraege.size(), 1u);
    EXPECT_TRUE(
        meldungen.eintraege[0].text.startsWith(QStringLiteral("Zu dieser Bestenliste gibt es noch keine")));

    KqaLauf lauf;
    lauf.titel = QStringLiteral("Alpen");
    lauf.datei = QStringLiteral("a.tvl");
    lauf.teilnehmer = QStringLiteral("Anna");
    lauf.start = QDateTime(QDate(2026, 12, 9), QTime(8, 0));
    lauf.antworten = {{0, QStringLiteral("1"), QStringLiteral("Inn"), true, 1, 500}};
    const QString kqa =
        KqaPfadZuBestenliste(BestListPfad(Ordner().Bestenlistenordner, ordner + QStringLiteral("a.tvl")));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(kqa).path()));
    QString fehler;
    ASSERT_TRUE(KqaAnhaengen(kqa, lauf, warten, fehler)) << fehler.toStdString();
    emit f->bestListForm().klassenauswertungGewuenscht();
    auto* fenster = f->findChild<QDialog*>(QStringLiteral("KlassenauswertungForm"));
    ASSERT_NE(fenster, nullptr);
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_EQ(fenster->windowModality(), Qt::WindowModal);
    EXPECT_TRUE(fenster->windowTitle().endsWith(QStringLiteral("Alpen")));
    QTest::keyClick(fenster, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return f->findChild<QDialog*>(QStringLiteral("KlassenauswertungForm")) == nullptr; }));
}
