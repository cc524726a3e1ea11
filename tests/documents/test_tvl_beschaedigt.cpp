// Damaged files take the failure path quickly, allocate nothing large and leave
// the document as it was.
#include "documents/tvl_datei.h"

#include "test_tvl_hilfe.h"

#include <QElapsedTimer>
#include <cmath>
#include <QtEndian>
#include <gtest/gtest.h>
#include <random>
#include <zlib.h>

using namespace tvltest;

namespace {

Dokument Wache() {
    Dokument d;
    d.Header.HD_titel = QStringLiteral("Wache");
    d.Objekte.resize(2);
    d.Basisbild = Musterbild(3, 3);
    return d;
}

void ErwarteUnberuehrt(const Dokument& d) {
    EXPECT_EQ(d.Header.HD_titel, QStringLiteral("Wache"));
    EXPECT_EQ(d.Objekte.size(), 2u);
    EXPECT_EQ(d.Basisbild.size(), QSize(3, 3));
}

QByteArray Chunk(const char* typ, const QByteArray& daten) {
    QByteArray c(4, '\0');
    qToBigEndian<quint32>(daten.size(), c.data());
    const QByteArray inhalt = QByteArray(typ, 4) + daten;
    c.append(inhalt);
    QByteArray crc(4, '\0');
    qToBigEndian<quint32>(crc32(0, reinterpret_cast<const Bytef*>(inhalt.constData()), inhalt.size()),
                          crc.data());
    return c + crc;
}

QByteArray Ihdr(quint32 breite, quint32 hoehe, char farbtyp = 2) {
    QByteArray d(13, '\0');
    qToBigEndian(breite, d.data());
    qToBigEndian(hoehe, d.data() + 4);
    d[8] = 8;
    d[9] = farbtyp;
    return Chunk("IHDR", d);
}

QByteArray Signatur() {
    return QByteArray("\x89PNG\r\n\x1a\n", 8);
}

// A file whose PNG is `png`, otherwise valid.
QByteArray MitBild(const QByteArray& png) {
    Datei f;
    f.kopf(NurPflichtSchluessel()).zahl(0).roh(png);
    return f.bytes;
}

struct Fall {
    const char* name;
    QByteArray bytes;
    const char* imText; // a part of errorString, or nullptr
};

std::vector<Fall> Faelle() {
    std::vector<Fall> f;
    {
        Datei d;
        d.text("KRF-1.01").text(TvlSchluesselliste).zahl(-5);
        f.push_back(
            {"NegativeTextlaenge", d.bytes + QByteArray(100, 'a'), "Ungültige Textlänge -5 bei Byte 260"});
    }
    {
        Datei d;
        d.text("KRF-1.01").text(TvlSchluesselliste).zahl(1000).roh("kurz");
        f.push_back({"TextUeberDasEnde", d.bytes, "endet unerwartet"});
    }
    {
        Datei d;
        d.kopf(NurPflichtSchluessel()).zahl(-1).roh(KleinesPng());
        f.push_back({"NegativeObjektanzahl", d.bytes, "Ungültige Objektanzahl -1"});
    }
    {
        Datei d;
        d.kopf(NurPflichtSchluessel()).zahl(0x7FFFFFFF).roh(KleinesPng());
        f.push_back({"RiesigeObjektanzahl", d.bytes, "Ungültige Objektanzahl 2147483647"});
    }
    {
        // Two objects present, three claimed; the PNG bytes are too few for a third.
        Datei d;
        d.kopf(NurPflichtSchluessel()).zahl(3).objekt(0, "a").objekt(0, "b").roh(QByteArray(20, 'p'));
        f.push_back({"ObjektanzahlUeberDasEnde", d.bytes, "Ungültige Objektanzahl 3"});
    }
    {
        Datei d;
        d.kopf(NurPflichtSchluessel()).zahl(1).reell(0).reell(0).reell(0).reell(0).zahl(-7);
        f.push_back({"NegativeBeschriftung", d.bytes + QByteArray(200, 'x'), "Ungültige Textlänge -7"});
    }
    {
        Datei d;
        d.kopf(NurPflichtSchluessel()).zahl(1).objekt(0, "a");
        f.push_back({"OhneBild", d.bytes, "Bild ab Byte"});
    }
    {
        Datei d;
        d.kopf(TvlSchluesselliste).text("").text("").zahl(0).zahl(0).reell(0.1).reell(std::nan(""));
        d.reell(0).reell(0).zahl(0).zahl(0).zahl(0).roh(KleinesPng());
        f.push_back({"RandIstNaN", d.bytes, "Ungültige Zahl bei Byte"});
    }
    {
        Datei d;
        d.kopf(NurPflichtSchluessel()).zahl(1).reell(0.5).reell(HUGE_VAL).reell(0).reell(0).text("a");
        for (int i = 0; i < 7; ++i)
            d.zahl(0);
        f.push_back({"KoordinateUnendlich", d.roh(KleinesPng()).bytes, "Ungültige Zahl"});
    }
    const QByteArray png = KleinesPng();
    f.push_back({"BildAbgeschnitten", MitBild(png.left(png.size() - 20)), "Bild ab Byte"});
    f.push_back({"OhneIend", MitBild(png.left(png.size() - 12)), "Bild ab Byte"});
    {
        QByteArray p = png;
        p[40] = char(p[40] ^ 0x55); // inside IDAT: the CRC no longer matches
        f.push_back({"IdatCrc", MitBild(p), "beschädigt"});
    }
    {
        const QByteArray idat = Chunk("IDAT", QByteArray::fromHex("789c") + QByteArray(30, '\xFF'));
        f.push_back(
            {"ZlibKaputt", MitBild(Signatur() + Ihdr(3, 2) + idat + Chunk("IEND", {})), "beschädigt"});
    }
    f.push_back({"KeinPng", MitBild(QByteArray(200, 'x')), "beschädigt"});
    f.push_back({"SeiteZuLang", MitBild(Signatur() + Ihdr(40000, 10) + Chunk("IEND", {})), "Bild ab Byte"});
    f.push_back({"ZuVielePixel",
                 MitBild(Signatur() + Ihdr(15000, 14000) + Chunk("IDAT", QByteArray(64, 'x'))),
                 "zu groß (15000 × 14000"});
    {
        // 36 megapixels are allowed, but 30 bytes cannot hold them compressed.
        const QByteArray idat = Chunk("IDAT", QByteArray::fromHex("789c") + QByteArray(28, '\0'));
        f.push_back({"ZuWenigDaten", MitBild(Signatur() + Ihdr(6000, 6000) + idat + Chunk("IEND", {})),
                     "unvollständig"});
    }
    f.push_back({"BreiteNull", MitBild(Signatur() + Ihdr(0, 10) + Chunk("IEND", {})), "beschädigt"});
    return f;
}

class TvlBeschaedigt : public ::testing::TestWithParam<Fall> {};

TEST_P(TvlBeschaedigt, ScheitertSchnellUndLaesstDasDokument) {
    Dokument d = Wache();
    TvlLeser leser;
    QElapsedTimer uhr;
    uhr.start();
    EXPECT_FALSE(leser.lesenAusDaten(GetParam().bytes, d));
    EXPECT_LT(uhr.elapsed(), 2000);
    EXPECT_EQ(leser.fehler(), TvlLeser::Fehler::Lesefehler);
    EXPECT_GE(leser.fehlerOffset(), 0);
    if (GetParam().imText) {
        EXPECT_TRUE(leser.errorString().contains(QString::fromUtf8(GetParam().imText)))
            << leser.errorString().toStdString();
    }
    ErwarteUnberuehrt(d);
}

INSTANTIATE_TEST_SUITE_P(Faelle, TvlBeschaedigt, ::testing::ValuesIn(Faelle()),
                         [](const auto& fall) { return std::string(fall.param.name); });

TEST(TvlBeschaedigt, FehlertextNenntDenOffset) {
    Datei d;
    d.kopf(NurPflichtSchluessel()).zahl(-1).roh(KleinesPng());
    const qint64 offset = d.bytes.size() - KleinesPng().size() - 4;
    TvlLeser leser;
    Dokument dok;
    ASSERT_FALSE(leser.lesenAusDaten(d.bytes, dok));
    EXPECT_EQ(leser.fehlerOffset(), offset);
    EXPECT_TRUE(leser.errorString().contains(QStringLiteral("bei Byte %1").arg(offset)));
}

// Every proper prefix of a valid file is unreadable, whichever field it cuts.
TEST(TvlBeschaedigt, JedesAbschneidenScheitert) {
    Dokument quelle = Beispiel();
    quelle.Basisbild = Musterbild(5, 4);
    const QByteArray ganz = AlsBytes(quelle);
    {
        Dokument d;
        TvlLeser leser;
        ASSERT_TRUE(leser.lesenAusDaten(ganz, d));
    }
    for (qsizetype laenge = 0; laenge < ganz.size(); ++laenge) {
        Dokument d = Wache();
        TvlLeser leser;
        ASSERT_FALSE(leser.lesenAusDaten(ganz.left(laenge), d)) << laenge;
        // Cutting into the magic makes it another format; later cuts are read errors.
        const auto erwartet = laenge < 12 ? TvlLeser::Fehler::FalschesFormat : TvlLeser::Fehler::Lesefehler;
        ASSERT_EQ(leser.fehler(), erwartet) << laenge;
        ASSERT_EQ(d.Header.HD_titel, QStringLiteral("Wache")) << laenge;
        ASSERT_EQ(d.Objekte.size(), 2u) << laenge;
    }
}

// Random byte changes must never crash or hang; whether they read is not the point.
TEST(TvlBeschaedigt, ZufaelligeBytefehlerOhneAbsturz) {
    const QByteArray ganz = AlsBytes(Beispiel());
    std::mt19937 zufall(20240611);
    std::uniform_int_distribution<qsizetype> stelle(0, ganz.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    int gelesen = 0;
    for (int runde = 0; runde < 1500; ++runde) {
        QByteArray b = ganz;
        const int aenderungen = 1 + runde % 4;
        for (int i = 0; i < aenderungen; ++i)
            b[stelle(zufall)] = char(byte(zufall));
        Dokument d;
        TvlLeser leser;
        gelesen += leser.lesenAusDaten(b, d) ? 1 : 0;
        QString titel, vers;
        TvlLeser::KopfAusDaten(b, titel, vers);
    }
    EXPECT_LT(gelesen, 1500);
}

} // namespace
