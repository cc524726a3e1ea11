// System-wide presets on Linux: "Velmora/Velmora Kartello-Quiz 1.0.conf" in the first
// folder of XDG_CONFIG_DIRS that holds one (/etc/xdg without the variable).
#include "platform/einstellungen_qt.h"

#include <QFileInfo>
#include <QStandardPaths>

std::unique_ptr<EinstellungsDatei> SystemVorgabenOeffnen() {
    QStringList orte = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    // The first entry is the user's own folder (XDG_CONFIG_HOME).
    orte.removeAll(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    for (const QString& ort : orte) {
        const QString datei = ort + QStringLiteral("/Velmora/Velmora Kartello-Quiz 1.0.conf");
        if (QFileInfo(datei).isFile()) return std::make_unique<EinstellungsDatei>(datei);
    }
    return nullptr;
}
