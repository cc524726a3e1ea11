// System-wide presets in the computer's own store of the system scope.
#include "platform/einstellungen_qt.h"

std::unique_ptr<EinstellungsDatei> SystemVorgabenOeffnen() {
    return std::make_unique<EinstellungsDatei>(QSettings::SystemScope);
}
