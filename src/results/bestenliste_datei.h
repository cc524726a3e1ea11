#pragma once
// Reading and appending a best-list file under its lock, with the retries that a
// folder shared by a classroom needs: up to 5 attempts, 100 ms apart.
#include "data/dateigrund.h"
#include "results/bestenliste_format.h"

#include <QString>
#include <functional>
#include <vector>

class GesperrteDatei;
class Warten;

inline constexpr int BestListVersuche = 5;
inline constexpr int BestListPauseMs = 100;

// Writes the bytes of one append onto the locked file; returns the bytes written.
// Tests hand in one that fails partway, as a full disk or a lost share would.
using BestListSchreiber = std::function<int64_t(GesperrteDatei& datei, const char* daten, int64_t laenge)>;

struct BestListDateiFehler {
    QString text; // the system's reason of the last failed attempt, for diagnostics
};

// One append attempt: exclusive open (created when missing), the header when the
// file is empty, then header and entry in one write. A failed write cuts the file
// back to its previous length, so no torn entry misaligns the entries after it; a
// file that the attempt itself created is removed again. `grund` gets the system's reason.
bool BestListAnhaengenVersuch(const QString& pfad, const BestListDataTyp& eintrag,
                              const BestListSchreiber& schreiber, QString& fehler,
                              Dateigrund* grund = nullptr);
// One read attempt with others denied write access, in bounded pieces. The list is
// emptied first. Only regular files are read. `beschaedigtAb`: as BestListAusQuelle.
bool BestListLesenVersuch(const QString& pfad, std::vector<BestListDataTyp>& liste, QString& fehler,
                          int64_t* beschaedigtAb = nullptr);

// The attempts with their pauses; `fehler` holds the reason of the last failure.
bool BestListAnhaengen(const QString& pfad, const BestListDataTyp& eintrag, Warten& warten, QString& fehler,
                       const BestListSchreiber& schreiber = {}, Dateigrund* grund = nullptr);
bool BestListLesen(const QString& pfad, std::vector<BestListDataTyp>& liste, Warten& warten, QString& fehler,
                   int64_t* beschaedigtAb = nullptr);

// The warning for a list that is damaged before its end, naming the first damaged entry.
QString BestListSchadenText(const QString& pfad, int64_t beschaedigtAb);
