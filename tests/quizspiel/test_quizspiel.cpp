#include "quizspiel.h"

#include "beispiele.h"

#include "mapview/ac_kennzinfo.h"
#include "results/ac_bestlist.h"
#include "results/ac_uebprotokoll.h"
#include "results/av_bestlistverz.h"
#include "results/bestenliste_datei.h"
#include "results/protokoll_text.h"

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QTextEdit>

#include <QKeyEvent>

namespace {

struct Lauf {
    const char* beispiel;
    int abfrageModus; // labelling and cloze
    int fragenModus;  // single questions: ZuordnungFalsch
    const char* name;
};

class GanzesQuiz : public QuizSpiel, public ::testing::WithParamInterface<Lauf> {};

TEST_P(GanzesQuiz, RichtigGespieltBisZurNoteEins) {
    const Lauf lauf = GetParam();
    TForm1& fenster = oeffnen(lauf.beispiel);
    fenster.einstellungen().UebOpt.AbfrageModus = lauf.abfrageModus;
    fenster.einstellungen().UebOptFragen.ZuordnungFalsch = lauf.fragenModus;
    QTest::keyClick(&fenster, Qt::Key_F7);
    ASSERT_TRUE(fenster.QuizLaeuft());
    EXPECT_EQ(fenster.Ansichtsmodus(), 3);
    EXPECT_TRUE(fenster.uebungPan().isVisible());
    EXPECT_TRUE(fenster.uebInfoPan().isVisible());
    EXPECT_FALSE(fenster.kartenbild().isVisible());
    const int n = quiz().Daten().FragenAnzahl;
    ASSERT_GT(n, 3);
    EXPECT_EQ(status("GesAnzLab"), QStringLiteral("von  ") + QString::number(n));
    EXPECT_EQ(status("UebStatLab"), QStringLiteral("warte auf Antwort"));

    for (int i = 0; i < n && fenster.QuizLaeuft(); ++i) {
        if (i == n - 1) ergebnisBeantworten(false);
        richtigBeantworten();
        if (i == 0) {
            EXPECT_EQ(status("RichtigLab"), QStringLiteral("1"));
            EXPECT_EQ(status("QuoteLab"), QStringLiteral("100.0 %"));
        }
    }
    EXPECT_FALSE(fenster.QuizLaeuft());
    ASSERT_EQ(m_ergebnisse.size(), 1u);
    EXPECT_EQ(m_ergebnisse[0].note, QStringLiteral("1"));
    EXPECT_EQ(m_ergebnisse[0].bewertung, QStringLiteral("sehr gut"));
    EXPECT_EQ(m_ergebnisse[0].richtig, QString::number(n) + QStringLiteral("  von  ") + QString::number(n));
    EXPECT_FALSE(m_ergebnisse[0].wiederholenAktiv);
    // Closing the result window returns to the learning view with every position shown.
    EXPECT_EQ(fenster.Ansichtsmodus(), 2);
    EXPECT_TRUE(fenster.kartenbild().isVisible());
    EXPECT_FALSE(fenster.uebungPan().isVisible());
    EXPECT_EQ(std::count(m_ton.gespielt.begin(), m_ton.gespielt.end(),
                         Ordner().Soundordner + QStringLiteral("Richtig1.wav")),
              n);
    EXPECT_TRUE(fenster.protokoll().klartext().contains(QStringLiteral("Quiz-Protokoll")));
    EXPECT_EQ(fenster.protokoll().klartext().count(QStringLiteral("RICHTIG - ")), n);
    EXPECT_TRUE(m_meldungen.eintraege.empty());
}

INSTANTIATE_TEST_SUITE_P(Beispiele, GanzesQuiz,
                         ::testing::Values(Lauf{"europa", 0, 0, "BeschriftungFrei"},
                                           Lauf{"europa", 1, 0, "BeschriftungEinzeltexte"},
                                           Lauf{"europa", 2, 0, "BeschriftungEinzelpositionen"},
                                           Lauf{"wasserkreislauf", 0, 0, "LueckentextFrei"},
                                           Lauf{"wasserkreislauf", 1, 0, "LueckentextEinzeltexte"},
                                           Lauf{"wasserkreislauf", 2, 0, "LueckentextEinzelpositionen"},
                                           Lauf{"hauptstaedte", 0, 0, "EinzelfragenBisAllesRichtig"},
                                           Lauf{"hauptstaedte", 0, 1, "EinzelfragenNurEinmal"}),
                         [](const ::testing::TestParamInfo<Lauf>& fall) {
                             return std::string(fall.param.name);
                         });

// Every bundled sample plays to the end with the right answers and the grade 1.
class JedesBeispiel : public QuizSpiel, public ::testing::WithParamInterface<std::string> {};

TEST_P(JedesBeispiel, SpieltBisZumEnde) {
    if (!QFileInfo::exists(BeispielPfad(GetParam()))) GTEST_SKIP() << "sample not built";
    TForm1& fenster = oeffnen(GetParam().c_str());
    QTest::keyClick(&fenster, Qt::Key_F7);
    ASSERT_TRUE(fenster.QuizLaeuft());
    const int n = quiz().Daten().FragenAnzahl;
    ASSERT_GE(n, 4);
    for (int i = 0; i < n && fenster.QuizLaeuft(); ++i) {
        if (i == n - 1) ergebnisBeantworten(false);
        richtigBeantworten();
    }
    EXPECT_FALSE(fenster.QuizLaeuft());
    ASSERT_EQ(m_ergebnisse.size(), 1u);
    EXPECT_EQ(m_ergebnisse[0].note, QStringLiteral("1"));
    EXPECT_EQ(m_ergebnisse[0].richtig, QString::number(n) + QStringLiteral("  von  ") + QString::number(n));
    EXPECT_TRUE(m_meldungen.eintraege.empty());
}

INSTANTIATE_TEST_SUITE_P(Beispiele, JedesBeispiel, ::testing::ValuesIn(Beispielnamen()),
                         [](const ::testing::TestParamInfo<std::string>& fall) {
                             return BeispielTestname(fall.param);
                         });

TEST_F(QuizSpiel, FalscheZuordnungMitKreuzUndTeilwiederholung) {
    TForm1& fenster = oeffnen("europa");
    fenster.einstellungen().UebOpt.ZuordnungFalsch = 1;
    fenster.einstellungen().UebOpt.ZuordnungRichtig = 1;
    QTest::keyClick(&fenster, Qt::Key_F7);
    ASSERT_TRUE(fenster.QuizLaeuft());
    const int n = quiz().Daten().FragenAnzahl;

    // The first element dropped onto the position of the second: a red cross there.
    const int k = 0;
    const int falschesZiel = quiz().Elemente()[1].Tag;
    ASSERT_NE(falschesZiel, quiz().Elemente()[0].Tag);
    ziehen(k, falschesZiel);
    EXPECT_EQ(fenster.dokument().Objekte[static_cast<size_t>(falschesZiel)].Zustand, -3);
    EXPECT_EQ(status("FalschLab"), QStringLiteral("1"));
    EXPECT_EQ(status("OffenLab"), QString::number(n - 1));
    // The element glided back to its place and is still there.
    EXPECT_EQ(element(k)->geometry(), quiz().Elemente()[0].Rechteck);
    EXPECT_EQ(m_ton.gespielt.back(), Ordner().Soundordner + QStringLiteral("Falsch1.wav"));

    // Every other position right (with a tick); the element of the crossed one stays unused.
    const int gekreuzt = elementFuer(falschesZiel);
    for (const AntwortElement& a : std::vector<AntwortElement>(quiz().Elemente())) {
        if (a.Nummer == gekreuzt || !fenster.QuizLaeuft()) continue;
        const bool letzte = quiz().Daten().Offen == 1;
        if (letzte) ergebnisBeantworten(true, 1);
        ziehen(a.Nummer, a.Tag);
        if (!letzte) {
            EXPECT_EQ(fenster.dokument().Objekte[static_cast<size_t>(a.Tag)].Zustand, -2);
        }
    }
    ASSERT_EQ(m_ergebnisse.size(), 1u);
    EXPECT_TRUE(m_ergebnisse[0].wiederholenAktiv);
    // The partial repeat asks what failed at the first attempt: the crossed position and
    // the text that was dropped wrongly.
    ASSERT_TRUE(fenster.QuizLaeuft());
    EXPECT_EQ(quiz().Daten().FragenAnzahl, 2);
    EXPECT_EQ(quiz().Daten().FragenGesamt, n);
    EXPECT_EQ(status("GesAnzLab"), QStringLiteral("von  2"));
    richtigBeantworten();
    ergebnisBeantworten(false);
    richtigBeantworten();
    ASSERT_EQ(m_ergebnisse.size(), 2u);
    EXPECT_EQ(m_ergebnisse[1].note, QStringLiteral("1"));
    EXPECT_EQ(fenster.Ansichtsmodus(), 2);
    // The complete run is in the best list, the partial repeat is not.
    const QString liste = Ordner().Bestenlistenordner + QStringLiteral("europa.hsc");
    std::vector<BestListDataTyp> eintraege;
    QString fehler;
    ASSERT_TRUE(BestListLesenVersuch(liste, eintraege, fehler)) << fehler.toStdString();
    EXPECT_EQ(eintraege.size(), 1u);
}

TEST_F(QuizSpiel, ZeitlimitBeendetDasQuizImTakt) {
    TForm1& fenster = oeffnen("planeten");
    fenster.einstellungen().UebOpt.Zeitlimit = 1;
    fenster.einstellungen().UebOpt.ZLimitMin = QStringLiteral("0");
    fenster.einstellungen().UebOpt.ZLimitSek = QStringLiteral("5");
    QTest::keyClick(&fenster, Qt::Key_F7);
    ASSERT_TRUE(fenster.QuizLaeuft());
    EXPECT_EQ(status("UebZeitModeLab"), QStringLiteral("Verbleibende Zeit:"));
    EXPECT_EQ(status("UebZeitLab"), QStringLiteral("00:05"));
    richtigBeantworten();
    m_uhr.vorruecken(2000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return status("UebZeitLab") == QStringLiteral("00:03"); }, 2000));
    m_uhr.vorruecken(4000);
    ergebnisBeantworten(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !m_ergebnisse.back().note.isEmpty(); }, 3000));
    ASSERT_FALSE(m_meldungen.eintraege.empty());
    EXPECT_EQ(m_meldungen.eintraege.back().text,
              QStringLiteral("Das Zeitlimit ist erreicht, die Übung wird beendet."));
    EXPECT_EQ(fenster.Ansichtsmodus(), 2);
    EXPECT_FALSE(fenster.quizAnzeige().ZeitTimer().isActive());
    EXPECT_TRUE(fenster.protokoll().klartext().contains(QStringLiteral("Verbliebene Zeit:")));
}

TEST_F(QuizSpiel, TastaturSpielOhneMaus) {
    TForm1& fenster = oeffnen("europa");
    QTest::keyClick(&fenster, Qt::Key_F7);
    ASSERT_TRUE(fenster.QuizLaeuft());
    const int n = quiz().Daten().FragenAnzahl;
    ASSERT_GE(quiz().Fokus(), 0);
    EXPECT_TRUE(element(quiz().Fokus())->hasFocus() || !fenster.isActiveWindow());

    // Tab moves the focus to the next visible element and Shift+Tab back.
    const int erster = quiz().Fokus();
    QTest::keyClick(element(erster), Qt::Key_Tab);
    EXPECT_NE(quiz().Fokus(), erster);
    QTest::keyClick(element(quiz().Fokus()), Qt::Key_Backtab);
    EXPECT_EQ(quiz().Fokus(), erster);

    // A typed number frames the position; Escape clears the frame.
    QTest::keyClicks(&fenster, QStringLiteral("1"));
    EXPECT_TRUE(fenster.uebungPan().MoveAnker()->isVisible());
    EXPECT_EQ(fenster.uebungPan().MoveAnker()->objectName(), QStringLiteral("UebMoveAnker"));
    // The frame stands 4 pixels outside the box of the position numbered 1.
    int eins = -1;
    for (size_t i = 0; i < fenster.dokument().Objekte.size(); ++i)
        if (fenster.dokument().Objekte[i].Nummer == 1 && fenster.dokument().Objekte[i].Zustand == -5)
            eins = static_cast<int>(i);
    ASSERT_GE(eins, 0);
    EXPECT_EQ(fenster.uebungPan().MoveAnker()->geometry().topLeft(), box(eins).topLeft() - QPoint(4, 4));
    QTest::keyClick(&fenster, Qt::Key_Escape);
    EXPECT_FALSE(fenster.uebungPan().MoveAnker()->isVisible());

    for (int i = 0; i < n && fenster.QuizLaeuft(); ++i) {
        const AntwortElement& a = quiz().Elemente()[static_cast<size_t>(quiz().Fokus())];
        const int nummer = fenster.dokument().Objekte[static_cast<size_t>(a.Tag)].Nummer;
        QTest::keyClicks(&fenster, QString::number(nummer));
        ASSERT_EQ(quiz().Ziel(), a.Tag) << "Nummer " << nummer;
        if (i == n - 1) ergebnisBeantworten(false);
        QTest::keyClick(&fenster, Qt::Key_Return);
    }
    ASSERT_EQ(m_ergebnisse.size(), 1u);
    EXPECT_EQ(m_ergebnisse[0].note, QStringLiteral("1"));
    EXPECT_EQ(fenster.protokoll().klartext().count(QStringLiteral("RICHTIG - ")), n);
}

TEST_F(QuizSpiel, AbbrechenFragtUndSchreibtKeinProtokoll) {
    TForm1& fenster = oeffnen("europa");
    QTest::keyClick(&fenster, Qt::Key_F7);
    ASSERT_TRUE(fenster.QuizLaeuft());
    auto* abbrechen = fenster.findChild<THoverPanel*>(QStringLiteral("LernKartBtn"));
    EXPECT_EQ(abbrechen->caption(), QStringLiteral("Quiz\r\nabbrechen"));
    m_meldungen.antworten.push_back(Antwort::Nein);
    QTest::mouseClick(abbrechen, Qt::LeftButton);
    EXPECT_TRUE(fenster.QuizLaeuft());
    QTest::mouseClick(abbrechen, Qt::LeftButton); // Ja
    EXPECT_FALSE(fenster.QuizLaeuft());
    EXPECT_EQ(fenster.Ansichtsmodus(), 2);
    EXPECT_EQ(abbrechen->caption(), QStringLiteral("Startseite"));
    EXPECT_TRUE(fenster.protokoll().leer());
    ASSERT_EQ(m_meldungen.eintraege.size(), 2u);
    EXPECT_TRUE(m_meldungen.eintraege[0].text.startsWith(
        QStringLiteral("Das aktuelle Quiz ist noch nicht beendet.")));
    for (const ObjDataTyp& o : fenster.dokument().Objekte)
        EXPECT_TRUE(o.Zustand == 0 || o.Zustand == -1);
}

TEST_F(QuizSpiel, OptionenWaehrendDesQuizGesperrt) {
    TForm1& fenster = oeffnen("europa");
    QTest::keyClick(&fenster, Qt::Key_F7);
    QTest::keyClick(&fenster, Qt::Key_F7, Qt::AltModifier);
    ASSERT_EQ(m_meldungen.eintraege.size(), 1u);
    EXPECT_EQ(m_meldungen.eintraege[0].text,
              QStringLiteral("Die Übungsoptionen können nicht während der Übung geändert werden."));
}

TEST_F(QuizSpiel, EinzelfragenMitZifferntasten) {
    TForm1& fenster = oeffnen("hauptstaedte");
    QTest::keyClick(&fenster, Qt::Key_F7);
    ASSERT_TRUE(fenster.QuizLaeuft());
    const int n = quiz().Daten().FragenAnzahl;
    for (int i = 0; i < n && fenster.QuizLaeuft(); ++i) {
        const int k = elementFuer(offenesZiel());
        ASSERT_GE(k, 0);
        const int slot = quiz().Elemente()[static_cast<size_t>(k)].Slot;
        ASSERT_GE(slot, 1);
        if (i == n - 1) ergebnisBeantworten(false);
        QTest::keyClick(&fenster, static_cast<Qt::Key>(Qt::Key_0 + slot));
    }
    ASSERT_EQ(m_ergebnisse.size(), 1u);
    EXPECT_EQ(m_ergebnisse[0].note, QStringLiteral("1"));
}

} // namespace

namespace {

TEST_F(QuizSpiel, AbschlussSpeichertProtokollUndZeigtBestenliste) {
    TForm1& fenster = oeffnen("planeten");
    fenster.einstellungen().AutoProtSpeichern = true;
    QTest::keyClick(&fenster, Qt::Key_F7);
    ASSERT_TRUE(fenster.QuizLaeuft());
    // The result window's "Protokoll..." shows the protocol of this run, then the window is closed.
    bool protokollGesehen = false;
    wennSichtbar(&fenster.uebFertigForm(), [&] {
        wennSichtbar(&fenster.uebProtokollForm(), [&] {
            protokollGesehen = fenster.uebProtokollForm().RichEdit1()->toPlainText().contains(
                QStringLiteral("Statistik-Zusammenfassung"));
            fenster.uebProtokollForm().reject();
        });
        QTest::mouseClick(fenster.uebFertigForm().ProtokollBtn(), Qt::LeftButton);
        QTest::mouseClick(fenster.uebFertigForm().LernBtn(), Qt::LeftButton);
    });
    while (fenster.QuizLaeuft())
        richtigBeantworten();
    EXPECT_TRUE(protokollGesehen);
    EXPECT_EQ(fenster.Ansichtsmodus(), 2);
    const QStringList gespeichert =
        QDir(Ordner().Protokollordner).entryList({QStringLiteral("*.rtf")}, QDir::Files);
    ASSERT_EQ(gespeichert.size(), 1);
    EXPECT_TRUE(gespeichert[0].endsWith(QStringLiteral("-0.rtf")));

    // "&Bestenliste..." (Ctrl+F7) shows the best list of the document with the run just entered.
    int zeilen = -1;
    wennSichtbar(&fenster.bestListForm(), [&] {
        zeilen = static_cast<int>(fenster.bestListForm().zeilen().size());
        fenster.bestListForm().reject();
    });
    QAction* bestenliste = fenster.menue().aktion(QStringLiteral("Bestenliste1"));
    EXPECT_EQ(bestenliste->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F7));
    bestenliste->trigger();
    EXPECT_EQ(zeilen, 2); // header and one entry
    EXPECT_TRUE(m_meldungen.eintraege.empty());
}

TEST_F(QuizSpiel, OrdnerFensterUeberDasOptionenmenue) {
    TForm1& fenster = oeffnen("planeten");
    bool gezeigt = false;
    wennSichtbar(&fenster.bestListVerzForm(), [&] {
        gezeigt = fenster.bestListVerzForm().ProtVerzEdit1()->text() == Ordner().Protokollordner;
        fenster.bestListVerzForm().reject();
    });
    fenster.menue().aktion(QStringLiteral("OrdnerProtBest1"))->trigger();
    EXPECT_TRUE(gezeigt);
}

} // namespace

namespace {

TEST_F(QuizSpiel, OptionsfensterVorJederUebung) {
    TForm1& fenster = oeffnen("wasserkreislauf");
    fenster.uebOptForm().setzeZeigenCheck(true);
    wennSichtbar(&fenster.uebOptForm(),
                 [&] { QTest::mouseClick(fenster.uebOptForm().CloseBtn(), Qt::LeftButton); });
    fenster.menue().aktion(QStringLiteral("QuizStarten1"))->trigger();
    EXPECT_FALSE(fenster.QuizLaeuft());
    EXPECT_FALSE(fenster.findChild<THoverPanel*>(QStringLiteral("UebungenBtn"))->checked());

    wennSichtbar(&fenster.uebOptForm(), [&] {
        fenster.uebOptForm().AbfrageModus()->button(1)->click();
        QTest::mouseClick(fenster.uebOptForm().OkBtn(), Qt::LeftButton);
    });
    fenster.menue().aktion(QStringLiteral("QuizStarten1"))->trigger();
    ASSERT_TRUE(fenster.QuizLaeuft());
    EXPECT_EQ(quiz().Daten().AbfrageModus, 1);
    EXPECT_EQ(fenster.einstellungen().UebOpt.AbfrageModus, 1);
}

} // namespace

namespace {

// A judged answer changes one object: only its box is patched into the quiz background.
TEST_F(QuizSpiel, RichtigeAntwortZeichnetNurIhrObjekt) {
    TForm1& fenster = oeffnen("europa");
    QTest::keyClick(&fenster, Qt::Key_F7);
    ASSERT_TRUE(fenster.QuizLaeuft());
    const int wechsel = fenster.uebungPan().Hintergrundwechsel();
    const QImage vorher = fenster.uebungPan().Hintergrund();
    const AntwortElement a = quiz().Elemente()[0];
    ziehen(a.Nummer, a.Tag);
    EXPECT_EQ(fenster.dokument().Objekte[static_cast<size_t>(a.Tag)].Zustand, 0);
    EXPECT_EQ(fenster.uebungPan().Hintergrundwechsel(), wechsel);
    const QRect flicken = fenster.uebungPan().LetzterFlicken();
    EXPECT_TRUE(flicken.intersects(box(a.Tag)));
    EXPECT_LT(flicken.width() * flicken.height(), vorher.width() * vorher.height() / 20);
    // Outside the patch the background is untouched.
    const QImage nachher = fenster.uebungPan().Hintergrund();
    int geaendert = 0;
    for (int y = 0; y < nachher.height(); y += 3)
        for (int x = 0; x < nachher.width(); x += 3)
            if (!flicken.contains(x, y) && nachher.pixel(x, y) != vorher.pixel(x, y)) ++geaendert;
    EXPECT_EQ(geaendert, 0);
    EXPECT_NE(nachher.copy(flicken), vorher.copy(flicken));
}

} // namespace

namespace {

struct Verhalten {
    int richtig; // ZuordnungRichtig
    int falsch;  // ZuordnungFalsch
};

class Zuordnung : public QuizSpiel, public ::testing::WithParamInterface<Verhalten> {};

// One wrong and one right drop under each setting of the two assignment options.
TEST_P(Zuordnung, FalschDannRichtig) {
    const Verhalten v = GetParam();
    TForm1& fenster = oeffnen("wasserkreislauf");
    fenster.einstellungen().UebOpt.ZuordnungRichtig = v.richtig;
    fenster.einstellungen().UebOpt.ZuordnungFalsch = v.falsch;
    QTest::keyClick(&fenster, Qt::Key_F7);
    ASSERT_TRUE(fenster.QuizLaeuft());
    const int n = quiz().Daten().FragenAnzahl;
    const AntwortElement a = quiz().Elemente()[0];
    const int anderes = quiz().Elemente()[1].Tag;
    const auto zustand = [&](int i) { return fenster.dokument().Objekte[static_cast<size_t>(i)].Zustand; };

    ziehen(a.Nummer, anderes);
    EXPECT_EQ(zustand(anderes), v.falsch == 1 ? -3 : -5);
    EXPECT_EQ(status("FalschLab"), QStringLiteral("1"));
    EXPECT_EQ(status("OffenLab"), QString::number(v.falsch == 1 ? n - 1 : n));
    EXPECT_TRUE(element(a.Nummer)->isVisible());
    EXPECT_EQ(element(a.Nummer)->geometry(), quiz().Elemente()[0].Rechteck);
    EXPECT_EQ(m_ton.gespielt.back(), Ordner().Soundordner + QStringLiteral("Falsch1.wav"));

    ziehen(a.Nummer, a.Tag);
    EXPECT_EQ(zustand(a.Tag), v.richtig == 1 ? -2 : 0);
    EXPECT_EQ(status("RichtigLab"), QStringLiteral("1"));
    EXPECT_EQ(status("QuoteLab"), QStringLiteral("50.0 %"));
    EXPECT_EQ(element(a.Nummer), nullptr); // a right answer removes its element
    EXPECT_EQ(m_ton.gespielt.back(), Ordner().Soundordner + QStringLiteral("Richtig1.wav"));
    const QString protokoll = AblaufText(quiz().Lauf());
    EXPECT_EQ(protokoll.count(QStringLiteral("FALSCH - ")), 1);
    EXPECT_EQ(protokoll.count(QStringLiteral("RICHTIG - ")), 1);
}

INSTANTIATE_TEST_SUITE_P(AlleVier, Zuordnung,
                         ::testing::Values(Verhalten{0, 0}, Verhalten{0, 1}, Verhalten{1, 0},
                                           Verhalten{1, 1}));

TEST_F(QuizSpiel, FragezeichenKnopfErklaertDieKennzahlen) {
    TForm1& fenster = oeffnen("planeten");
    QTest::keyClick(&fenster, Qt::Key_F7);
    bool gezeigt = false;
    wennSichtbar(&fenster.kennzInfoBox(), [&] {
        gezeigt = true;
        fenster.kennzInfoBox().reject();
    });
    QTest::mouseClick(fenster.uebInfoPan().KennzInfoPan(), Qt::LeftButton);
    EXPECT_TRUE(gezeigt);
    EXPECT_TRUE(fenster.QuizLaeuft());
}

} // namespace

namespace {

TEST_F(QuizSpiel, GroessenaenderungLegtDieElementeNeu) {
    TForm1& fenster = oeffnen("europa");
    QTest::keyClick(&fenster, Qt::Key_F7);
    ASSERT_TRUE(fenster.QuizLaeuft());
    const QSize vorher = fenster.uebungPan().size();
    fenster.resize(1100, 800);
    QTest::qWait(50);
    const QSize nachher = fenster.uebungPan().size();
    EXPECT_GT(nachher.width(), vorher.width());
    EXPECT_GT(nachher.height(), vorher.height());
    EXPECT_EQ(quiz().Panelgroesse(), nachher);
    EXPECT_EQ(fenster.uebungPan().Hintergrund().size(), nachher);
    for (const AntwortElement& a : quiz().Elemente()) {
        TAntwortElement* e = element(a.Nummer);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->geometry(), a.Rechteck);
        EXPECT_TRUE(QRect(QPoint(0, 0), nachher).contains(a.Rechteck));
    }
    // The last element stands at the bottom right corner of the larger area.
    EXPECT_EQ(quiz().Elemente().back().Rechteck.bottomRight(),
              QPoint(nachher.width() - 1, nachher.height() - 1));
    // Still playable after the change.
    richtigBeantworten();
    EXPECT_EQ(status("RichtigLab"), QStringLiteral("1"));
}

} // namespace
