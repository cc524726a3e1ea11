// The sample documents compose without loss: every coverable object gets its cover.
#include "documents/tvl_datei.h"
#include "kartentest.h"
#include "mapview/kartenfarben.h"
#include "mapview/nummerierung.h"

#include <QFileInfo>

namespace {

class BeispielTest : public ::testing::TestWithParam<const char*> {};

TEST_P(BeispielTest, AlleAbdeckungenWerdenGezeichnet) {
    const QString pfad =
        QStringLiteral(KARTELLO_BIN_ORDNER "/") + QLatin1String(GetParam()) + QStringLiteral(".tvl");
    if (!QFileInfo::exists(pfad)) GTEST_SKIP() << "sample not built: " << pfad.toStdString();
    Dokument dok;
    TvlLeser leser;
    ASSERT_TRUE(leser.lesen(pfad, dok)) << leser.errorString().toStdString();
    NummerierungSetzen(dok);
    Karte karte(dok);
    for (QSize steuer : {QSize(1007, 700), QSize(600, 450)}) {
        karte.SetzeSteuerelementgroesse(steuer);
        for (int zoom : {0, 4}) {
            karte.ZoomSetzen(zoom);
            karte.AnsichtAufbauen();
            for (int i = 0; i < static_cast<int>(dok.Objekte.size()); ++i) {
                const ObjDataTyp& o = dok.Objekte[i];
                if (!IstAbdeckbar(dok, i) || o.OB_Typ == 10) continue;
                ASSERT_NE(o.Box[0], -1) << i;
                EXPECT_GE(o.OB_KAusrAkt, 1);
                EXPECT_GT(ZaehleFarbe(karte.Kartenbild(), BoxPixel(karte, o), Kartenfarbe::AbdeckungFuellung),
                          0)
                    << GetParam() << " object " << i;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Dokumente, BeispielTest,
                         ::testing::Values("europa", "hauptstaedte", "planeten", "wasserkreislauf"));

} // namespace
