// The .hsc layout byte for byte, reading by key list, damaged and truncated files.
#include "results/bestenliste_format.h"

#include "test_bestenliste_hilfe.h"

#include <QTimeZone>
#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(BestenlisteFormat, KopfHatKennungUndSchluessellisteInIhrenLaengen) {
    const QByteArray kopf = BestListKopf();
    ASSERT_EQ(kopf.size(), 16 + 60);
    EXPECT_EQ(kopf.left(16), QByteArray("\x0c\0\0\0TVL-HSC-1.00", 16));
    EXPECT_EQ(kopf.mid(16, 4), QByteArray("\x38\0\0\0", 4));
    EXPECT_EQ(kopf.mid(20), QByteArray("|HSC-Name|HSC-Rechner|HSC-Beginn|HSC-Dauer|HSC-Leistung|"));
}

TEST(BestenlisteFormat, EintragFeldweiseInFesterReihenfolge) {
    const BestListDataTyp e{QStringLiteral("Jörg"), QStringLiteral("PC"), 46364.25, 59999, 0.875};
    const QByteArray erwartet = HscBytes().eintrag("J\xf6rg", "PC", 46364.25, 59999, 0.875).bytes();
    EXPECT_EQ(BestListEintragBytes(e), erwartet);
    EXPECT_EQ(erwartet.size(), 28 + 4 + 2);
}

// Letters that 1252 lacks lose only their accent; other scripts are written in Latin letters.
TEST(BestenlisteFormat, ZeichenAusserhalbVon1252VerlierenNurDenAkzent) {
    const BestListDataTyp e{QStringLiteral("Dvořák Łukasz 名"), QStringLiteral("Zoë-ő"), 0, 0, 0};
    const QByteArray b = BestListEintragBytes(e);
    const QByteArray name("Dvor\xe1k Lukasz m\xedng");
    EXPECT_EQ(b.mid(4, name.size()), name);
    EXPECT_EQ(b.mid(4 + name.size() + 4, 5), QByteArray("Zo\xeb-o"));
}

TEST(BestenlisteFormat, RundlaufUeberDieDatei) {
    const std::vector<BestListDataTyp> liste{
        {QStringLiteral("Ärger Ü"), QStringLiteral("Raum-3"), 46364.427, 123456, 0.5},
        {QString(), QString(), -2.5, 0, 1.0},
        {QStringLiteral("  mit Blanks "), QStringLiteral("x"), 0.5, std::numeric_limits<int32_t>::max(), 0}};
    QByteArray datei = BestListKopf();
    for (const auto& e : liste)
        datei += BestListEintragBytes(e);
    std::vector<BestListDataTyp> gelesen;
    ASSERT_EQ(BestListAusDaten(datei, gelesen), BestListLeseFehler::Keiner);
    EXPECT_EQ(gelesen, liste);
}

TEST(BestenlisteFormat, OhneDauerImSchluesselWirdNullGelesenOhneBytes) {
    const QByteArray datei = HscBytes()
                                 .kopf("|HSC-Name|HSC-Rechner|HSC-Beginn|HSC-Leistung|")
                                 .text("A")
                                 .text("R")
                                 .reell(2.0)
                                 .reell(0.5)
                                 .text("B")
                                 .text("S")
                                 .reell(3.0)
                                 .reell(0.25)
                                 .bytes();
    std::vector<BestListDataTyp> l;
    ASSERT_EQ(BestListAusDaten(datei, l), BestListLeseFehler::Keiner);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0], (BestListDataTyp{QStringLiteral("A"), QStringLiteral("R"), 2.0, 0, 0.5}));
    EXPECT_EQ(l[1], (BestListDataTyp{QStringLiteral("B"), QStringLiteral("S"), 3.0, 0, 0.25}));
}

TEST(BestenlisteFormat, ReihenfolgeDerSchluesselIstGleichgueltig) {
    const QByteArray datei =
        HscBytes().kopf("|HSC-Leistung|HSC-Dauer|HSC-Name|").text("A").ganzzahl(77).reell(0.75).bytes();
    std::vector<BestListDataTyp> l;
    ASSERT_EQ(BestListAusDaten(datei, l), BestListLeseFehler::Keiner);
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(l[0], (BestListDataTyp{QStringLiteral("A"), QString(), 0, 77, 0.75}));
}

TEST(BestenlisteFormat, SchluessellisteOhneFelderEndetSofort) {
    // Entries of zero bytes: a reader that loops while bytes remain would never finish.
    const QByteArray datei = HscBytes().kopf("|HSC-Sonstiges|").text("Rest").bytes();
    std::vector<BestListDataTyp> l{TestEintrag(QStringLiteral("alt"), 1, 1)};
    EXPECT_EQ(BestListAusDaten(datei, l), BestListLeseFehler::Keiner);
    EXPECT_TRUE(l.empty());
}

TEST(BestenlisteFormat, NurKopfGibtLeereListe) {
    std::vector<BestListDataTyp> l;
    EXPECT_EQ(BestListAusDaten(BestListKopf(), l), BestListLeseFehler::Keiner);
    EXPECT_TRUE(l.empty());
}

TEST(BestenlisteFormat, FremdeKennungIstUnlesbar) {
    std::vector<BestListDataTyp> l;
    EXPECT_EQ(BestListAusDaten(HscBytes().text("tvl-hsc-1.00").text("|HSC-Name|").bytes(), l),
              BestListLeseFehler::FalscheKennung);
    EXPECT_EQ(BestListAusDaten(HscBytes().text("KRF-1.01").bytes(), l), BestListLeseFehler::FalscheKennung);
    EXPECT_EQ(BestListAusDaten(QByteArray(), l), BestListLeseFehler::FalscheKennung);
}

// Cuts inside the second entry at each field: the entry stays, fields from the cut on are empty or 0.
TEST(BestenlisteFormat, AbgeschnittenerLetzterEintragBehaeltSeineVollstaendigenFelder) {
    const QByteArray erster = HscBytes().eintrag("Eins", "R1", 1.5, 10, 0.5).bytes();
    const QByteArray zweiter = HscBytes().eintrag("Zwei", "R2", 2.5, 20, 0.75).bytes();
    const QByteArray voll = BestListKopf() + erster + zweiter;
    const qsizetype start = BestListKopf().size() + erster.size();
    struct Fall {
        qsizetype behalten; // bytes of the second entry left
        BestListDataTyp erwartet;
    };
    const std::vector<Fall> faelle{
        {1, {}},
        {6, {}}, // name count complete, its bytes not
        {8, {QStringLiteral("Zwei"), QString(), 0, 0, 0}},
        {14, {QStringLiteral("Zwei"), QStringLiteral("R2"), 0, 0, 0}},
        {20, {QStringLiteral("Zwei"), QStringLiteral("R2"), 0, 0, 0}},
        {22, {QStringLiteral("Zwei"), QStringLiteral("R2"), 2.5, 0, 0}},
        {26, {QStringLiteral("Zwei"), QStringLiteral("R2"), 2.5, 20, 0}},
        {zweiter.size() - 1, {QStringLiteral("Zwei"), QStringLiteral("R2"), 2.5, 20, 0}},
    };
    for (const Fall& f : faelle) {
        std::vector<BestListDataTyp> l;
        ASSERT_EQ(BestListAusDaten(voll.left(start + f.behalten), l), BestListLeseFehler::Keiner)
            << f.behalten;
        ASSERT_EQ(l.size(), 2u) << f.behalten;
        EXPECT_EQ(l[0].Name, QStringLiteral("Eins"));
        EXPECT_EQ(l[1], f.erwartet) << f.behalten;
    }
}

// A byte count that no text can have is damage: the entries before it stay, none is
// added for it, and the reader names the damaged entry. A plausible count past the end
// is a file that ends inside its last entry, which keeps that entry's fields read so far.
TEST(BestenlisteFormat, LaengeUeberDasDateiendeOderNegativ) {
    struct Fall {
        int32_t laenge;
        std::size_t eintraege;
        int64_t beschaedigtAb;
    };
    for (const Fall& f : std::vector<Fall>{{1000, 2, 0},
                                           {BestListMaxTextBytes + 1, 1, 2},
                                           {-1, 1, 2},
                                           {std::numeric_limits<int32_t>::max(), 1, 2},
                                           {std::numeric_limits<int32_t>::min(), 1, 2}}) {
        const QByteArray datei = HscBytes()
                                     .kopf()
                                     .eintrag("A", "R", 1, 2, 0.5)
                                     .text("B")
                                     .ganzzahl(f.laenge)
                                     .text("danach")
                                     .bytes();
        std::vector<BestListDataTyp> l;
        int64_t ab = -1;
        ASSERT_EQ(BestListAusDaten(datei, l, &ab), BestListLeseFehler::Keiner) << f.laenge;
        ASSERT_EQ(l.size(), f.eintraege) << f.laenge;
        EXPECT_EQ(ab, f.beschaedigtAb) << f.laenge;
        EXPECT_EQ(l[0].Name, QStringLiteral("A"));
        if (f.eintraege == 2) {
            EXPECT_EQ(l[1], (BestListDataTyp{QStringLiteral("B"), QString(), 0, 0, 0})) << f.laenge;
        }
    }
}

TEST(BestenlisteFormat, WerteWerdenAufIhrenBereichGehalten) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Fall {
        double beginn;
        int32_t dauer;
        double leistung;
        BestListDataTyp erwartet;
    };
    const QString a = QStringLiteral("A");
    const QString r = QStringLiteral("R");
    for (const Fall& f : std::vector<Fall>{{inf, 5, nan, {a, r, 2958465, 5, 0}},
                                           {-inf, -1, 1.5, {a, r, -657434, 0, 1}},
                                           {nan, INT32_MIN, -inf, {a, r, 0, 0, 0}},
                                           {1e300, 7, inf, {a, r, 2958465, 7, 1}},
                                           {46000.25, 60000, 0.75, {a, r, 46000.25, 60000, 0.75}}}) {
        const QByteArray datei = HscBytes().kopf().eintrag("A", "R", f.beginn, f.dauer, f.leistung).bytes();
        std::vector<BestListDataTyp> l;
        int64_t ab = -1;
        ASSERT_EQ(BestListAusDaten(datei, l, &ab), BestListLeseFehler::Keiner);
        ASSERT_EQ(l.size(), 1u);
        EXPECT_EQ(l[0], f.erwartet) << f.beginn << ' ' << f.dauer << ' ' << f.leistung;
        EXPECT_EQ(ab, 0);
    }
}

TEST(BestenlisteFormat, FremdeSchluesselMitDatenSindBeschaedigtAbDemErsten) {
    std::vector<BestListDataTyp> l{TestEintrag(QStringLiteral("alt"), 1, 1)};
    int64_t ab = -1;
    ASSERT_EQ(BestListAusDaten(HscBytes().kopf("|HSC-Fremd|").text("x").bytes(), l, &ab),
              BestListLeseFehler::Keiner);
    EXPECT_TRUE(l.empty());
    EXPECT_EQ(ab, 1);
    ASSERT_EQ(BestListAusDaten(HscBytes().kopf("|HSC-Fremd|").bytes(), l, &ab), BestListLeseFehler::Keiner);
    EXPECT_EQ(ab, 0);
    // A file that is no best list leaves the list it was given as it was.
    l = {TestEintrag(QStringLiteral("alt"), 1, 1)};
    EXPECT_EQ(BestListAusDaten(HscBytes().text("TVL-HSC-9").bytes(), l), BestListLeseFehler::FalscheKennung);
    EXPECT_EQ(l.size(), 1u);
}

// Read in pieces, a list gives the same entries as the whole file at once, also when
// a text straddles two pieces or is longer than one; no request is much larger than a piece.
TEST(BestenlisteFormat, StueckweisesLesenGibtDieselbeListe) {
    HscBytes h;
    h.kopf();
    const QByteArray langerName(70'000, 'x');
    for (int i = 0; i < 60'000; ++i)
        h.eintrag(i == 30'000 ? langerName : QByteArray("Name") + QByteArray::number(i), "PC", i + 1, i, 0.5);
    const QByteArray datei = h.bytes();
    ASSERT_GT(datei.size(), 2 * BestListStueckBytes);
    std::vector<BestListDataTyp> ganz;
    ASSERT_EQ(BestListAusDaten(datei, ganz), BestListLeseFehler::Keiner);
    std::vector<BestListDataTyp> l;
    int64_t pos = 0;
    int64_t groessteAnfrage = 0;
    const BestListQuelle quelle = [&](char* ziel, int64_t n) {
        groessteAnfrage = std::max(groessteAnfrage, n);
        std::memcpy(ziel, datei.constData() + pos, size_t(n));
        pos += n;
        return n;
    };
    ASSERT_EQ(BestListAusQuelle(quelle, datei.size(), l), BestListLeseFehler::Keiner);
    EXPECT_EQ(l, ganz);
    EXPECT_EQ(l[30'000].Name.size(), langerName.size());
    EXPECT_LE(groessteAnfrage, BestListStueckBytes + 70'004);
}

// Every prefix of a small file: no crash, and the header decides readability.
TEST(BestenlisteFormat, JedeKuerzungEinerKleinenDatei) {
    const QByteArray voll =
        HscBytes().kopf().eintrag("Anna", "PC", 1, 2, 0.5).eintrag("Bo", "PC", 3, 4, 1).bytes();
    for (qsizetype n = 0; n <= voll.size(); ++n) {
        std::vector<BestListDataTyp> l;
        const BestListLeseFehler f = BestListAusDaten(voll.left(n), l);
        if (n < 16) {
            EXPECT_EQ(f, BestListLeseFehler::FalscheKennung) << n;
        } else if (n < 76) {
            EXPECT_EQ(f, BestListLeseFehler::KopfBeschaedigt) << n;
        } else {
            EXPECT_EQ(f, BestListLeseFehler::Keiner) << n;
            EXPECT_EQ(l.size(), n == 76 ? 0u : n <= 76 + 34 ? 1u : 2u) << n;
        }
    }
}

TEST(BestenlisteFormat, SerielleZeitZaehltTageSeit30Dezember1899) {
    EXPECT_DOUBLE_EQ(SerielleZeit(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0.0);
    EXPECT_DOUBLE_EQ(SerielleZeit(QDateTime(QDate(1900, 1, 1), QTime(6, 0))), 2.25);
    EXPECT_DOUBLE_EQ(SerielleZeit(QDateTime(QDate(2026, 12, 8), QTime(18, 0))), 46364.75);
    // Before the zero day the fraction still counts forward from that day's midnight.
    EXPECT_DOUBLE_EQ(SerielleZeit(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
    EXPECT_EQ(AusSeriellerZeit(-1.25), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
    const QDateTime t(QDate(2026, 12, 8), QTime(10, 15, 0));
    EXPECT_EQ(AusSeriellerZeit(SerielleZeit(t)), t);
    EXPECT_FALSE(AusSeriellerZeit(1e300).isValid());
}

} // namespace
