#pragma once
// Little-endian field codecs for fixed records, field by field.
#include <cstdint>
#include <cstring>

namespace os::le {

inline void put_u8(unsigned char* p, uint8_t v) { p[0] = v; }
inline void put_i32(unsigned char* p, int32_t v) {
    uint32_t u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(u >> (8 * i));
}
inline void put_f64(unsigned char* p, double v) {
    uint64_t u;
    std::memcpy(&u, &v, 8);
    for (int i = 0; i < 8; ++i) p[i] = static_cast<unsigned char>(u >> (8 * i));
}
inline uint8_t get_u8(const unsigned char* p) { return p[0]; }
inline int32_t get_i32(const unsigned char* p) {
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= static_cast<uint32_t>(p[i]) << (8 * i);
    return static_cast<int32_t>(u);
}
inline double get_f64(const unsigned char* p) {
    uint64_t u = 0;
    for (int i = 0; i < 8; ++i) u |= static_cast<uint64_t>(p[i]) << (8 * i);
    double v;
    std::memcpy(&v, &u, 8);
    return v;
}

}  // namespace os::le
