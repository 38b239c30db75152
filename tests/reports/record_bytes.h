// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Reading and writing report records byte by byte in the tests, apart from the program's own
// reading and writing.
#include <QByteArray>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace report_bytes {

inline std::string str(const QByteArray& b, int at)
{
    return std::string(b.constData() + at + 1, std::size_t(static_cast<unsigned char>(b[at])));
}
inline int i16(const QByteArray& b, int at)
{
    return std::int16_t(std::uint16_t(std::uint8_t(b[at]) | (std::uint8_t(b[at + 1]) << 8)));
}
inline int u8(const QByteArray& b, int at) { return std::uint8_t(b[at]); }
inline int i32(const QByteArray& b, int at)
{
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= std::uint32_t(std::uint8_t(b[at + i])) << (8 * i);
    return std::int32_t(v);
}
inline double real(const QByteArray& b, int at)
{
    std::uint64_t v = 0;
    for (int i = 0; i < 8; ++i) v |= std::uint64_t(std::uint8_t(b[at + i])) << (8 * i);
    double d;
    std::memcpy(&d, &v, 8);
    return d;
}

inline void putStr(QByteArray& b, int at, const std::string& s)
{
    b[at] = char(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) b[at + 1 + int(i)] = s[i];
}
inline void putI16(QByteArray& b, int at, int v)
{
    b[at] = char(v & 0xFF);
    b[at + 1] = char((v >> 8) & 0xFF);
}
// An item of 75 bytes: name, field number, width, label.
inline void putItem(QByteArray& b, int at, const std::string& name, int field, int width, const std::string& label = {})
{
    putStr(b, at, name);
    b[at + 31] = char(field);
    putI16(b, at + 32, width);
    putStr(b, at + 34, label);
}

inline QByteArray fileBytes(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::string s((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return QByteArray(s.data(), qsizetype(s.size()));
}
inline void writeBytes(const std::filesystem::path& p, const QByteArray& b)
{
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(b.constData(), b.size());
}

// Offsets of the record's parts, as laid out in the file.
inline int bodyItem(int line, int item) { return 2122 + (line - 1) * 1500 + (item - 1) * 75; }
inline int totalsItem(int item) { return 345 + (item - 1) * 75; }

}  // namespace report_bytes
