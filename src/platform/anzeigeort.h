#pragma once
// The locale of the program's dates and times. Its texts are German, so a system whose
// language is not German (a "C.UTF-8" installation, an English desktop) still gets German
// dates and times; a German system keeps its own formats (Austria, Switzerland, ...).
#include <QLocale>

QLocale AnzeigeOrt(const QLocale& system);

// The same for the running system.
QLocale AnzeigeOrt();
