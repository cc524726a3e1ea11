#pragma once
// The main window with a sample document, played through its real widgets: answer
// elements are dragged with QTest mouse events onto positions computed through the map
// geometry, keys go to the window, and the result window is answered by a timer.
#include "data/av_data.h"
#include "fake_einstellungen.h"
#include "fake_meldungen.h"
#include "fake_shell.h"
#include "fake_systeminfo.h"
#include "fake_dialoge.h"
#include "fake_ton.h"
#include "fake_zwischenablage.h"
#include "fake_uhr.h"
#include "quiz/ac_uebfertig.h"
#include "quiz/ac_ueboptform.h"
#include "quiz/av_quizanzeige.h"
#include "quiz/av_uebinfopan.h"
#include "quiz/av_uebungpan.h"
#include "shell/av_main.h"

#include "mapview/ac_kartenbild.h"
#include "widgets/hoverpanel.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

class QuizSpiel : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_tmp.isValid());
        Ordner() = OrdnerAusProgrammordner(QDir::toNativeSeparators(m_tmp.path()) + QDir::separator());
        for (const QString& ordner :
             {Ordner().Soundordner, Ordner().Protokollordner, Ordner().Bestenlistenordner})
            ASSERT_TRUE(QDir().mkpath(ordner));
        for (const char* name : {"Richtig1.wav", "Falsch1.wav"}) {
            QFile f(Ordner().Soundordner + QString::fromLatin1(name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        Zufallsgenerator().setzeSeed(4711);
    }
    void TearDown() override {
        *m_lebt = false;
        m_fenster.reset();
        Ordner() = ProgrammOrdnerTyp{};
    }

    // Opens a sample of the build (europa, wasserkreislauf, hauptstaedte, planeten).
    TForm1& oeffnen(const char* beispiel) {
        const QString quelle =
            QStringLiteral(KARTELLO_BIN_ORDNER "/") + QString::fromLatin1(beispiel) + QStringLiteral(".tvl");
        const QString pfad = m_tmp.filePath(QString::fromLatin1(beispiel) + QStringLiteral(".tvl"));
        EXPECT_TRUE(QFile::copy(quelle, pfad)) << quelle.toStdString();
        m_fenster = std::make_unique<TForm1>(
            Dienste{m_meldungsPort != nullptr ? *m_meldungsPort : m_meldungen, m_speicher, m_system, m_uhr,
                    m_warten, m_shell, m_ton, m_dialoge, m_zwischenablage},
            pfad);
        m_fenster->show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !m_fenster->ErsteAktivierungAussteht(); }));
        EXPECT_TRUE(m_fenster->dokument().IstOffen());
        m_fenster->einstellungen().UebNameEingabe = false;
        m_fenster->uebOptForm().setzeZeigenCheck(false);
        m_fenster->einstellungen().UebOpt.Zuordnungstexte = 0;
        m_fenster->einstellungen().UebOpt.Zuordnungsziele = 0;
        m_fenster->einstellungen().UebOptFragen.Zuordnungstexte = 0;
        m_fenster->einstellungen().UebOptFragen.Zuordnungsziele = 0;
        return *m_fenster;
    }

    TForm1& f() { return *m_fenster; }
    Quiz& quiz() { return m_fenster->quizAnzeige().quiz(); }
    TAntwortElement* element(int k) { return m_fenster->quizAnzeige().Element(k); }
    QString status(const char* name) { return m_fenster->uebInfoPan().Wert(name)->text(); }

    // The box of object i in quiz-area pixels.
    QRect box(int i) {
        const auto& b = m_fenster->dokument().Objekte[static_cast<size_t>(i)].Box;
        const QPoint lo = m_fenster->karte().AnteilZuPunkt(QPointF(b[0], b[1]));
        const QPoint ru = m_fenster->karte().AnteilZuPunkt(QPointF(b[2], b[3]));
        return QRect(lo, ru - QPoint(1, 1));
    }

    // Drags element k with the mouse until the midpoint of its left edge lies in the
    // centre of object ziel's box, in three moves, and lets it go there.
    void ziehen(int k, int ziel, bool loslassen = true) {
        TAntwortElement* e = element(k);
        ASSERT_NE(e, nullptr);
        ASSERT_TRUE(e->isVisible());
        const QPoint griff(e->width() / 2, e->height() / 2);
        QTest::mousePress(e, Qt::LeftButton, {}, griff);
        const QPoint start = e->pos();
        const QPoint ende = box(ziel).center() - QPoint(0, e->height() / 2);
        for (int schritt = 1; schritt <= 3; ++schritt) {
            const QPoint ort = start + (ende - start) * schritt / 3;
            QTest::mouseMove(e, ort + griff - e->pos());
        }
        EXPECT_EQ(e->pos(), ende);
        if (loslassen) QTest::mouseRelease(e, Qt::LeftButton, {}, griff);
    }

    // The visible element that carries a caption equal to object ziel's, -1 for none.
    int elementFuer(int ziel) {
        const auto& objekte = m_fenster->dokument().Objekte;
        const QString text = TextNormalisieren(objekte[static_cast<size_t>(ziel)].OB_Cap);
        for (const AntwortElement& a : quiz().Elemente())
            if (a.Vorhanden && a.Sichtbar && a.Beschriftung == text) return a.Nummer;
        return -1;
    }
    // The position the quiz asks now: the marked one, or that of the first visible element.
    int offenesZiel() {
        const UebDataTyp& d = quiz().Daten();
        if (d.AbfrageModus == 2 || m_fenster->dokument().Header.HD_DokTyp == Einzelfragen)
            return quiz().Fragenfolge()[static_cast<size_t>(d.FrageIndex)].ZielObjekt;
        for (const AntwortElement& a : quiz().Elemente())
            if (a.Vorhanden && a.Sichtbar) return a.Tag;
        return -1;
    }
    // Answers the current question right by the mouse; the single-questions answer is clicked.
    void richtigBeantworten() {
        const int ziel = offenesZiel();
        ASSERT_GE(ziel, 0);
        const int k = elementFuer(ziel);
        ASSERT_GE(k, 0);
        if (m_fenster->dokument().Header.HD_DokTyp == Einzelfragen)
            QTest::mouseClick(element(k), Qt::LeftButton);
        else
            ziehen(k, ziel);
    }

    // Answers the result window, once it shows, by "Quiz wiederholen" (with `modus`) or "Schließen".
    void ergebnisBeantworten(bool wiederholen, int modus = 0) {
        m_ergebnisse.push_back({});
        auto pruefen = std::make_shared<std::function<void()>>();
        std::weak_ptr<bool> lebt = m_lebt;
        *pruefen = [this, wiederholen, modus, pruefen, lebt] {
            const auto l = lebt.lock();
            if (!l || !*l) return;
            TUebFertigForm& form = m_fenster->uebFertigForm();
            if (!form.isVisible()) {
                QTimer::singleShot(5, *pruefen);
                return;
            }
            m_ergebnisse.back() = {form.Wert("NoteLab")->text(), form.Wert("BewertLab")->text(),
                                   form.Wert("RichtigLab")->text(), form.WiederholenGruppe()->isEnabled()};
            if (wiederholen) {
                if (QAbstractButton* b = form.WiederholenMode()->button(modus)) b->click();
                QTest::mouseClick(form.WiederholenBtn(), Qt::LeftButton);
            } else {
                QTest::mouseClick(form.LernBtn(), Qt::LeftButton);
            }
        };
        QTimer::singleShot(0, *pruefen);
    }

    // Runs `aktion` once `fenster` shows (inside its modal loop), e.g. to close it.
    void wennSichtbar(QWidget* fenster, std::function<void()> aktion) {
        auto pruefen = std::make_shared<std::function<void()>>();
        std::weak_ptr<bool> lebt = m_lebt;
        *pruefen = [fenster, aktion, pruefen, lebt] {
            const auto l = lebt.lock();
            if (!l || !*l) return;
            if (!fenster->isVisible()) {
                QTimer::singleShot(5, *pruefen);
                return;
            }
            aktion();
        };
        QTimer::singleShot(0, *pruefen);
    }

    struct Ergebnis {
        QString note, bewertung, richtig;
        bool wiederholenAktiv = false;
    };

    QTemporaryDir m_tmp;
    FakeMeldungen m_meldungen;
    Meldungen* m_meldungsPort = nullptr; // set before oeffnen() to use other message boxes
    FakeEinstellungen m_speicher;
    FakeSystemInfo m_system;
    FakeUhr m_uhr;
    FakeWarten m_warten{&m_uhr};
    FakeShell m_shell;
    FakeTonAufnahme m_ton;
    FakeDialoge m_dialoge;
    FakeZwischenablage m_zwischenablage;
    std::unique_ptr<TForm1> m_fenster;
    std::vector<Ergebnis> m_ergebnisse;
    std::shared_ptr<bool> m_lebt = std::make_shared<bool>(true);
};
