// What a new user meets first: a fresh program folder, the windows opened from the result
// window, and single questions played with the keyboard.
#include "quizspiel.h"

#include "platform/av_meldungen_qt.h"
#include "results/ac_bestlist.h"
#include "results/ac_uebprotokoll.h"
#include "results/bestenliste_datei.h"

#include <QApplication>
#include <QMessageBox>

#include <algorithm>

namespace {

TEST_F(QuizSpiel, ErstesQuizLegtProtokollUndBestenlisteInDenStandardordnernAn) {
    // A fresh installation: beside the program only its sounds, no protocol or best-list folder.
    for (const QString& ordner : {Ordner().Protokollordner, Ordner().Bestenlistenordner})
        ASSERT_TRUE(QDir(ordner).removeRecursively());
    TForm1& fenster = oeffnen("planeten");
    fenster.einstellungen().AutoProtSpeichern = true;
    QTest::keyClick(&fenster, Qt::Key_F7);
    ASSERT_TRUE(fenster.QuizLaeuft());
    ergebnisBeantworten(false);
    while (fenster.QuizLaeuft())
        richtigBeantworten();

    EXPECT_EQ(m_meldungen.texte(), std::vector<QString>{});
    const QStringList protokolle =
        QDir(Ordner().Protokollordner).entryList({QStringLiteral("*.rtf")}, QDir::Files);
    ASSERT_EQ(protokolle.size(), 1);
    QFile protokoll(Ordner().Protokollordner + protokolle[0]);
    ASSERT_TRUE(protokoll.open(QIODevice::ReadOnly));
    EXPECT_TRUE(protokoll.readAll().contains("Quiz-Protokoll"));
    std::vector<BestListDataTyp> eintraege;
    QString fehler;
    ASSERT_TRUE(
        BestListLesenVersuch(Ordner().Bestenlistenordner + QStringLiteral("planeten.hsc"), eintraege, fehler))
        << fehler.toStdString();
    ASSERT_EQ(eintraege.size(), 1u);
    EXPECT_DOUBLE_EQ(eintraege[0].Leistung, 1.0);
}

// The widget's parent and whether it stays on top, noted while it is on screen.
struct Stapel {
    bool gesehen = false;
    QWidget* eltern = nullptr;
    bool oben = false;
    QString text;
};

Stapel Notieren(QWidget* fenster, QString text = {}) {
    return {true, fenster->parentWidget(), fenster->windowFlags().testFlag(Qt::WindowStaysOnTopHint),
            std::move(text)};
}

TEST_F(QuizSpiel, FensterAusDemErgebnisfensterLiegenDarueber) {
    MeldungenQt echteMeldungen;
    m_meldungsPort = &echteMeldungen;
    TForm1& fenster = oeffnen("planeten");
    echteMeldungen.setzeEltern(&fenster);
    fenster.einstellungen().ErgebBestListEintragen = false; // so the best list is still empty
    TUebFertigForm& ergebnis = fenster.uebFertigForm();
    TBestListForm& liste = fenster.bestListForm();
    TUebProtokollForm& protokoll = fenster.uebProtokollForm();
    ASSERT_TRUE(ergebnis.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QTest::keyClick(&fenster, Qt::Key_F7);
    ASSERT_TRUE(fenster.QuizLaeuft());

    Stapel meldung, listenFenster, protokollFenster;
    QTimer meldungSuchen;
    meldungSuchen.setInterval(5);
    QObject::connect(&meldungSuchen, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        meldungSuchen.stop();
        meldung = Notieren(box, box->text());
        box->accept();
    });
    wennSichtbar(&ergebnis, [&] {
        // "Bestenliste...": first the message that there are no entries, then the empty list.
        meldungSuchen.start();
        wennSichtbar(&liste, [&] {
            listenFenster = Notieren(&liste);
            liste.reject();
        });
        QTest::mouseClick(ergebnis.BestListBtn(), Qt::LeftButton);
        wennSichtbar(&protokoll, [&] {
            protokollFenster = Notieren(&protokoll);
            protokoll.reject();
        });
        QTest::mouseClick(ergebnis.ProtokollBtn(), Qt::LeftButton);
        QTest::mouseClick(ergebnis.LernBtn(), Qt::LeftButton);
    });
    while (fenster.QuizLaeuft())
        richtigBeantworten();

    ASSERT_TRUE(meldung.gesehen);
    EXPECT_TRUE(meldung.text.startsWith(QStringLiteral("Zu diesem Quiz gibt es bisher keine Einträge")));
    for (const Stapel* s : {&meldung, &listenFenster, &protokollFenster}) {
        EXPECT_TRUE(s->gesehen);
        EXPECT_EQ(s->eltern, &ergebnis);
        EXPECT_TRUE(s->oben);
    }
    // Opened from the main window again, both windows belong to it as before.
    for (QWidget* w : std::initializer_list<QWidget*>{&liste, &protokoll}) {
        EXPECT_EQ(w->parentWidget(), &fenster);
        EXPECT_FALSE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_TRUE(w->isWindow());
    }
}

bool ZeileFuerZeile(QPoint a, QPoint b) {
    return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
}

// Tab walks the shown answers of a single question by their places, row by row; Space
// clicks the focused one, right or wrong.
TEST_F(QuizSpiel, EinzelfragenMitTabUndLeertaste) {
    TForm1& fenster = oeffnen("hauptstaedte");
    fenster.einstellungen().UebOptFragen.Zuordnungstexte = 1; // answers shuffled over the places
    QTest::keyClick(&fenster, Qt::Key_F7);
    ASSERT_TRUE(fenster.QuizLaeuft());
    QLabel* zaehler = fenster.uebungPan().FrageZaehlerPan();
    bool wiederholtGesehen = false;
    bool falschGeantwortet = false;
    for (int runde = 0; runde < 40 && fenster.QuizLaeuft(); ++runde) {
        wiederholtGesehen |= zaehler->text().endsWith(QStringLiteral(" (wiederholte Frage)"));
        const int loesung = elementFuer(offenesZiel());
        ASSERT_GE(loesung, 0);
        ASSERT_GE(quiz().Fokus(), 0);
        const auto sichtbar = std::count_if(quiz().Elemente().begin(), quiz().Elemente().end(),
                                            [](const AntwortElement& a) { return a.Sichtbar; });
        ASSERT_GE(sichtbar, 2);
        std::vector<QPoint> orte;
        for (int t = 0; t < sichtbar; ++t) {
            orte.push_back(element(quiz().Fokus())->pos());
            QTest::keyClick(element(quiz().Fokus()), Qt::Key_Tab);
        }
        EXPECT_TRUE(std::is_sorted(orte.begin(), orte.end(), ZeileFuerZeile));
        EXPECT_EQ(std::adjacent_find(orte.begin(), orte.end()), orte.end());
        // The first question is answered wrongly once, so that it comes again later.
        const bool falsch = !falschGeantwortet;
        for (int t = 0; t < sichtbar && (quiz().Fokus() == loesung) == falsch; ++t)
            QTest::keyClick(element(quiz().Fokus()), Qt::Key_Tab);
        ASSERT_NE(quiz().Fokus() == loesung, falsch);
        const bool letzte = !falsch && quiz().Daten().Offen == 1;
        if (letzte) ergebnisBeantworten(false);
        QTest::keyClick(element(quiz().Fokus()), Qt::Key_Space);
        if (falsch) {
            EXPECT_EQ(status("FalschLab"), QStringLiteral("1"));
        }
        falschGeantwortet = true;
    }
    ASSERT_EQ(m_ergebnisse.size(), 1u);
    EXPECT_TRUE(wiederholtGesehen);
    const QString text = fenster.protokoll().klartext();
    EXPECT_EQ(text.count(QStringLiteral("RICHTIG - ")), quiz().Daten().FragenAnzahl);
    EXPECT_EQ(text.count(QStringLiteral("FALSCH - ")), 1);
    EXPECT_TRUE(text.contains(QStringLiteral("2. Frage")));
    EXPECT_FALSE(text.contains(QStringLiteral("wiederholte Frage")));
    // The counter is gone with the quiz, and building a map hides it.
    EXPECT_TRUE(zaehler->isHidden());
    zaehler->show();
    fenster.karte().AnsichtAufbauen();
    EXPECT_TRUE(zaehler->isHidden());
}

} // namespace
