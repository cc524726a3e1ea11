#pragma once
// Printing the best-list grid in units of 0.1 mm: 15 mm margins, a character height
// that fits the on-screen column proportions across the page, a line under the
// header row and page breaks. Works on any paged device (printer, PDF writer).
#include <QStringList>
#include <array>
#include <vector>

class QPagedPaintDevice;

struct BestListDruckMasse {
    int links = 0;               // left margin, reduced by the unprintable offset
    int oben = 0;                // top margin, likewise
    int breite = 0;              // printable width: page width less 300
    int grenze = 0;              // page limit: page height less 300
    int zeichenhoehe = 0;        // character height
    std::array<int, 7> kanten{}; // column edges, the first at the left margin
};

// All in 0.1 mm: the physical page and the printer's unprintable offsets.
BestListDruckMasse BestListDruckMasseFuer(double seitenBreite, double seitenHoehe, double versatzLinks,
                                          double versatzOben);

// Prints the rows (the header first) as one job; returns the number of pages, 0 when
// the device cannot be painted on.
int BestListDrucken(QPagedPaintDevice& geraet, const std::vector<QStringList>& zeilen);
