#include "data/cp1252.h"

#include <array>

namespace {

// Characters of the bytes 0x80 to 0x9F.
constexpr std::array<char16_t, 32> Obere80{0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                           0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte of a character, or 0 when 1252 cannot hold it (U+0000 is handled by the caller).
char ByteVon(char32_t zeichen) {
    if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF)) return static_cast<char>(zeichen);
    for (std::size_t i = 0; i < Obere80.size(); ++i) {
        if (Obere80[i] == zeichen) return static_cast<char>(0x80 + i);
    }
    return 0;
}

// Follows canonical decompositions down to a base letter that 1252 holds ("ǖ" -> "ü").
char ByteOhneAkzent(char32_t zeichen) {
    for (int tiefe = 0; tiefe < 4; ++tiefe) {
        if (QChar::decompositionTag(zeichen) != QChar::Canonical) return '?';
        const QString zerlegt = QChar::decomposition(zeichen);
        if (zerlegt.isEmpty()) return '?';
        zeichen = zerlegt.at(0).isHighSurrogate() && zerlegt.size() > 1
                      ? QChar::surrogateToUcs4(zerlegt.at(0), zerlegt.at(1))
                      : zerlegt.at(0).unicode();
        if (const char b = ByteVon(zeichen); b != 0 || zeichen == 0) return b;
    }
    return '?';
}

} // namespace

QString AusCp1252(const char* daten, qsizetype laenge) {
    QString text(laenge, Qt::Uninitialized);
    QChar* ziel = text.data();
    for (qsizetype i = 0; i < laenge; ++i) {
        const auto b = static_cast<unsigned char>(daten[i]);
        ziel[i] = (b >= 0x80 && b < 0xA0) ? QChar(Obere80[b - 0x80]) : QChar(char16_t(b));
    }
    return text;
}

QByteArray NachCp1252(QStringView text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t zeichen = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            zeichen = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        const char b = ByteVon(zeichen);
        bytes.append(b != 0 || zeichen == 0 ? b : ByteOhneAkzent(zeichen));
    }
    return bytes;
}
