#pragma once
// What an errno says that the user can act on, for the file layers of POSIX systems.
#include "data/dateigrund.h"

Dateigrund DateigrundAusErrno(int nummer);
