// Composition of the map: margins, covers, discs, quiz marks, box geometry, redraw in place.
#include "kartentest.h"
#include "mapview/kartenfarben.h"
#include "mapview/kartenhilfen.h"
#include "mapview/nummerierung.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

namespace {

class KarteTest : public ::testing::Test {
protected:
    KarteTest() : m_dok(TestDokument()), m_karte(m_dok) {
        m_karte.SetzeSteuerelementgroesse(QSize(870, 600));
    }

    int Hinzu(const ObjDataTyp& o) {
        m_dok.Objekte.push_back(o);
        return static_cast<int>(m_dok.Objekte.size()) - 1;
    }
    const ObjDataTyp& O(int i) const { return m_dok.Objekte[i]; }
    QRect Box(int i) const { return BoxPixel(m_karte, O(i)); }
    QSize TextGroesse(const QString& text, int fsize = 0) const {
        const QFont f = ArialSchrift(RundeGerade((fsize * 2 + 22) * m_karte.Massstab()));
        const QRect r =
            QFontMetrics(f, &m_karte.Kartenbild()).boundingRect(QRect(0, 0, 1 << 20, 1 << 20), 0, text);
        return r.size();
    }

    Dokument m_dok;
    Karte m_karte;
};

TEST_F(KarteTest, MassstabUndGroesseBei100Prozent) {
    m_karte.AnsichtAufbauen();
    EXPECT_EQ(m_karte.Kartenbild().size(), QSize(870, 600));
    EXPECT_DOUBLE_EQ(m_karte.Massstab(), 1.0);
    EXPECT_EQ(m_karte.Ansichtsbild().size(), QSize(870, 600));
    EXPECT_EQ(m_karte.Ausschnitt(), (AusschnittTyp{0, 0, 1, 1}));
}

TEST_F(KarteTest, RanderweiterungIstWeiss) {
    m_dok.Header.HD_RandErw = {0.25, 0.1, 0.25, 0.0};
    m_karte.SetzeSteuerelementgroesse(QSize(1305, 660));
    m_karte.AnsichtAufbauen();
    const QImage& k = m_karte.Kartenbild();
    ASSERT_EQ(k.size(), QSize(1305, 660));
    EXPECT_EQ(k.pixelColor(5, 300), QColor(Qt::white));
    EXPECT_EQ(k.pixelColor(1300, 300), QColor(Qt::white));
    EXPECT_EQ(k.pixelColor(650, 20), QColor(Qt::white));
    EXPECT_EQ(k.pixelColor(650, 400), Landfarbe);
    EXPECT_EQ(k.pixelColor(230, 400), Landfarbe);
}

TEST_F(KarteTest, AbdeckungMitRandUndFuellung) {
    const int i = Hinzu(Beschriftung(QStringLiteral("Bodensee"), 0.3, 0.5, 0.4, 0.5));
    m_karte.AnsichtAufbauen();
    const QRect b = Box(i);
    ASSERT_GT(b.width(), 10);
    const QImage& k = m_karte.Kartenbild();
    EXPECT_EQ(k.pixelColor(b.left() + 3, b.top() + 3), Kartenfarbe::AbdeckungFuellung);
    EXPECT_EQ(k.pixelColor(b.right() - 3, b.bottom() - 3), Kartenfarbe::AbdeckungFuellung);
    EXPECT_EQ(k.pixelColor(b.left(), b.center().y()), Kartenfarbe::AbdeckungRand);
    EXPECT_EQ(k.pixelColor(b.right(), b.center().y()), Kartenfarbe::AbdeckungRand);
    EXPECT_EQ(k.pixelColor(b.center().x(), b.top()), Kartenfarbe::AbdeckungRand);
    EXPECT_EQ(k.pixelColor(b.center().x(), b.bottom()), Kartenfarbe::AbdeckungRand);
    // The "?" is drawn in black near the centre; without a number no white disc.
    EXPECT_GT(ZaehleFarbe(k, b, QColor(0, 0, 0), 60), 0);
    EXPECT_EQ(ZaehleFarbe(k, b, QColor(Qt::white)), 0);
    EXPECT_EQ(k.pixelColor(b.left() - 3, b.center().y()), Landfarbe);
}

TEST_F(KarteTest, NummernscheibeAufDerAbdeckung) {
    const int i = Hinzu(Beschriftung(QStringLiteral("Bodensee"), 0.3, 0.5, 0.4, 0.5));
    m_dok.Objekte[i].Nummer = 7;
    m_karte.AnsichtAufbauen();
    const QRect b = Box(i);
    const QImage& k = m_karte.Kartenbild();
    const int d = 30;
    const QRect scheibe((b.left() + b.right() + 1 - d) / 2, (b.top() + b.bottom() + 1 - d) / 2, d, d);
    EXPECT_GT(ZaehleFarbe(k, scheibe, Kartenfarbe::NummerFuellung), 100);
    EXPECT_GT(ZaehleFarbe(k, scheibe, Kartenfarbe::NummerRand), 20);
    EXPECT_GT(ZaehleFarbe(k, scheibe, QColor(255, 0, 0), 40), 5);
    // The corners of the square stay cover-coloured: it is a disc.
    const QRect innen = scheibe.intersected(b);
    EXPECT_EQ(k.pixelColor(innen.left() + 2, innen.top() + 2), Kartenfarbe::AbdeckungFuellung);
}

TEST_F(KarteTest, HakenUndKreuzIn34Mal38Kaesten) {
    const int haken = Hinzu(Beschriftung(QStringLiteral("Rhein"), 0.3, 0.3, 0.4, 0.3));
    const int kreuz = Hinzu(Beschriftung(QStringLiteral("Main"), 0.3, 0.7, 0.4, 0.7));
    m_dok.Objekte[haken].Zustand = -2;
    m_dok.Objekte[kreuz].Zustand = -3;
    for (int zoom : {0, 4}) {
        m_karte.ZoomSetzen(zoom);
        m_karte.AnsichtAufbauen();
        EXPECT_EQ(O(haken).BoxLinks + 34, RundeGerade(O(haken).Box[2] * m_karte.Kartenbild().width()));
        EXPECT_EQ(Box(haken).size(), QSize(34, 38));
        EXPECT_EQ(Box(kreuz).size(), QSize(34, 38));
        const QImage& k = m_karte.Kartenbild();
        EXPECT_GT(ZaehleFarbe(k, Box(haken), Kartenfarbe::Haken), 30);
        EXPECT_EQ(ZaehleFarbe(k, Box(haken), Kartenfarbe::Kreuz), 0);
        EXPECT_GT(ZaehleFarbe(k, Box(kreuz), Kartenfarbe::Kreuz), 30);
        // Centred on left + 17: the mark's colour is balanced around that column.
        int links = 0, rechts = 0;
        const QRect b = Box(haken);
        links = ZaehleFarbe(k, QRect(b.left() - 10, b.top() - 10, 27, 58), Kartenfarbe::Haken, 60);
        rechts = ZaehleFarbe(k, QRect(b.left() + 17, b.top() - 10, 27, 58), Kartenfarbe::Haken, 60);
        EXPECT_LT(std::abs(links - rechts), (links + rechts) / 3);
    }
}

TEST_F(KarteTest, OffenePositionUndEinzelpositionsmodus) {
    const int a = Hinzu(Beschriftung(QStringLiteral("Rhein"), 0.3, 0.3, 0.4, 0.3));
    const int b = Hinzu(Beschriftung(QStringLiteral("Main"), 0.3, 0.7, 0.4, 0.7));
    m_dok.Objekte[a].Zustand = -5;
    m_dok.Objekte[b].Zustand = -5;
    m_dok.Objekte[a].Nummer = 1;
    m_dok.Objekte[b].Nummer = 2;
    m_karte.SetzeAnsichtsmodus(Karte::Quizansicht);
    m_karte.SetzeEinzelposition(true, b);
    m_karte.AnsichtAufbauen();
    const QImage& k = m_karte.Kartenbild();
    EXPECT_EQ(Box(a).size(), QSize(30, 30));
    EXPECT_EQ(k.pixelColor(Box(a).left() + 8, Box(a).center().y()), Kartenfarbe::AnderePositionFuellung);
    EXPECT_EQ(ZaehleFarbe(k, Box(a), QColor(255, 0, 0), 60), 0);
    EXPECT_EQ(k.pixelColor(Box(b).left() + 4, Box(b).center().y()), Kartenfarbe::OffenFuellung);
    EXPECT_GT(ZaehleFarbe(k, Box(b), QColor(255, 0, 0), 60), 3);
}

TEST_F(KarteTest, VerborgenZeigtNurDieFuehrungslinie) {
    const int i = Hinzu(Beschriftung(QStringLiteral("Rhein"), 0.2, 0.5, 0.5, 0.5));
    m_dok.Objekte[i].Zustand = -6;
    m_karte.AnsichtAufbauen();
    const QImage& k = m_karte.Kartenbild();
    EXPECT_EQ(k.pixelColor(300, 300), QColor(Qt::black)); // on the line
    const QRect b = Box(i);
    EXPECT_EQ(ZaehleFarbe(k, b.adjusted(1, 1, -1, -1), Landfarbe), (b.width() - 2) * (b.height() - 2));
}

TEST_F(KarteTest, Infopunkte_Ebene2ImQuizVerborgenAndereSilbern) {
    ObjDataTyp info = Beschriftung(QStringLiteral("Text"), 0.3, 0.3, 0.3, 0.3, 2);
    info.OB_Ebene = 2;
    const int versteckt = Hinzu(info);
    info.OB_Ebene = 1;
    info.OB_Kx = info.OB_Sx = 0.6;
    const int silber = Hinzu(info);
    m_karte.AnsichtAufbauen();
    const QRect lern = Box(versteckt);
    EXPECT_EQ(m_karte.Kartenbild().pixelColor(lern.center().x(), lern.top() + 3), Kartenfarbe::Infopunkt);

    m_dok.Objekte[versteckt].Box = {-1, -1, -1, -1};
    m_karte.SetzeAnsichtsmodus(Karte::Quizansicht);
    m_karte.AnsichtAufbauen();
    EXPECT_EQ(O(versteckt).Box[0], -1);
    EXPECT_EQ(ZaehleFarbe(m_karte.Kartenbild(), lern, Kartenfarbe::Infopunkt), 0);
    const QRect s = Box(silber);
    EXPECT_EQ(m_karte.Kartenbild().pixelColor(s.center().x(), s.top() + 3), Kartenfarbe::ScheibeImQuiz);
    EXPECT_EQ(m_karte.Kartenbild().pixelColor(s.left(), s.center().y()),
              Abgedunkelt(Kartenfarbe::ScheibeImQuiz));
}

struct SeitenFall {
    int kAusr;
    int seite;
};
class KastenSeiteTest : public KarteTest, public ::testing::WithParamInterface<SeitenFall> {};

TEST_P(KastenSeiteTest, KastenHaengtAmKastenpunkt) {
    const int i = Hinzu(Beschriftung(QStringLiteral("Zugspitze"), 0.5, 0.5, 0.5, 0.5));
    m_dok.Objekte[i].OB_KAusr = GetParam().kAusr;
    m_dok.Objekte[i].Zustand = 0;
    m_karte.AnsichtAufbauen();
    EXPECT_EQ(O(i).OB_KAusrAkt, GetParam().seite);
    const QRect b = Box(i);
    const QSize t = TextGroesse(QStringLiteral("Zugspitze"));
    const int w = std::max(t.width(), 30);
    const int h = t.height() + 4;
    EXPECT_EQ(b.size(), QSize(w, h));
    const int kx = 435, ky = 300;
    switch (GetParam().seite) {
    case 1:
        EXPECT_EQ(b.topLeft(), QPoint(kx + 7, ky - RundeGerade(h / 2.0)));
        break;
    case 2:
        EXPECT_EQ(b.topLeft(), QPoint(kx - RundeGerade(w / 2.0), ky - h - 2));
        break;
    case 3:
        EXPECT_EQ(b.topLeft(), QPoint(kx - w - 7, ky - RundeGerade(h / 2.0)));
        break;
    case 4:
        EXPECT_EQ(b.topLeft(), QPoint(kx - RundeGerade(w / 2.0), ky + 2));
        break;
    }
    EXPECT_EQ(O(i).BoxLinks, b.left());
    EXPECT_EQ(O(i).BoxOben, b.top());
    EXPECT_DOUBLE_EQ(O(i).BoxHalbBreite, (RundeGerade(w / 2.0) + 7) / 870.0);
    EXPECT_DOUBLE_EQ(O(i).BoxHalbHoehe, (RundeGerade(h / 2.0) + 2) / 600.0);
}

INSTANTIATE_TEST_SUITE_P(Seiten, KastenSeiteTest,
                         ::testing::Values(SeitenFall{1, 1}, SeitenFall{2, 2}, SeitenFall{3, 3},
                                           SeitenFall{4, 4}));

struct AutoFall {
    double sx, sy, kx, ky;
    int seite;
};
class AutomatischeSeiteTest : public KarteTest, public ::testing::WithParamInterface<AutoFall> {};

TEST_P(AutomatischeSeiteTest, SeiteAusDerLageDerPunkte) {
    const AutoFall f = GetParam();
    const int i = Hinzu(Beschriftung(QStringLiteral("Ort"), f.sx, f.sy, f.kx, f.ky));
    m_karte.AnsichtAufbauen();
    EXPECT_EQ(O(i).OB_KAusrAkt, f.seite);
}

INSTANTIATE_TEST_SUITE_P(Faelle, AutomatischeSeiteTest,
                         ::testing::Values(AutoFall{0.5, 0.5, 0.4, 0.5, 3}, // left, same height
                                           AutoFall{0.5, 0.5, 0.5, 0.4, 2}, // exactly above
                                           AutoFall{0.5, 0.5, 0.5, 0.5, 1}, // on the anchor
                                           AutoFall{0.5, 0.5, 0.5, 0.6, 4}, // below
                                           AutoFall{0.5, 0.5, 0.6, 0.45, 1},
                                           // 0.1 of the width is 87 px, 0.12 of the height 72 px
                                           AutoFall{0.5, 0.5, 0.6, 0.62, 1},
                                           AutoFall{0.5, 0.5, 0.55, 0.62, 4}));

TEST_F(KarteTest, GespeicherteSeiteGiltUndAutomatikWirdNichtNeuBerechnet) {
    const int fest = Hinzu(Beschriftung(QStringLiteral("A"), 0.5, 0.5, 0.4, 0.5));
    m_dok.Objekte[fest].OB_KAusrAkt = 2;
    m_dok.Objekte[fest].OB_KAusr = 4;
    const int vier = Hinzu(Beschriftung(QStringLiteral("B"), 0.5, 0.5, 0.4, 0.5));
    m_dok.Objekte[vier].OB_KAusr = 4;
    const int autom = Hinzu(Beschriftung(QStringLiteral("C"), 0.5, 0.5, 0.4, 0.5));
    m_karte.AnsichtAufbauen();
    EXPECT_EQ(O(fest).OB_KAusrAkt, 2);
    EXPECT_EQ(O(vier).OB_KAusrAkt, 4);
    EXPECT_EQ(O(autom).OB_KAusrAkt, 3);
    m_dok.Objekte[autom].OB_Kx = 0.6;
    m_karte.AnsichtAufbauen();
    EXPECT_EQ(O(autom).OB_KAusrAkt, 3);
}

TEST_F(KarteTest, ZustandswechselZeichnetNurDenKastenNeu) {
    const int a = Hinzu(Beschriftung(QStringLiteral("Rhein"), 0.2, 0.3, 0.3, 0.3));
    const int b = Hinzu(Beschriftung(QStringLiteral("Elbe"), 0.5, 0.6, 0.6, 0.6));
    m_karte.SetzeAnsichtsmodus(Karte::Quizansicht);
    m_karte.AnsichtAufbauen();
    int neuZeichnen = 0;
    QObject::connect(&m_karte, &Karte::neuZeichnenNoetig, [&] { ++neuZeichnen; });
    QObject::connect(&m_karte, &Karte::bereichNeuZeichnenNoetig, [&] { ++neuZeichnen; });
    const QImage vorher = m_karte.Kartenbild().copy();
    const qint64 hintergrund = m_karte.Hintergrundbild().cacheKey();
    m_dok.Objekte[a].Zustand = 0;
    m_karte.ObjektNeuZeichnen(a);
    EXPECT_EQ(neuZeichnen, 1);
    EXPECT_EQ(m_karte.Hintergrundbild().cacheKey(), hintergrund);
    const QImage& nachher = m_karte.Kartenbild();
    const QRect box = Box(a);
    int geaendertAussen = 0, geaendertInnen = 0;
    for (int y = 0; y < nachher.height(); ++y)
        for (int x = 0; x < nachher.width(); ++x)
            if (nachher.pixel(x, y) != vorher.pixel(x, y))
                ++(box.contains(x, y) ? geaendertInnen : geaendertAussen);
    EXPECT_EQ(geaendertAussen, 0);
    EXPECT_GT(geaendertInnen, 0);
    // The text replaced the cover, and the views got the box at once.
    EXPECT_EQ(ZaehleFarbe(nachher, box, Kartenfarbe::AbdeckungFuellung), 0);
    EXPECT_EQ(m_karte.Beschriftungsbild().copy(box), nachher.copy(box));
    EXPECT_EQ(m_karte.Ansichtskopie().copy(box), nachher.copy(box));
    EXPECT_EQ(m_karte.Ansichtsbild().copy(box), nachher.copy(box));
    EXPECT_EQ(ZaehleFarbe(nachher, Box(b), Kartenfarbe::AbdeckungFuellung) > 0, true);
}

TEST_F(KarteTest, LernansichtZeigtNeuGezeichnetesObjektAufWeiss) {
    const int a = Hinzu(Beschriftung(QStringLiteral("Rhein"), 0.2, 0.3, 0.3, 0.3));
    m_karte.AnsichtAufbauen();
    EXPECT_EQ(ZaehleFarbe(m_karte.Ansichtsbild(), m_karte.Ansichtsbild().rect(), QColor(Qt::white)),
              870 * 600);
    m_karte.ObjektNeuZeichnen(a);
    EXPECT_GT(ZaehleFarbe(m_karte.Ansichtsbild(), Box(a), Kartenfarbe::AbdeckungFuellung), 20);
}

TEST_F(KarteTest, EinzelfragenWerdenAbgedecktUndFrageInBereichGebracht) {
    m_dok.Header.HD_DokTyp = Einzelfragen;
    m_dok.Header.HD_AnzFrageNummern = 2;
    ObjDataTyp antwort = Beschriftung(QStringLiteral("Berlin"), 0.1, 0.58, 0.1, 0.58, 10);
    antwort.OB_FrageNummer = 1;
    antwort.Zustand = 0;
    const int a = Hinzu(antwort);
    antwort.OB_FrageNummer = 2;
    const int b = Hinzu(antwort);
    m_dok.AktuelleFrage = 7;
    m_karte.AnsichtAufbauen();
    EXPECT_EQ(m_dok.AktuelleFrage, 1);
    EXPECT_EQ(O(a).Zustand, -1);
    EXPECT_EQ(O(b).Zustand, -1);
    EXPECT_GT(ZaehleFarbe(m_karte.Kartenbild(), Box(a), Kartenfarbe::AbdeckungFuellung), 20);

    m_dok.Header.HD_AnzFrageNummern = 0;
    m_karte.AnsichtAufbauen();
    EXPECT_EQ(m_dok.AktuelleFrage, -1);
}

TEST_F(KarteTest, LueckentextSetztLueckenobjekte) {
    m_dok.Header.HD_DokTyp = Lueckentext;
    m_dok.Header.HD_lueckentext = QStringLiteral("Die <<Donau>> fliesst\r\nins Schwarze <<Meer>>.");
    const int g1 = Hinzu(Beschriftung(QStringLiteral("Donau"), 0, 0, 0, 0, 3));
    const int g2 = Hinzu(Beschriftung(QStringLiteral("Meer"), 0, 0, 0, 0, 3));
    m_dok.Objekte[g1].OB_Sline = 0;
    m_dok.Objekte[g2].OB_Sline = 0;
    m_karte.AnsichtAufbauen();
    EXPECT_GT(O(g1).OB_Kx, 0.035);
    EXPECT_GT(O(g2).OB_Ky, O(g1).OB_Ky);
    EXPECT_DOUBLE_EQ(O(g1).OB_Sx, O(g1).OB_Kx);
    EXPECT_GT(ZaehleFarbe(m_karte.Kartenbild(), Box(g1), Kartenfarbe::AbdeckungFuellung), 20);
    // The plain text is drawn in black on the map.
    EXPECT_GT(ZaehleFarbe(m_karte.Kartenbild(), QRect(0, 0, 100, 60), QColor(0, 0, 0), 80), 10);

    m_dok.Objekte[g1].Zustand = 0;
    m_karte.ObjektNeuZeichnen(g1);
    EXPECT_GT(ZaehleFarbe(m_karte.Kartenbild(), Box(g1), Kartenfarbe::Lueckentext, 60), 5);
}

TEST_F(KarteTest, AntwortkastenAufSeite1Waechst) {
    const int i = Hinzu(Beschriftung(QStringLiteral("Zugspitze"), 0.4, 0.5, 0.5, 0.5));
    m_dok.Objekte[i].OB_KAusr = 1;
    m_karte.AnsichtAufbauen();
    QImage blatt = NeuesBild(m_karte.Kartenbild().size());
    m_karte.ZeichneObjekt(i, blatt, KaestenMitLoesung, true, false, false);
    const QRect b = Box(i);
    const int e = RundeGerade(0.18 * b.width());
    const int rechts = b.left() + b.width() + 2 * e + RundeGerade(0.01 * 870);
    const int y = b.center().y();
    EXPECT_EQ(blatt.pixelColor(rechts - 1, y), QColor(Qt::black));
    EXPECT_EQ(blatt.pixelColor(rechts - 2, y), QColor(Qt::black));
    EXPECT_EQ(blatt.pixelColor(rechts - 3, y), QColor(Qt::white));
    EXPECT_EQ(blatt.pixelColor(rechts, y), QColor(Qt::white));
    EXPECT_GT(ZaehleFarbe(blatt, b, Kartenfarbe::Loesungstext, 60), 5);

    QImage nurLoesung = NeuesBild(m_karte.Kartenbild().size());
    m_karte.ZeichneObjekt(i, nurLoesung, NurLoesung, true, false, false);
    EXPECT_EQ(nurLoesung.pixelColor(RundeGerade(0.45 * 870), 300), QColor(Qt::white)); // no leader line
}

TEST_F(KarteTest, ObjektindexAusserhalbZeichnetNichts) {
    m_karte.AnsichtAufbauen();
    const QImage vorher = m_karte.Kartenbild().copy();
    m_karte.ZeichneObjekt(5, m_karte.Kartenbild(), Bildschirm, true, true, true);
    m_karte.ZeichneObjekt(-1, m_karte.Kartenbild(), Bildschirm, true, true, true);
    EXPECT_EQ(m_karte.Kartenbild(), vorher);
}

TEST_F(KarteTest, LeeresDokumentOhneBild) {
    Dokument leer;
    Karte karte(leer);
    karte.SetzeSteuerelementgroesse(QSize(400, 300));
    karte.AnsichtAufbauen();
    EXPECT_FALSE(karte.Kartenbild().isNull());
    EXPECT_EQ(karte.ObjektAnPunkt(QPoint(10, 10)), -1);
}

TEST(KartensymboleTest, AbdeckungMit3PixelnBleibtImKasten) {
    QImage bild = NeuesBild(QSize(100, 40));
    {
        QPainter maler(&bild);
        ZeichneAbdeckung(maler, KastenTyp{20, 10, 80, 13}, QStringLiteral("4"), 1.0);
    }
    const QRect kasten(20, 10, 60, 3);
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (!kasten.contains(x, y)) {
                ASSERT_EQ(bild.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
            }
    EXPECT_GT(ZaehleFarbe(bild, kasten, Kartenfarbe::AbdeckungRand), 0);
    QImage leer = NeuesBild(QSize(10, 10));
    QPainter maler(&leer);
    ZeichneAbdeckung(maler, KastenTyp{2, 2, 2, 2}, QString(), 1.0); // empty box: nothing
}

} // namespace

namespace {

struct VersatzFall {
    int seite;
    int lage; // -1 against the left edge, 0 centred, 1 against the right edge
};
class TextVersatzTest : public KarteTest, public ::testing::WithParamInterface<VersatzFall> {};

// A caption narrower than the minimum box width sits against the box point side.
TEST_P(TextVersatzTest, KurzerTextLiegtZumKastenpunktHin) {
    const int i = Hinzu(Beschriftung(QStringLiteral("I"), 0.5, 0.5, 0.5, 0.5));
    m_dok.Objekte[i].OB_KAusr = GetParam().seite;
    m_dok.Objekte[i].OB_Sline = 0;
    m_dok.Objekte[i].Zustand = 0;
    m_karte.AnsichtAufbauen();
    const QRect b = Box(i);
    ASSERT_EQ(b.width(), 30);
    int summe = 0, anzahl = 0;
    for (int y = b.top(); y <= b.bottom(); ++y)
        for (int x = b.left(); x <= b.right(); ++x)
            if (qGray(m_karte.Kartenbild().pixel(x, y)) < 60) {
                summe += x - b.left();
                ++anzahl;
            }
    ASSERT_GT(anzahl, 0);
    const double mitte = double(summe) / anzahl;
    switch (GetParam().lage) {
    case -1:
        EXPECT_LT(mitte, 8);
        break;
    case 0:
        EXPECT_NEAR(mitte, 14.5, 3);
        break;
    case 1:
        EXPECT_GT(mitte, 21);
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(Seiten, TextVersatzTest,
                         ::testing::Values(VersatzFall{1, -1}, VersatzFall{2, 0}, VersatzFall{3, 1},
                                           VersatzFall{4, 0}));

} // namespace

namespace {

TEST_F(KarteTest, UnsinnigeRaenderAusDerDateiWerdenBegrenzt) {
    Hinzu(Beschriftung(QStringLiteral("Ort"), 0.5, 0.5, 0.5, 0.5));
    for (const auto& rand : {std::array<double, 4>{1e12, 0, 0, 0}, std::array<double, 4>{-3, -3, 0, 0},
                             std::array<double, 4>{std::nan(""), 0, INFINITY, 0}}) {
        m_dok.Header.HD_RandErw = rand;
        m_karte.AnsichtAufbauen();
        EXPECT_FALSE(m_karte.Kartenbild().isNull());
        EXPECT_LE(m_karte.Kartenbild().width(), 870);
        EXPECT_LE(m_karte.Kartenbild().height(), 600);
    }
}

TEST_F(KarteTest, WinzigesSteuerelement) {
    Hinzu(Beschriftung(QStringLiteral("Ort"), 0.5, 0.5, 0.5, 0.5));
    m_dok.Header.HD_lueckentext = QStringLiteral("<<a>> b");
    for (QSize s : {QSize(0, 0), QSize(1, 1), QSize(-5, 3)}) {
        m_karte.SetzeSteuerelementgroesse(s);
        m_karte.AnsichtAufbauen();
        EXPECT_FALSE(m_karte.Kartenbild().isNull());
        m_karte.Rollen(Karte::Richtung::Rechts);
        EXPECT_EQ(m_karte.ObjektAnPunkt(QPoint(0, 0)) >= -1, true);
    }
}

} // namespace
