#pragma once
// The reasons of failed file operations that the user can act on, and the
// write-failure message that names them.
#include <QString>

// Why a file operation failed, where the system says so in a way the user can act on.
enum class Dateigrund { Unbekannt, KeinPlatz, Kontingent, KeinZugriff, Schreibgeschuetzt, Gesperrt };
// "Auf dem Datenträger ist kein Platz mehr." and the like; empty for Unbekannt.
QString DateigrundText(Dateigrund grund);
// The write-failure message with the system's reason, when known, after the possible causes.
QString SchreibfehlerText(const QString& datei, const QString& zusatz, Dateigrund grund);
