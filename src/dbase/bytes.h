// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Little-endian integers in byte buffers. Header fields are always decoded from raw bytes,
// never by laying a struct over them.
#include <cstdint>
#include <cstring>
#include <string>

namespace dbase {

inline std::uint16_t get16(const unsigned char* p) { return std::uint16_t(p[0] | (p[1] << 8)); }
inline std::uint32_t get32(const unsigned char* p)
{
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}
inline void put16(unsigned char* p, std::uint16_t v)
{
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
}
inline void put32(unsigned char* p, std::uint32_t v)
{
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
    p[2] = std::uint8_t(v >> 16);
    p[3] = std::uint8_t(v >> 24);
}

// Names of fields and tags compare in ASCII capitals.
inline std::string upperAscii(std::string s)
{
    for (auto& c : s)
        if (c >= 'a' && c <= 'z') c = char(c - 32);
    return s;
}

}  // namespace dbase
