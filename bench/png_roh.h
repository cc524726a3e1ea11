#pragma once
// The baseline of loading: libpng alone decoding a PNG held in memory to RGBA rows, without
// any of the program's code around it.
#include <QByteArray>

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <vector>

namespace png_roh {

struct Quelle {
    const unsigned char* p;
    size_t n;
    size_t pos;
};

inline void Lesen(png_structp png, png_bytep ziel, size_t n) {
    auto* q = static_cast<Quelle*>(png_get_io_ptr(png));
    if (n > q->n - q->pos) png_error(png, "eof");
    std::memcpy(ziel, q->p + q->pos, n);
    q->pos += n;
}

inline bool Dekodieren(Quelle* q, png_structp png, png_infop info, std::vector<unsigned char>* pixel,
                       std::vector<png_bytep>* zeilen) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_read_fn(png, q, Lesen);
    png_read_info(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const size_t zeile = png_get_rowbytes(png, info);
    const png_uint_32 h = png_get_image_height(png, info);
    pixel->resize(zeile * h);
    zeilen->resize(h);
    for (png_uint_32 y = 0; y < h; ++y)
        (*zeilen)[y] = pixel->data() + y * zeile;
    png_read_image(png, zeilen->data());
    png_read_end(png, nullptr);
    return true;
}

} // namespace png_roh

// Decodes `png` into `pixel` (RGBA, row after row); false for a damaged file.
inline bool PngRohDekodieren(const QByteArray& png, std::vector<unsigned char>& pixel) {
    std::vector<png_bytep> zeilen;
    png_roh::Quelle q{reinterpret_cast<const unsigned char*>(png.constData()),
                      static_cast<size_t>(png.size()), 0};
    png_structp lesen = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(lesen);
    const bool ok = png_roh::Dekodieren(&q, lesen, info, &pixel, &zeilen);
    png_destroy_read_struct(&lesen, &info, nullptr);
    return ok;
}
