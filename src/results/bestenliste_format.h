#pragma once
// The best-list file (*.hsc): identifier record, key-list record, then entries up to
// the end of the file. Little-endian; texts are a 32-bit byte count and Windows-1252
// bytes. The key list says which entry fields the file holds.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>
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

// Reads the entries of a whole file. Entries are read while bytes remain; a file
// that ends inside an entry gives a last entry whose missing fields are empty or 0,
// as does a text whose byte count runs past the end or is negative, and the list
// ends there. A key list naming no field stops at once (such entries have no bytes).
BestListLeseFehler BestListAusDaten(const QByteArray& daten, std::vector<BestListDataTyp>& liste);

// The serial date of the file: whole days since 30 December 1899 and the time of
// day as the fraction, in local time. Before that day the fraction still counts forward.
double SerielleZeit(const QDateTime& zeit);
QDateTime AusSeriellerZeit(double seriell);
