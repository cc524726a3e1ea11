#pragma once
// Where an installed program keeps what it brings along. Installed under any prefix
// (or unpacked into any folder), the program finds its read-only resources relative
// to its own executable in ../share/kartello-quiz/; a build folder has them beside it.
#include "data/av_data.h"

#include <QString>

// The share folder of an installed program, ending with the separator; empty when
// the program runs without one (from its build folder).
QString InstallierterDatenordner(const QString& programmordner);

// The folder of documents the program treats as its own, listed when no argument
// names another: the installed samples, else the program folder.
QString Dokumentenordner(const ProgrammOrdnerTyp& ordner);
