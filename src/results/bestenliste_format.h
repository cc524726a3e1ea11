#pragma once
// The best-list file (*.hsc): identifier record, key-list record, then entries up to
// the end of the file. Little-endian; texts are a 32-bit byte count and Windows-1252
// bytes. The key list says which entry fields the file holds.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

struct BestListDataTyp {
    QString Name;
    QString Rechner;
    double Beginn = 0;   // days since 30 Dec 1899, time of day as the fraction
    int32_t Dauer = 0;   // milliseconds
    double Leistung = 0; // 0 to 1

    bool operator==(const BestListDataTyp&) const = default;
};

inline const QByteArray BestListKennung = QByteArrayLiteral("TVL-HSC-1.00");
inline const QByteArray BestListSchluesselliste =
    QByteArrayLiteral("|HSC-Name|HSC-Rechner|HSC-Beginn|HSC-Dauer|HSC-Leistung|");

// Identifier record and key-list record, as a new file starts.
QByteArray BestListKopf();
// One entry with every field, ready for a single write.
QByteArray BestListEintragBytes(const BestListDataTyp& eintrag);

enum class BestListLeseFehler { Keiner, FalscheKennung, KopfBeschaedigt };

// No name or computer name comes near this; a longer byte count past the end is damage.
inline constexpr int32_t BestListMaxTextBytes = 64 * 1024;
// The most a list is read of: a million entries (a class's results for decades), and
// the entries that start within the first 64 MiB; what follows counts as damage.
inline constexpr std::size_t BestListHoechstEintraege = 1'000'000;
inline constexpr int64_t BestListHoechstBytes = 64LL * 1024 * 1024;
// The reader holds about this much of a file at a time.
inline constexpr int64_t BestListStueckBytes = 1024 * 1024;

// Fills up to `n` bytes at `ziel` with the next bytes of the file; returns how many
// (fewer only when the file cannot be read further).
using BestListQuelle = std::function<int64_t(char* ziel, int64_t n)>;

// Reads the entries of a file of `groesse` bytes. Entries are read while bytes remain;
// an entry whose start time is 0 (a run of zeros, never a written entry) is damage;
// a file that ends inside an entry gives a last entry whose missing fields are empty
// or 0, and the list ends there. Damage before the end (a negative byte count, one
// that no text could have, or entries after a key list naming no field) keeps the
// entries before it, adds none for it and sets `beschaedigtAb` to the number of the
// first damaged entry (counted from 1; 0 when the list is whole). Values out of their
// range come back as the nearest valid value. `lesefehler` tells that the file could
// not be read to its end (the list then ends where reading stopped). A file that is
// no best list leaves `liste` untouched.
BestListLeseFehler BestListAusQuelle(const BestListQuelle& quelle, int64_t groesse,
                                     std::vector<BestListDataTyp>& liste, int64_t* beschaedigtAb = nullptr,
                                     bool* lesefehler = nullptr);
// The same from bytes in memory.
BestListLeseFehler BestListAusDaten(const QByteArray& daten, std::vector<BestListDataTyp>& liste,
                                    int64_t* beschaedigtAb = nullptr);

// The serial date of the file: whole days since 30 December 1899 and the time of
// day as the fraction, in local time. Before that day the fraction still counts forward.
double SerielleZeit(const QDateTime& zeit);
QDateTime AusSeriellerZeit(double seriell);
