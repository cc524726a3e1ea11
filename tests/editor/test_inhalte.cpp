#include "editor/fragenseiten.h"
#include "editor/lueckentext.h"
#include "editor/objekte.h"
#include "editor/pruefungen.h"
#include "editortest.h"
#include "mapview/karte.h"

// The samples are read where the build puts them beside the programs (KARTELLO_BIN_ORDNER).
namespace {

Dokumentstand StandAus(const Dokument& d) {
    return {d.Header, d.Objekte, d.Basisbild};
}

// Where the player's map view puts the gaps of a document, at its standard size.
std::vector<QPointF> LueckenDesSpielers(const Dokumentstand& s) {
    Dokument d;
    d.Header = s.Kopf;
    d.Objekte = s.Objekte;
    d.Basisbild = s.Basisbild;
    Karte karte(d);
    karte.AnsichtAufbauen();
    std::vector<QPointF> orte;
    for (const ObjDataTyp& o : d.Objekte)
        if (o.OB_Typ == ObArt::Luecke) orte.emplace_back(o.OB_Kx, o.OB_Ky);
    return orte;
}

std::vector<QPointF> Luecken(const Dokumentstand& s) {
    std::vector<QPointF> orte;
    for (const ObjDataTyp& o : s.Objekte)
        if (o.OB_Typ == ObArt::Luecke) {
            EXPECT_EQ(o.OB_Sx, o.OB_Kx);
            EXPECT_EQ(o.OB_Sy, o.OB_Ky);
            orte.emplace_back(o.OB_Kx, o.OB_Ky);
        }
    return orte;
}

TEST(Lueckentext, LueckenLiegenWoDerSpielerSieLegt) {
    Dokument beispiel;
    ASSERT_TRUE(TvlLeser().lesen(Beispiel("wasserkreislauf"), beispiel));
    Dokumentstand s = StandAus(beispiel);
    const QStringList woerter = LueckenWoerter(s.Kopf.HD_lueckentext);
    LueckenAbgleichen(s);
    const std::vector<QPointF> orte = Luecken(s);
    ASSERT_EQ(orte.size(), static_cast<size_t>(woerter.size()));
    ASSERT_GT(orte.size(), 5u);
    EXPECT_EQ(orte, LueckenDesSpielers(StandAus(beispiel)));
    for (size_t i = 0, k = 0; i < s.Objekte.size(); ++i)
        if (s.Objekte[i].OB_Typ == ObArt::Luecke) {
            EXPECT_EQ(s.Objekte[i].OB_Cap, woerter[static_cast<qsizetype>(k++)]);
            EXPECT_TRUE(s.Objekte[i].GleicheDateifelder(s.Objekte[i])); // same record otherwise
        }

    // A new gap early in the text moves every later gap; they follow the player's layout.
    const int stelle = static_cast<int>(s.Kopf.HD_lueckentext.indexOf(u' ')) - 1;
    s.Kopf.HD_lueckentext = WortZurLuecke(s.Kopf.HD_lueckentext, stelle, stelle);
    LueckenAbgleichen(s);
    EXPECT_EQ(Luecken(s).size(), orte.size() + 1);
    EXPECT_EQ(Luecken(s), LueckenDesSpielers(s));
    // Removing a keyword's brackets removes a gap from the end of the list.
    s.Kopf.HD_lueckentext.replace(s.Kopf.HD_lueckentext.indexOf(QStringLiteral("<<")), 2, QString());
    s.Kopf.HD_lueckentext.replace(s.Kopf.HD_lueckentext.indexOf(QStringLiteral(">>")), 2, QString());
    LueckenAbgleichen(s);
    EXPECT_EQ(Luecken(s), orte);
}

struct WortFall {
    const char* text;
    int anfang;
    int ende;
    const char* erwartet;
};

class WortZurLueckeFall : public ::testing::TestWithParam<WortFall> {};

TEST_P(WortZurLueckeFall, KlammernUmDasWort) {
    const WortFall f = GetParam();
    EXPECT_EQ(WortZurLuecke(QString::fromUtf8(f.text), f.anfang, f.ende), QString::fromUtf8(f.erwartet));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, WortZurLueckeFall,
    ::testing::Values(WortFall{"Das Wasser fließt.", 6, 6, "Das <<Wasser>> fließt."},   // cursor in the word
                      WortFall{"Das Wasser fließt.", 4, 10, "Das <<Wasser>> fließt."},  // selection
                      WortFall{"Das Wasser fließt.", 3, 11, "Das <<Wasser>> fließt."},  // blanks trimmed
                      WortFall{"Das Wasser fließt.", 11, 17, "Das Wasser <<fließt>>."}, // umlaut word
                      WortFall{"Das <<Wasser>> fließt.", 8, 8, "Das <<Wasser>> fließt."}, // already a gap
                      WortFall{"Das  Wasser", 4, 4, "Das  Wasser"},                       // no word there
                      WortFall{"", 0, 0, ""}));

TEST(Fragenseiten, LegtDieSeitenWieDasBeispielAn) {
    Dokument beispiel;
    ASSERT_TRUE(TvlLeser().lesen(Beispiel("hauptstaedte"), beispiel));
    const std::vector<EinzelFrage> fragen = FragenAusDokument(beispiel.Header);
    ASSERT_EQ(fragen.size(), 12u);
    EXPECT_EQ(fragen[0].Antwort, QStringLiteral("Paris"));
    HeaderDataTyp kopf = beispiel.Header;
    std::vector<ObjDataTyp> objekte;
    FragenSetzen(kopf, objekte, fragen);
    EXPECT_EQ(kopf, beispiel.Header);
    ASSERT_EQ(objekte.size(), beispiel.Objekte.size());
    for (size_t i = 0; i < objekte.size(); ++i)
        EXPECT_TRUE(objekte[i].GleicheDateifelder(beispiel.Objekte[i])) << i;

    // A separator or line end typed into a question cannot split its line.
    FragenSetzen(kopf, objekte, {{QStringLiteral("A // B\nC"), QStringLiteral("D")}, {QString(), QString()}});
    EXPECT_EQ(kopf.HD_AnzFrageNummern, 1);
    EXPECT_EQ(FragenAusDokument(kopf),
              (std::vector<EinzelFrage>{{QStringLiteral("A / B C"), QStringLiteral("D")}}));
}

struct PruefFall {
    const char* name;
    std::function<void(Dokument&)> aendern;
    int objekt;
    const char* text;
};

class Pruefung : public ::testing::TestWithParam<PruefFall> {};

// Two labels apart from each other, drawn by the map view so that their boxes are known.
Dokument Grunddokument(const std::function<void(Dokument&)>& aendern) {
    Dokument d;
    d.Header.HD_DokTyp = Bildbeschriftung;
    d.Basisbild = QImage(870, 600, QImage::Format_RGB32);
    d.Basisbild.fill(Qt::white);
    ObjDataTyp a = NeueBeschriftung({0.1, 0.1});
    a.OB_Cap = QStringLiteral("Nord");
    ObjDataTyp b = NeueBeschriftung({0.1, 0.6});
    b.OB_Cap = QStringLiteral("Süd");
    d.Objekte = {a, b};
    aendern(d);
    Karte karte(d);
    karte.AnsichtAufbauen();
    return d;
}

TEST_P(Pruefung, FindetDenFehlerAmObjekt) {
    const PruefFall f = GetParam();
    const std::vector<Befund> befunde = DokumentPruefen(Grunddokument(f.aendern));
    if (f.text == nullptr) {
        EXPECT_TRUE(befunde.empty()) << befunde.front().text.toStdString();
        return;
    }
    ASSERT_EQ(befunde.size(), 1u) << befunde.front().text.toStdString();
    EXPECT_EQ(befunde[0].objekt, f.objekt);
    EXPECT_EQ(befunde[0].text, QString::fromUtf8(f.text));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Pruefung,
    ::testing::Values(
        PruefFall{"ohne", [](Dokument&) {}, -1, nullptr},
        PruefFall{"leer", [](Dokument& d) { d.Objekte[1].OB_Cap.clear(); }, 1,
                  "Objekt 2 hat keine Beschriftung."},
        PruefFall{"ankerDraussen", [](Dokument& d) { d.Objekte[0].OB_Sx = -0.1; }, 0,
                  "Der Ankerpunkt von \"Nord\" liegt außerhalb der Karte."},
        PruefFall{"kastenDraussen", [](Dokument& d) { d.Objekte[1].OB_Kx = 0.98; }, 1,
                  "Der Kasten von \"Süd\" liegt außerhalb der Karte."},
        PruefFall{"ueberlappt", [](Dokument& d) { ObjektVerschieben(d.Objekte[1], 0.01, -0.5); }, 0,
                  "Der Kasten von \"Nord\" überdeckt den Kasten von \"Süd\"."},
        PruefFall{"keineFragen", [](Dokument& d) { d.Objekte.clear(); }, -1, "Das Quiz hat keine Fragen."},
        PruefFall{"lueckeDraussen",
                  [](Dokument& d) {
                      d.Objekte[1].OB_Typ = ObArt::Luecke;
                      d.Objekte[1].OB_Ky = 1.2;
                  },
                  1, "Lücke \"Süd\" liegt außerhalb des Bildes."}),
    [](const ::testing::TestParamInfo<PruefFall>& fall) { return std::string(fall.param.name); });

} // namespace
