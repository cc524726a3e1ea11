#pragma once
// PNG datastreams built chunk by chunk with zlib, for damaged and hostile images
// that no encoder would write: huge but cheap rasters, text chunks that inflate to
// far more than they hold.
#include <QByteArray>
#include <QtEndian>

#include <cstdint>
#include <vector>
#include <zlib.h>

namespace pngbau {

inline QByteArray Signatur() {
    return QByteArray::fromHex("89504e470d0a1a0a");
}

inline QByteArray Chunk(const char* typ, const QByteArray& daten) {
    QByteArray c(4, '\0');
    qToBigEndian(static_cast<uint32_t>(daten.size()), c.data());
    const QByteArray rumpf = QByteArray(typ, 4) + daten;
    c += rumpf;
    char crc[4];
    qToBigEndian(static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(rumpf.constData()),
                                             static_cast<uInt>(rumpf.size()))),
                 crc);
    return c.append(crc, 4);
}

inline QByteArray Ihdr(uint32_t breite, uint32_t hoehe, int tiefe = 8, int farbtyp = 2) {
    QByteArray d(13, '\0');
    qToBigEndian(breite, d.data());
    qToBigEndian(hoehe, d.data() + 4);
    d[8] = char(tiefe);
    d[9] = char(farbtyp);
    return Chunk("IHDR", d);
}

// `anzahl` zero bytes, deflated piece by piece (never held whole).
inline QByteArray NullenKomprimiert(uint64_t anzahl) {
    z_stream z{};
    deflateInit(&z, 9);
    std::vector<Bytef> nullen(1 << 16, 0);
    std::vector<Bytef> aus(1 << 16);
    QByteArray ergebnis;
    int flush = Z_NO_FLUSH;
    do {
        const uint64_t stueck = anzahl < nullen.size() ? anzahl : nullen.size();
        anzahl -= stueck;
        flush = anzahl == 0 ? Z_FINISH : Z_NO_FLUSH;
        z.next_in = nullen.data();
        z.avail_in = static_cast<uInt>(stueck);
        do {
            z.next_out = aus.data();
            z.avail_out = static_cast<uInt>(aus.size());
            deflate(&z, flush);
            ergebnis.append(reinterpret_cast<const char*>(aus.data()), qsizetype(aus.size() - z.avail_out));
        } while (z.avail_out == 0);
    } while (flush != Z_FINISH);
    deflateEnd(&z);
    return ergebnis;
}

// A valid all-black greyscale image of any size: rows of zeros (filter byte included).
inline QByteArray Nullbild(uint32_t breite, uint32_t hoehe, int tiefe) {
    const uint64_t zeile = 1 + (uint64_t(breite) * tiefe + 7) / 8;
    return Signatur() + Ihdr(breite, hoehe, tiefe, 0) + Chunk("IDAT", NullenKomprimiert(zeile * hoehe)) +
           Chunk("IEND", {});
}

// A compressed text chunk whose text inflates to `bytes` zeros.
inline QByteArray TextBombe(uint64_t bytes) {
    // Keyword, its terminating zero, compression method 0, then the deflated text.
    return Chunk("zTXt", QByteArray("Comment\0\0", 9) + NullenKomprimiert(bytes));
}

} // namespace pngbau
