// Pointer geometry: conversions between control, view and map, hit test, marker frame.
#include "kartentest.h"
#include "mapview/kartenhilfen.h"

namespace {

class GeometrieTest : public ::testing::Test {
protected:
    // 600 x 600 map in a 870 x 600 control: the view is centred 135 pixels in.
    GeometrieTest() : m_dok(TestDokument(QSize(600, 600))), m_karte(m_dok) {
        m_karte.SetzeSteuerelementgroesse(QSize(870, 600));
    }
    int Hinzu(const ObjDataTyp& o) {
        m_dok.Objekte.push_back(o);
        return static_cast<int>(m_dok.Objekte.size()) - 1;
    }
    // A control point inside the object's box, a few pixels in from its top-left corner.
    QPoint InBox(int i) const {
        const auto& b = m_dok.Objekte[i].Box;
        return m_karte.AnteilZuPunkt(QPointF(b[0], b[1])) + QPoint(2, 2);
    }

    Dokument m_dok;
    Karte m_karte;
};

TEST_F(GeometrieTest, UmrechnungenMitZentrierterAnsicht) {
    m_karte.AnsichtAufbauen();
    EXPECT_EQ(m_karte.Ansichtsversatz(), QPoint(135, 0));
    EXPECT_EQ(m_karte.AnteilZuPunkt(QPointF(0.5, 0.5)), QPoint(435, 300));
    const QPointF f = m_karte.PunktZuAnteil(QPoint(435, 150));
    EXPECT_DOUBLE_EQ(f.x(), 0.5);
    EXPECT_DOUBLE_EQ(f.y(), 0.25);
    // Outside the view the fractions are limited; the view-point conversion is not.
    EXPECT_EQ(m_karte.PunktZuAnteil(QPoint(10, 700)), QPointF(0, 1));
    const QPointF roh = m_karte.AnsichtspunktZuAnteil(QPointF(-60, 900));
    EXPECT_DOUBLE_EQ(roh.x(), -0.1);
    EXPECT_DOUBLE_EQ(roh.y(), 1.5);
}

TEST_F(GeometrieTest, UmrechnungBeiZoomUndVerschiebung) {
    m_karte.ZoomSetzen(4);
    m_karte.AusschnittVerschieben(-1, -1);
    m_karte.AusschnittZeigen();
    // 1200 x 1200 map, view 870 x 600 at the top-left corner.
    EXPECT_EQ(m_karte.Ansichtsbild().size(), QSize(870, 600));
    EXPECT_EQ(m_karte.Ansichtsversatz(), QPoint(0, 0));
    for (QPoint p : {QPoint(0, 0), QPoint(123, 456), QPoint(869, 599)}) {
        const QPointF f = m_karte.PunktZuAnteil(p);
        EXPECT_EQ(m_karte.AnteilZuPunkt(f), p);
        EXPECT_NEAR(f.x() * 1200, p.x(), 1e-9);
    }
}

TEST_F(GeometrieTest, UeberlappendeKaestenTrifftDasFruehereObjekt) {
    const int erst = Hinzu(Beschriftung(QStringLiteral("Erstes Objekt"), 0.5, 0.5, 0.5, 0.5));
    const int zweit = Hinzu(Beschriftung(QStringLiteral("Zweites Objekt"), 0.52, 0.5, 0.52, 0.5));
    m_karte.AnsichtAufbauen();
    const QPoint gemeinsam = InBox(zweit);
    ASSERT_TRUE(m_karte.PunktZuAnteil(gemeinsam).x() < m_dok.Objekte[erst].Box[2]);
    EXPECT_EQ(m_karte.ObjektAnPunkt(gemeinsam), erst);
    // Beyond the first box only the second one is hit.
    const auto& b2 = m_dok.Objekte[zweit].Box;
    EXPECT_EQ(m_karte.ObjektAnPunkt(m_karte.AnteilZuPunkt(QPointF(b2[2], b2[3])) - QPoint(2, 2)), zweit);
    EXPECT_EQ(m_karte.ObjektAnPunkt(QPoint(140, 5)), -1);
}

TEST_F(GeometrieTest, RechteUndUntereKanteGehoerenNichtZumKasten) {
    const int i = Hinzu(Beschriftung(QStringLiteral("Ort"), 0.5, 0.5, 0.5, 0.5));
    m_karte.AnsichtAufbauen();
    auto& o = m_dok.Objekte[i];
    o.Box = {0.25, 0.25, 0.5, 0.5};
    EXPECT_EQ(m_karte.ObjektAnPunkt(m_karte.AnteilZuPunkt(QPointF(0.25, 0.25))), i);
    EXPECT_EQ(m_karte.ObjektAnPunkt(m_karte.AnteilZuPunkt(QPointF(0.5, 0.4))), -1);
    EXPECT_EQ(m_karte.ObjektAnPunkt(m_karte.AnteilZuPunkt(QPointF(0.4, 0.5))), -1);
}

TEST_F(GeometrieTest, NurKlickbareArtenUndGezeichneteObjekte) {
    const int fest = Hinzu(Beschriftung(QStringLiteral("Fester Text"), 0.3, 0.3, 0.3, 0.3, 1));
    ObjDataTyp antwort = Beschriftung(QStringLiteral("Antwort"), 0.6, 0.6, 0.6, 0.6, 10);
    antwort.OB_FrageNummer = 2;
    const int andereFrage = Hinzu(antwort);
    m_dok.Header.HD_AnzFrageNummern = 2;
    m_karte.AnsichtAufbauen();
    m_dok.Objekte[andereFrage].Box = {0.55, 0.55, 0.7, 0.7}; // as if drawn
    EXPECT_EQ(m_karte.ObjektAnPunkt(InBox(fest)), -1);
    EXPECT_EQ(m_karte.ObjektAnPunkt(InBox(andereFrage)), -1);
    m_dok.AktuelleFrage = 2;
    EXPECT_EQ(m_karte.ObjektAnPunkt(InBox(andereFrage)), andereFrage);

    const int nie = Hinzu(Beschriftung(QStringLiteral("Nie gezeichnet"), 0.1, 0.1, 0.1, 0.1));
    EXPECT_EQ(m_dok.Objekte[nie].Box[0], -1);
    EXPECT_EQ(m_karte.ObjektAnPunkt(m_karte.AnteilZuPunkt(QPointF(0.1, 0.1))), -1);
}

TEST_F(GeometrieTest, UnsichtbareEbeneWirdNichtGetroffen) {
    ObjDataTyp info = Beschriftung(QStringLiteral("Text"), 0.4, 0.4, 0.4, 0.4, 2);
    info.OB_Ebene = 2;
    const int i = Hinzu(info);
    m_karte.AnsichtAufbauen();
    const QPoint p = InBox(i);
    EXPECT_EQ(m_karte.ObjektAnPunkt(p), i);
    m_karte.SetzeEbeneSichtbar(2, false);
    EXPECT_EQ(m_karte.ObjektAnPunkt(p), -1);
}

TEST_F(GeometrieTest, MarkeRahmtDenKastenNurImQuiz) {
    const int i = Hinzu(Beschriftung(QStringLiteral("Ort"), 0.5, 0.5, 0.5, 0.5));
    m_karte.AnsichtAufbauen();
    QRect gemeldet;
    bool sichtbar = true;
    QObject::connect(&m_karte, &Karte::markeGeaendert, [&](const QRect& r, bool s) {
        gemeldet = r;
        sichtbar = s;
    });
    m_karte.MarkeZeigen(i);
    EXPECT_FALSE(sichtbar);
    EXPECT_EQ(m_karte.Markenobjekt(), -1);

    m_karte.SetzeAnsichtsmodus(Karte::Quizansicht);
    m_karte.MarkeZeigen(i);
    const auto& b = m_dok.Objekte[i].Box;
    const QPoint lo = m_karte.AnteilZuPunkt(QPointF(b[0], b[1]));
    const QPoint ru = m_karte.AnteilZuPunkt(QPointF(b[2], b[3]));
    EXPECT_TRUE(sichtbar);
    EXPECT_EQ(gemeldet, QRect(lo.x() - 4, lo.y() - 4, ru.x() - lo.x() + 8, ru.y() - lo.y() + 8));
    // Scrolling re-places the frame with the remembered object.
    gemeldet = QRect();
    m_karte.AusschnittZeigen();
    EXPECT_TRUE(sichtbar);
    EXPECT_FALSE(gemeldet.isNull());
    m_karte.MarkeZeigen(-1);
    EXPECT_FALSE(sichtbar);
    EXPECT_EQ(m_karte.Markenobjekt(), -1);
}

} // namespace
