#pragma once
// The program's web addresses and version text. The help menu, the about
// window, the worksheet footer and the mail note all name the same places.
#include <QString>

inline const QString ProduktHomepage = QStringLiteral("https://kartello-quiz.velmora.example/");
inline const QString HerstellerHomepage = QStringLiteral("https://www.velmora.example/");
inline const QString ProgrammVersion = QStringLiteral("Version 1.0.2005.06.12");
