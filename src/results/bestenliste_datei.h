#pragma once
// Reading and appending a best-list file under its lock, with the retries that a
// folder shared by a classroom needs: up to 5 attempts, 100 ms apart.
#include "data/dateigrund.h"
#include "platform/geteilte_datei.h"
#include "results/bestenliste_format.h"

#include <QString>
#include <functional>
#include <vector>

class GesperrteDatei;
class Warten;

inline constexpr int BestListVersuche = GeteiltVersuche;
inline constexpr int BestListPauseMs = GeteiltPauseMs;

// Writes the bytes of one append onto the locked file; returns the bytes written.
// Tests hand in one that fails partway, as a full disk or a lost share would.
using BestListSchreiber = std::function<int64_t(GesperrteDatei& datei, const char* daten, int64_t laenge)>;

// The file layer of an append whose writes go through a BestListSchreiber.
class BestListSchreiberSchicht final : public AnhangSchicht {
public:
    explicit BestListSchreiberSchicht(BestListSchreiber schreiber) : m_schreiber(std::move(schreiber)) {}
    int64_t schreiben(GesperrteDatei& datei, const char* daten, int64_t laenge) override;

private:
    BestListSchreiber m_schreiber;
};

struct BestListDateiFehler {
    QString text; // the system's reason of the last failed attempt, for diagnostics
};

// One append attempt (GeteiltAnhaengenVersuch): exclusive open of the name itself
// (created when missing, never through a link), the header when the file is empty,
// then header and entry in one write. A failed write cuts the file back to its previous
// length, so no torn entry misaligns the entries after it; a file that the attempt
// itself created is removed again. `grund` gets the system's reason.
bool BestListAnhaengenVersuch(const QString& pfad, const BestListDataTyp& eintrag,
                              const BestListSchreiber& schreiber, QString& fehler,
                              Dateigrund* grund = nullptr);
// One read attempt with others denied write access, in bounded pieces. The list is
// emptied first. Only regular files are read. `beschaedigtAb`: as BestListAusQuelle.
bool BestListLesenVersuch(const QString& pfad, std::vector<BestListDataTyp>& liste, QString& fehler,
                          int64_t* beschaedigtAb = nullptr);

// The attempts with their pauses; `fehler` holds the reason of the last failure. A
// retry after a failure that the data may have survived never enters it twice.
bool BestListAnhaengen(const QString& pfad, const BestListDataTyp& eintrag, Warten& warten, QString& fehler,
                       AnhangSchicht* schicht = nullptr, Dateigrund* grund = nullptr);
bool BestListLesen(const QString& pfad, std::vector<BestListDataTyp>& liste, Warten& warten, QString& fehler,
                   int64_t* beschaedigtAb = nullptr);

// The warning for a list that is damaged before its end, naming the first damaged entry.
QString BestListSchadenText(const QString& pfad, int64_t beschaedigtAb);
