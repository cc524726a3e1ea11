// The result window of a partial repeat says that it was one.
#include "quiz/ac_uebfertig.h"

#include "fenster_hilfe.h"
#include "quiz/quiz.h"

#include <gtest/gtest.h>

namespace {

TEST(ErgebnisFensterTeillauf, TitelNenntDieWiederholung) {
    RessourcenLaden();
    TUebFertigForm f;
    ErgebnisAnzeige e;
    e.Durchlauf = QStringLiteral("Wiederholung: 3 Fragen");
    f.Fuellen(e);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Quiz beendet - Wiederholung: 3 Fragen"));
    f.Fuellen(ErgebnisAnzeige{});
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Quiz beendet")) << "a complete run afterwards";
}

} // namespace
