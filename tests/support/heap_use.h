#pragma once
// Bytes the C library's allocator holds for the program (heap and mapped
// blocks), for tests that bound what a page costs. Under AddressSanitizer,
// which replaces the allocator, there is no such figure: nullopt.
#include <malloc.h>

#include <cstddef>
#include <optional>

#if defined(__SANITIZE_ADDRESS__)
#define TESTSUPPORT_SANITIZED_HEAP 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TESTSUPPORT_SANITIZED_HEAP 1
#endif
#endif

namespace testsupport {

inline std::optional<size_t> heap_in_use() {
#ifdef TESTSUPPORT_SANITIZED_HEAP
    return std::nullopt;
#else
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
#endif
}

} // namespace testsupport
