#include "shell/hilfe.h"

#include "platform/meldungen.h"
#include "platform/shell.h"

#include <QDir>

QString HilfeAdresse(const QString& hilfeordner) {
    return QStringLiteral("file://") + QDir::fromNativeSeparators(hilfeordner) + QStringLiteral("index.html");
}

QString NichtOeffnenbarText(const QString& ziel) {
    return QStringLiteral("Die Datei \"") + ziel +
           QStringLiteral("\" kann nicht geöffnet werden. Sie benötigen einen Webbrowser (z.B. Internet "
                          "Explorer) um dieses Dokument anzusehen.");
}

bool ZielOeffnen(const QString& ziel, Shell& shell, Meldungen& meldungen) {
    if (shell.oeffnen(ziel)) return true;
    meldungen.fehler(NichtOeffnenbarText(ziel));
    return false;
}
