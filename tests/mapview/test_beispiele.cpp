// Every bundled sample document reads, composes without loss at 100 % and 200 % (every
// coverable object gets its cover), keeps its boxes apart in the learning and the quiz view,
// and carries no encoding faults in its texts.
#include "beispiele.h"
#include "documents/tvl_datei.h"
#include "kartentest.h"
#include "mapview/kartenfarben.h"
#include "mapview/nummerierung.h"

#include <QFileInfo>

namespace {

class BeispielTest : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        const QString pfad = BeispielPfad(GetParam());
        if (!QFileInfo::exists(pfad)) GTEST_SKIP() << "sample not built: " << pfad.toStdString();
        TvlLeser leser;
        ASSERT_TRUE(leser.lesen(pfad, m_dok)) << leser.errorString().toStdString();
    }
    Dokument m_dok;
};

TEST_P(BeispielTest, AlleAbdeckungenWerdenGezeichnet) {
    Dokument& dok = m_dok;
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

// The boxes of the labels, as the view lays them out, overlap nowhere: covered in the learning
// view, and as open positions (discs) when a quiz asks them.
TEST_P(BeispielTest, KaestenUeberschneidenSichNicht) {
    if (m_dok.Header.HD_DokTyp == Einzelfragen) GTEST_SKIP() << "one question at a time";
    for (int zustand : {int(ObZustand::Verdeckt), int(ObZustand::Offen)}) {
        Dokument dok = m_dok;
        for (ObjDataTyp& o : dok.Objekte)
            if (o.OB_Typ == ObArt::Beschriftung || o.OB_Typ == ObArt::Luecke) o.Zustand = zustand;
        Karte karte(dok);
        karte.SetzeSteuerelementgroesse(QSize(870, 650));
        if (zustand == ObZustand::Offen) karte.SetzeAnsichtsmodus(Karte::Quizansicht);
        karte.AnsichtAufbauen();
        std::vector<std::pair<int, QRect>> kaesten;
        for (int i = 0; i < static_cast<int>(dok.Objekte.size()); ++i) {
            const QRect r = BoxPixel(karte, dok.Objekte[i]);
            if (dok.Objekte[i].Box[0] == -1 || r.isEmpty()) continue;
            for (const auto& [j, s] : kaesten)
                EXPECT_FALSE(r.intersects(s))
                    << GetParam() << " state " << zustand << ": " << dok.Objekte[i].OB_Cap.toStdString()
                    << " over " << dok.Objekte[j].OB_Cap.toStdString();
            kaesten.push_back({i, r});
        }
    }
}

// No replacement characters and no UTF-8 read as Latin-1 ("Ã¤" for "ä") in any text.
TEST_P(BeispielTest, TexteOhneKodierungsfehler) {
    QStringList texte{m_dok.Header.HD_titel, m_dok.Header.HD_bemerkung, m_dok.Header.HD_lueckentext,
                      m_dok.Header.HD_fragentext};
    for (const ObjDataTyp& o : m_dok.Objekte)
        texte << o.OB_Cap;
    EXPECT_FALSE(m_dok.Header.HD_titel.trimmed().isEmpty());
    for (const QString& t : texte)
        for (const QString& fehler : {QStringLiteral("\uFFFD"), QStringLiteral("Ã"), QStringLiteral("Â"),
                                      QStringLiteral("â€"), QStringLiteral("?\?")})
            EXPECT_FALSE(t.contains(fehler)) << GetParam() << ": " << t.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Dokumente, BeispielTest, ::testing::ValuesIn(Beispielnamen()),
                         [](const ::testing::TestParamInfo<std::string>& fall) {
                             return BeispielTestname(fall.param);
                         });

TEST(Beispiele, SechzehnDokumenteAusDreiFaechern) {
    const std::vector<std::string> namen = Beispielnamen();
    EXPECT_GE(namen.size(), 16u);
    for (const char* fach : {"biologie-", "deutsch-", "erdkunde-"})
        EXPECT_TRUE(std::any_of(namen.begin(), namen.end(), [fach](const std::string& n) {
            return n.rfind(fach, 0) == 0;
        })) << fach;
}

} // namespace
