#include "platform/meldungen.h"

QString MeldungsTitel(MeldungsArt art) {
    switch (art) {
    case MeldungsArt::Warnung:
        return QStringLiteral("Warnung");
    case MeldungsArt::Fehler:
        return QStringLiteral("Fehler");
    case MeldungsArt::Information:
        return QStringLiteral("Information");
    case MeldungsArt::Bestaetigung:
        return QStringLiteral("Bestätigung");
    }
    return {};
}
