#include "../quizspiel/quizspiel.h"
#include "editor/ac_editorkarte.h"
#include "editor/ac_eigenschaften.h"
#include "editor/ac_fragenliste.h"
#include "editor/ac_lueckentext.h"
#include "editor/av_editor.h"
#include "editor/fragenseiten.h"
#include "editor/lueckentext.h"
#include "editortest.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTableWidget>

namespace {

class EditorFenster : public QuizSpiel {
protected:
    TEditorForm& editor() {
        if (!m_editor) {
            m_editor = std::make_unique<TEditorForm>(EditorDienste{
                m_editorMeldungen, m_editorDialoge, m_tmp.filePath(QStringLiteral("sicherung"))});
            m_editor->show();
            m_editor->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(m_editor.get()));
        }
        return *m_editor;
    }
    void TearDown() override {
        m_editor.reset();
        QuizSpiel::TearDown();
    }

    // A picture of the teacher's: a green land on blue water.
    QString bildDatei() {
        QImage bild(600, 400, QImage::Format_RGB32);
        bild.fill(QColor(90, 140, 220));
        QPainter(&bild).fillRect(100, 80, 400, 240, QColor(120, 180, 100));
        const QString pfad = m_tmp.filePath(QStringLiteral("meine-karte.jpg"));
        EXPECT_TRUE(bild.save(pfad));
        return pfad;
    }

    // Typed into the focused widget; letters beyond ASCII arrive as text of an unnamed key,
    // as a keyboard layout delivers them.
    void tippen(const QString& text) {
        QWidget* fokus = QApplication::focusWidget();
        ASSERT_NE(fokus, nullptr);
        for (const QChar c : text) {
            if (c.unicode() < 128) {
                QTest::keyClick(fokus, c.toLatin1());
                continue;
            }
            QKeyEvent drueck(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QKeyEvent los(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(fokus, &drueck);
            QApplication::sendEvent(fokus, &los);
        }
    }

    Dokument zuruecklesen(const QString& pfad) {
        Dokument d;
        TvlLeser leser;
        EXPECT_TRUE(leser.lesen(pfad, d)) << leser.errorString().toStdString();
        return d;
    }

    // The player on a saved file, as QuizSpiel::oeffnen opens a sample.
    TForm1& spielerOeffnen(const QString& pfad) {
        m_fenster = std::make_unique<TForm1>(Dienste{m_meldungen, m_speicher, m_system, m_uhr, m_warten,
                                                     m_shell, m_ton, m_dialoge, m_zwischenablage},
                                             pfad);
        m_fenster->show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !m_fenster->ErsteAktivierungAussteht(); }));
        m_fenster->einstellungen().UebNameEingabe = false;
        m_fenster->uebOptForm().setzeZeigenCheck(false);
        m_fenster->einstellungen().UebOpt.Zuordnungstexte = 0;
        m_fenster->einstellungen().UebOpt.Zuordnungsziele = 0;
        return *m_fenster;
    }

    FakeMeldungen m_editorMeldungen;
    FakeDialoge m_editorDialoge;
    std::unique_ptr<TEditorForm> m_editor;
};

TEST_F(EditorFenster, BildbeschriftungMitMausUndTastaturGebautGespeichertUndGespielt) {
    TEditorForm& e = editor();
    m_editorDialoge.dateien.push_back(bildDatei());
    e.aktion(QStringLiteral("BildWaehlen"))->trigger();
    ASSERT_EQ(e.dokument().dokument().Basisbild.size(), QSize(600, 400));
    TEditorKarte& karte = e.karte();
    const QRect flaeche = e.ansicht().sichtbarerBereich();
    ASSERT_FALSE(flaeche.isEmpty());

    // A click on the map sets an anchor and the caption is typed at once.
    const QStringList namen{QStringLiteral("Nordkap"), QStringLiteral("Westbucht"), QStringLiteral("Ostsee"),
                            QStringLiteral("Südland")};
    const QPointF orte[] = {{0.3, 0.25}, {0.2, 0.55}, {0.6, 0.45}, {0.45, 0.8}};
    for (int i = 0; i < namen.size(); ++i) {
        const QPoint p = flaeche.topLeft() +
                         QPoint(int(orte[i].x() * flaeche.width()), int(orte[i].y() * flaeche.height()));
        QTest::mouseClick(&karte, Qt::LeftButton, {}, p);
        EXPECT_EQ(QApplication::focusWidget(), e.eigenschaften().beschriftungsfeld());
        tippen(namen[i]);
    }
    const auto& objekte = [&e]() -> const std::vector<ObjDataTyp>& {
        return e.dokument().dokument().Objekte;
    };
    ASSERT_EQ(objekte().size(), 4u);
    EXPECT_EQ(objekte()[3].OB_Cap, QStringLiteral("Südland"));

    // Drag the first box to the right; one undoable step.
    e.ansicht().beschriftungenErneuern();
    const QRect kasten = e.ansicht().kastenRechteck(0);
    ASSERT_FALSE(kasten.isEmpty());
    const double kxVorher = objekte()[0].OB_Kx;
    const int schritte = e.dokument().stapel().count();
    QTest::mousePress(&karte, Qt::LeftButton, {}, kasten.center());
    for (int dx = 10; dx <= 40; dx += 10)
        QTest::mouseMove(&karte, kasten.center() + QPoint(dx, 0));
    QTest::mouseRelease(&karte, Qt::LeftButton, {}, kasten.center() + QPoint(40, 0));
    EXPECT_GT(objekte()[0].OB_Kx, kxVorher + 0.03);
    EXPECT_EQ(e.dokument().stapel().count(), schritte + 1);

    // Arrow keys move the selected object; Ctrl+Z takes the move back.
    const double syVorher = objekte()[0].OB_Sy;
    karte.setFocus();
    QTest::keyClick(&karte, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_GT(objekte()[0].OB_Sy, syVorher);
    QTest::keyClick(&karte, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(objekte()[0].OB_Sy, syVorher);

    // Copy, paste and delete on the map.
    QTest::keyClick(&karte, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&karte, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(objekte().size(), 5u);
    EXPECT_EQ(karte.auswahl(), 4);
    QTest::keyClick(&karte, Qt::Key_Delete);
    ASSERT_EQ(objekte().size(), 4u);

    // Dragging the map's right edge outward makes room for boxes beside the picture; the
    // labels stay where they were on the picture.
    const QRect karteVorher = e.ansicht().sichtbarerBereich();
    const QPointF ankerVorher(objekte()[1].OB_Sx, objekte()[1].OB_Sy);
    const QPoint kante(karteVorher.right(), karteVorher.center().y());
    QTest::mousePress(&karte, Qt::LeftButton, {}, kante);
    QTest::mouseMove(&karte, kante + QPoint(karteVorher.width() / 8, 0));
    QTest::mouseRelease(&karte, Qt::LeftButton, {}, kante + QPoint(karteVorher.width() / 4, 0));
    const auto& rand = e.dokument().dokument().Header.HD_RandErw;
    EXPECT_NEAR(rand[2], 0.25, 0.011);
    EXPECT_EQ(rand[0], 0);
    EXPECT_NEAR(objekte()[1].OB_Sx * (1 + rand[2]), ankerVorher.x(), 1e-12);
    EXPECT_EQ(objekte()[1].OB_Sy, ankerVorher.y());

    // Ctrl+S asks for a name the first time; the checks find nothing to report.
    const QString ziel = m_tmp.filePath(QStringLiteral("meine-karte.tvl"));
    m_editorDialoge.dateien.push_back(ziel);
    QTest::keyClick(&karte, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(m_editorMeldungen.eintraege.empty()) << m_editorMeldungen.eintraege[0].text.toStdString();
    EXPECT_FALSE(e.dokument().istGeaendert());
    EXPECT_EQ(e.pruefliste().item(0)->text(), QStringLiteral("Keine Auffälligkeiten."));

    const Dokument d = zuruecklesen(ziel);
    EXPECT_EQ(d.Header.HD_RandErw, rand);
    EXPECT_EQ(d.Header.HD_AnzFrageNummern, 4); // the topic list shows it with the title
    ASSERT_EQ(d.Objekte.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(d.Objekte[static_cast<size_t>(i)].OB_Cap, namen[i]);
        EXPECT_EQ(d.Objekte[static_cast<size_t>(i)].OB_Typ, ObArt::Beschriftung);
    }

    // The player plays it to the end with every answer right.
    TForm1& spieler = spielerOeffnen(ziel);
    ASSERT_TRUE(spieler.dokument().IstOffen());
    QTest::keyClick(&spieler, Qt::Key_F7);
    ASSERT_TRUE(spieler.QuizLaeuft());
    const int n = quiz().Daten().FragenAnzahl;
    EXPECT_EQ(n, 4);
    for (int i = 0; i < n && spieler.QuizLaeuft(); ++i) {
        if (i == n - 1) ergebnisBeantworten(false);
        richtigBeantworten();
    }
    EXPECT_FALSE(spieler.QuizLaeuft());
    ASSERT_EQ(m_ergebnisse.size(), 1u);
    EXPECT_EQ(m_ergebnisse[0].note, QStringLiteral("1"));
}

TEST_F(EditorFenster, LueckentextGetipptLueckenFolgenDemText) {
    TEditorForm& e = editor();
    e.aktion(QStringLiteral("NeuLueckentext"))->trigger();
    QPlainTextEdit* feld = e.lueckentext().textfeld();
    ASSERT_TRUE(feld->isVisibleTo(&e));
    feld->setFocus();
    tippen(QStringLiteral("Der Regen fällt auf das Land."));
    QTextCursor c = feld->textCursor();
    c.setPosition(6); // inside "Regen"
    feld->setTextCursor(c);
    QTest::keyClick(feld, Qt::Key_L, Qt::ControlModifier); // "Wort als Lücke"
    EXPECT_EQ(e.dokument().dokument().Header.HD_lueckentext,
              QStringLiteral("Der <<Regen>> fällt auf das Land."));
    auto luecke = [&e]() {
        for (const ObjDataTyp& o : e.dokument().dokument().Objekte)
            if (o.OB_Typ == ObArt::Luecke) return o;
        return ObjDataTyp{};
    };
    EXPECT_EQ(luecke().OB_Cap, QStringLiteral("Regen"));
    const double x = luecke().OB_Kx;

    // Typing in front of the gap moves it once the typing pauses.
    c.setPosition(0);
    feld->setTextCursor(c);
    tippen(QStringLiteral("Sieh: "));
    EXPECT_TRUE(QTest::qWaitFor([&] { return luecke().OB_Kx > x; }, 3000));
    Dokumentstand s = e.dokument().stand();
    LueckenLegen(s);
    EXPECT_EQ(s.Objekte[0].OB_Kx, luecke().OB_Kx);

    const QString ziel = m_tmp.filePath(QStringLiteral("regen.tvl"));
    m_editorDialoge.dateien.push_back(ziel);
    e.aktion(QStringLiteral("SpeichernUnter"))->trigger();
    const Dokument d = zuruecklesen(ziel);
    EXPECT_EQ(d.Header.HD_DokTyp, Lueckentext);
    EXPECT_EQ(d.Header.HD_lueckentext, QStringLiteral("Sieh: Der <<Regen>> fällt auf das Land."));
    ASSERT_EQ(d.Objekte.size(), 1u);
    EXPECT_EQ(d.Objekte[0].OB_Cap, QStringLiteral("Regen"));
}

TEST_F(EditorFenster, EinzelfragenInDerTabelleGetippt) {
    TEditorForm& e = editor();
    e.aktion(QStringLiteral("NeuEinzelfragen"))->trigger();
    QTableWidget* tabelle = e.fragenliste().tabelle();
    ASSERT_TRUE(tabelle->isVisibleTo(&e));
    const std::vector<EinzelFrage> fragen{
        {QStringLiteral("Hauptstadt von Frankreich?"), QStringLiteral("Paris")},
        {QStringLiteral("Hauptstadt von Polen?"), QStringLiteral("Warschau")}};
    for (const EinzelFrage& f : fragen) {
        QTest::mouseClick(e.findChild<QPushButton*>(QStringLiteral("FrageHinzufuegen")), Qt::LeftButton);
        tippen(f.Frage);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QApplication::processEvents(); // the table takes an edit over once its editor closes
        QTest::keyClick(tabelle, Qt::Key_Right);
        QTest::keyClick(tabelle, Qt::Key_F2);
        tippen(f.Antwort);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QApplication::processEvents();
    }
    EXPECT_EQ(FragenAusDokument(e.dokument().dokument().Header), fragen);
    const QString ziel = m_tmp.filePath(QStringLiteral("fragen.tvl"));
    m_editorDialoge.dateien.push_back(ziel);
    e.aktion(QStringLiteral("Speichern"))->trigger();
    const Dokument d = zuruecklesen(ziel);
    EXPECT_EQ(d.Header.HD_AnzFrageNummern, 2);
    EXPECT_EQ(d.Header.HD_fragentext,
              QStringLiteral("Hauptstadt von Frankreich? // Paris\r\nHauptstadt von Polen? // Warschau"));
    EXPECT_EQ(d.Objekte.size(), 2u * 3 + 5);
}

TEST_F(EditorFenster, UngespeicherteAenderungenWerdenErfragt) {
    TEditorForm& e = editor();
    e.dokument().aendern(QStringLiteral("Titel"),
                         [](Dokumentstand& s) { s.Kopf.HD_titel = QStringLiteral("Entwurf"); });
    m_editorMeldungen.antworten = {Antwort::Abbrechen};
    EXPECT_FALSE(e.neu(Einzelfragen));
    EXPECT_EQ(e.dokument().dokument().Header.HD_titel, QStringLiteral("Entwurf"));
    ASSERT_EQ(m_editorMeldungen.eintraege.size(), 1u);
    EXPECT_EQ(m_editorMeldungen.eintraege[0].knoepfe, Knoepfe::JaNeinAbbrechen);
    m_editorMeldungen.antworten = {Antwort::Nein};
    EXPECT_TRUE(e.neu(Einzelfragen));
    EXPECT_EQ(e.dokument().dokument().Header.HD_DokTyp, Einzelfragen);
    EXPECT_TRUE(e.dokument().dokument().Header.HD_titel.isEmpty());
}

TEST_F(EditorFenster, KopieNachAbsturzWirdAngeboten) {
    {
        EditorDokument vorher;
        QString fehler;
        ASSERT_TRUE(vorher.oeffnen(Beispiel("planeten"), fehler));
        vorher.aendern(QStringLiteral("Titel"),
                       [](Dokumentstand& s) { s.Kopf.HD_titel = QStringLiteral("Entwurf"); });
        ASSERT_TRUE(Wiederherstellung(m_tmp.filePath(QStringLiteral("sicherung"))).sichern(vorher));
    }
    TEditorForm& e = editor();
    e.wiederherstellungAnbieten();
    ASSERT_EQ(m_editorMeldungen.eintraege.size(), 1u);
    EXPECT_TRUE(m_editorMeldungen.eintraege[0].text.contains(QStringLiteral("\"planeten.tvl\"")));
    EXPECT_EQ(e.dokument().dokument().Header.HD_titel, QStringLiteral("Entwurf"));
    EXPECT_EQ(e.dokument().pfad(), Beispiel("planeten"));
    EXPECT_TRUE(e.dokument().istGeaendert());
    // Closed without saving ("Nein"), the copy is gone and not offered again.
    m_editorMeldungen.antworten = {Antwort::Nein};
    EXPECT_TRUE(e.close());
    EXPECT_FALSE(Wiederherstellung(m_tmp.filePath(QStringLiteral("sicherung"))).vorhanden());
}

TEST_F(EditorFenster, PruefungenZeigenDasObjekt) {
    TEditorForm& e = editor();
    ASSERT_TRUE(e.oeffnen(Beispiel("europa")));
    e.dokument().aendern(QStringLiteral("leer"), [](Dokumentstand& s) { s.Objekte[2].OB_Cap.clear(); });
    const std::vector<Befund> befunde = e.pruefen();
    ASSERT_FALSE(befunde.empty());
    int zeile = -1;
    for (int i = 0; i < e.pruefliste().count(); ++i)
        if (e.pruefliste().item(i)->text() == QStringLiteral("Objekt 3 hat keine Beschriftung.")) zeile = i;
    ASSERT_GE(zeile, 0);
    QListWidgetItem* eintrag = e.pruefliste().item(zeile);
    QTest::mouseClick(e.pruefliste().viewport(), Qt::LeftButton, {},
                      e.pruefliste().visualItemRect(eintrag).center());
    EXPECT_EQ(e.karte().auswahl(), 2);

    // Saving with findings asks first; "Nein" keeps the file untouched.
    const QString ziel = m_tmp.filePath(QStringLiteral("europa.tvl"));
    m_editorDialoge.dateien.push_back(ziel);
    m_editorMeldungen.antworten = {Antwort::Nein};
    EXPECT_FALSE(e.speichernUnter());
    EXPECT_FALSE(QFile::exists(ziel));
    // The test copy leaves the document's own file alone.
    const QString kopie = e.testkopieAnlegen();
    EXPECT_EQ(Bytes(zuruecklesen(kopie)), Bytes(e.dokument()));
}

} // namespace
