// libFuzzer target: the exercise settings-file reader on arbitrary bytes. Whatever it
// accepts must write back to exactly the same bytes.
#include "network/netzuebung_datei.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(laenge));
    NetzUebungDataTyp gelesen;
    NetzUebungLeser leser;
    if (leser.lesenAusDaten(bytes, gelesen)) {
        if (NetzUebungBytes(gelesen) != bytes) __builtin_trap();
    } else if (leser.errorString().isEmpty()) {
        __builtin_trap(); // every refusal says why
    }
    return 0;
}
