// Learning-view clicks: covers toggle in place, question buttons step the question.
#include "data/av_data.h"
#include "kartentest.h"
#include "mapview/kartenfarben.h"

namespace {

class KlickTest : public ::testing::Test {
protected:
    KlickTest() : m_dok(TestDokument()), m_karte(m_dok) {
        m_karte.SetzeSteuerelementgroesse(QSize(870, 600));
    }
    int Hinzu(const ObjDataTyp& o) {
        m_dok.Objekte.push_back(o);
        return static_cast<int>(m_dok.Objekte.size()) - 1;
    }
    QPoint InBox(int i) const {
        const auto& b = m_dok.Objekte[i].Box;
        return m_karte.AnteilZuPunkt(QPointF((b[0] + b[2]) / 2, (b[1] + b[3]) / 2));
    }

    Dokument m_dok;
    Karte m_karte;
    Zufall m_zufall{12345};
};

TEST_F(KlickTest, AbdeckungAufUndWiederZuMitAlterNummer) {
    const int i = Hinzu(Beschriftung(QStringLiteral("Bodensee"), 0.3, 0.5, 0.4, 0.5));
    m_dok.Objekte[i].Nummer = 4;
    m_karte.AnsichtAufbauen();
    const QPoint p = InBox(i);
    KlickErgebnis e = m_karte.Klick(p, m_zufall);
    EXPECT_EQ(e.art, KlickErgebnis::Art::Umgeschaltet);
    EXPECT_EQ(m_dok.Objekte[i].Zustand, 0);
    EXPECT_EQ(ZaehleFarbe(m_karte.Kartenbild(), BoxPixel(m_karte, m_dok.Objekte[i]),
                          Kartenfarbe::AbdeckungFuellung),
              0);
    m_karte.Klick(p, m_zufall);
    EXPECT_EQ(m_dok.Objekte[i].Zustand, -1);
    EXPECT_EQ(m_dok.Objekte[i].Nummer, 4);
    EXPECT_GT(ZaehleFarbe(m_karte.Ansichtsbild(), BoxPixel(m_karte, m_dok.Objekte[i]), QColor(255, 0, 0), 60),
              0);
}

TEST_F(KlickTest, QuizmarkeWirdBeimErstenKlickAbgedeckt) {
    const int i = Hinzu(Beschriftung(QStringLiteral("Bodensee"), 0.3, 0.5, 0.4, 0.5));
    m_dok.Objekte[i].Zustand = -2;
    m_karte.AnsichtAufbauen();
    m_karte.Klick(InBox(i), m_zufall);
    EXPECT_EQ(m_dok.Objekte[i].Zustand, -1);
}

TEST_F(KlickTest, InfoLinkDokumentGehenAnsFenster) {
    const int info = Hinzu(Beschriftung(QStringLiteral("<b>Info</b>"), 0.2, 0.2, 0.2, 0.2, 2));
    const int link = Hinzu(Beschriftung(QStringLiteral("https://example.org"), 0.5, 0.2, 0.5, 0.2, 4));
    const int dok = Hinzu(Beschriftung(QStringLiteral("planeten.tvl"), 0.8, 0.2, 0.8, 0.2, 5));
    m_karte.AnsichtAufbauen();
    EXPECT_EQ(m_karte.Klick(InBox(info), m_zufall).art, KlickErgebnis::Art::Info);
    EXPECT_EQ(m_karte.Klick(InBox(link), m_zufall).objekt, link);
    EXPECT_EQ(m_karte.Klick(InBox(dok), m_zufall).art, KlickErgebnis::Art::Dokument);
    EXPECT_EQ(m_karte.Klick(QPoint(5, 590), m_zufall).art, KlickErgebnis::Art::Nichts);
    m_karte.SetzeAnsichtsmodus(Karte::Quizansicht);
    EXPECT_EQ(m_karte.Klick(InBox(info), m_zufall).art, KlickErgebnis::Art::Nichts);
}

TEST_F(KlickTest, FragenknoepfeBleibenImBereich) {
    m_dok.Header.HD_DokTyp = Einzelfragen;
    m_dok.Header.HD_AnzFrageNummern = 3;
    m_karte.AnsichtAufbauen();
    EXPECT_EQ(m_dok.AktuelleFrage, 1);
    EXPECT_TRUE(m_karte.FrageSchalten(12, m_zufall));
    EXPECT_EQ(m_dok.AktuelleFrage, 1);
    m_karte.FrageSchalten(15, m_zufall);
    EXPECT_EQ(m_dok.AktuelleFrage, 3);
    m_karte.FrageSchalten(13, m_zufall);
    EXPECT_EQ(m_dok.AktuelleFrage, 3);
    m_karte.FrageSchalten(14, m_zufall);
    EXPECT_EQ(m_dok.AktuelleFrage, 1);
    for (int i = 0; i < 20; ++i) {
        const int vorher = m_dok.AktuelleFrage;
        m_karte.FrageSchalten(16, m_zufall);
        EXPECT_NE(m_dok.AktuelleFrage, vorher);
        EXPECT_GE(m_dok.AktuelleFrage, 1);
        EXPECT_LE(m_dok.AktuelleFrage, 3);
    }
}

TEST_F(KlickTest, ZufallsfrageMitZweiFragenWechseltAb) {
    m_dok.Header.HD_AnzFrageNummern = 2;
    m_karte.AnsichtAufbauen();
    for (int i = 0; i < 6; ++i) {
        m_karte.FrageSchalten(16, m_zufall);
        EXPECT_EQ(m_dok.AktuelleFrage, i % 2 == 0 ? 2 : 1);
    }
}

TEST_F(KlickTest, OhneFragenTunKnoepfeNichts) {
    const int knopf = Hinzu(Beschriftung(QString(), 0.5, 0.5, 0.5, 0.5, 13));
    m_karte.AnsichtAufbauen();
    EXPECT_EQ(m_dok.AktuelleFrage, -1);
    EXPECT_EQ(m_karte.Klick(InBox(knopf), m_zufall).art, KlickErgebnis::Art::Nichts);
    EXPECT_EQ(m_dok.AktuelleFrage, -1);
}

TEST_F(KlickTest, FrageWechselZeigtDieAntwortenDerNeuenFrage) {
    m_dok.Header.HD_DokTyp = Einzelfragen;
    m_dok.Header.HD_AnzFrageNummern = 2;
    ObjDataTyp a = Beschriftung(QStringLiteral("Berlin"), 0.1, 0.58, 0.1, 0.58, 10);
    a.OB_FrageNummer = 1;
    const int eins = Hinzu(a);
    a.OB_FrageNummer = 2;
    a.OB_Kx = a.OB_Sx = 0.5;
    const int zwei = Hinzu(a);
    const int weiter = Hinzu(Beschriftung(QString(), 0.9, 0.9, 0.9, 0.9, 13));
    m_karte.AnsichtAufbauen();
    EXPECT_NE(m_dok.Objekte[eins].Box[0], -1);
    const QPoint p = InBox(weiter);
    EXPECT_EQ(m_karte.Klick(p, m_zufall).art, KlickErgebnis::Art::Frage);
    EXPECT_EQ(m_dok.AktuelleFrage, 2);
    const QRect b2 = BoxPixel(m_karte, m_dok.Objekte[zwei]);
    EXPECT_GT(ZaehleFarbe(m_karte.Kartenbild(), b2, Kartenfarbe::AbdeckungFuellung), 20);
    EXPECT_EQ(m_karte.ObjektAnPunkt(InBox(eins)), -1);
}

} // namespace
