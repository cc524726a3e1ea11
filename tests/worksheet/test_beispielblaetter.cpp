// Every bundled sample prints: the page draws, and on a labelling sheet the answer boxes of
// worksheet, solution sheet and overlay stand apart and are tall enough to write in on A4.
#include "beispiele.h"
#include "blatttest.h"
#include "documents/tvl_datei.h"
#include "mapview/karte.h"

#include <QFileInfo>

namespace {

constexpr QSize Steuerelement(870, 650);

// What the page's map drawing puts down for object i alone in one variant (without its
// leader line), as the bounding rectangle on a canvas of a colour the map never uses.
QRect Zeichnung(Karte& karte, int i, int variante) {
    const QColor leer(255, 0, 255);
    QImage bild(karte.Hintergrundbild().size(), QImage::Format_RGB32);
    bild.fill(leer);
    karte.ZeichneObjekt(i, bild, variante, false, false, false);
    QRect r;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (bild.pixelColor(x, y) != leer) r = r.united(QRect(x, y, 1, 1));
    return r;
}

class BeispielBlatt : public ::testing::TestWithParam<std::string> {};

TEST_P(BeispielBlatt, SeiteMitGetrenntenKaestenVonMindestensSiebenMillimetern) {
    const QString pfad = BeispielPfad(GetParam());
    if (!QFileInfo::exists(pfad)) GTEST_SKIP() << "sample not built: " << pfad.toStdString();
    Dokument dok;
    TvlLeser leser;
    ASSERT_TRUE(leser.lesen(pfad, dok)) << leser.errorString().toStdString();

    ArbeitsblattOptionen opt;
    opt.titel = dok.Header.HD_titel;
    const Aufnahme seite = Aufnehmen(dok, opt);
    EXPECT_FALSE(seite.befehle().empty());
    if (dok.Header.HD_DokTyp == Einzelfragen) {
        EXPECT_GE(seite.info.letzteFrage, 1);
    }
    if (dok.Header.HD_DokTyp != Bildbeschriftung) return;

    const Arbeitsblatt blatt(dok, opt, Steuerelement);
    Dokument kopie = dok;
    for (ObjDataTyp& o : kopie.Objekte)
        o.Zustand = ObZustand::Verdeckt;
    Karte karte(kopie);
    karte.SetzeSteuerelementgroesse(Steuerelement);
    karte.HintergrundAufbauen();
    // The same composition as the page's: the boxes below are where the page draws them.
    ASSERT_EQ(karte.Hintergrundbild().size(), blatt.Kartenbild().size());
    const double mmProPixel = Arbeitsblatt::BreiteMm / blatt.Kartenbild().width();

    for (int variante : {int(LeereAntwortkaesten), int(KaestenMitLoesung), int(NurLoesung)}) {
        std::vector<std::pair<int, QRect>> kaesten;
        for (int i = 0; i < static_cast<int>(kopie.Objekte.size()); ++i) {
            if (kopie.Objekte[i].OB_Typ != ObArt::Beschriftung) continue;
            const QRect r = Zeichnung(karte, i, variante);
            ASSERT_FALSE(r.isEmpty()) << i;
            if (variante != NurLoesung) {
                EXPECT_GE(r.height() * mmProPixel, 7.0)
                    << GetParam() << ": " << kopie.Objekte[i].OB_Cap.toStdString();
            }
            for (const auto& [j, s] : kaesten)
                EXPECT_FALSE(r.intersects(s))
                    << GetParam() << " variant " << variante << ": " << kopie.Objekte[i].OB_Cap.toStdString()
                    << " over " << kopie.Objekte[j].OB_Cap.toStdString();
            kaesten.push_back({i, r});
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Dokumente, BeispielBlatt, ::testing::ValuesIn(Beispielnamen()),
                         [](const ::testing::TestParamInfo<std::string>& fall) {
                             return BeispielTestname(fall.param);
                         });

} // namespace
