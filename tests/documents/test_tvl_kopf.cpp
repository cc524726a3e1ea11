// The header reader of the folder scan: title and version only, silent failures.
#include "documents/tvl_datei.h"

#include "test_tvl_hilfe.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tvltest;

namespace {

QString Ablegen(const QTemporaryDir& ordner, const char* name, const QByteArray& bytes) {
    const QString pfad = ordner.filePath(QString::fromLatin1(name));
    QFile f(pfad);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return pfad;
}

} // namespace

TEST(TvlKopf, TitelUndVersion) {
    QTemporaryDir ordner;
    const QString pfad = Ablegen(ordner, "a.tvl", AlsBytes(Beispiel()));
    QString titel, vers;
    ASSERT_TRUE(TvlLeser::KopfLesen(pfad, titel, vers));
    EXPECT_EQ(titel, QStringLiteral("Flüsse Europas – Übersicht"));
    EXPECT_EQ(vers, QStringLiteral("1.00"));
}

TEST(TvlKopf, BrauchtKeinBildUndKeineObjekte) {
    Datei f;
    f.kopf(TvlSchluesselliste, "KRF-2").roh("danach nur noch Unsinn");
    QTemporaryDir ordner;
    QString titel, vers;
    ASSERT_TRUE(TvlLeser::KopfLesen(Ablegen(ordner, "b.tvl", f.bytes), titel, vers));
    EXPECT_EQ(titel, QStringLiteral("Titel"));
    // Only the four header strings are needed: a file that ends right after the title is listed.
    Datei g;
    g.text("KRF-1.01").text("").text("9.9").text("Nur Titel");
    ASSERT_TRUE(TvlLeser::KopfAusDaten(g.bytes, titel, vers));
    EXPECT_EQ(vers, QStringLiteral("9.9"));
    EXPECT_EQ(titel, QStringLiteral("Nur Titel"));
}

TEST(TvlKopf, LangerTitelJenseitsDesErstenHappens) {
    const QByteArray lang(100000, 'T');
    Datei f;
    f.text("KRF-1.01").text(TvlSchluesselliste).text("1.00").roh(QByteArray(4, '\0'));
    qToLittleEndian<int32_t>(lang.size(), f.bytes.data() + f.bytes.size() - 4);
    f.roh(lang);
    QTemporaryDir ordner;
    QString titel, vers;
    ASSERT_TRUE(TvlLeser::KopfLesen(Ablegen(ordner, "c.tvl", f.bytes), titel, vers));
    EXPECT_EQ(titel.size(), lang.size());
    // One byte short, and the length runs past the end of the file.
    ASSERT_FALSE(TvlLeser::KopfLesen(Ablegen(ordner, "d.tvl", f.bytes.chopped(1)), titel, vers));
}

struct KopfFall {
    const char* name;
    QByteArray bytes;
};

class TvlKopfUnlesbar : public ::testing::TestWithParam<KopfFall> {};

TEST_P(TvlKopfUnlesbar, GibtFalschOhneMeldung) {
    QTemporaryDir ordner;
    QString titel = QStringLiteral("x"), vers;
    EXPECT_FALSE(TvlLeser::KopfLesen(Ablegen(ordner, "e.tvl", GetParam().bytes), titel, vers));
}

KopfFall Gekuerzt() {
    Datei f;
    f.text("KRF-1.01").text(TvlSchluesselliste).text("1.00").zahl(50).roh("zu kurz");
    return {"TitelAbgeschnitten", f.bytes};
}

KopfFall NegativerTitel() {
    Datei f;
    f.text("KRF-1.01").text(TvlSchluesselliste).text("1.00").zahl(-2).roh(QByteArray(300, 'x'));
    return {"NegativeLaenge", f.bytes};
}

KopfFall RiesigeListe() {
    Datei f;
    f.text("KRF-1.01").zahl(0x7FFFFFF0).roh("abc");
    return {"RiesigeSchluesselliste", f.bytes};
}

INSTANTIATE_TEST_SUITE_P(Faelle, TvlKopfUnlesbar,
                         ::testing::Values(KopfFall{"Leer", QByteArray()},
                                           KopfFall{"FalscheMagic",
                                                    QByteArray::fromHex("08000000") + "XRF-1.01"},
                                           Gekuerzt(), NegativerTitel(), RiesigeListe()),
                         [](const auto& fall) { return std::string(fall.param.name); });

TEST(TvlKopf, FehlendeDatei) {
    QTemporaryDir ordner;
    QString titel, vers;
    EXPECT_FALSE(TvlLeser::KopfLesen(ordner.filePath(QStringLiteral("nichts.tvl")), titel, vers));
}
