// The document model: reset to the empty document and the question text rules.
#include "documents/dokument.h"

#include <gtest/gtest.h>

TEST(Dokument, LeeresDokument) {
    const HeaderDataTyp h;
    EXPECT_EQ(h.HD_vers, QStringLiteral("1.00"));
    for (const QString* t :
         {&h.Dateiname, &h.HD_titel, &h.HD_autor, &h.HD_bemerkung, &h.HD_lueckentext, &h.HD_fragentext})
        EXPECT_TRUE(t->isEmpty());
    EXPECT_EQ(h.HD_AnzFrageNummern, 0);
    EXPECT_EQ(h.HD_DokTyp, 0);
    EXPECT_EQ(h.HD_NumArt, 0);
    EXPECT_EQ(h.HD_GeordnetArt, 0);
    EXPECT_FALSE(h.Geaendert);
    for (const double r : h.HD_RandErw)
        EXPECT_EQ(r, 0.0);
}

TEST(Dokument, ZuruecksetzenMerktDasVorherigeUndLaesstObjekteUndBild) {
    Dokument d;
    d.Header.Dateiname = QStringLiteral("/t/welt.tvl");
    d.Header.HD_titel = QStringLiteral("Welt");
    d.Header.HD_vers = QStringLiteral("2.00");
    d.Header.HD_RandErw = {0.1, 0.2, 0.3, 0.4};
    d.Header.Geaendert = true;
    d.Header.HD_DokTyp = Einzelfragen;
    d.Listenindex = 4;
    d.AktuelleFrage = 3;
    d.Objekte.resize(5);
    d.Basisbild = QImage(4, 4, QImage::Format_RGB32);
    d.Zuruecksetzen();
    EXPECT_EQ(d.VorherigesDokument, QStringLiteral("/t/welt.tvl"));
    EXPECT_EQ(d.Header, HeaderDataTyp{});
    EXPECT_FALSE(d.IstOffen());
    EXPECT_EQ(d.Listenindex, -1);
    EXPECT_EQ(d.AktuelleFrage, 0);
    EXPECT_EQ(d.Objekte.size(), 5u);
    EXPECT_EQ(d.Basisbild.size(), QSize(4, 4));
    // A second reset records the empty name.
    d.Zuruecksetzen();
    EXPECT_TRUE(d.VorherigesDokument.isEmpty());
}

struct FragenFall {
    const char* name;
    QString text;
    std::vector<FrageTextZeile> fragen;
};

bool operator==(const FrageTextZeile& a, const FrageTextZeile& b) {
    return a.Frage == b.Frage && a.Antwort == b.Antwort;
}

void PrintTo(const FrageTextZeile& z, std::ostream* os) {
    *os << '{' << z.Frage.toStdString() << " | " << z.Antwort.toStdString() << '}';
}

class Fragentext : public ::testing::TestWithParam<FragenFall> {};

TEST_P(Fragentext, Zeilen) {
    EXPECT_EQ(FragenAusFragentext(GetParam().text), GetParam().fragen);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Fragentext,
    ::testing::Values(FragenFall{"MitAntwort",
                                 QStringLiteral("  Wie lang ist der Rhein?  //  1233 km \t"),
                                 {{QStringLiteral("Wie lang ist der Rhein?"), QStringLiteral("1233 km")}}},
                      FragenFall{"OhneAntwort",
                                 QStringLiteral("Hauptstadt?"),
                                 {{QStringLiteral("Hauptstadt?"), QStringLiteral("---")}}},
                      FragenFall{"LeerzeilenZaehlenNicht",
                                 QStringLiteral("A\r\n   \r\n\t\r\nB//b\n\nC"),
                                 {{QStringLiteral("A"), QStringLiteral("---")},
                                  {QStringLiteral("B"), QStringLiteral("b")},
                                  {QStringLiteral("C"), QStringLiteral("---")}}},
                      FragenFall{"ZweiterTrennerBleibtInDerAntwort",
                                 QStringLiteral("F // a // b"),
                                 {{QStringLiteral("F"), QStringLiteral("a // b")}}},
                      FragenFall{"NurTrenner", QStringLiteral("//"), {{QString(), QString()}}},
                      FragenFall{"CrAlsZeilenende",
                                 QStringLiteral("x\ry"),
                                 {{QStringLiteral("x"), QStringLiteral("---")},
                                  {QStringLiteral("y"), QStringLiteral("---")}}},
                      FragenFall{"Leer", QString(), {}}),
    [](const auto& fall) { return std::string(fall.param.name); });

TEST(Dokument, DokTypNamen) {
    EXPECT_EQ(DokTypName(0), QStringLiteral("Bildbeschriftung"));
    EXPECT_EQ(DokTypName(1), QStringLiteral("Lückentext"));
    EXPECT_EQ(DokTypName(2), QStringLiteral("Einzelfragen"));
    EXPECT_TRUE(DokTypName(3).isEmpty());
    EXPECT_TRUE(DokTypName(-1).isEmpty());
}
