#pragma once
// Help pages and the web links of the program.
#include <QString>

class Meldungen;
class Shell;

inline const QString ProduktHomepage = QStringLiteral("https://kartello-quiz.velmora.example/");
inline const QString HerstellerHomepage = QStringLiteral("https://www.velmora.example/");
inline const QString ProgrammVersion = QStringLiteral("Version 1.0.2005.06.12");

// "file://" + help folder + "index.html".
QString HilfeAdresse(const QString& hilfeordner);

// Opens the target with the default handler; when that fails, the error box
// "Die Datei "…" kann nicht geöffnet werden. Sie benötigen einen Webbrowser …".
bool ZielOeffnen(const QString& ziel, Shell& shell, Meldungen& meldungen);
QString NichtOeffnenbarText(const QString& ziel);
