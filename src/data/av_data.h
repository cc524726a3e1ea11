#pragma once
// Shared data of the program: folders, the one random generator, text
// normalisation and the three file messages that every reader and writer uses.
#include <QString>
#include <cstdint>

// Folder paths always end with the native separator.
struct ProgrammOrdnerTyp {
    QString Programmordner;
    QString Soundordner;
    QString Hilfeordner;
    QString Protokollordner;
    QString Bestenlistenordner;
    QString Kommunikationsordner;
    QString Setupordner;
    QString Kanalname = QStringLiteral("TVL-1");
    QString Startordner;
    QString Themenordner;
    QString Startdokument;
};

// Appends the native separator unless the path is empty or already ends with one.
QString MitTrenner(const QString& pfad);

// Fills every folder from the program folder. Read-only resources (sound, help)
// fall back to the installed share folder; writable defaults go to the per-user
// data folder when the program folder cannot be written.
ProgrammOrdnerTyp OrdnerAusProgrammordner(const QString& programmordner);

// The program-wide folder record, initialised once at start.
ProgrammOrdnerTyp& Ordner();

// The one 32-bit linear congruential generator of the program.
class Zufall final {
public:
    explicit Zufall(uint32_t seed = 0) : m_seed(seed) {}
    void setzeSeed(uint32_t seed) { m_seed = seed; }
    uint32_t seed() const { return m_seed; }
    // 0 <= result < n: the high 32 bits of the advanced seed times n.
    uint32_t Random(uint32_t n);

private:
    uint32_t m_seed;
};
Zufall& Zufallsgenerator();
// Milliseconds since midnight of the local clock, the seed at start.
uint32_t ZufallsStartwert();

// Joins hyphenated line breaks, turns line breaks into blanks, halves double blanks, trims.
QString TextNormalisieren(const QString& text);

// Trims leading and trailing blanks and control characters (code points up to 32).
QString TrimmeSteuerzeichen(const QString& text);

// The three shared file messages; a non-empty extra text follows after CR LF CR LF.
QString SchreibfehlerText(const QString& datei, const QString& zusatz = {});
QString LesefehlerText(const QString& datei, const QString& zusatz = {});
QString FehltText(const QString& datei, const QString& zusatz = {});

inline const QString ProgrammTitel = QStringLiteral("Velmora Kartello-Quiz");
