// Zoom levels, the visible window and scrolling by copying pixels.
#include "kartentest.h"
#include "mapview/kartenhilfen.h"

namespace {

class ZoomTest : public ::testing::Test {
protected:
    // A map that fills the control's width at 100 % and 400 of its 600 rows.
    ZoomTest() : m_dok(TestDokument(QSize(870, 400))), m_karte(m_dok) {
        m_karte.SetzeSteuerelementgroesse(QSize(870, 600));
        QObject::connect(&m_karte, &Karte::vorAufbau, [this] { ++m_aufbauten; });
        m_dok.Objekte.push_back(Beschriftung(QStringLiteral("Rhein"), 0.2, 0.3, 0.3, 0.3));
        m_karte.AnsichtAufbauen();
    }

    bool IstWeiss(const QImage& bild) const {
        return ZaehleFarbe(bild, bild.rect(), QColor(Qt::white)) == bild.width() * bild.height();
    }

    Dokument m_dok;
    Karte m_karte;
    int m_aufbauten = 0;
};

TEST_F(ZoomTest, Bei100ProzentBleibtDerAusschnittGanz) {
    for (auto r :
         {Karte::Richtung::Links, Karte::Richtung::Rechts, Karte::Richtung::Hoch, Karte::Richtung::Runter}) {
        m_karte.Rollen(r);
        EXPECT_EQ(m_karte.Ausschnitt(), (AusschnittTyp{0, 0, 1, 1}));
    }
    m_karte.AusschnittZiehen(QPoint(100, 100), QPoint(10, 300));
    EXPECT_EQ(m_karte.Ausschnitt(), (AusschnittTyp{0, 0, 1, 1}));
    EXPECT_EQ(m_karte.Ansichtsbild().size(), QSize(870, 400));
    EXPECT_EQ(m_karte.Ansichtsversatz(), QPoint(0, 100));
}

TEST_F(ZoomTest, ZehnSchritteBei200ProzentErreichenDenRand) {
    ASSERT_TRUE(m_karte.ZoomSetzen(4));
    EXPECT_EQ(m_karte.Kartenbild().size(), QSize(1740, 800));
    EXPECT_DOUBLE_EQ(m_karte.Massstab(), 2.0);
    AusschnittTyp a = m_karte.Ausschnitt();
    EXPECT_DOUBLE_EQ(a.rechts - a.links, 0.5);
    EXPECT_DOUBLE_EQ(a.unten - a.oben, 0.75);
    m_karte.AusschnittVerschieben(-1, 0);
    EXPECT_DOUBLE_EQ(m_karte.Ausschnitt().links, 0.0);
    for (int i = 0; i < 10; ++i) {
        const double vorher = m_karte.Ausschnitt().links;
        m_karte.Rollen(Karte::Richtung::Rechts);
        EXPECT_NEAR(m_karte.Ausschnitt().links - vorher, 0.05, 1e-12) << i;
    }
    EXPECT_NEAR(m_karte.Ausschnitt().rechts, 1.0, 1e-12);
    const QPoint ursprung = m_karte.Ansichtsursprung();
    EXPECT_EQ(ursprung.x(), 870);
    const AusschnittTyp zehn = m_karte.Ausschnitt();
    m_karte.Rollen(Karte::Richtung::Rechts);
    EXPECT_NEAR(m_karte.Ausschnitt().links, zehn.links, 1e-12);
    EXPECT_DOUBLE_EQ(m_karte.Ausschnitt().rechts, 1.0);
    EXPECT_EQ(m_karte.Ansichtsursprung(), ursprung);
    // The window never changes its size.
    a = m_karte.Ausschnitt();
    EXPECT_NEAR(a.rechts - a.links, 0.5, 1e-12);
}

TEST_F(ZoomTest, LernansichtBleibtWeissNachJederAenderung) {
    EXPECT_TRUE(IstWeiss(m_karte.Ansichtsbild()));
    m_karte.ZoomRein();
    EXPECT_TRUE(IstWeiss(m_karte.Ansichtsbild()));
    m_karte.Rollen(Karte::Richtung::Runter);
    EXPECT_TRUE(IstWeiss(m_karte.Ansichtsbild()));
    m_karte.AusschnittZiehen(QPoint(50, 50), QPoint(20, 20));
    EXPECT_TRUE(IstWeiss(m_karte.Ansichtsbild()));
    // The copy of the labelled map still holds the visible part.
    EXPECT_EQ(m_karte.Ansichtskopie(), m_karte.Beschriftungsbild().copy(
                                           QRect(m_karte.Ansichtsursprung(), m_karte.Ansichtsbild().size())));
}

TEST_F(ZoomTest, RollenKopiertNurPixel) {
    m_karte.SetzeAnsichtsmodus(Karte::Quizansicht);
    m_karte.ZoomSetzen(4);
    m_karte.AnsichtAufbauen();
    const qint64 karte = m_karte.Kartenbild().cacheKey();
    const int aufbauten = m_aufbauten;
    m_karte.Rollen(Karte::Richtung::Rechts);
    m_karte.Rollen(Karte::Richtung::Runter);
    EXPECT_EQ(m_aufbauten, aufbauten);
    EXPECT_EQ(m_karte.Kartenbild().cacheKey(), karte);
    const QRect sichtbar(m_karte.Ansichtsursprung(), m_karte.Ansichtsbild().size());
    EXPECT_EQ(m_karte.Ansichtsbild(), m_karte.Kartenbild().copy(sichtbar));
    EXPECT_EQ(m_karte.Ansichtskopie(), m_karte.Beschriftungsbild().copy(sichtbar));
}

TEST_F(ZoomTest, ZoomGrenzenUndGleicheStufeBauenNichtNeu) {
    const int start = m_aufbauten;
    EXPECT_FALSE(m_karte.ZoomRaus());
    EXPECT_FALSE(m_karte.ZoomSetzen(0));
    EXPECT_EQ(m_aufbauten, start);
    EXPECT_TRUE(m_karte.ZoomRein());
    EXPECT_EQ(m_karte.Zoomindex(), 2);
    EXPECT_DOUBLE_EQ(m_karte.Zoomfaktor(), 1.5);
    EXPECT_TRUE(m_karte.ZoomRein());
    EXPECT_FALSE(m_karte.ZoomRein());
    EXPECT_EQ(m_karte.Zoomindex(), 4);
    EXPECT_EQ(m_aufbauten, start + 2);
    EXPECT_FALSE(m_karte.ZoomSetzen(7));
}

TEST_F(ZoomTest, ImQuizAendertZoomNurDieStufe) {
    m_karte.SetzeAnsichtsmodus(Karte::Quizansicht);
    const int start = m_aufbauten;
    EXPECT_TRUE(m_karte.ZoomSetzen(4));
    EXPECT_EQ(m_aufbauten, start);
    EXPECT_EQ(m_karte.Zoomindex(), 4);
}

TEST_F(ZoomTest, ZoomHaeltDieMitte) {
    m_karte.ZoomSetzen(4);
    AusschnittTyp a = m_karte.Ausschnitt();
    EXPECT_DOUBLE_EQ((a.links + a.rechts) / 2, 0.5);
    EXPECT_DOUBLE_EQ((a.oben + a.unten) / 2, 0.5);
    // Out and in again without touching an edge: the same window.
    m_karte.Rollen(Karte::Richtung::Rechts);
    const AusschnittTyp vorher = m_karte.Ausschnitt();
    m_karte.ZoomRaus();
    m_karte.ZoomRein();
    a = m_karte.Ausschnitt();
    EXPECT_NEAR(a.links, vorher.links, 1e-12);
    EXPECT_NEAR(a.oben, vorher.oben, 1e-12);
    // From the top-left corner the window stays inside the map at every level.
    m_karte.AusschnittVerschieben(-1, -1);
    EXPECT_EQ(m_karte.Ansichtsursprung(), QPoint(0, 0));
    m_karte.ZoomRaus();
    m_karte.ZoomRaus();
    EXPECT_EQ(m_karte.Ausschnitt(), (AusschnittTyp{0, 0, 1, 1}));
    m_karte.ZoomRein();
    m_karte.ZoomRein();
    a = m_karte.Ausschnitt();
    EXPECT_DOUBLE_EQ(a.links, 0.25);
    EXPECT_DOUBLE_EQ(a.oben, 0.125);
}

TEST_F(ZoomTest, ZiehenFolgtDemZeigerPixelGenau) {
    m_karte.SetzeAnsichtsmodus(Karte::Quizansicht);
    m_karte.ZoomSetzen(4);
    m_karte.AnsichtAufbauen();
    const QPoint vorher = m_karte.Ansichtsursprung();
    m_karte.AusschnittZiehen(QPoint(400, 300), QPoint(390, 290));
    EXPECT_EQ(m_karte.Ansichtsursprung(), vorher + QPoint(10, 10));
    // Beyond the edge the map stops at the edge.
    m_karte.AusschnittZiehen(QPoint(0, 0), QPoint(5000, 5000));
    EXPECT_EQ(m_karte.Ansichtsursprung(), QPoint(0, 0));
}

TEST_F(ZoomTest, ZiehenBeginntMitDerSichtbarenKarte) {
    m_karte.ZoomSetzen(4);
    m_karte.ZiehenBeginnen();
    const QRect sichtbar(m_karte.Ansichtsursprung(), m_karte.Ansichtsbild().size());
    EXPECT_EQ(m_karte.Ansichtsbild(), m_karte.Kartenbild().copy(sichtbar));
    m_karte.AusschnittZiehen(QPoint(10, 10), QPoint(0, 0));
    EXPECT_TRUE(IstWeiss(m_karte.Ansichtsbild()));
}

TEST_F(ZoomTest, VerschiebenHaeltInvariante) {
    m_karte.ZoomSetzen(4);
    for (auto [dx, dy] : {std::pair{0.3, 0.9}, {-2.0, 0.1}, {5.0, -5.0}, {0.01, 0.01}}) {
        m_karte.AusschnittVerschieben(dx, dy);
        const AusschnittTyp a = m_karte.Ausschnitt();
        EXPECT_GE(a.links, 0.0);
        EXPECT_LE(a.links, a.rechts);
        EXPECT_LE(a.rechts, 1.0);
        EXPECT_GE(a.oben, 0.0);
        EXPECT_LE(a.oben, a.unten);
        EXPECT_LE(a.unten, 1.0);
        EXPECT_NEAR(a.rechts - a.links, 0.5, 1e-12);
        EXPECT_NEAR(a.unten - a.oben, 0.75, 1e-12);
    }
}

} // namespace
