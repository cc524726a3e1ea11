#pragma once
// Running outside programs (the tool, desktop validators, packaging tools) for the
// installation tests, each in an environment of temporary XDG folders.
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

struct Lauf {
    int exitCode = -1; // -1: did not start, crashed or timed out
    QByteArray ausgabe;
    QString fehler;
};

Lauf Ausfuehren(const QString& programm, const QStringList& argumente,
                const QProcessEnvironment& umgebung = QProcessEnvironment::systemEnvironment(),
                const QString& arbeitsordner = {}, int zeitlimitMs = 120000);

// A home with its own config, data and system-config folders.
struct XdgUmgebung {
    XdgUmgebung();
    QString benutzerKonfig() const { return tmp.filePath(QStringLiteral("config")); }
    QString systemKonfig() const { return tmp.filePath(QStringLiteral("etc-xdg")); }
    QString daten() const { return tmp.filePath(QStringLiteral("data")); }
    QProcessEnvironment umgebung() const;
    // Writes a settings file of the program below a config folder.
    void einstellungenSchreiben(const QString& konfigOrdner, const QByteArray& inhalt) const;
    QTemporaryDir tmp;
};

QByteArray DateiLesen(const QString& pfad);
QString BauOrdner(); // the current build folder
