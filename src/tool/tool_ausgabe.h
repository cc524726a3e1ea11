#pragma once
// Console output of kartello-tool: UTF-8, line ends as the console expects them.
#include <QByteArray>
#include <QString>

struct Dokument;

void Ausgeben(const QString& text);        // stdout, a line end is appended
void FehlerAusgeben(const QString& text);  // stderr, a line end is appended
void RohAusgeben(const QByteArray& daten); // stdout, unchanged

// A wrong call of `befehl`: the reason and the pointer to its help on stderr.
void AufrufFehlerAusgeben(const QString& befehl, const QString& fehler);
// Whether fonts are at hand (a QGuiApplication runs); otherwise says so for `befehl`.
bool SchriftenVorhanden(const QString& befehl);
// Reads the document at `pfad`; a missing or unreadable file is reported on stderr.
bool DokumentLesenOderMelden(const QString& pfad, Dokument& dok);
