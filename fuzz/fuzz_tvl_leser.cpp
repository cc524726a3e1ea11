// libFuzzer target: the full reader and the header reader on arbitrary bytes.
// A file that reads must also survive a write and a second read unchanged.
#include "documents/tvl_datei.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

namespace {

void RundreisePruefen(const Dokument& dok) {
    if (static_cast<qint64>(dok.Basisbild.width()) * dok.Basisbild.height() > 1'000'000) return;
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    if (!TvlSchreiber().schreiben(puffer, dok)) __builtin_trap();
    Dokument zweites;
    TvlLeser leser;
    if (!leser.lesenAusDaten(puffer.data(), zweites) || zweites.Header != dok.Header ||
        zweites.Objekte.size() != dok.Objekte.size() || zweites.Basisbild.size() != dok.Basisbild.size())
        __builtin_trap();
}

} // namespace

// Large enough for chunk bombs and large rasters; run with -max_len=1048576 to reach it.
constexpr size_t MaxEingabe = 1 << 20;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge) {
    if (laenge > MaxEingabe) return 0;
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(laenge));
    QString titel;
    QString vers;
    const bool kopf = TvlLeser::KopfAusDaten(bytes, titel, vers);
    Dokument dok;
    TvlLeser leser;
    if (leser.lesenAusDaten(bytes, dok)) {
        // Whatever the full reader accepts, the folder scan lists with the same title.
        if (!kopf || titel != dok.Header.HD_titel || vers != dok.Header.HD_vers) __builtin_trap();
        RundreisePruefen(dok);
    }
    return 0;
}
