// Dates and times in German whatever the system's language, a German system's own otherwise.
#include "platform/anzeigeort.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace {

struct Fall {
    const char* system;
    const char* datum; // short date of 9 Dec 2026
    QLocale::Territory gebiet;
};

class AnzeigeOrtFall : public ::testing::TestWithParam<Fall> {};

TEST_P(AnzeigeOrtFall, KurzesDatumUndLangeZeit) {
    const QLocale ort = AnzeigeOrt(QLocale(QString::fromLatin1(GetParam().system)));
    EXPECT_EQ(ort.language(), QLocale::German);
    EXPECT_EQ(ort.territory(), GetParam().gebiet);
    EXPECT_EQ(ort.toString(QDate(2026, 12, 9), QLocale::ShortFormat), QString::fromUtf8(GetParam().datum));
    EXPECT_TRUE(ort.toString(QTime(14, 29, 22), QLocale::LongFormat).startsWith(QStringLiteral("14:29:22")));
}

INSTANTIATE_TEST_SUITE_P(Systeme, AnzeigeOrtFall,
                         ::testing::Values(Fall{"C", "09.12.26", QLocale::Germany},
                                           Fall{"en_US", "09.12.26", QLocale::Germany},
                                           Fall{"fr_FR", "09.12.26", QLocale::Germany},
                                           Fall{"de_DE", "09.12.26", QLocale::Germany},
                                           Fall{"de_AT", "09.12.26", QLocale::Austria},
                                           Fall{"de_CH", "09.12.26", QLocale::Switzerland}));

} // namespace
