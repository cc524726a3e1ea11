#pragma once
// The command table of kartello-tool. A new command is one entry in AlleBefehle()
// (tool_befehle.cpp) and one function in its own file.
#include <QString>
#include <QStringList>
#include <vector>

// Exit codes shared by every command.
inline constexpr int ExitErfolg = 0;
inline constexpr int ExitFehler = 1; // the command ran and failed (bad input, unreadable file)
inline constexpr int ExitAufruf = 2; // the command line itself was wrong

struct Befehl {
    QString name;
    QString kurzbeschreibung; // one line for the overview
    QString aufruf;           // "dump DATEI.tvl"
    QString hilfe;            // the full help text below the call line
    int mindestArgumente = 0;
    int hoechstArgumente = 0;
    int (*ausfuehren)(const QStringList& argumente) = nullptr;
};

const std::vector<Befehl>& AlleBefehle();
const Befehl* BefehlSuchen(const QString& name);

// Runs the tool on its arguments (without the program name); returns the exit code.
int WerkzeugAusfuehren(const QStringList& argumente);

int BefehlDump(const QStringList& argumente);
int BefehlBuild(const QStringList& argumente);
int BefehlBestenliste(const QStringList& argumente);
int BefehlRender(const QStringList& argumente);
int BefehlArbeitsblatt(const QStringList& argumente);
int BefehlEinstellungen(const QStringList& argumente);
int BefehlNetzuebung(const QStringList& argumente);
int BefehlAuswertung(const QStringList& argumente);
