#pragma once
// The analysis as text: the tables of the window, tab-separated for the console and the
// clipboard, and as CSV for German spreadsheet programs.
#include "analysis/auswertung.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// Header and rows of the per-position table. `mitPfeil` writes the confusion as
// "Slowakei ← Slowenien (9)" as the window does, otherwise as "Slowenien (9)".
std::vector<QStringList> PositionsTabelle(const Auswertung& a, bool mitPfeil);
std::vector<QStringList> SchuelerTabelle(const Auswertung& a);
// "Slowakei ← Slowenien (9)" for the first `hoechstens` confusions, one per line.
QString VerwechslungenText(const PositionsZeile& p, int hoechstens = 3);

// Rows joined by tabs and line ends; tabs and line breaks inside a cell become blanks.
QString TabText(const std::vector<QStringList>& zeilen);
// The position table as the tool prints it.
QString PositionsTabText(const Auswertung& a);
// Both tables for the clipboard, a blank line between them.
QString TabellenText(const Auswertung& a);

// Both tables as CSV: UTF-8 with byte order mark, semicolons, CR LF.
QByteArray AuswertungCsv(const Auswertung& a);
