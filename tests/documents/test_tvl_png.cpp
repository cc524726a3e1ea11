// The base image: every PNG that libpng decodes is read, the writer's stream has
// the promised structure.
#include "documents/tvl_png.h"

#include "documents/tvl_datei.h"
#include "test_tvl_hilfe.h"

#include <QtEndian>
#include <gtest/gtest.h>
#include <zlib.h>

using namespace tvltest;

namespace {

struct PngFall {
    const char* name;
    int farbtyp;
    int tiefe;
    bool interlaced;
    bool trns;
};

constexpr int Breite = 13;
constexpr int Hoehe = 9;

int Grau(int x, int y, int tiefe) {
    return (x * 3 + y * 5) % (1 << tiefe);
}
int Wert16(int x, int y, int kanal) {
    return (x * 4099 + y * 577 + kanal * 9001) & 0xFFFF;
}
int Alpha(int x, int y) {
    return (x * 20 + y) & 0xFF;
}
const std::vector<png_color> Palette{{10, 20, 30}, {200, 100, 0}, {0, 255, 128}, {77, 77, 77}};

void Abtastwert(std::vector<png_byte>& zeile, int wert, int tiefe) {
    if (tiefe == 16) {
        zeile.push_back(png_byte(wert >> 8));
        zeile.push_back(png_byte(wert & 0xFF));
    } else {
        zeile.push_back(png_byte(wert));
    }
}

// Packs samples narrower than a byte, first pixel in the high bits.
std::vector<png_byte> Packen(const std::vector<int>& werte, int tiefe) {
    std::vector<png_byte> zeile((werte.size() * tiefe + 7) / 8, 0);
    for (std::size_t i = 0; i < werte.size(); ++i) {
        const std::size_t bit = i * tiefe;
        zeile[bit / 8] |= png_byte(werte[i] << (8 - tiefe - bit % 8));
    }
    return zeile;
}

// Builds the rows of a case and the pixels the reader must produce.
QByteArray Bauen(const PngFall& f, QImage& erwartet) {
    erwartet = QImage(Breite, Hoehe, QImage::Format_ARGB32);
    std::vector<std::vector<png_byte>> zeilen;
    std::vector<png_byte> trns;
    for (int y = 0; y < Hoehe; ++y) {
        std::vector<png_byte> zeile;
        std::vector<int> klein;
        for (int x = 0; x < Breite; ++x) {
            const int k = f.tiefe == 16 ? 1 : 0;
            int r = 0, g = 0, b = 0, a = 255;
            switch (f.farbtyp) {
            case PNG_COLOR_TYPE_PALETTE: {
                const int i = (x + y) % 4;
                klein.push_back(i);
                r = Palette[i].red, g = Palette[i].green, b = Palette[i].blue;
                a = f.trns ? i * 60 : 255;
                break;
            }
            case PNG_COLOR_TYPE_GRAY:
            case PNG_COLOR_TYPE_GRAY_ALPHA: {
                const int v = f.tiefe == 16 ? Wert16(x, y, 0) : Grau(x, y, f.tiefe);
                if (f.tiefe < 8)
                    klein.push_back(v);
                else
                    Abtastwert(zeile, v, f.tiefe);
                r = g = b = f.tiefe == 16 ? v >> 8 : v * 255 / ((1 << f.tiefe) - 1);
                break;
            }
            default:
                for (int c = 0; c < 3; ++c) {
                    const int v = f.tiefe == 16 ? Wert16(x, y, c) : (x * 17 + y * 29 + c * 60) & 0xFF;
                    Abtastwert(zeile, v, f.tiefe);
                    (c == 0 ? r : c == 1 ? g : b) = v >> (8 * k);
                }
            }
            if (f.farbtyp & PNG_COLOR_MASK_ALPHA) {
                const int av = f.tiefe == 16 ? Alpha(x, y) * 257 : Alpha(x, y);
                Abtastwert(zeile, av, f.tiefe);
                a = Alpha(x, y);
            }
            erwartet.setPixel(x, y, qRgba(r, g, b, a));
        }
        zeilen.push_back(klein.empty() ? zeile : Packen(klein, f.tiefe));
    }
    if (f.trns) trns = {0, 60, 120, 180};
    return PngRoh(Breite, Hoehe, f.farbtyp, f.tiefe, f.interlaced, zeilen,
                  f.farbtyp == PNG_COLOR_TYPE_PALETTE ? Palette : std::vector<png_color>{}, trns);
}

class PngVarianten : public ::testing::TestWithParam<PngFall> {};

TEST_P(PngVarianten, WerdenAls32BitGelesen) {
    QImage erwartet;
    const QByteArray png = Bauen(GetParam(), erwartet);
    ASSERT_FALSE(png.isEmpty());
    QImage bild;
    QString fehler;
    ASSERT_TRUE(
        PngDekodieren(reinterpret_cast<const unsigned char*>(png.constData()), png.size(), bild, fehler))
        << fehler.toStdString();
    const bool alpha = (GetParam().farbtyp & PNG_COLOR_MASK_ALPHA) || GetParam().trns;
    EXPECT_EQ(bild.format(), alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    ASSERT_EQ(bild.size(), erwartet.size());
    for (int y = 0; y < Hoehe; ++y) {
        for (int x = 0; x < Breite; ++x)
            ASSERT_EQ(bild.pixel(x, y), erwartet.pixel(x, y)) << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Arten, PngVarianten,
                         ::testing::Values(PngFall{"Palette", PNG_COLOR_TYPE_PALETTE, 8, false, false},
                                           PngFall{"Palette2Bit", PNG_COLOR_TYPE_PALETTE, 2, false, false},
                                           PngFall{"PaletteTrns", PNG_COLOR_TYPE_PALETTE, 8, false, true},
                                           PngFall{"Grau1", PNG_COLOR_TYPE_GRAY, 1, false, false},
                                           PngFall{"Grau2", PNG_COLOR_TYPE_GRAY, 2, false, false},
                                           PngFall{"Grau4", PNG_COLOR_TYPE_GRAY, 4, true, false},
                                           PngFall{"Grau8", PNG_COLOR_TYPE_GRAY, 8, false, false},
                                           PngFall{"Grau16", PNG_COLOR_TYPE_GRAY, 16, false, false},
                                           PngFall{"GrauAlpha8", PNG_COLOR_TYPE_GRAY_ALPHA, 8, false, false},
                                           PngFall{"GrauAlpha16", PNG_COLOR_TYPE_GRAY_ALPHA, 16, true, false},
                                           PngFall{"Rgb8", PNG_COLOR_TYPE_RGB, 8, false, false},
                                           PngFall{"Rgb8Interlaced", PNG_COLOR_TYPE_RGB, 8, true, false},
                                           PngFall{"Rgb16", PNG_COLOR_TYPE_RGB, 16, false, false},
                                           PngFall{"Rgba8", PNG_COLOR_TYPE_RGBA, 8, false, false},
                                           PngFall{"Rgba16Interlaced", PNG_COLOR_TYPE_RGBA, 16, true, false}),
                         [](const auto& fall) { return std::string(fall.param.name); });

struct Chunk {
    QByteArray typ;
    QByteArray daten;
};

std::vector<Chunk> Chunks(const QByteArray& png) {
    std::vector<Chunk> chunks;
    qsizetype pos = 8;
    while (pos + 12 <= png.size()) {
        const auto laenge = qFromBigEndian<quint32>(png.constData() + pos);
        chunks.push_back({png.mid(pos + 4, 4), png.mid(pos + 8, laenge)});
        pos += 12 + laenge;
    }
    return chunks;
}

TEST(PngSchreiben, RgbOhneInterlaceSubFilterKleineIdatChunks) {
    // Noise keeps the deflate stream large, so it needs several IDAT chunks.
    QImage bild(400, 300, QImage::Format_ARGB32);
    uint32_t s = 12345;
    for (int y = 0; y < bild.height(); ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = 0; x < bild.width(); ++x) {
            s = s * 1664525u + 1013904223u;
            zeile[x] = s;
        }
    }
    Dokument d;
    d.Basisbild = bild;
    const QByteArray datei = AlsBytes(d);
    const QByteArray png = datei.mid(datei.indexOf("\x89PNG\r\n\x1a\n"));
    const std::vector<Chunk> chunks = Chunks(png);
    ASSERT_GE(chunks.size(), 3u);
    ASSERT_EQ(chunks.front().typ, QByteArray("IHDR"));
    const QByteArray& ihdr = chunks.front().daten;
    EXPECT_EQ(qFromBigEndian<quint32>(ihdr.constData()), 400u);
    EXPECT_EQ(qFromBigEndian<quint32>(ihdr.constData() + 4), 300u);
    EXPECT_EQ(ihdr.at(8), 8) << "bit depth";
    EXPECT_EQ(ihdr.at(9), 2) << "colour type RGB";
    EXPECT_EQ(ihdr.at(12), 0) << "no interlace";
    EXPECT_EQ(chunks.back().typ, QByteArray("IEND"));
    QByteArray idat;
    int idatAnzahl = 0;
    for (const Chunk& c : chunks) {
        if (c.typ != "IDAT") continue;
        ++idatAnzahl;
        EXPECT_LE(c.daten.size(), 65535);
        idat.append(c.daten);
    }
    EXPECT_GE(idatAnzahl, 5);
    // Every row starts with filter byte 1 (Sub).
    const qsizetype zeilenBytes = 1 + 400 * 3;
    QByteArray roh(zeilenBytes * 300, '\0');
    uLongf rohLaenge = roh.size();
    ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(roh.data()), &rohLaenge,
                         reinterpret_cast<const Bytef*>(idat.constData()), idat.size()),
              Z_OK);
    ASSERT_EQ(qsizetype(rohLaenge), roh.size());
    for (int y = 0; y < 300; ++y)
        ASSERT_EQ(roh.at(y * zeilenBytes), 1) << "row " << y;
    // zlib records levels 2 to 5 as FLEVEL 1 in its header: neither fastest nor default nor best.
    EXPECT_EQ(static_cast<unsigned char>(idat.at(0)) & 0x0F, 8) << "deflate";
    EXPECT_EQ(static_cast<unsigned char>(idat.at(1)) >> 6, 1) << "compression level 2 to 5";
}

TEST(PngSchreiben, AlphaWirdVerworfenFarbeBleibt) {
    QImage bild(4, 1, QImage::Format_ARGB32);
    bild.setPixel(0, 0, qRgba(10, 20, 30, 0));
    bild.setPixel(1, 0, qRgba(200, 100, 50, 128));
    bild.setPixel(2, 0, qRgba(1, 2, 3, 255));
    bild.setPixel(3, 0, qRgba(255, 255, 255, 1));
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QString fehler;
    ASSERT_TRUE(PngKodieren(bild, puffer, fehler));
    QImage gelesen;
    ASSERT_TRUE(PngDekodieren(reinterpret_cast<const unsigned char*>(puffer.data().constData()),
                              puffer.data().size(), gelesen, fehler));
    EXPECT_EQ(gelesen.format(), QImage::Format_RGB32);
    EXPECT_EQ(gelesen.pixel(0, 0), qRgb(10, 20, 30));
    EXPECT_EQ(gelesen.pixel(1, 0), qRgb(200, 100, 50));
    EXPECT_EQ(gelesen.pixel(3, 0), qRgb(255, 255, 255));
}

TEST(PngSchreiben, OhneBildScheitert) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QString fehler;
    EXPECT_FALSE(PngKodieren(QImage(), puffer, fehler));
    EXPECT_FALSE(fehler.isEmpty());
}

} // namespace
