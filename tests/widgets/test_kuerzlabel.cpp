// Long names in narrow places: cut with "…", whole in the tooltip; the status panel of a
// running quiz shows the participant's name that way.
#include "quiz/av_uebinfopan.h"
#include "quiz/quiz.h"
#include "widgets/kuerzlabel.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace {

struct Fall {
    const char16_t* name;
    bool gekuerzt;
};

class KuerzLabelFall : public ::testing::TestWithParam<Fall> {};

TEST_P(KuerzLabelFall, PasstOderEndetMitAuslassung) {
    TKuerzLabel l;
    l.setIndent(12);
    l.resize(150, 20);
    l.show(); // a shown label gets its resizes at once
    const QString name = QString::fromUtf16(GetParam().name);
    l.setzeVollText(name);
    EXPECT_EQ(l.toolTip(), name);
    EXPECT_EQ(l.vollText(), name);
    if (GetParam().gekuerzt) {
        EXPECT_TRUE(l.text().endsWith(QChar(0x2026))) << l.text().toStdString();
        EXPECT_TRUE(name.startsWith(l.text().chopped(1)));
    } else {
        EXPECT_EQ(l.text(), name);
    }
    EXPECT_LE(l.fontMetrics().horizontalAdvance(l.text()), 150 - 12);
    // Wider, the whole name fits again.
    l.resize(2000, 20);
    EXPECT_EQ(l.text(), name);
}

INSTANTIATE_TEST_SUITE_P(Namen, KuerzLabelFall,
                         ::testing::Values(Fall{u"Ida", false}, Fall{u"", false},
                                           Fall{u"Maximilian-Alexander Schmidt-Überreiter", true},
                                           Fall{u"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", true}));

TEST(Statuspanel, LangerNameGekuerztMitTooltip) {
    TUebInfoPan pan;
    pan.show();
    StatusAnzeige s;
    s.Name = QStringLiteral("Maximilian-Alexander Schmidt-Überreiter von Hohenstein");
    pan.Anzeigen(s);
    const QLabel* name = pan.Wert("TNameLab");
    ASSERT_NE(name, nullptr);
    EXPECT_TRUE(name->text().endsWith(QChar(0x2026))) << name->text().toStdString();
    EXPECT_EQ(name->toolTip(), s.Name);
    EXPECT_LE(name->geometry().right(), pan.width());
}

} // namespace
