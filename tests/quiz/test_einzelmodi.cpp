// Single text, single position, cloze and single-question quizzes; start refusals and cancelling.
#include "quiz/quiztexte.h"
#include "quiz/rueckmeldeton.h"
#include "quiztest.h"

using Art = QuizSchritt::Art;

namespace {

std::vector<int> Sichtbare(const Quiz& quiz) {
    std::vector<int> s;
    for (const AntwortElement& e : quiz.Elemente())
        if (e.Vorhanden && e.Sichtbar) s.push_back(e.Nummer);
    return s;
}

QString LetzteZeile(const Quiz& quiz) {
    QStringList z = AblaufText(quiz.Lauf()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    return z.isEmpty() ? QString() : z.back();
}

} // namespace

class Einzeltext : public QuizTest {
protected:
    void SetUp() override { m_werte.UebOpt.AbfrageModus = 1; }
};

TEST_F(Einzeltext, EinTextMittigUndFalscherWirdSpaeterWiederholt) {
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    ASSERT_EQ(Sichtbare(m_quiz), (std::vector<int>{0}));
    EXPECT_EQ(m_quiz.Elemente()[0].Rechteck.topLeft(), QPoint(850, (600 - 46) / 2));
    EXPECT_EQ(
        LetzteZeile(m_quiz),
        QStringLiteral("00:00 - Beschriftungstext \"Ort 0\" soll der richtigen Position zugeordnet werden"));
    TextAuf(0, 1);
    EXPECT_EQ(LetzteZeile(m_quiz).mid(8),
              QStringLiteral("Beschriftungstext \"Ort 1\" soll der richtigen Position zugeordnet werden"));
    EXPECT_FALSE(m_quiz.Elemente()[0].Sichtbar) << "the failed text is hidden";
    EXPECT_EQ(m_warten.pausen, (std::vector<int>{100}));
    EXPECT_EQ(m_quiz.Daten().FrageZaehler, 2);
    TextAuf(1, 1);
    TextAuf(2, 2);
    TextAuf(3, 3);
    // Only now the failed text comes again.
    EXPECT_EQ(Sichtbare(m_quiz), (std::vector<int>{0}));
    EXPECT_TRUE(
        Ablauf().contains(QStringLiteral("RICHTIG - Beschriftungstext \"Ort 1\" wird richtig zugeordnet")));
    TextAuf(0, 0);
    EXPECT_EQ(m_ui.ergebnisse.size(), 1u);
    EXPECT_EQ(m_quiz.Daten().FrageZaehler, 5);
}

TEST_F(Einzeltext, GleicheBeschriftungenBleibenSpielbar) {
    m_dok.Objekte[1].OB_Cap = QStringLiteral("Ort 0");
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    // Text of object 0 onto position 1, whose caption is the same: right.
    TextAuf(0, 1);
    EXPECT_EQ(m_dok.Objekte[1].Zustand, 0);
    EXPECT_EQ(m_quiz.Daten().Richtig, 1);
    // Position 0 is still open: the element that carries the text "Ort 0" is offered for it.
    bool ort0Angeboten = false;
    for (int runde = 0; runde < 3 && !Sichtbare(m_quiz).empty(); ++runde) {
        const AntwortElement& e = m_quiz.Elemente()[Sichtbare(m_quiz)[0]];
        if (e.Beschriftung == QStringLiteral("Ort 0")) ort0Angeboten = true;
        TextAuf(e.Tag, e.Tag);
    }
    EXPECT_TRUE(ort0Angeboten);
    EXPECT_EQ(m_ui.ergebnisse.size(), 1u);
    EXPECT_EQ(m_quiz.Daten().Richtig, 4);
    EXPECT_EQ(m_quiz.Daten().Fehlversuche, 0);
}

class Einzelposition : public QuizTest {
protected:
    void SetUp() override { m_werte.UebOpt.AbfrageModus = 2; }
};

TEST_F(Einzelposition, NurDieMarkiertePositionNimmtAn) {
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    EXPECT_EQ(Sichtbare(m_quiz).size(), 4u);
    EXPECT_EQ(LetzteZeile(m_quiz),
              QStringLiteral(
                  "00:00 - Der Position \"Ort 0\" soll der richtige Beschriftungstext zugeordnet werden"));
    // The right text for another position finds no target.
    ZiehenAuf(ElementMit(1), 1, false);
    EXPECT_EQ(m_quiz.Ziel(), -1);
    m_quiz.Loslassen(ElementMit(1));
    TextAuf(1, 0);
    EXPECT_EQ(LetzteZeile(m_quiz).mid(8),
              QStringLiteral("Der Position \"Ort 1\" soll der richtige Beschriftungstext zugeordnet werden"));
    EXPECT_TRUE(Ablauf().contains(QStringLiteral(
        "FALSCH - Der Position von \"Ort 0\" wird der Beschriftungstext \"Ort 1\" zugeordnet")));
    TextAuf(1, 1);
    EXPECT_TRUE(Ablauf().contains(QStringLiteral(
        "RICHTIG - Der Position von \"Ort 1\" wird der richtige Beschriftungstext zugeordnet")));
    EXPECT_EQ(m_quiz.Daten().Offen, 3);
}

class Lueckentext4 : public QuizTest {
protected:
    Lueckentext4() : QuizTest(Beschriftungsdokument(4, Lueckentext)) {}
};

TEST_F(Lueckentext4, ZeilenSprechenVonLuecken) {
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    TextAuf(0, 1);
    EXPECT_EQ(LetzteZeile(m_quiz).mid(8),
              QStringLiteral("FALSCH - Lückentext \"Ort 0\" wird der Lücke von \"Ort 1\" zugeordnet"));
    TextAuf(0, 0);
    EXPECT_EQ(LetzteZeile(m_quiz).mid(8),
              QStringLiteral("RICHTIG - Lückentext \"Ort 0\" wird der richtigen Lücke zugeordnet"));
    EXPECT_EQ(m_dok.Objekte[0].Zustand, 0);
}

class Einzelfragen4 : public QuizTest {
protected:
    Einzelfragen4() : QuizTest(Fragendokument(4)) {}
    int Loesung() const { return m_quiz.Loesungselement(); }
    void Klick(int k) {
        m_quiz.Aufnehmen(k, m_quiz.Elemente()[k].Rechteck.center());
        m_quiz.Loslassen(k);
    }
    int Falsche() const {
        for (int k : Sichtbare(m_quiz))
            if (k != Loesung()) return k;
        return -1;
    }
};

TEST_F(Einzelfragen4, FrageMitAntwortenInSlots) {
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    EXPECT_EQ(m_quiz.FrageZaehlerText(), QStringLiteral("1. Frage"));
    EXPECT_EQ(m_dok.AktuelleFrage, 1);
    EXPECT_EQ(Loesung(), 0);
    EXPECT_EQ(Sichtbare(m_quiz), (std::vector<int>{0, 1, 2, 3}));
    QPoint p0 = m_karte.AnteilZuPunkt(QPointF(0.1, 0.58)) + QPoint(4, 0);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(m_quiz.Elemente()[k].Slot, k + 1);
        EXPECT_EQ(m_quiz.Elemente()[k].Rechteck.topLeft(), p0 + QPoint((k % 3) * 170, (k / 3) * 66));
    }
    const QStringList z = Ablauf().split(QStringLiteral("\r\n"));
    EXPECT_EQ(z[1], QStringLiteral("00:00 - 1. Frage"));
    EXPECT_EQ(z[2], QStringLiteral("Frage 1?"));
    EXPECT_EQ(z[3],
              QStringLiteral("Antwortmöglichkeiten: \"Antwort 1\" (Lösung), \"Antwort 2\", \"Antwort 3\", "
                             "\"Antwort 4\""));
    EXPECT_EQ(m_quiz.Elemente()[0].Rechteck.size(), QSize(150, 46));
    EXPECT_EQ(m_quiz.Daten().AntwortSpalteX, 1000 - 155);
}

TEST_F(Einzelfragen4, RichtigSchliesstDieFrageUndStelltDieNaechste) {
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    m_warten.pausen.clear();
    EXPECT_TRUE(m_quiz.AntwortTaste(m_quiz.Elemente()[Loesung()].Slot));
    EXPECT_EQ(m_dok.Objekte[1].Zustand, 0);
    EXPECT_EQ(m_warten.pausen, (std::vector<int>{300, 700}));
    EXPECT_TRUE(Ablauf().contains(QStringLiteral("RICHTIG - Gewählte Antwort: \"Antwort 1\"")));
    EXPECT_EQ(m_quiz.FrageZaehlerText(), QStringLiteral("2. Frage"));
    EXPECT_EQ(m_dok.AktuelleFrage, 2);
    EXPECT_EQ(Loesung(), 1);
    EXPECT_FALSE(m_quiz.AntwortTaste(7));
}

TEST_F(Einzelfragen4, FalschBlinktUndFragtSpaeterWieder) {
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    const int loesung = Loesung();
    m_warten.pausen.clear();
    m_ui.schritte.clear();
    Klick(Falsche());
    EXPECT_EQ(m_warten.pausen, (std::vector<int>{150, 150, 150, 150, 150, 150, 800}));
    int blinken = 0;
    for (const QuizSchritt& s : m_ui.schritte)
        if (s.art == Art::ElementFarbe && s.element == loesung && s.farbe == Quizfarbe::Richtig) ++blinken;
    EXPECT_EQ(blinken, 3);
    EXPECT_EQ(m_dok.Objekte[1].Zustand, -5);
    EXPECT_EQ(m_dok.Objekte[1].FehlversucheZiel, 1);
    EXPECT_TRUE(Ablauf().contains(QStringLiteral("FALSCH - Gewählte Antwort: ")));
    // Questions 2, 3 and 4, then question 1 again.
    for (int i = 0; i < 3; ++i)
        Klick(Loesung());
    EXPECT_EQ(m_quiz.FrageZaehlerText(), QStringLiteral("5. Frage (wiederholte Frage)"));
    EXPECT_EQ(Loesung(), loesung);
    Klick(Loesung());
    ASSERT_EQ(m_ui.ergebnisse.size(), 1u);
    EXPECT_TRUE(Protokolltext().contains(
        QStringLiteral("Abfragemodus:\tsolange wiederholen, bis jede Frage richtig beantwortet wurde\r\n")));
    EXPECT_TRUE(Protokolltext().contains(QStringLiteral("Reihenfolge der Fragen:\tgeordnet\r\n")));
}

TEST_F(Einzelfragen4, JedeFrageNurEinmal) {
    m_werte.UebOptFragen.ZuordnungFalsch = 1;
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    Klick(Falsche());
    EXPECT_EQ(m_dok.Objekte[1].Zustand, -6);
    EXPECT_EQ(m_quiz.Daten().Offen, 3);
    for (int i = 0; i < 3; ++i)
        Klick(Loesung());
    ASSERT_EQ(m_ui.ergebnisse.size(), 1u);
    EXPECT_EQ(m_ui.ergebnisse[0].Gesamtleistung, QStringLiteral("75.0 %"));
}

TEST_F(Einzelfragen4, ZufaelligeSlotsSindEinePermutation) {
    m_werte.UebOptFragen.Zuordnungstexte = 1;
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    std::vector<int> plaetze;
    for (int k : Sichtbare(m_quiz))
        plaetze.push_back(m_quiz.Elemente()[k].Slot);
    std::sort(plaetze.begin(), plaetze.end());
    EXPECT_EQ(plaetze, (std::vector<int>{1, 2, 3, 4}));
}

class Einzelfrage1 : public QuizTest {
protected:
    Einzelfrage1() : QuizTest(Fragendokument(1)) {}
};

TEST_F(Einzelfrage1, NurDieRichtigeAntwort) {
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    EXPECT_EQ(Sichtbare(m_quiz), (std::vector<int>{0}));
}

class Start : public QuizTest {};

TEST_F(Start, OhneQuizelementeVerweigert) {
    m_dok.Objekte.clear();
    m_dok.Objekte.push_back(QuizObjekt(QStringLiteral("Info"), 0.5, 0.5, 2));
    EXPECT_FALSE(m_quiz.Starten(true, 0));
    ASSERT_EQ(m_meldungen.eintraege.size(), 1u);
    EXPECT_EQ(m_meldungen.eintraege[0].text,
              QStringLiteral("Bitte zuerst über das Menü \"Quizauswahl\" das gewünschte Quiz auswählen."));
    EXPECT_FALSE(m_quiz.Quizmodus());
    EXPECT_TRUE(m_ui.modi.empty());
}

TEST_F(Start, AndererDokumenttypVerweigertUndOeffnetKeineOptionen) {
    m_dok.Header.HD_DokTyp = 5;
    EXPECT_FALSE(m_quiz.Starten(true, 0));
    m_quiz.OptionenOeffnen();
    EXPECT_TRUE(m_ui.optionenFenster.empty());
}

TEST_F(Start, OptionenWaehrendDesQuizVerweigert) {
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    m_quiz.OptionenOeffnen();
    EXPECT_TRUE(m_ui.optionenFenster.empty());
    EXPECT_EQ(m_meldungen.eintraege.back().text,
              QStringLiteral("Die Übungsoptionen können nicht während der Übung geändert werden."));
}

TEST_F(Start, OptionenMitUebungStartenStartet) {
    m_ui.optionenStarten = true;
    m_quiz.OptionenOeffnen();
    EXPECT_EQ(m_ui.optionenFenster, (std::vector<int>{0}));
    EXPECT_TRUE(m_quiz.Laeuft());
}

TEST_F(Start, NeinLaesstDasLaufendeQuiz) {
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    TextAuf(0, 0);
    m_meldungen.antworten = {Antwort::Nein};
    EXPECT_FALSE(m_quiz.Starten(true, 0));
    EXPECT_EQ(m_meldungen.eintraege.back().text,
              QStringLiteral("Das aktuelle Quiz ist noch nicht beendet.\r\nQuiz wirklich abbrechen?"));
    EXPECT_EQ(m_meldungen.eintraege.back().knoepfe, Knoepfe::JaNein);
    EXPECT_EQ(m_quiz.Daten().Richtig, 1);
    m_meldungen.antworten = {Antwort::Nein};
    EXPECT_FALSE(m_quiz.Abbrechen());
    EXPECT_TRUE(m_quiz.Laeuft());
}

TEST_F(Start, AbbrechenZeigtAlleBeschriftungen) {
    m_werte.UebOpt.ZuordnungRichtig = 1;
    m_werte.UebOpt.Zuordnungsziele = 1;
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    TextAuf(0, 0);
    EXPECT_EQ(m_dok.Objekte[0].Zustand, -2);
    EXPECT_TRUE(m_quiz.Abbrechen());
    for (const ObjDataTyp& o : m_dok.Objekte) {
        EXPECT_EQ(o.Zustand, 0);
    }
    EXPECT_TRUE(m_quiz.Elemente().empty());
    EXPECT_FALSE(m_quiz.Quizmodus());
    EXPECT_FALSE(m_ui.timer);
    EXPECT_TRUE(m_ui.protokolle.empty());
    EXPECT_EQ(m_karte.Ansichtsmodus(), Karte::Lernansicht);
    // Document order numbering again.
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(m_dok.Objekte[i].Nummer, i + 1);
}

TEST_F(Start, FragezeichenGebenNummerNull) {
    m_werte.UebOpt.Zuordnungsziele = 2;
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    for (const auto& e : m_quiz.Fragenfolge())
        EXPECT_EQ(m_dok.Objekte[e.ZielObjekt].Nummer, 0);
}

TEST_F(Start, HintergrundMitBalkenUndAnweisung) {
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    const QImage bild = m_quiz.Hintergrundbild();
    ASSERT_EQ(bild.size(), QSize(1000, 600));
    const int x = m_quiz.Daten().AntwortSpalteX;
    EXPECT_EQ(bild.pixelColor(x + 1, 300), QColor(0xE1, 0xE1, 0xD9));
    EXPECT_EQ(bild.pixelColor(x + 3, 300), QColor(Qt::white));
    int dunkel = 0;
    for (int y = 1; y < 60; ++y)
        for (int xx = x + 5; xx < 1000; ++xx)
            if (bild.pixelColor(xx, y).lightness() < 100) ++dunkel;
    EXPECT_GT(dunkel, 50) << "the instruction is written beside the column";
}

TEST_F(Start, GroessenaenderungLegtDieSpalteOhneLuecke) {
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    TextAuf(m_quiz.Elemente()[3].Tag, m_quiz.Elemente()[3].Tag); // the bottom element goes
    m_quiz.PanelGroesseGeaendert(QSize(800, 500));
    EXPECT_EQ(m_quiz.Elemente()[2].Rechteck.topLeft(), QPoint(650, 454));
    EXPECT_EQ(m_quiz.Elemente()[0].Rechteck.topLeft(), QPoint(650, 358));
    EXPECT_EQ(m_quiz.Daten().AntwortSpalteX, 645);
    EXPECT_EQ(m_karte.Steuerelementgroesse(), QSize(645, 500));
    EXPECT_EQ(m_quiz.Hintergrundbild().size(), QSize(800, 500));
}

TEST_F(Einzelfragen4, GroessenaenderungBehaeltDieSlots) {
    ASSERT_TRUE(m_quiz.Starten(true, 0));
    m_quiz.PanelGroesseGeaendert(QSize(800, 500));
    const QPoint p0 = m_karte.AnteilZuPunkt(QPointF(0.1, 0.58)) + QPoint(4, 0);
    for (int k : Sichtbare(m_quiz)) {
        const int slot = m_quiz.Elemente()[k].Slot;
        EXPECT_EQ(m_quiz.Elemente()[k].Rechteck.topLeft(),
                  p0 + QPoint(((slot - 1) % 3) * 170, ((slot - 1) / 3) * 66));
    }
}

TEST(Rueckmeldeton, NameMitOrdnerUndEndung) {
    QTemporaryDir ordner;
    QFile f(QDir(ordner.path()).filePath(QStringLiteral("Klang.wav")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    FakeTon ton;
    FakeMeldungen meldungen;
    EXPECT_TRUE(RueckmeldetonSpielen(QDir(ordner.path()).filePath(QStringLiteral("Klang.mp3")), true,
                                     QString(), ton, meldungen));
    ASSERT_EQ(ton.gespielt.size(), 1u);
    EXPECT_EQ(ton.gespielt[0], f.fileName());
    EXPECT_TRUE(RueckmeldetonSpielen(QStringLiteral("Klang"), true, ordner.path(), ton, meldungen));
    EXPECT_FALSE(RueckmeldetonSpielen(QStringLiteral("Klang"), true, QString(), ton, meldungen));
    EXPECT_FALSE(RueckmeldetonSpielen(QStringLiteral("/gibt/es/nicht/Klang.wav"), true, ordner.path(), ton,
                                      meldungen));
    ASSERT_EQ(meldungen.eintraege.size(), 2u);
    EXPECT_EQ(meldungen.eintraege[1].text,
              QStringLiteral("Sounddatei \"/gibt/es/nicht/Klang.wav\" nicht gefunden."));
}
