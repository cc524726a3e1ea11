// The rating scale: bands in the grade colours between the thresholds, the marker at L.
#include "quiz/bewertungsskala.h"
#include "quiz/quiztexte.h"

#include <gtest/gtest.h>

namespace {
const QColor Panel(236, 233, 216);
const QSize Groesse(217, 209);
} // namespace

TEST(Bewertungsskala, ZeilenDerGrenzen) {
    // s = 209 - 24 = 185; 1 - 0.85 = 0.15 -> 27.75 -> 28 (+12)
    EXPECT_EQ(SkalenZeile(1.0, 209), 12);
    EXPECT_EQ(SkalenZeile(0.0, 209), 197);
    EXPECT_EQ(SkalenZeile(0.85, 209), 12 + 28);
    EXPECT_EQ(SkalenZeile(0.5, 209), 12 + 92) << "92.5 rounds to the even 92";
}

TEST(Bewertungsskala, BaenderInDenNotenfarben) {
    const QImage bild = BewertungsskalaZeichnen(Groesse, 0.7, Panel);
    ASSERT_EQ(bild.size(), Groesse);
    const int x = 87 + 10; // inside the bar from round(86.8) to round(130.2)
    for (int g = 1; g <= 6; ++g) {
        const int oben = SkalenZeile(Notengrenzen[g - 1], 209);
        const int unten = SkalenZeile(Notengrenzen[g], 209);
        EXPECT_EQ(bild.pixelColor(x, (oben + unten) / 2 - 4), Notenfarbe(g)) << "Note " << g;
        EXPECT_EQ(bild.pixelColor(x, unten), QColor(Qt::black)) << "outline below grade " << g;
    }
    EXPECT_EQ(bild.pixelColor(5, 5), Panel);
    EXPECT_EQ(bild.pixelColor(x, 5), Panel) << "nothing above the 100 % line";
    // Marker line from the bar's right edge at y of 70 %.
    const int ym = SkalenZeile(0.7, 209);
    EXPECT_EQ(bild.pixelColor(130 + 5, ym), QColor(Qt::black));
    EXPECT_EQ(bild.pixelColor(130 + 5, ym - 3), Panel);
}

TEST(Bewertungsskala, WinzigOderLeerOhneAbsturz) {
    EXPECT_TRUE(BewertungsskalaZeichnen(QSize(0, 0), 0.5, Panel).isNull());
    EXPECT_EQ(BewertungsskalaZeichnen(QSize(3, 3), 2.0, Panel).size(), QSize(3, 3));
    EXPECT_EQ(Notenfarbe(0), QColor(Qt::black));
}
