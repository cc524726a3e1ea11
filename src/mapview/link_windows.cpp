#include "mapview/link.h"

bool HatAusfuehrungsrecht(const QString& pfad) {
    // Windows decides by the name alone; IstProgrammdatei covers it.
    Q_UNUSED(pfad);
    return false;
}
