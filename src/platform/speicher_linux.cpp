#include "platform/speicher.h"

#include <cstdlib> // defines __GLIBC__ on systems with the GNU C library

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void SpeicherverwaltungEinrichten() {
#if defined(__GLIBC__)
    // Blocks up to the largest threshold the library accepts (32 MB on 64-bit systems,
    // a full-screen image is 8 MB) come from the heap, and freed ones stay there for the
    // next rebuild; up to 256 MB of free heap is kept before it is given back.
    mallopt(M_MMAP_THRESHOLD, static_cast<int>(4 * 1024 * 1024 * sizeof(long)));
    mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
#endif
}
