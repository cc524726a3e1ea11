#include "documents/themenliste.h"

#include "data/av_data.h"
#include "test_themenliste_hilfe.h"

#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace thementest;

namespace {

QStringList Dateinamen(const Themenliste& liste) {
    QStringList namen;
    for (const ThemenDataTyp& e : liste.Eintraege())
        namen << QFileInfo(e.Pfad).fileName();
    return namen;
}

class ThemenlisteTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_tmp.isValid()); }
    QDir ordner() const { return QDir(m_tmp.path()); }
    void anlegen(const QString& name, const QString& titel) {
        ASSERT_TRUE(DokumentAnlegen(ordner(), name, titel));
    }
    void zahlreicheAnlegen(int anzahl) {
        for (int i = 0; i < anzahl; ++i)
            anlegen(QStringLiteral("d%1.tvl").arg(i, 3, 10, QLatin1Char('0')),
                    QStringLiteral("Titel %1").arg(i));
    }
    QTemporaryDir m_tmp;
};

} // namespace

TEST_F(ThemenlisteTest, SortiertNachDateinamenOhneGrossKlein) {
    anlegen(QStringLiteral("B.tvl"), QStringLiteral("Bee"));
    anlegen(QStringLiteral("a.tvl"), QStringLiteral("Aa"));
    anlegen(QStringLiteral("C.tvl"), QStringLiteral("Cee"));
    Themenliste liste;
    liste.OrdnerLesen(m_tmp.path());
    EXPECT_EQ(Dateinamen(liste),
              (QStringList{QStringLiteral("a.tvl"), QStringLiteral("B.tvl"), QStringLiteral("C.tvl")}));
    EXPECT_EQ(liste.Eintrag(1).Titel, QStringLiteral("Bee"));
    EXPECT_EQ(liste.Eintrag(1).Sortierschluessel, QStringLiteral("b.tvl"));
    EXPECT_EQ(liste.Eintrag(1).Pfad, MitTrenner(m_tmp.path()) + QStringLiteral("B.tvl"));
}

TEST_F(ThemenlisteTest, TitelMitUmlautenAus1252) {
    anlegen(QStringLiteral("x.tvl"), QStringLiteral("Flüsse – Übersicht"));
    Themenliste liste;
    liste.OrdnerLesen(m_tmp.path());
    ASSERT_EQ(liste.Anzahl(), 1);
    EXPECT_EQ(liste.Eintrag(0).Titel, QStringLiteral("Flüsse – Übersicht"));
}

TEST_F(ThemenlisteTest, NurTvlDateienOhneUnterordnerMitVerstecktenUndGrossenEndungen) {
    anlegen(QStringLiteral("eins.tvl"), QStringLiteral("1"));
    anlegen(QStringLiteral(".versteckt.tvl"), QStringLiteral("2"));
    anlegen(QStringLiteral("GROSS.TVL"), QStringLiteral("3"));
    anlegen(QStringLiteral("anders.txt"), QStringLiteral("4"));
    anlegen(QStringLiteral("fast.tvlx"), QStringLiteral("5"));
    ASSERT_TRUE(ordner().mkdir(QStringLiteral("unter.tvl")));
    ASSERT_TRUE(DokumentAnlegen(QDir(ordner().filePath(QStringLiteral("unter.tvl"))),
                                QStringLiteral("tief.tvl"), QStringLiteral("6")));
    Themenliste liste;
    liste.OrdnerLesen(m_tmp.path());
    EXPECT_EQ(Dateinamen(liste), (QStringList{QStringLiteral(".versteckt.tvl"), QStringLiteral("eins.tvl"),
                                              QStringLiteral("GROSS.TVL")}));
}

TEST_F(ThemenlisteTest, FremdeUndBeschaedigteDateienWerdenUebergangen) {
    anlegen(QStringLiteral("gut.tvl"), QStringLiteral("gut"));
    const QByteArray gut = Dokumentbytes(QStringLiteral("Titel"));
    ASSERT_TRUE(Schreiben(ordner().filePath(QStringLiteral("leer.tvl")), {}));
    ASSERT_TRUE(Schreiben(ordner().filePath(QStringLiteral("fremd.tvl")),
                          Dokumentbytes(QStringLiteral("x"), QStringLiteral("TVL-HSC-1.00"))));
    ASSERT_TRUE(Schreiben(ordner().filePath(QStringLiteral("text.tvl")),
                          QByteArrayLiteral("Hallo Welt, kein Dokument")));
    // Cut in the middle of the title.
    ASSERT_TRUE(Schreiben(ordner().filePath(QStringLiteral("kurz.tvl")), gut.left(gut.indexOf("Titel") + 2)));
    // A title length that runs far past the end of the file.
    QByteArray riesig = gut.left(gut.indexOf("Titel") - 4);
    Zahl(riesig, 0x7FFFFFF0);
    riesig.append("Titel");
    ASSERT_TRUE(Schreiben(ordner().filePath(QStringLiteral("riesig.tvl")), riesig));
    QByteArray negativ = gut.left(gut.indexOf("Titel") - 4);
    Zahl(negativ, -5);
    ASSERT_TRUE(Schreiben(ordner().filePath(QStringLiteral("negativ.tvl")), negativ));
    Themenliste liste;
    liste.OrdnerLesen(m_tmp.path());
    EXPECT_EQ(Dateinamen(liste), QStringList{QStringLiteral("gut.tvl")});
}

#ifdef Q_OS_UNIX
TEST_F(ThemenlisteTest, RohrMitEndungBlockiertNicht) {
    anlegen(QStringLiteral("gut.tvl"), QStringLiteral("gut"));
    ASSERT_EQ(mkfifo(QFile::encodeName(ordner().filePath(QStringLiteral("rohr.tvl"))).constData(), 0600), 0);
    Themenliste liste;
    liste.OrdnerLesen(m_tmp.path());
    EXPECT_EQ(Dateinamen(liste), QStringList{QStringLiteral("gut.tvl")});
}
#endif

TEST_F(ThemenlisteTest, FehlenderOderLeererOrdnerGibtLeereListe) {
    anlegen(QStringLiteral("a.tvl"), QStringLiteral("a"));
    Themenliste liste;
    liste.OrdnerLesen(m_tmp.path());
    ASSERT_EQ(liste.Anzahl(), 1);
    liste.OrdnerLesen(ordner().filePath(QStringLiteral("gibt-es-nicht")));
    EXPECT_EQ(liste.Anzahl(), 0);
    EXPECT_EQ(liste.Spaltenumbruch(), -1);
    liste.OrdnerLesen(QString());
    EXPECT_EQ(liste.Anzahl(), 0);
    // A file named as the folder is no folder either.
    liste.OrdnerLesen(ordner().filePath(QStringLiteral("a.tvl")));
    EXPECT_EQ(liste.Anzahl(), 0);
}

TEST_F(ThemenlisteTest, MenueBeschriftungen) {
    zahlreicheAnlegen(10);
    ASSERT_TRUE(DokumentAnlegen(ordner(), QStringLiteral("d003.tvl"), QStringLiteral("   ")));
    ASSERT_TRUE(DokumentAnlegen(ordner(), QStringLiteral("d004.tvl"), QString()));
    Themenliste liste;
    liste.OrdnerLesen(m_tmp.path());
    ASSERT_EQ(liste.Anzahl(), 10);
    EXPECT_EQ(liste.MenueBeschriftung(0), QStringLiteral("&1:  Titel 0"));
    EXPECT_EQ(liste.MenueBeschriftung(3), QStringLiteral("&4:  d003.tvl"));
    EXPECT_EQ(liste.MenueBeschriftung(4), QStringLiteral("&5:  d004.tvl"));
    EXPECT_EQ(liste.MenueBeschriftung(8), QStringLiteral("&9:  Titel 8"));
    EXPECT_EQ(liste.MenueBeschriftung(9), QStringLiteral("10:  Titel 9"));
}

TEST_F(ThemenlisteTest, SpaltenumbruchImOrdner) {
    zahlreicheAnlegen(30);
    Themenliste liste;
    liste.OrdnerLesen(m_tmp.path());
    EXPECT_EQ(liste.Spaltenumbruch(), -1);
    anlegen(QStringLiteral("zz.tvl"), QStringLiteral("31"));
    liste.OrdnerLesen(m_tmp.path());
    EXPECT_EQ(liste.Spaltenumbruch(), 12);
}

TEST(Themenliste, SpaltenumbruchFuerAnzahl) {
    const std::pair<int, int> faelle[] = {{0, -1},  {1, -1},  {30, -1}, {31, 12},
                                          {32, 12}, {33, 13}, {100, 46}};
    for (const auto& [anzahl, umbruch] : faelle)
        EXPECT_EQ(Themenliste::SpaltenumbruchFuer(anzahl), umbruch) << anzahl;
}

TEST_F(ThemenlisteTest, HakenNurBeiGenauGleichemPfad) {
    anlegen(QStringLiteral("a.tvl"), QStringLiteral("a"));
    anlegen(QStringLiteral("b.tvl"), QStringLiteral("b"));
    Themenliste liste;
    liste.OrdnerLesen(m_tmp.path());
    const QString pfad = liste.Eintrag(1).Pfad;
    EXPECT_EQ(liste.IndexVon(pfad), 1);
    EXPECT_EQ(liste.IndexVon(pfad.toUpper()), -1);
    EXPECT_EQ(liste.IndexVon(QString()), -1);
    EXPECT_EQ(liste.IndexVon(ordner().filePath(QStringLiteral("c.tvl"))), -1);
}

TEST(Themenliste, ZieleVonNaechstemUndVorherigem) {
    Themenliste leer([](const QString&, QString&, QString&) { return true; });
    EXPECT_EQ(leer.NaechstesZiel(-1), -1);
    EXPECT_EQ(leer.VorherigesZiel(-1), -1);

    QTemporaryDir tmp;
    for (const char* name : {"a.tvl", "b.tvl", "c.tvl"})
        ASSERT_TRUE(DokumentAnlegen(QDir(tmp.path()), QString::fromLatin1(name), QStringLiteral("t")));
    Themenliste liste;
    liste.OrdnerLesen(tmp.path());
    ASSERT_EQ(liste.Anzahl(), 3);
    struct Fall {
        int index, naechstes, vorheriges;
    };
    const Fall faelle[] = {{-1, 0, 0}, {0, 1, 0}, {1, 2, 0}, {2, 2, 1}};
    for (const Fall& f : faelle) {
        EXPECT_EQ(liste.NaechstesZiel(f.index), f.naechstes) << f.index;
        EXPECT_EQ(liste.VorherigesZiel(f.index), f.vorheriges) << f.index;
    }
}

TEST(Themenliste, SortierungBelaesstGleicheSchluesselWieAuswahlsortierung) {
    // A selection sort swaps, so of equal keys the order is that of the swaps,
    // not the order found: [b1, b2, a] becomes [a, b2, b1].
    std::vector<ThemenDataTyp> e = {
        {QStringLiteral("b1"), QStringLiteral("/x/B.tvl"), QStringLiteral("b.tvl")},
        {QStringLiteral("b2"), QStringLiteral("/x/b.tvl"), QStringLiteral("b.tvl")},
        {QStringLiteral("a"), QStringLiteral("/x/a.tvl"), QStringLiteral("a.tvl")}};
    ThemenSortieren(e);
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(e[0].Titel, QStringLiteral("a"));
    EXPECT_EQ(e[1].Titel, QStringLiteral("b2"));
    EXPECT_EQ(e[2].Titel, QStringLiteral("b1"));
}

TEST(Themenliste, SortierungVergleichtOhneGrossKlein) {
    std::vector<ThemenDataTyp> e;
    for (const char* s : {"Zebra.tvl", "apfel.tvl", "Mitte.tvl", "birne.tvl", "10.tvl", "2.tvl"})
        e.push_back({QString(), QString(), QString::fromLatin1(s)});
    ThemenSortieren(e);
    QStringList namen;
    for (const ThemenDataTyp& t : e)
        namen << t.Sortierschluessel;
    EXPECT_EQ(namen, (QStringList{QStringLiteral("10.tvl"), QStringLiteral("2.tvl"),
                                  QStringLiteral("apfel.tvl"), QStringLiteral("birne.tvl"),
                                  QStringLiteral("Mitte.tvl"), QStringLiteral("Zebra.tvl")}));
}

TEST(Themenliste, OrdnerVonPfad) {
    EXPECT_EQ(OrdnerVonPfad(QStringLiteral("/a/b/c.tvl")), QStringLiteral("/a/b/"));
    EXPECT_EQ(OrdnerVonPfad(QStringLiteral("c.tvl")), QString());
    EXPECT_EQ(OrdnerVonPfad(QStringLiteral("/c.tvl")), QStringLiteral("/"));
}

TEST(Themenliste, TitelTexte) {
    Dokument dok;
    EXPECT_EQ(FensterTitelText(dok), QStringLiteral("Velmora Kartello-Quiz"));
    EXPECT_EQ(DokTitelText(dok),
              QStringLiteral("Rufen Sie das Menü \"Quizauswahl\" auf, um ein Quiz auszuwählen!"));

    dok.Header.Dateiname = QStringLiteral("/t/a.tvl");
    dok.Header.HD_titel = QStringLiteral("Flüsse");
    dok.Header.HD_AnzFrageNummern = 12;
    dok.Listenindex = 3;
    EXPECT_EQ(FensterTitelText(dok), QStringLiteral("Velmora Kartello-Quiz - Flüsse"));
    EXPECT_EQ(DokTitelText(dok), QStringLiteral("Flüsse (12 Fragen)"));
    dok.Listenindex = -1;
    EXPECT_EQ(DokTitelText(dok), QStringLiteral(" Flüsse (12 Fragen)"));

    dok.Header.HD_titel.clear();
    dok.Header.HD_AnzFrageNummern = 0;
    EXPECT_EQ(FensterTitelText(dok), QStringLiteral("Velmora Kartello-Quiz - "));
    EXPECT_EQ(DokTitelText(dok), QStringLiteral(" (ohne Titel) (0 Fragen)"));
    dok.Listenindex = 0;
    EXPECT_EQ(DokTitelText(dok), QStringLiteral("(ohne Titel) (0 Fragen)"));
}

TEST(Themenliste, SortierungFolgtDemGebietsschema) {
    const QLocale vorher;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    std::vector<ThemenDataTyp> e;
    for (const char16_t* s : {u"zebra.tvl", u"äpfel.tvl", u"birne.tvl", u"apfel.tvl"})
        e.push_back({QString(), QString(), QString::fromUtf16(s)});
    ThemenSortieren(e);
    QLocale::setDefault(vorher);
    QStringList namen;
    for (const ThemenDataTyp& t : e)
        namen << t.Sortierschluessel;
    EXPECT_EQ(namen, (QStringList{QStringLiteral("apfel.tvl"), QStringLiteral("äpfel.tvl"),
                                  QStringLiteral("birne.tvl"), QStringLiteral("zebra.tvl")}));
}
