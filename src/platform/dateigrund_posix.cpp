#include "platform/dateigrund_posix.h"

#include <cerrno>

Dateigrund DateigrundAusErrno(int nummer) {
    switch (nummer) {
    case ENOSPC:
        return Dateigrund::KeinPlatz;
    case EDQUOT:
        return Dateigrund::Kontingent;
    case EACCES:
    case EPERM:
        return Dateigrund::KeinZugriff;
    case EROFS:
        return Dateigrund::Schreibgeschuetzt;
    default:
        return Dateigrund::Unbekannt;
    }
}
