#include "mapview/link.h"

#include <QFileInfo>

bool HatAusfuehrungsrecht(const QString& pfad) {
    // Any execute bit counts, not only the current user's: xdg-open runs what looks runnable.
    const QFileDevice::Permissions ausfuehren =
        QFileDevice::ExeOwner | QFileDevice::ExeUser | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    return (QFileInfo(pfad).permissions() & ausfuehren) != 0;
}
