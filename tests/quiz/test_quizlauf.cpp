// Whole labelling quizzes played through the core: free assignment, right and wrong drops
// under each option, the feedback steps, counters and the protocol lines.
#include "quiz/quiztexte.h"
#include "quiztest.h"

using Art = QuizSchritt::Art;

namespace {

QStringList Zeilen(const QString& text) {
    QStringList z = text.split(QStringLiteral("\r\n"));
    if (!z.isEmpty() && z.back().isEmpty()) z.pop_back();
    return z;
}

} // namespace

class Labelling : public QuizTest {};

TEST_F(Labelling, StartBautFolgeUndElemente) {
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    const UebDataTyp& d = m_quiz.Daten();
    EXPECT_EQ(d.FragenAnzahl, 4);
    EXPECT_EQ(d.FragenGesamt, 4);
    EXPECT_EQ(d.Offen, 4);
    EXPECT_EQ(d.Endzustand, Aktiv);
    EXPECT_EQ(d.FrageZaehler, 1);
    EXPECT_TRUE(m_quiz.Quizmodus());
    EXPECT_EQ(m_karte.Ansichtsmodus(), Karte::Quizansicht);
    EXPECT_TRUE(m_ui.timer);
    ASSERT_EQ(m_quiz.Elemente().size(), 4u);
    for (int k = 0; k < 4; ++k) {
        const AntwortElement& e = m_quiz.Elemente()[k];
        EXPECT_EQ(e.Beschriftung, m_dok.Objekte[e.Tag].OB_Cap);
        EXPECT_EQ(e.Rechteck.size(), QSize(150, 46));
        EXPECT_EQ(m_dok.Objekte[m_quiz.Fragenfolge()[k].ZielObjekt].Nummer, k + 1);
    }
    EXPECT_EQ(ElementName(3), QStringLiteral("UebElemPan3"));
    EXPECT_EQ(m_quiz.Elemente()[3].Rechteck.topLeft(), QPoint(850, 554));
    EXPECT_EQ(d.AntwortSpalteX, 845);
    EXPECT_EQ(m_karte.Steuerelementgroesse(), QSize(845, 600));
    EXPECT_EQ(Ablauf(), QStringLiteral("00:00 - Quiz wird gestartet\r\n"));
    EXPECT_EQ(m_quiz.Fokus(), 0);
    EXPECT_EQ(m_quiz.Status().Status, QStringLiteral("warte auf Antwort"));
    EXPECT_EQ(m_quiz.Status().Quote, QStringLiteral("0.0 %"));
    EXPECT_EQ(m_quiz.Status().Gesamtleistung, QStringLiteral("0.0 %"));
    EXPECT_EQ(m_quiz.Status().Name, QStringLiteral("-"));
    EXPECT_EQ(m_quiz.Status().GesAnz, QStringLiteral("von  4"));
}

TEST_F(Labelling, RichtigeZuordnungBlendetBeschriftungEin) {
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    m_uhr.vorruecken(7000);
    m_ui.schritte.clear();
    const int k = ElementMit(2);
    ZiehenAuf(k, 2, false);
    EXPECT_EQ(m_quiz.Ziel(), 2);
    EXPECT_EQ(m_karte.Markenobjekt(), 2) << "the position under the element is framed";
    m_quiz.Loslassen(k);
    EXPECT_EQ(m_dok.Objekte[2].Zustand, 0);
    EXPECT_FALSE(m_quiz.Elemente()[k].Vorhanden);
    EXPECT_EQ(m_quiz.Daten().Richtig, 1);
    EXPECT_EQ(m_quiz.Daten().Offen, 3);
    EXPECT_EQ(m_karte.Markenobjekt(), -1);
    EXPECT_EQ(m_quiz.Status().Quote, QStringLiteral("100.0 %"));
    EXPECT_EQ(m_quiz.Status().Gesamtleistung, QStringLiteral("25.0 %"));
    EXPECT_EQ(Zeilen(Ablauf()).back(),
              QStringLiteral(
                  "00:07 - RICHTIG - Beschriftungstext \"Ort 2\" wird der richtigen Position zugeordnet"));
    // The feedback in its order.
    std::vector<Art> arten;
    for (const QuizSchritt& s : m_ui.schritte)
        if (s.art != Art::ElementBewegt && s.art != Art::Zeit && s.art != Art::Fokus) arten.push_back(s.art);
    EXPECT_EQ(arten, (std::vector<Art>{Art::StatusText, Art::ElementFarbe, Art::Ton, Art::Pause,
                                       Art::ElementFarbe, Art::ElementEntfernt, Art::Status}));
    EXPECT_EQ(m_ui.schritte[0].art, Art::ElementBewegt);
    const auto status = std::find_if(m_ui.schritte.begin(), m_ui.schritte.end(),
                                     [](const QuizSchritt& s) { return s.art == Art::StatusText; });
    EXPECT_EQ(status->text, QStringLiteral("Richtig"));
    EXPECT_EQ(status->farbe, QColor(0, 0x80, 0));
    EXPECT_EQ(m_warten.pausen, (std::vector<int>{300}));
    ASSERT_EQ(m_ton.gespielt.size(), 1u);
    EXPECT_TRUE(m_ton.gespielt[0].endsWith(QStringLiteral("/Richtig1.wav")));
    EXPECT_NE(m_quiz.Fokus(), k);
}

TEST_F(Labelling, RichtigMitHaekchen) {
    m_werte.UebOpt.ZuordnungRichtig = 1;
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    TextAuf(1, 1);
    EXPECT_EQ(m_dok.Objekte[1].Zustand, -2);
    EXPECT_EQ(m_quiz.Daten().Offen, 3);
}

TEST_F(Labelling, FalschGleitetZurueckUndBleibtOffen) {
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    const int k = ElementMit(0);
    const QPoint start = m_quiz.Elemente()[k].Rechteck.topLeft();
    m_ui.schritte.clear();
    ZiehenAuf(k, 3);
    EXPECT_EQ(m_dok.Objekte[3].Zustand, -5);
    EXPECT_EQ(m_quiz.Elemente()[k].Rechteck.topLeft(), start);
    EXPECT_TRUE(m_quiz.Elemente()[k].Sichtbar);
    EXPECT_EQ(m_quiz.Elemente()[k].Farbe, Quizfarbe::Normal);
    EXPECT_EQ(m_quiz.Daten().Fehlversuche, 1);
    EXPECT_EQ(m_dok.Objekte[3].FehlversucheZiel, 1);
    EXPECT_EQ(m_dok.Objekte[0].FehlversucheText, 1);
    EXPECT_EQ(m_quiz.Daten().Offen, 4);
    EXPECT_EQ(m_quiz.Status().Quote, QStringLiteral("0.0 %"));
    EXPECT_EQ(Zeilen(Ablauf()).back(),
              QStringLiteral(
                  "00:00 - FALSCH - Beschriftungstext \"Ort 0\" wird der Position von \"Ort 3\" zugeordnet"));
    const auto farbe = std::find_if(m_ui.schritte.begin(), m_ui.schritte.end(),
                                    [](const QuizSchritt& s) { return s.art == Art::ElementFarbe; });
    EXPECT_EQ(farbe->farbe, QColor(0xFF, 0x96, 0x8F));
    // About 2 pixels per millisecond: the glide waits on the clock, one step per millisecond.
    int gleitschritte = 0;
    for (const QuizSchritt& s : m_ui.schritte)
        if (s.art == Art::ElementBewegt) ++gleitschritte;
    const QPoint abwurf = BoxImPanel(3).center() - QPoint(0, 23);
    const double weg = std::hypot(abwurf.x() - start.x(), abwurf.y() - start.y());
    EXPECT_EQ(gleitschritte - 1, qRound(weg * 0.5));
    EXPECT_TRUE(m_ton.gespielt.back().endsWith(QStringLiteral("/Falsch1.wav")));
}

TEST_F(Labelling, FalschMitKreuzSchliesstDiePosition) {
    m_werte.UebOpt.ZuordnungFalsch = 1;
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    TextAuf(0, 3);
    EXPECT_EQ(m_dok.Objekte[3].Zustand, -3);
    EXPECT_EQ(m_quiz.Daten().Offen, 3);
    // The text that belonged to the crossed position finds no target there any more.
    const int k3 = ElementMit(3);
    ZiehenAuf(k3, 3, false);
    EXPECT_EQ(m_quiz.Ziel(), -1);
    m_quiz.Loslassen(k3);
    EXPECT_EQ(m_quiz.Daten().Fehlversuche, 1) << "a drop without a target changes nothing";
    TextAuf(0, 0);
    TextAuf(1, 1);
    EXPECT_EQ(m_ui.ergebnisse.size(), 0u);
    TextAuf(2, 2);
    ASSERT_EQ(m_ui.ergebnisse.size(), 1u);
    EXPECT_EQ(m_quiz.Daten().Endzustand, Fertig);
    EXPECT_EQ(m_ui.ergebnisse[0].Richtig, QStringLiteral("3  von  4"));
    EXPECT_EQ(m_ui.ergebnisse[0].Quote, QStringLiteral("75.0 %"));
    EXPECT_EQ(m_ui.ergebnisse[0].Gesamtleistung, QStringLiteral("75.0 %"));
    EXPECT_EQ(m_ui.ergebnisse[0].Note, QStringLiteral("2"));
    EXPECT_TRUE(m_ui.ergebnisse[0].WiederholenAktiv);
}

TEST_F(Labelling, ViertelGibtNoteFuenf) {
    m_werte.UebOpt.ZuordnungFalsch = 1;
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    TextAuf(0, 1);
    TextAuf(0, 2);
    TextAuf(0, 3);
    TextAuf(0, 0);
    ASSERT_EQ(m_ui.ergebnisse.size(), 1u);
    EXPECT_EQ(m_quiz.Daten().Gesamtleistung, 0.25);
    EXPECT_EQ(m_quiz.Daten().Note, 5);
    EXPECT_EQ(m_ui.ergebnisse[0].Bewertung, QStringLiteral("mangelhaft"));
}

TEST_F(Labelling, LaufOhneFehlerSperrtTeilwiederholung) {
    m_ui.wahlen = {{true, 1}};
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    for (int i = 0; i < 4; ++i)
        TextAuf(i, i);
    ASSERT_EQ(m_ui.ergebnisse.size(), 1u);
    EXPECT_FALSE(m_ui.ergebnisse[0].WiederholenAktiv);
    EXPECT_EQ(m_ui.ergebnisse[0].Note, QStringLiteral("1"));
    EXPECT_EQ(m_ui.ergebnisse[0].Bewertung, QStringLiteral("sehr gut"));
    // The partial repeat chosen anyway repeats the complete quiz.
    EXPECT_TRUE(m_quiz.Laeuft());
    EXPECT_EQ(m_quiz.Daten().FragenAnzahl, 4);
    EXPECT_EQ(m_meldungen.eintraege.size(), 0u);
}

TEST_F(Labelling, ProtokollUndZusammenfassung) {
    m_werte.UebNameEingabe = true;
    m_ui.name = QStringLiteral("Lena");
    m_werte.AutoProtSpeichern = true;
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    EXPECT_EQ(m_ui.nameFragen, 1);
    EXPECT_EQ(m_quiz.Status().Name, QStringLiteral("Lena"));
    const uint32_t start = m_uhr.tick;
    auto jetzt = [&]() -> QString { return UhrText((m_uhr.tick - start) / 1000) + QStringLiteral(" - "); };
    QStringList zeiten;
    m_uhr.vorruecken(3000);
    zeiten << jetzt();
    TextAuf(0, 1);
    for (int i = 0; i < 4; ++i) {
        m_uhr.vorruecken(1000);
        zeiten << jetzt();
        TextAuf(i, i);
    }
    const QString ende = UhrText((m_uhr.tick - start) / 1000);
    ASSERT_EQ(m_ui.protokolle.size(), 1u);
    EXPECT_EQ(m_ui.autoGespeichert, 1);
    ASSERT_EQ(m_ui.bestenliste.size(), 1u);
    EXPECT_EQ(m_ui.bestenliste[0].TeilnehmerName, QStringLiteral("Lena"));
    EXPECT_EQ(m_ui.bestenliste[0].Rechnername, QStringLiteral("SCHULPC-07"));
    EXPECT_EQ(m_ui.bestenliste[0].Gesamtleistung, 0.8);
    EXPECT_EQ(m_ui.bestenliste[0].StartZeit, m_quiz.Daten().StartZeit);
    const QStringList z = Zeilen(Protokolltext());
    EXPECT_EQ(Protokolltext(), m_ui.protokolle[0]);
    EXPECT_EQ(z[0], QStringLiteral("<tit>Quiz-Protokoll"));
    EXPECT_TRUE(z[1].startsWith(QStringLiteral("Datum/Uhrzeit (Beginn):\t")));
    const QStringList erwartet{
        QStringLiteral("Teilnehmername:\tLena"),
        QStringLiteral("Rechnername:\tSCHULPC-07"),
        QStringLiteral("Rechnerbenutzer:\tlehrer"),
        QString(),
        QStringLiteral("<tit>Übungseinstellungen"),
        QStringLiteral("Titel:\tTestquiz"),
        QStringLiteral("Quiz-Umfang:\t4 Fragen (komplettes Quiz)"),
        QStringLiteral("Abfragemodus:\tfreie Zuordnung in beliebiger Reihenfolge"),
        QStringLiteral("Zeitlimit:\tnein"),
        QStringLiteral("Verhalten bei richtiger Zuordnung:\tBeschriftung einblenden"),
        QStringLiteral("Verhalten bei Fehlversuch:\tbeliebig viele Zuordnungsversuche erlaubt"),
        QStringLiteral("Zuordnungstexte:\talphabetisch geordnet"),
        QStringLiteral("Zuordnungsziele (Positionen):\tgeordnet nummeriert"),
        QString(),
        QStringLiteral("<tit>Statistik-Zusammenfassung"),
        QStringLiteral("Richtig zugeordnet:\t4  von  4"),
        QStringLiteral("Fehlversuche:\t1"),
        QStringLiteral("Erfolgsquote:\t80.0 %"),
        QStringLiteral("Offene Positionen:\t0"),
        QStringLiteral("Benötigte Zeit:\t") + ende,
        QStringLiteral("Gesamtleistung:\t80.0 %"),
        QStringLiteral("Bewertung:\tgut"),
        QStringLiteral("Schulnote:\t2"),
        QString(),
        QStringLiteral("<tit>Detaillierter Ablauf"),
        QStringLiteral("00:00 - Quiz wird gestartet"),
        zeiten[0] +
            QStringLiteral("FALSCH - Beschriftungstext \"Ort 0\" wird der Position von \"Ort 1\" zugeordnet"),
        zeiten[1] +
            QStringLiteral("RICHTIG - Beschriftungstext \"Ort 0\" wird der richtigen Position zugeordnet"),
        zeiten[2] +
            QStringLiteral("RICHTIG - Beschriftungstext \"Ort 1\" wird der richtigen Position zugeordnet"),
        zeiten[3] +
            QStringLiteral("RICHTIG - Beschriftungstext \"Ort 2\" wird der richtigen Position zugeordnet"),
        zeiten[4] +
            QStringLiteral("RICHTIG - Beschriftungstext \"Ort 3\" wird der richtigen Position zugeordnet"),
    };
    EXPECT_EQ(z.mid(2).join(u'\n'), erwartet.join(u'\n'));
    EXPECT_EQ(zeiten[4], QStringLiteral("00:08 - ")) << "glides and pauses take their time on the clock";
}

TEST_F(Labelling, FehlendeTondateiMeldetUndMachtWeiter) {
    m_quiz.SetzeSoundordner(QDir(m_soundordner.path()).filePath(QStringLiteral("fehlt")));
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    TextAuf(0, 0);
    ASSERT_EQ(m_meldungen.eintraege.size(), 1u);
    EXPECT_EQ(m_meldungen.eintraege[0].art, MeldungsArt::Fehler);
    EXPECT_EQ(m_meldungen.eintraege[0].text, QStringLiteral("Sounddatei \"Richtig1.wav\" nicht gefunden."));
    EXPECT_EQ(m_quiz.Daten().Richtig, 1);
}

TEST_F(Labelling, OhneTonKeineMeldungAberPausen) {
    m_werte.Sound = false;
    m_quiz.SetzeSoundordner(QStringLiteral("/gibt/es/nicht"));
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    TextAuf(0, 0);
    EXPECT_TRUE(m_meldungen.eintraege.empty());
    EXPECT_TRUE(m_ton.gespielt.empty());
    EXPECT_GE(m_ton.gestoppt, 1);
    EXPECT_EQ(m_warten.pausen, (std::vector<int>{300}));
}

TEST_F(Labelling, AbwurfOhneZielBleibtLiegen) {
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    const int k = 0;
    const QPoint griff = m_quiz.Elemente()[k].Rechteck.center();
    m_quiz.Aufnehmen(k, griff);
    m_quiz.Ziehen(k, QPoint(400, 580)); // empty map area at the bottom
    const QPoint liegt = m_quiz.Elemente()[k].Rechteck.topLeft();
    m_quiz.Loslassen(k);
    EXPECT_EQ(m_quiz.Elemente()[k].Rechteck.topLeft(), liegt);
    EXPECT_EQ(m_quiz.Daten().Richtig + m_quiz.Daten().Fehlversuche, 0);
}

TEST_F(Labelling, ZiehenBleibtImPanel) {
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    const QPoint griff = m_quiz.Elemente()[0].Rechteck.center();
    const QPoint versatz = griff - m_quiz.Elemente()[0].Rechteck.topLeft();
    m_quiz.Aufnehmen(0, griff);
    m_quiz.Ziehen(0, griff + QPoint(5000, 5000));
    EXPECT_EQ(m_quiz.Elemente()[0].Rechteck.bottomRight(), QPoint(999, 599));
    // The grab point moved with the correction: the element sticks to the edge until the
    // pointer is back at its grab offset, then follows it again.
    m_quiz.Ziehen(0, griff + QPoint(4900, 5000));
    EXPECT_EQ(m_quiz.Elemente()[0].Rechteck.right(), 999);
    m_quiz.Ziehen(0, QPoint(750, 554) + versatz);
    EXPECT_EQ(m_quiz.Elemente()[0].Rechteck.right(), 899);
    EXPECT_EQ(m_quiz.Elemente()[0].Rechteck.bottom(), 599);
}
