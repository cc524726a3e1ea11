// Layout, round trip and the optional fields of the document file.
#include "documents/tvl_datei.h"

#include "test_tvl_hilfe.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tvltest;

namespace {

QRgb OhneAlpha(QRgb p) {
    return p | 0xFF000000u;
}

void ErwarteGleichesBild(const QImage& gelesen, const QImage& quelle) {
    ASSERT_EQ(gelesen.size(), quelle.size());
    const QImage q = quelle.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < q.height(); ++y) {
        for (int x = 0; x < q.width(); ++x)
            ASSERT_EQ(OhneAlpha(gelesen.pixel(x, y)), OhneAlpha(q.pixel(x, y))) << x << "," << y;
    }
}

} // namespace

TEST(TvlDatei, ErsteBytesUndSchluesselliste) {
    const QByteArray b = AlsBytes(Beispiel());
    const QByteArray schluessel(TvlSchluesselliste);
    ASSERT_EQ(schluessel.size(), 244);
    ASSERT_GT(b.size(), 300);
    EXPECT_EQ(b.left(4), QByteArray::fromHex("08000000"));
    EXPECT_EQ(b.mid(4, 8), QByteArray("KRF-1.01"));
    EXPECT_EQ(b.mid(12, 4), QByteArray::fromHex("f4000000"));
    EXPECT_EQ(b.mid(16, 244), schluessel);
    EXPECT_TRUE(schluessel.startsWith("|HD-vers|HD-titel|") &&
                schluessel.endsWith("|OB-KAusrAkt|OB-FrageNummer|"));
    // HD-vers "1.00" at offset 260, then the title in Windows-1252 (ü = FC, – = 96, Ü = DC).
    EXPECT_EQ(b.mid(260, 8), QByteArray::fromHex("04000000") + "1.00");
    const QByteArray titel = QByteArray("Fl\xFC\x73se Europas \x96 \xDC\x62\x65rsicht");
    EXPECT_EQ(b.mid(268, 4), QByteArray::fromHex("1a000000"));
    EXPECT_EQ(b.mid(272, 26), titel);
}

TEST(TvlDatei, ObjektsatzInDateireihenfolge) {
    Dokument d;
    d.Objekte = {Objekt(0, QStringLiteral("A"), 7)};
    d.Basisbild = Musterbild(2, 2);
    const QByteArray b = AlsBytes(d);
    // Header strings "1.00" and five empty ones, 2 ints, 4 reals, 2 ints, then the count.
    const qsizetype anzahl = 260 + 8 + 5 * 4 + 2 * 4 + 4 * 8 + 2 * 4;
    TvlPuffer p(b.constData() + anzahl, b.size() - anzahl);
    int32_t n = 0;
    double r[4];
    const char* cap = nullptr;
    int32_t capLaenge = 0;
    ASSERT_TRUE(p.ganzzahl(n) && p.reell(r[0]) && p.reell(r[1]) && p.reell(r[2]) && p.reell(r[3]));
    EXPECT_EQ(n, 1);
    EXPECT_EQ(r[0], d.Objekte[0].OB_Sx);
    EXPECT_EQ(r[3], d.Objekte[0].OB_Ky);
    ASSERT_TRUE(p.text(cap, capLaenge));
    EXPECT_EQ(QByteArray(cap, capLaenge), QByteArray("A"));
    int32_t felder[8];
    for (int32_t& f : felder)
        ASSERT_TRUE(p.ganzzahl(f));
    // KAusr, TAusr, Ebene, Typ, Sline, Fsize, KAusrAkt, FrageNummer
    const int32_t erwartet[8] = {2, 1, 1, 0, 1, -3, 4, 7};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(felder[i], erwartet[i]) << i;
    EXPECT_EQ(QByteArray(p.hier(), 8), QByteArray("\x89PNG\r\n\x1a\n"));
}

TEST(TvlDatei, RundreiseUeberDatei) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("welt.tvl"));
    Dokument quelle = Beispiel();
    for (ObjDataTyp& o : quelle.Objekte) {
        o.Zustand = -3;
        o.Nummer = 9;
        o.FehlversucheZiel = 4;
        o.Box = {0.1, 0.2, 0.3, 0.4};
        o.BoxLinks = 77;
    }
    ASSERT_TRUE(TvlSchreiber().schreiben(pfad, quelle));

    Dokument gelesen;
    gelesen.AktuelleFrage = 5;
    TvlLeser leser;
    ASSERT_TRUE(leser.lesen(pfad, gelesen)) << leser.errorString().toStdString();
    EXPECT_EQ(leser.fehler(), TvlLeser::Fehler::Keiner);
    HeaderDataTyp erwartet = quelle.Header;
    erwartet.Dateiname = pfad;
    EXPECT_EQ(gelesen.Header, erwartet);
    ASSERT_EQ(gelesen.Objekte.size(), quelle.Objekte.size());
    const ObjDataTyp frisch;
    for (std::size_t i = 0; i < quelle.Objekte.size(); ++i) {
        const ObjDataTyp& o = gelesen.Objekte[i];
        EXPECT_TRUE(o.GleicheDateifelder(quelle.Objekte[i])) << i;
        EXPECT_EQ(o.Zustand, -1);
        EXPECT_EQ(o.Nummer, -1);
        EXPECT_EQ(o.FehlversucheZiel, 0);
        EXPECT_EQ(o.FehlversucheText, 0);
        EXPECT_EQ(o.Box, frisch.Box);
        EXPECT_EQ(o.BoxHalbBreite, 0);
        EXPECT_EQ(o.BoxHalbHoehe, 0);
        EXPECT_EQ(o.BoxLinks, -1);
        EXPECT_EQ(o.BoxOben, -1);
    }
    ErwarteGleichesBild(gelesen.Basisbild, quelle.Basisbild);
    EXPECT_EQ(gelesen.AktuelleFrage, 5) << "the reader leaves the quiz state to the caller";
}

TEST(TvlDatei, GelesenUndWiederGeschriebenGleicheBytes) {
    const QByteArray eins = AlsBytes(Beispiel());
    Dokument gelesen;
    TvlLeser leser;
    ASSERT_TRUE(leser.lesenAusDaten(eins, gelesen));
    // Alpha is not stored, so the second file matches the first byte for byte.
    EXPECT_EQ(AlsBytes(gelesen), eins);
}

struct FormatFall {
    QImage::Format format;
    const char* name;
};

class TvlBildformat : public ::testing::TestWithParam<FormatFall> {};

TEST_P(TvlBildformat, JedesQImageFormatWirdRgb) {
    Dokument d;
    d.Basisbild = Musterbild(19, 11).convertToFormat(GetParam().format);
    Dokument gelesen;
    TvlLeser leser;
    ASSERT_TRUE(leser.lesenAusDaten(AlsBytes(d), gelesen)) << leser.errorString().toStdString();
    EXPECT_EQ(gelesen.Basisbild.format(), QImage::Format_RGB32);
    const QImage erwartet = d.Basisbild.convertToFormat(QImage::Format_RGB32);
    ErwarteGleichesBild(gelesen.Basisbild, erwartet);
}

INSTANTIATE_TEST_SUITE_P(Formate, TvlBildformat,
                         ::testing::Values(FormatFall{QImage::Format_RGB32, "RGB32"},
                                           FormatFall{QImage::Format_ARGB32, "ARGB32"},
                                           FormatFall{QImage::Format_ARGB32_Premultiplied, "ARGB32PM"},
                                           FormatFall{QImage::Format_RGB888, "RGB888"},
                                           FormatFall{QImage::Format_Grayscale8, "Grau8"},
                                           FormatFall{QImage::Format_Indexed8, "Index8"},
                                           FormatFall{QImage::Format_RGBA64, "RGBA64"}),
                         [](const auto& fall) { return std::string(fall.param.name); });

TEST(TvlDatei, AndereVersionNachKrf) {
    Datei f;
    f.kopf(TvlSchluesselliste, "KRF-7.35 beta").text("").text("").zahl(0).zahl(1);
    f.reell(0).reell(0).reell(0).reell(0).zahl(0).zahl(0).zahl(0).roh(KleinesPng());
    Dokument d;
    TvlLeser leser;
    ASSERT_TRUE(leser.lesenAusDaten(f.bytes, d)) << leser.errorString().toStdString();
    EXPECT_EQ(d.Header.HD_titel, QStringLiteral("Titel"));
    EXPECT_EQ(d.Header.HD_DokTyp, 1);
    EXPECT_TRUE(d.Objekte.empty());
    EXPECT_EQ(d.Basisbild.size(), QSize(3, 2));
    EXPECT_EQ(d.Basisbild.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(d.Basisbild.pixel(2, 1), qRgb(7, 8, 9));
}

struct MagicFall {
    QByteArray bytes;
    const char* name;
};

class TvlFalscheMagic : public ::testing::TestWithParam<MagicFall> {};

TEST_P(TvlFalscheMagic, GiltAlsFalschesFormat) {
    Dokument d;
    d.Header.HD_titel = QStringLiteral("unberührt");
    TvlLeser leser;
    EXPECT_FALSE(leser.lesenAusDaten(GetParam().bytes, d));
    EXPECT_EQ(leser.fehler(), TvlLeser::Fehler::FalschesFormat);
    EXPECT_EQ(leser.errorString(), QStringLiteral("Ungültiges Dateiformat."));
    EXPECT_EQ(d.Header.HD_titel, QStringLiteral("unberührt"));
    QString titel, vers;
    EXPECT_FALSE(TvlLeser::KopfAusDaten(GetParam().bytes, titel, vers));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, TvlFalscheMagic,
    ::testing::Values(MagicFall{QByteArray::fromHex("08000000") + "KRX-1.01" + QByteArray(300, 'x'), "KRX"},
                      MagicFall{QByteArray::fromHex("08000000") + "krf-1.01" + QByteArray(300, 'x'), "klein"},
                      MagicFall{QByteArray::fromHex("03000000") + "KRF" + QByteArray(300, 'x'), "zuKurz"},
                      MagicFall{QByteArray("\x89PNG\r\n\x1a\n") + QByteArray(300, 'x'), "png"},
                      MagicFall{QByteArray(), "leer"},
                      MagicFall{QByteArray::fromHex("f8ffffff") + "KRF-1.01", "negativ"}),
    [](const auto& fall) { return std::string(fall.param.name); });

TEST(TvlDatei, OhneFrageNummerSchluessel) {
    QByteArray liste(TvlSchluesselliste);
    liste.replace("OB-FrageNummer|", "");
    Datei f;
    f.kopf(liste.constData())
        .text("L")
        .text("F")
        .zahl(3)
        .zahl(2)
        .reell(0.5)
        .reell(0)
        .reell(0)
        .reell(0)
        .zahl(1)
        .zahl(1);
    f.zahl(2).objekt(10, "Antwort").objekt(0, "Rhein").roh(KleinesPng());
    Dokument d;
    TvlLeser leser;
    ASSERT_TRUE(leser.lesenAusDaten(f.bytes, d)) << leser.errorString().toStdString();
    ASSERT_EQ(d.Objekte.size(), 2u);
    EXPECT_EQ(d.Objekte[0].OB_FrageNummer, -1);
    EXPECT_EQ(d.Objekte[1].OB_FrageNummer, -1);
    EXPECT_EQ(d.Objekte[1].OB_Cap, QStringLiteral("Rhein"));
    EXPECT_EQ(d.Objekte[1].OB_KAusrAkt, 3);
    EXPECT_EQ(d.Header.HD_AnzFrageNummern, 3);
    EXPECT_EQ(d.Header.HD_RandErw[0], 0.5);
}

TEST(TvlDatei, NurPflichtfelder) {
    Datei f;
    f.kopf(NurPflichtSchluessel()).zahl(1).objekt(0, "Rhein").roh(KleinesPng());
    Dokument d;
    d.Header.HD_lueckentext = QStringLiteral("alt");
    TvlLeser leser;
    ASSERT_TRUE(leser.lesenAusDaten(f.bytes, d)) << leser.errorString().toStdString();
    const HeaderDataTyp leer;
    EXPECT_EQ(d.Header.HD_lueckentext, QString());
    EXPECT_EQ(d.Header.HD_fragentext, QString());
    EXPECT_EQ(d.Header.HD_AnzFrageNummern, 0);
    EXPECT_EQ(d.Header.HD_DokTyp, 0);
    EXPECT_EQ(d.Header.HD_RandErw, leer.HD_RandErw);
    EXPECT_EQ(d.Header.HD_NumArt, 0);
    EXPECT_EQ(d.Header.HD_GeordnetArt, 0);
    EXPECT_EQ(d.Header.HD_autor, QStringLiteral("Autor"));
    ASSERT_EQ(d.Objekte.size(), 1u);
    EXPECT_EQ(d.Objekte[0].OB_FrageNummer, -1);
}

TEST(TvlDatei, SchluesselAlsTeilzeichenkette) {
    // The reader looks for substrings, so unknown keys and other separators do no harm.
    Datei f;
    f.kopf("xxHD-DokTypyy;HD-NumArt OB-FrageNummerZZ|Unbekannt|")
        .zahl(2)
        .zahl(1)
        .zahl(1)
        .objekt(0, "A")
        .zahl(4);
    f.roh(KleinesPng());
    Dokument d;
    TvlLeser leser;
    ASSERT_TRUE(leser.lesenAusDaten(f.bytes, d)) << leser.errorString().toStdString();
    EXPECT_EQ(d.Header.HD_DokTyp, 2);
    EXPECT_EQ(d.Header.HD_NumArt, 1);
    EXPECT_EQ(d.Objekte.at(0).OB_FrageNummer, 4);
}

TEST(TvlDatei, NullObjekteDirektVorDemBild) {
    Dokument d;
    d.Basisbild = Musterbild(5, 5);
    const QByteArray b = AlsBytes(d);
    const qsizetype bild = b.indexOf("\x89PNG");
    EXPECT_EQ(b.mid(bild - 4, 4), QByteArray(4, '\0'));
    Dokument gelesen;
    gelesen.Objekte.resize(3);
    TvlLeser leser;
    ASSERT_TRUE(leser.lesenAusDaten(b, gelesen));
    EXPECT_TRUE(gelesen.Objekte.empty());
}

TEST(TvlDatei, FrageKopfMitFrageNrVerliertBeschriftung) {
    Datei f;
    f.kopf(NurPflichtSchluessel()).zahl(4);
    f.objekt(11, "\"Frage Nr. 3\"")
        .objekt(11, "Frage")
        .objekt(10, "\"Frage Nr. 1\"")
        .objekt(11, "xFrage,Nr.");
    f.roh(KleinesPng());
    Dokument d;
    TvlLeser leser;
    ASSERT_TRUE(leser.lesenAusDaten(f.bytes, d)) << leser.errorString().toStdString();
    ASSERT_EQ(d.Objekte.size(), 4u);
    EXPECT_EQ(d.Objekte[0].OB_Cap, QString());
    EXPECT_EQ(d.Objekte[1].OB_Cap, QStringLiteral("Frage"));
    EXPECT_EQ(d.Objekte[2].OB_Cap, QStringLiteral("Frage Nr. 1"));
    EXPECT_EQ(d.Objekte[3].OB_Cap, QStringLiteral("xFrage\r\nNr."));
}

TEST(TvlDatei, BytesNachIendWerdenIgnoriert) {
    QByteArray b = AlsBytes(Beispiel());
    b.append("Anhang, der nicht zum Bild gehört");
    b.append(QByteArray(5000, '\xAB'));
    Dokument d;
    TvlLeser leser;
    ASSERT_TRUE(leser.lesenAusDaten(b, d)) << leser.errorString().toStdString();
    EXPECT_EQ(d.Basisbild.size(), QSize(37, 23));
}

TEST(TvlDatei, FehlendeDatei) {
    QTemporaryDir ordner;
    Dokument d;
    d.Header.HD_titel = QStringLiteral("bleibt");
    TvlLeser leser;
    EXPECT_FALSE(leser.lesen(ordner.filePath(QStringLiteral("gibtsnicht.tvl")), d));
    EXPECT_EQ(leser.fehler(), TvlLeser::Fehler::FehltDatei);
    EXPECT_EQ(d.Header.HD_titel, QStringLiteral("bleibt"));
    EXPECT_FALSE(leser.lesen(ordner.path(), d)) << "a folder is not a document";
}
