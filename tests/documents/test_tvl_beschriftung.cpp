// Caption encoding of object records and the Windows-1252 text conversion.
#include "documents/tvl_beschriftung.h"

#include "data/cp1252.h"
#include "documents/tvl_datei.h"
#include "test_tvl_hilfe.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

namespace {

struct KodierFall {
    QString beschriftung;
    QByteArray gespeichert;
};

class BeschriftungKodierung : public ::testing::TestWithParam<KodierFall> {};

TEST_P(BeschriftungKodierung, Bytes) {
    EXPECT_EQ(BeschriftungKodieren(GetParam().beschriftung), GetParam().gespeichert);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, BeschriftungKodierung,
    ::testing::Values(KodierFall{QString(), QByteArray()}, KodierFall{QStringLiteral("\r\n"), "\"\""},
                      KodierFall{QStringLiteral("\n"), "\"\""}, KodierFall{QStringLiteral("Rhein"), "Rhein"},
                      KodierFall{QStringLiteral("Neue Donau"), "\"Neue Donau\""},
                      KodierFall{QStringLiteral("a,b"), "\"a,b\""},
                      KodierFall{QStringLiteral("Sag \"Hallo\""), "\"Sag \"\"Hallo\"\"\""},
                      KodierFall{QStringLiteral("x\"y"), "\"x\"\"y\""},
                      KodierFall{QStringLiteral("Zeile1\r\nZeile2"), "Zeile1,Zeile2"},
                      KodierFall{QStringLiteral("Zeile1\rZeile2\n"), "Zeile1,Zeile2"},
                      KodierFall{QStringLiteral("a\n\nb"), "a,,b"},
                      KodierFall{QStringLiteral("Tab\tda"), "\"Tab\tda\""},
                      KodierFall{QStringLiteral("Köln"), "K\xF6ln"},
                      KodierFall{QStringLiteral("Ärger über\r\nzwei Zeilen"),
                                 "\"\xC4rger \xFC\x62\x65r\",\"zwei Zeilen\""},
                      KodierFall{QStringLiteral("\r\n\r\n"), ","}));

struct DekodierFall {
    QByteArray gespeichert;
    QString beschriftung;
};

class BeschriftungDekodierung : public ::testing::TestWithParam<DekodierFall> {};

TEST_P(BeschriftungDekodierung, Text) {
    EXPECT_EQ(BeschriftungDekodieren(GetParam().gespeichert), GetParam().beschriftung);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, BeschriftungDekodierung,
    ::testing::Values(
        DekodierFall{QByteArray(), QString()}, DekodierFall{"\"\"", QString()},
        DekodierFall{"Rhein", QStringLiteral("Rhein")},
        DekodierFall{"\"Neue Donau\"", QStringLiteral("Neue Donau")},
        DekodierFall{"a,b", QStringLiteral("a\r\nb")}, DekodierFall{"  a ,\t b  ", QStringLiteral("a\r\nb")},
        DekodierFall{"a b", QStringLiteral("a\r\nb")}, DekodierFall{"\"a\"\"b\"", QStringLiteral("a\"b")},
        DekodierFall{"\"offen bis zum Ende", QStringLiteral("offen bis zum Ende")},
        DekodierFall{"a,,b", QStringLiteral("a\r\n\r\nb")},
        DekodierFall{"\x01\x02\x61\x62\x63", QStringLiteral("abc")},
        DekodierFall{"\" vorn und hinten \"", QStringLiteral("vorn und hinten")},
        DekodierFall{"\"\",x", QStringLiteral("x")}, DekodierFall{"\x80 5", QStringLiteral("€\r\n5")},
        DekodierFall{"\"Zeile 1\",\"Zeile, \"\"zwei\"\"\"", QStringLiteral("Zeile 1\r\nZeile, \"zwei\"")}));

TEST(BeschriftungDekodierung, NullbyteEndetNieInEinerSchleife) {
    const QByteArray roh("a\0b\0\0", 5);
    const QString text = BeschriftungDekodieren(roh);
    EXPECT_TRUE(text.startsWith(u'a'));
    EXPECT_TRUE(text.contains(u'b'));
}

class BeschriftungRundreise : public ::testing::TestWithParam<QString> {};

TEST_P(BeschriftungRundreise, UeberlebtSchreibenUndLesen) {
    EXPECT_EQ(BeschriftungDekodieren(BeschriftungKodieren(GetParam())), GetParam());
    // The same through a whole file.
    Dokument d;
    d.Objekte = {tvltest::Objekt(0, GetParam())};
    d.Basisbild = tvltest::Musterbild(2, 2);
    Dokument gelesen;
    TvlLeser leser;
    ASSERT_TRUE(leser.lesenAusDaten(tvltest::AlsBytes(d), gelesen));
    EXPECT_EQ(gelesen.Objekte.at(0).OB_Cap, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Faelle, BeschriftungRundreise,
                         ::testing::Values(QString(), QStringLiteral("Rhein"), QStringLiteral("Neue Donau"),
                                           QStringLiteral("a,b"),
                                           QStringLiteral("Zeile 1\r\nZeile, \"zwei\""),
                                           QStringLiteral("Sag \"Hallo\""), QStringLiteral("€ 100 – ‚gut‘"),
                                           QStringLiteral("x\r\n\r\ny"), QStringLiteral("Straße, Maß"),
                                           QStringLiteral("\"\"")));

struct VerlustFall {
    QString geschrieben;
    QString gelesen;
};

class BeschriftungVerlust : public ::testing::TestWithParam<VerlustFall> {};

TEST_P(BeschriftungVerlust, AussenleerUndLeereZeile) {
    EXPECT_EQ(BeschriftungDekodieren(BeschriftungKodieren(GetParam().geschrieben)), GetParam().gelesen);
}

INSTANTIATE_TEST_SUITE_P(Faelle, BeschriftungVerlust,
                         ::testing::Values(VerlustFall{QStringLiteral(" vorn"), QStringLiteral("vorn")},
                                           VerlustFall{QStringLiteral("hinten \r\n"),
                                                       QStringLiteral("hinten")},
                                           VerlustFall{QStringLiteral("\r\n"), QString()},
                                           VerlustFall{QStringLiteral("\r\n\r\nx"), QStringLiteral("x")},
                                           VerlustFall{QStringLiteral("Łódź"), QStringLiteral("?ódz")}));

// ---- Windows-1252 --------------------------------------------------------------

TEST(Cp1252, JedesByteUeberlebtDieRundreise) {
    QByteArray alle;
    for (int b = 0; b < 256; ++b)
        alle.append(static_cast<char>(b));
    const QString text = AusCp1252(alle);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(NachCp1252(text), alle);
    EXPECT_EQ(text.at(0x80), QChar(0x20AC));
    EXPECT_EQ(text.at(0x9F), QChar(0x0178));
    EXPECT_EQ(text.at(0xE4), QChar(u'ä'));
}

TEST(Cp1252, StimmtMitQtUeberein) {
    QStringDecoder qt("windows-1252");
    if (!qt.isValid()) GTEST_SKIP() << "this Qt has no windows-1252 codec";
    QByteArray alle;
    for (int b = 0; b < 256; ++b) {
        if (b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D) alle.append(static_cast<char>(b));
    }
    EXPECT_EQ(AusCp1252(alle), QString(qt(alle)));
}

struct ZeichenFall {
    QString text;
    QByteArray bytes;
};

class Cp1252Ersatz : public ::testing::TestWithParam<ZeichenFall> {};

TEST_P(Cp1252Ersatz, Bytes) {
    EXPECT_EQ(NachCp1252(GetParam().text), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Cp1252Ersatz,
    ::testing::Values(
        ZeichenFall{QStringLiteral("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ"),
                    QByteArray("\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E\x91\x92\x93\x94\x95"
                               "\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F")},
        ZeichenFall{QStringLiteral("Gdańsk Ő ș ā"), "Gdansk O s a"}, ZeichenFall{QStringLiteral("ǖ"), "\xFC"},
        ZeichenFall{QStringLiteral("中文"), "??"}, ZeichenFall{QStringLiteral("a😀b"), "a?b"},
        ZeichenFall{QStringLiteral("ﬁ"), "?"}, ZeichenFall{QString(QChar(0xD800)), "?"},
        ZeichenFall{QString(1, QChar(u'\0')) + u'x', QByteArray("\0x", 2)}));

} // namespace
