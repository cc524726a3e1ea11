#pragma once
// Pieces both metafile writers share: little-endian output, colour references, the
// 24-bit DIB of an image and the table of GDI object slots.
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <cstdint>
#include <vector>

class Bytefolge {
public:
    void u8(uint8_t w) { m_daten.append(static_cast<char>(w)); }
    void u16(uint16_t w) { Anhaengen(qToLittleEndian(w)); }
    void i16(int w) { u16(static_cast<uint16_t>(static_cast<int16_t>(std::clamp(w, -32768, 32767)))); }
    void u32(uint32_t w) { Anhaengen(qToLittleEndian(w)); }
    void i32(int32_t w) { u32(static_cast<uint32_t>(w)); }
    void f32(float w) {
        uint32_t bits = 0;
        std::memcpy(&bits, &w, sizeof bits);
        u32(bits);
    }
    void bytes(const QByteArray& b) { m_daten.append(b); }
    void roh(const char* daten, qsizetype laenge) { m_daten.append(daten, laenge); }
    void reservieren(qsizetype zusaetzlich) { m_daten.reserve(m_daten.size() + zusaetzlich); }
    void u16An(int pos, uint16_t w) { qToLittleEndian(w, m_daten.data() + pos); }
    void ersetzen(int pos, const QByteArray& b) {
        std::memcpy(m_daten.data() + pos, b.constData(), static_cast<size_t>(b.size()));
    }
    void auffuellen(int vielfaches) {
        while (m_daten.size() % vielfaches != 0)
            u8(0);
    }
    int groesse() const { return static_cast<int>(m_daten.size()); }
    void u32An(int pos, uint32_t w) { qToLittleEndian(w, m_daten.data() + pos); }
    const QByteArray& daten() const { return m_daten; }

private:
    template <typename T> void Anhaengen(T w) { m_daten.append(reinterpret_cast<const char*>(&w), sizeof w); }
    QByteArray m_daten;
};

inline uint32_t Farbreferenz(const QColor& c) {
    return static_cast<uint32_t>(c.red()) | static_cast<uint32_t>(c.green()) << 8 |
           static_cast<uint32_t>(c.blue()) << 16;
}

// BITMAPINFOHEADER for a bottom-up 24-bit DIB.
inline void DibKopf(Bytefolge& b, const QImage& bild) {
    const int zeile = (bild.width() * 3 + 3) / 4 * 4;
    b.u32(40);
    b.i32(bild.width());
    b.i32(bild.height());
    b.u16(1);
    b.u16(24);
    b.u32(0); // BI_RGB
    b.u32(static_cast<uint32_t>(zeile * bild.height()));
    b.i32(3780); // 96 dpi in pixels per metre
    b.i32(3780);
    b.u32(0);
    b.u32(0);
}

// The pixel rows, bottom row first, BGR, each padded to four bytes, appended to `b`.
inline void DibPunkte(Bytefolge& b, const QImage& quelle) {
    const QImage bild = quelle.convertToFormat(QImage::Format_BGR888);
    const int breite = bild.width() * 3;
    const int zeile = (breite + 3) / 4 * 4;
    const QByteArray fuellung(zeile - breite, '\0');
    for (int y = bild.height() - 1; y >= 0; --y) {
        b.roh(reinterpret_cast<const char*>(bild.constScanLine(y)), breite);
        b.roh(fuellung.constData(), fuellung.size());
    }
}

inline int DibPunkteGroesse(const QImage& bild) {
    return (bild.width() * 3 + 3) / 4 * 4 * bild.height();
}

// GDI object slots: a new object takes the lowest free slot, as the players expect.
class Objekttabelle {
public:
    explicit Objekttabelle(int erster) : m_erster(erster) {}
    int Belegen() {
        for (size_t i = 0; i < m_belegt.size(); ++i)
            if (!m_belegt[i]) {
                m_belegt[i] = true;
                return static_cast<int>(i) + m_erster;
            }
        m_belegt.push_back(true);
        return static_cast<int>(m_belegt.size()) - 1 + m_erster;
    }
    void Freigeben(int index) {
        if (index >= m_erster) m_belegt[static_cast<size_t>(index - m_erster)] = false;
    }
    int Hoechstzahl() const { return static_cast<int>(m_belegt.size()); }

private:
    int m_erster;
    std::vector<bool> m_belegt;
};
