// The question order (shuffles, sorts) and the places of the answer elements.
#include "data/av_data.h"
#include "quiz/fragenfolge.h"
#include "quiztest.h"

#include <gtest/gtest.h>

namespace {

// An independent model of the generator: seed := seed * 134775813 + 1, Random(n) := high word of seed * n.
struct Lcg {
    uint64_t seed;
    uint32_t zufall(uint32_t n) {
        seed = (seed * 134775813ull + 1ull) & 0xFFFFFFFFull;
        return static_cast<uint32_t>((seed * n) >> 32);
    }
};

Dokument MitFragen(std::initializer_list<const char16_t*> texte) {
    Dokument dok = Beschriftungsdokument(0);
    int i = 0;
    for (const char16_t* t : texte) {
        dok.Objekte.push_back(QuizObjekt(QString::fromUtf16(t), 0.1 * (i % 5), 0.1 * (i / 5)));
        dok.Objekte.back().Zustand = -5;
        ++i;
    }
    return dok;
}

} // namespace

TEST(Fragenfolge, MischenIstMitFestemSeedReproduzierbar) {
    std::vector<int32_t> werte{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    std::vector<int32_t> erwartet = werte;
    Lcg modell{123456789u};
    for (uint32_t i = 0; i < erwartet.size(); ++i)
        std::swap(erwartet[i], erwartet[modell.zufall(10)]);
    Zufall zufall(123456789u);
    Mischen(werte, zufall);
    EXPECT_EQ(werte, erwartet);
    EXPECT_EQ(zufall.seed(), modell.seed);
    EXPECT_NE(werte, (std::vector<int32_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(Fragenfolge, TexteGemischtZieleGemischtAusEinerFolge) {
    Dokument dok = MitFragen({u"A", u"B", u"C", u"D", u"E", u"F"});
    Zufall zufall(99u);
    const FragenfolgeTyp f = FragenfolgeBauen(dok, 1, 1, zufall);
    // Texts draw first, then the targets, from the same sequence.
    std::vector<int32_t> texte{0, 1, 2, 3, 4, 5};
    std::vector<int32_t> ziele = texte;
    Zufall modell(99u);
    Mischen(texte, modell);
    Mischen(ziele, modell);
    ASSERT_EQ(f.size(), 6u);
    for (size_t k = 0; k < 6; ++k) {
        EXPECT_EQ(f[k].TextObjekt, texte[k]);
        EXPECT_EQ(f[k].ZielObjekt, ziele[k]);
    }
}

TEST(Fragenfolge, TexteAlphabetischNachNormalisierterBeschriftungOhneGrossKlein) {
    Dokument dok = MitFragen({u"donau", u"Rhein", u"Elbe", u"Ems-\r\nland", u"Alster"});
    Zufall zufall(1u);
    const FragenfolgeTyp f = FragenfolgeBauen(dok, 0, 0, zufall);
    std::vector<QString> texte;
    for (const auto& e : f)
        texte.push_back(dok.Objekte[e.TextObjekt].OB_Cap);
    EXPECT_EQ(texte,
              (std::vector<QString>{QStringLiteral("Alster"), QStringLiteral("donau"), QStringLiteral("Elbe"),
                                    QStringLiteral("Ems-\r\nland"), QStringLiteral("Rhein")}));
    EXPECT_EQ(zufall.seed(), 1u) << "sorting draws no random numbers";
}

TEST(Fragenfolge, GleicheBeschriftungenNachErstfundRegel) {
    // The selection sort swaps: B1, B2, A becomes A, B2, B1.
    Dokument dok = MitFragen({u"B", u"B", u"A"});
    Zufall zufall(1u);
    const FragenfolgeTyp f = FragenfolgeBauen(dok, 0, 0, zufall);
    EXPECT_EQ(f[0].TextObjekt, 2);
    EXPECT_EQ(f[1].TextObjekt, 1);
    EXPECT_EQ(f[2].TextObjekt, 0);
}

TEST(Fragenfolge, ZieleZeilenweiseVonLinksNachRechts) {
    Dokument dok = MitFragen({u"a", u"b", u"c", u"d"});
    dok.Objekte[0].OB_Kx = 0.5;
    dok.Objekte[0].OB_Ky = 0.2;
    dok.Objekte[1].OB_Kx = 0.1;
    dok.Objekte[1].OB_Ky = 0.2;
    dok.Objekte[2].OB_Kx = 0.9;
    dok.Objekte[2].OB_Ky = 0.1;
    dok.Objekte[3].OB_Kx = 0.1;
    dok.Objekte[3].OB_Ky = 0.2; // same anchor as object 1
    Zufall zufall(1u);
    const FragenfolgeTyp f = FragenfolgeBauen(dok, 0, 0, zufall);
    std::vector<int32_t> ziele;
    for (const auto& e : f)
        ziele.push_back(e.ZielObjekt);
    EXPECT_EQ(ziele, (std::vector<int32_t>{2, 1, 3, 0}));
}

TEST(Fragenfolge, GeordnetArtSortiertNachRoherBeschriftung) {
    Dokument dok = MitFragen({u"Zeta", u"alpha", u"Beta"});
    dok.Header.HD_GeordnetArt = 1;
    Zufall zufall(1u);
    const FragenfolgeTyp f = FragenfolgeBauen(dok, 1, 0, zufall);
    EXPECT_EQ(f[0].ZielObjekt, 1);
    EXPECT_EQ(f[1].ZielObjekt, 2);
    EXPECT_EQ(f[2].ZielObjekt, 0);
}

TEST(Fragenfolge, NurOffeneQuizelemente) {
    Dokument dok = MitFragen({u"a", u"b", u"c"});
    dok.Objekte[1].Zustand = 0;
    dok.Objekte.push_back(QuizObjekt(QStringLiteral("Info"), 0.5, 0.5, 2));
    dok.Objekte.back().Zustand = -5;
    Zufall zufall(1u);
    const FragenfolgeTyp f = FragenfolgeBauen(dok, 0, 0, zufall);
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[0].ZielObjekt, 0);
    EXPECT_EQ(f[1].ZielObjekt, 2);
}

TEST(Elementplaetze, ZwanzigInEinemPanelDerHoehe500) {
    int spalte = 0;
    const std::vector<QPoint> p = ElementePlatzieren(QSize(800, 500), 20, true, spalte);
    ASSERT_EQ(p.size(), 20u);
    // Element 19 at the bottom, then upwards 48 pixels apart while y stays at 35 or more.
    int x = 650;
    int y = 454;
    int stapel = 0;
    for (int k = 19; k >= 0; --k) {
        EXPECT_EQ(p[k], QPoint(x, y)) << "Element " << k;
        y -= 48;
        if (y < 35) {
            ++stapel;
            y = 454 - 7 * stapel;
            x -= 12;
        }
    }
    EXPECT_EQ(p[19], QPoint(650, 454));
    EXPECT_EQ(p[18], QPoint(650, 406));
    EXPECT_EQ(p[11], QPoint(650, 70));
    EXPECT_EQ(p[10], QPoint(638, 447)) << "the second pile starts 7 higher and 12 further left";
    EXPECT_EQ(p[2], QPoint(638, 63));
    EXPECT_EQ(p[1], QPoint(626, 440));
    EXPECT_EQ(p[0], QPoint(626, 392));
    EXPECT_EQ(spalte, 626 - 5);
}

TEST(Elementplaetze, EinzelfragenAlleAmSelbenPlatz) {
    int spalte = 0;
    const std::vector<QPoint> p = ElementePlatzieren(QSize(800, 500), 5, false, spalte);
    for (const QPoint& q : p)
        EXPECT_EQ(q, QPoint(650, 454));
    EXPECT_EQ(spalte, 645);
}

TEST(Elementplaetze, NeuLegenUeberspringtVerborgeneUndZentriert) {
    std::vector<ElementPlatz> e(4, ElementPlatz{true, QRect(QPoint(1, 1), ElementGroesse)});
    e[2].sichtbar = false;
    int spalte = 0;
    ElementeNeuLegen(QSize(800, 500), e, true, false, spalte);
    EXPECT_EQ(e[3].rechteck.topLeft(), QPoint(650, 454));
    EXPECT_EQ(e[1].rechteck.topLeft(), QPoint(650, 406)) << "no gap for the hidden element";
    EXPECT_EQ(e[0].rechteck.topLeft(), QPoint(650, 358));
    EXPECT_EQ(e[2].rechteck.topLeft(), QPoint(1, 1));
    EXPECT_EQ(spalte, 645);

    std::vector<ElementPlatz> einzeln{ElementPlatz{true, QRect(QPoint(0, 0), ElementGroesse)}};
    ElementeNeuLegen(QSize(800, 501), einzeln, true, true, spalte);
    EXPECT_EQ(einzeln[0].rechteck.topLeft(), QPoint(650, (501 - 46) / 2));
}
