// The real map control driven with mouse events: covers toggle in place and repaint only
// their box, the right button drags the map, the cursor tells clickable objects apart.
#include "mapview/ac_kartenbild.h"

#include "data/av_data.h"
#include "kartentest.h"
#include "mapview/kartenfarben.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

namespace {

class KartenbildTest : public ::testing::Test {
protected:
    KartenbildTest() : m_dok(TestDokument()), m_karte(m_dok), m_bild(m_karte, m_zufall) {
        m_bild.resize(870, 600);
    }
    int Hinzu(const ObjDataTyp& o) {
        m_dok.Objekte.push_back(o);
        return static_cast<int>(m_dok.Objekte.size()) - 1;
    }
    void Zeigen() {
        m_bild.Aufbauen();
        m_bild.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_bild));
        QApplication::processEvents();
    }
    QPoint InBox(int i) const {
        const auto& b = m_dok.Objekte[i].Box;
        return m_karte.AnteilZuPunkt(QPointF((b[0] + b[2]) / 2, (b[1] + b[3]) / 2));
    }
    QRect BoxImSteuerelement(int i) const {
        const auto& b = m_dok.Objekte[i].Box;
        const QPoint lo = m_karte.AnteilZuPunkt(QPointF(b[0], b[1]));
        const QPoint ru = m_karte.AnteilZuPunkt(QPointF(b[2], b[3]));
        return {lo, ru - QPoint(1, 1)};
    }
    void Maus(QEvent::Type art, QPoint p, Qt::MouseButton knopf, Qt::MouseButtons gehalten) {
        QMouseEvent e(art, QPointF(p), m_bild.mapToGlobal(QPointF(p)), knopf, gehalten, Qt::NoModifier);
        QApplication::sendEvent(&m_bild, &e);
    }
    void Klick(QPoint p, Qt::MouseButton knopf = Qt::LeftButton) {
        Maus(QEvent::MouseButtonPress, p, knopf, knopf);
        Maus(QEvent::MouseButtonRelease, p, knopf, Qt::NoButton);
    }

    Dokument m_dok;
    Zufall m_zufall{7};
    Karte m_karte;
    TKartenBild m_bild;
};

TEST_F(KartenbildTest, KlickDecktAufUndMaltNurDieBoxNeu) {
    const int i = Hinzu(Beschriftung(QStringLiteral("Bodensee"), 0.1, 0.1, 0.12, 0.1));
    m_dok.Objekte[i].Nummer = 3;
    Zeigen();
    // The learning view shows a blank map.
    EXPECT_EQ(ZaehleFarbe(m_karte.Ansichtsbild(), m_karte.Ansichtsbild().rect(), Qt::white),
              m_karte.Ansichtsbild().width() * m_karte.Ansichtsbild().height());
    const QRect box = BoxImSteuerelement(i);
    const int vorher = m_bild.Malvorgaenge();

    Klick(InBox(i));
    EXPECT_EQ(m_dok.Objekte[i].Zustand, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_bild.Malvorgaenge() > vorher; }));
    const QRect gemalt = m_bild.LetzterMalbereich().boundingRect();
    EXPECT_TRUE(gemalt.contains(box)) << "gemalt " << gemalt.x() << "," << gemalt.y();
    // Only the object's area: nothing near the size of the whole control.
    EXPECT_LE(gemalt.width(), box.width() + 2);
    EXPECT_LE(gemalt.height(), box.height() + 2);

    // Covered again: the cover patch appears on the blank view with its number.
    const int zweites = m_bild.Malvorgaenge();
    Klick(InBox(i));
    EXPECT_EQ(m_dok.Objekte[i].Zustand, -1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_bild.Malvorgaenge() > zweites; }));
    const QRect imBild = box.translated(-m_karte.Ansichtsversatz());
    EXPECT_GT(ZaehleFarbe(m_karte.Ansichtsbild(), imBild, Kartenfarbe::AbdeckungFuellung), 20);
    const QImage schirm = m_bild.grab().toImage();
    EXPECT_GT(ZaehleFarbe(schirm, box, Kartenfarbe::AbdeckungFuellung), 20);
}

TEST_F(KartenbildTest, MittlereTasteDecktAufRechteNicht) {
    const int i = Hinzu(Beschriftung(QStringLiteral("Rhein"), 0.2, 0.8, 0.25, 0.8));
    Zeigen();
    Klick(InBox(i), Qt::RightButton);
    EXPECT_EQ(m_dok.Objekte[i].Zustand, -1);
    Klick(InBox(i), Qt::MiddleButton);
    EXPECT_EQ(m_dok.Objekte[i].Zustand, 0);
}

TEST_F(KartenbildTest, InfoLinkUndDokumentGehenAnDasFenster) {
    const int info = Hinzu(Beschriftung(QStringLiteral("Info"), 0.1, 0.1, 0.1, 0.1, 2));
    const int link = Hinzu(Beschriftung(QStringLiteral("https://example.org"), 0.9, 0.1, 0.9, 0.1, 4));
    Zeigen();
    std::vector<KlickErgebnis> ergebnisse;
    m_bild.BeiKlick = [&](const KlickErgebnis& e) { ergebnisse.push_back(e); };
    Klick(InBox(info));
    Klick(InBox(link));
    Klick(QPoint(435, 300)); // beside every object: nothing
    ASSERT_EQ(ergebnisse.size(), 2u);
    EXPECT_EQ(ergebnisse[0].art, KlickErgebnis::Art::Info);
    EXPECT_EQ(ergebnisse[0].objekt, info);
    EXPECT_EQ(ergebnisse[1].art, KlickErgebnis::Art::Link);
}

TEST_F(KartenbildTest, ImQuizWirktDerKlickNicht) {
    const int i = Hinzu(Beschriftung(QStringLiteral("Elbe"), 0.3, 0.3, 0.35, 0.3));
    Zeigen();
    m_karte.SetzeAnsichtsmodus(Karte::Quizansicht);
    Klick(InBox(i));
    EXPECT_EQ(m_dok.Objekte[i].Zustand, -1);
    Maus(QEvent::MouseMove, InBox(i), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(m_bild.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(KartenbildTest, RechteTasteZiehtDieKarteBisZumRand) {
    Zeigen();
    m_karte.ZoomSetzen(4);
    const AusschnittTyp start = m_karte.Ausschnitt();
    ASSERT_NEAR(start.rechts - start.links, 0.5, 1e-9);
    const QPoint p(400, 300);
    Maus(QEvent::MouseButtonPress, p, Qt::RightButton, Qt::RightButton);
    EXPECT_TRUE(m_bild.ZiehtGerade());
    // Dragging starts by showing the composed map under the pointer.
    EXPECT_GT(ZaehleFarbe(m_karte.Ansichtsbild(), QRect(0, 0, 50, 50), Landfarbe, 3), 2000);
    Maus(QEvent::MouseMove, p - QPoint(87, 0), Qt::NoButton, Qt::RightButton);
    const double schritt = 87.0 / m_karte.Kartenbild().width();
    EXPECT_NEAR(m_karte.Ausschnitt().links, start.links + schritt, 1e-9);
    // Far beyond the edge: the map stops there and keeps its size.
    Maus(QEvent::MouseMove, p - QPoint(3000, 0), Qt::NoButton, Qt::RightButton);
    EXPECT_DOUBLE_EQ(m_karte.Ausschnitt().rechts, 1.0);
    EXPECT_NEAR(m_karte.Ausschnitt().links, 0.5, 1e-9);
    Maus(QEvent::MouseButtonRelease, p - QPoint(3000, 0), Qt::RightButton, Qt::NoButton);
    EXPECT_FALSE(m_bild.ZiehtGerade());
    // Moving without the button no longer drags.
    Maus(QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton);
    EXPECT_NEAR(m_karte.Ausschnitt().links, 0.5, 1e-9);
}

TEST_F(KartenbildTest, ZiehenBei100ProzentAendertNichts) {
    Zeigen();
    Maus(QEvent::MouseButtonPress, QPoint(400, 300), Qt::RightButton, Qt::RightButton);
    Maus(QEvent::MouseMove, QPoint(200, 100), Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(m_karte.Ausschnitt(), (AusschnittTyp{0, 0, 1, 1}));
}

TEST_F(KartenbildTest, ZeigerUeberObjektenIstDieHand) {
    const int i = Hinzu(Beschriftung(QStringLiteral("Main"), 0.6, 0.6, 0.65, 0.6));
    Zeigen();
    Maus(QEvent::MouseMove, InBox(i), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(m_bild.cursor().shape(), Qt::PointingHandCursor);
    Maus(QEvent::MouseMove, QPoint(5, 5), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(m_bild.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(KartenbildTest, MarkenrahmenFolgtDerKarte) {
    const int i = Hinzu(Beschriftung(QStringLiteral("Oder"), 0.5, 0.5, 0.55, 0.5));
    Zeigen();
    auto* anker = m_bild.findChild<QWidget*>(QStringLiteral("MoveAnker"));
    ASSERT_NE(anker, nullptr);
    m_karte.MarkeZeigen(i);
    EXPECT_FALSE(anker->isVisible()); // only while a quiz runs
    m_karte.SetzeAnsichtsmodus(Karte::Quizansicht);
    m_karte.MarkeZeigen(i);
    EXPECT_TRUE(anker->isVisible());
    EXPECT_EQ(anker->geometry(), m_karte.Markenrechteck());
    m_karte.MarkeZeigen(-1);
    EXPECT_FALSE(anker->isVisible());
}

TEST_F(KartenbildTest, MalenKopiertDasAnsichtsbildMittig) {
    // A tall map in a wide control: the view is centred, white beside it.
    m_dok.Basisbild = QImage(300, 600, QImage::Format_RGB32);
    m_dok.Basisbild.fill(Landfarbe);
    m_karte.SetzeAnsichtsmodus(Karte::Quizansicht); // the quiz shows the composed map
    Zeigen();
    const QImage schirm = m_bild.grab().toImage();
    const QPoint versatz = m_karte.Ansichtsversatz();
    ASSERT_GT(versatz.x(), 100);
    EXPECT_EQ(schirm.pixelColor(versatz.x() / 2, 300), QColor(Qt::white));
    EXPECT_EQ(schirm.pixelColor(versatz.x() + 10, 300), Landfarbe);
}

} // namespace
