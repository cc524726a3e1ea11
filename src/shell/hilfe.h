#pragma once
// Help pages and the web links of the program.
#include <QString>

#include "data/programmadressen.h"

class Meldungen;
class Shell;

// "file://" + help folder + "index.html".
QString HilfeAdresse(const QString& hilfeordner);

// Opens the target with the default handler; when that fails, the error box
// "Die Datei "…" kann nicht geöffnet werden. Sie benötigen einen Webbrowser …".
bool ZielOeffnen(const QString& ziel, Shell& shell, Meldungen& meldungen);
QString NichtOeffnenbarText(const QString& ziel);
