#pragma once
// What the best-list window shows: the cells of its grid, the grid text of
// "Speichern..." and "In Zwischenablage", and the columns' widths and alignments.
#include "results/bestenliste_format.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>
#include <limits>
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

// The grid's cells of a list, with the system's formats looked up once for all rows,
// so that a view can ask for just the rows it shows.
class BestListZellen final {
public:
    explicit BestListZellen(const std::vector<BestListDataTyp>& liste);
    // Data rows: one per entry, and one empty row for an empty list.
    std::size_t zeilen() const { return m_liste.empty() ? 1 : m_liste.size(); }
    QString text(std::size_t zeile, int spalte) const;
    QStringList zeile(std::size_t zeile) const;

private:
    QString datumUhrzeit(double beginn) const;

    const std::vector<BestListDataTyp>& m_liste;
    QLocale m_ort;
    QString m_zeitFormat;
    // Entries of one day share the date text; the last one is kept.
    mutable qint64 m_letzterTag = std::numeric_limits<qint64>::min();
    mutable QString m_letztesDatum;
};

// Header row and one row per entry (at least one row, empty for an empty list).
std::vector<QStringList> BestListZeilen(const std::vector<BestListDataTyp>& liste);
// Every row's cells joined by TAB, each row ended by CR LF; each cell as ExportZelle makes it.
QString BestListGridText(const std::vector<QStringList>& zeilen);
// The grid text as a file holds it (Windows-1252), for "Speichern..." and the tool.
QByteArray BestListGridBytes(const std::vector<QStringList>& zeilen);
