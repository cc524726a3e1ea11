#include "platform/shell.h"

#include <QDesktopServices>
#include <QUrl>

bool ShellQt::oeffnen(const QString& ziel) {
    const QUrl url = QUrl::fromUserInput(ziel);
    return url.isValid() && QDesktopServices::openUrl(url);
}
