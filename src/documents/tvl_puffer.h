#pragma once
// Little-endian primitives of the document file: a bounds-checked cursor over
// bytes in memory and an appender for the writer. The bytes in memory may be only
// the first part of a longer file: `gesamt` is the file's size, so that plausibility
// checks and messages speak of the whole file while reads stay inside the part held.
#include <QByteArray>
#include <QString>
#include <QtEndian>

#include <cmath>
#include <cstdint>
#include <cstring>

class TvlPuffer final {
public:
    TvlPuffer(const char* daten, qint64 laenge) : m_d(daten), m_n(laenge), m_gesamt(laenge) {}
    TvlPuffer(const char* daten, qint64 laenge, qint64 gesamt)
        : m_d(daten), m_n(laenge), m_gesamt(gesamt < laenge ? laenge : gesamt) {}

    qint64 position() const { return m_pos; }
    qint64 rest() const { return m_n - m_pos; }
    // Bytes left in the whole file, including those not read into memory yet.
    qint64 restInDatei() const { return m_gesamt - m_pos; }
    const char* hier() const { return m_d + m_pos; }
    // Total file size that would have let the last failed read succeed (0: not a short read).
    qint64 benoetigt() const { return m_benoetigt; }
    const QString& fehler() const { return m_fehler; }
    qint64 fehlerOffset() const { return m_fehlerOffset; }

    bool ganzzahl(int32_t& wert) {
        if (!vorhanden(4)) return false;
        wert = qFromLittleEndian<int32_t>(hier());
        m_pos += 4;
        return true;
    }

    bool reell(double& wert) {
        if (!vorhanden(8)) return false;
        const auto bits = qFromLittleEndian<uint64_t>(hier());
        double zahl;
        std::memcpy(&zahl, &bits, sizeof zahl);
        // Coordinates and margins are fractions; NaN or infinity only come from damage
        // and would poison every pixel computation downstream.
        if (!std::isfinite(zahl))
            return scheitern(m_pos, QStringLiteral("Ungültige Zahl bei Byte %1.").arg(m_pos));
        wert = zahl;
        m_pos += 8;
        return true;
    }

    // A string's bytes without copying; the length is checked against the bytes left.
    bool text(const char*& anfang, int32_t& laenge) {
        const qint64 feld = m_pos;
        if (!ganzzahl(laenge)) return false;
        if (laenge < 0)
            return scheitern(feld,
                             QStringLiteral("Ungültige Textlänge %1 bei Byte %2.").arg(laenge).arg(feld));
        if (!vorhanden(laenge)) return false;
        anfang = hier();
        m_pos += laenge;
        return true;
    }

    bool scheitern(qint64 offset, const QString& text) {
        m_fehler = text;
        m_fehlerOffset = offset;
        return false;
    }

private:
    bool vorhanden(qint64 n) {
        if (n <= rest()) return true;
        m_benoetigt = m_pos + n;
        return scheitern(m_pos, QStringLiteral("Die Datei endet unerwartet bei Byte %1 (%2 Bytes fehlen).")
                                    .arg(m_gesamt)
                                    .arg(m_benoetigt - m_gesamt));
    }

    const char* m_d;
    qint64 m_n;
    qint64 m_gesamt;
    qint64 m_pos = 0;
    qint64 m_benoetigt = 0;
    QString m_fehler;
    qint64 m_fehlerOffset = -1;
};

class TvlPacker final {
public:
    explicit TvlPacker(QByteArray& ziel) : m_z(ziel) {}

    void ganzzahl(int32_t wert) {
        char b[4];
        qToLittleEndian(wert, b);
        m_z.append(b, 4);
    }
    void reell(double wert) {
        uint64_t bits;
        std::memcpy(&bits, &wert, sizeof bits);
        char b[8];
        qToLittleEndian(bits, b);
        m_z.append(b, 8);
    }
    void text(const QByteArray& bytes) {
        ganzzahl(static_cast<int32_t>(bytes.size()));
        m_z.append(bytes);
    }

private:
    QByteArray& m_z;
};
