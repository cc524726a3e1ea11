#include "data/av_data.h"

#include <gtest/gtest.h>

TEST(Zufall, FolgtDerLcgFormel) {
    Zufall z(1);
    // seed 1 -> 134775814; high 32 bits of 134775814 * 10
    EXPECT_EQ(z.Random(10), static_cast<uint32_t>((uint64_t(134775814u) * 10u) >> 32));
    EXPECT_EQ(z.seed(), 134775814u);
    for (int i = 0; i < 1000; ++i)
        EXPECT_LT(z.Random(7), 7u);
}

TEST(TextNormalisieren, TrennungenUndLeerzeichen) {
    EXPECT_EQ(TextNormalisieren(QStringLiteral("Was-\r\nser")), QStringLiteral("Wasser"));
    EXPECT_EQ(TextNormalisieren(QStringLiteral("Müller-\r\nLüdenscheidt")),
              QStringLiteral("Müller-Lüdenscheidt"));
    EXPECT_EQ(TextNormalisieren(QStringLiteral("Nord\r\nsee")), QStringLiteral("Nord see"));
    EXPECT_EQ(TextNormalisieren(QStringLiteral("a    b")), QStringLiteral("a  b"));
    EXPECT_EQ(TextNormalisieren(QStringLiteral("  x \t")), QStringLiteral("x"));
    EXPECT_EQ(TextNormalisieren(QStringLiteral("Ende-\r\n")), QStringLiteral("Ende-"));
}

TEST(Dateimeldungen, Wortlaut) {
    EXPECT_EQ(FehltText(QStringLiteral("a.tvl")), QStringLiteral("Die Datei \"a.tvl\" existiert nicht."));
    EXPECT_TRUE(LesefehlerText(QStringLiteral("x"), QStringLiteral("Z"))
                    .endsWith(QStringLiteral("Netzwerk\r\n\r\nZ")));
    EXPECT_TRUE(SchreibfehlerText(QStringLiteral("x"))
                    .startsWith(QStringLiteral(
                        "Die Datei \"x\" kann nicht geschrieben werden. Mögliche Ursachen:\r\n")));
}
