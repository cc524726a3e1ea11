#pragma once
// Console output of kartello-tool: UTF-8, line ends as the console expects them.
#include <QByteArray>
#include <QString>

void Ausgeben(const QString& text);        // stdout, a line end is appended
void FehlerAusgeben(const QString& text);  // stderr, a line end is appended
void RohAusgeben(const QByteArray& daten); // stdout, unchanged
