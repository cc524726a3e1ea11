#include "platform/speicher.h"

#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

#if defined(__GLIBC__)
#include <malloc.h>

// A large image (here 16 MB) comes from the heap, not from pages mapped for it
// alone, so that freeing and making it again at the next map rebuild touches no new pages.
TEST(Speicher, GrosseBilderKommenAusDemHeap) {
    SpeicherverwaltungEinrichten();
    const size_t vorher = mallinfo2().hblkhd;
    void* bild = std::malloc(16u << 20);
    ASSERT_NE(bild, nullptr);
    std::memset(bild, 0, 4096);
    EXPECT_EQ(mallinfo2().hblkhd, vorher);
    std::free(bild);
    // Freed, it stays in the heap for the next one.
    const size_t heap = mallinfo2().arena;
    void* wieder = std::malloc(16u << 20);
    ASSERT_NE(wieder, nullptr);
    EXPECT_LE(mallinfo2().arena, heap + (1u << 20));
    std::free(wieder);
}
#endif
