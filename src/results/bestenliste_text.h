#pragma once
// What the best-list window shows: the cells of its grid, the grid text of
// "Speichern..." and "In Zwischenablage", and the columns' widths and alignments.
#include "results/bestenliste_format.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

enum class Ausrichtung { Links, Mitte, Rechts };

struct BestListSpalte {
    QString titel;
    int breite;              // pixels on screen
    Ausrichtung datenzeilen; // the header row is always left-aligned on screen
};

inline constexpr int BestListSpaltenAnzahl = 6;
const std::array<BestListSpalte, BestListSpaltenAnzahl>& BestListSpalten();

// 0.875 gives "87.5 %": one decimal, a full stop, no thousands separator.
QString LeistungText(double leistung);
// Whole seconds as minutes ":" seconds, each at least two digits: 59 999 ms give
// "00:59", 6 000 000 ms "100:00".
QString ZeitText(int32_t dauerMs);
// The system's short date and long time: "08.12.2026 10:15:00" on a German system.
QString DatumUhrzeitText(const QDateTime& zeit);

// Header row and one row per entry (at least one row, empty for an empty list).
std::vector<QStringList> BestListZeilen(const std::vector<BestListDataTyp>& liste);
// Every row's cells joined by TAB, each row ended by CR LF.
QString BestListGridText(const std::vector<QStringList>& zeilen);
// The grid text as a file holds it (Windows-1252), for "Speichern..." and the tool.
QByteArray BestListGridBytes(const std::vector<QStringList>& zeilen);
