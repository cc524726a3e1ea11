#include "data/dateigrund.h"

#include "data/av_data.h"

QString DateigrundText(Dateigrund grund) {
    switch (grund) {
    case Dateigrund::KeinPlatz:
        return QStringLiteral("Auf dem Datenträger ist kein Platz mehr.");
    case Dateigrund::Kontingent:
        return QStringLiteral("Der zugeteilte Speicherplatz ist aufgebraucht.");
    case Dateigrund::KeinZugriff:
        return QStringLiteral("Der Zugriff wurde verweigert.");
    case Dateigrund::Schreibgeschuetzt:
        return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case Dateigrund::Gesperrt:
        return QStringLiteral("Die Datei wird von einem anderen Programm verwendet.");
    case Dateigrund::Unbekannt:
        break;
    }
    return {};
}

QString SchreibfehlerText(const QString& datei, const QString& zusatz, Dateigrund grund) {
    const QString text = DateigrundText(grund);
    if (text.isEmpty()) return SchreibfehlerText(datei, zusatz);
    return SchreibfehlerText(datei, zusatz.isEmpty() ? text : text + QStringLiteral("\r\n\r\n") + zusatz);
}
