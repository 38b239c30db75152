// SPDX-License-Identifier: GPL-2.0-or-later
#include "store/codepage.h"

#include <QList>
#include <algorithm>

#include "dbase/values.h"

namespace store {

namespace {
// 0x80..0x9F; 0 marks the five bytes Windows-1252 leaves undefined (read as the C1 control)
constexpr char16_t kHigh[32] = {0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
                                0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

std::optional<char> encode(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return char(c);
    if (c >= 0x80 && c <= 0x9F) {  // an undefined byte read earlier goes back as it came
        return kHigh[c - 0x80] == 0 ? std::optional<char>(char(c)) : std::nullopt;
    }
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] != 0 && kHigh[i] == c) return char(0x80 + i);
    return std::nullopt;
}
}  // namespace

QString fromCp1252(std::string_view bytes)
{
    // without a byte of 0x80..0x9F the text reads as Latin-1 does, which Qt converts in bulk
    if (std::none_of(bytes.begin(), bytes.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xE0) == 0x80; }))
        return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    QString out;
    out.reserve(qsizetype(bytes.size()));
    for (unsigned char b : bytes) {
        if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0)
            out.append(QChar(kHigh[b - 0x80]));
        else
            out.append(QChar(char16_t(b)));
    }
    return out;
}

std::optional<std::string> toCp1252(const QString& text)
{
    std::string out;
    out.reserve(std::size_t(text.size()));
    for (const QChar c : text) {
        // half of a pair (or a lone half) is a character beyond any code page
        auto b = c.isSurrogate() ? std::nullopt : encode(c.unicode());
        if (!b) return std::nullopt;
        out.push_back(*b);
    }
    return out;
}

QString unencodable(const QString& text)
{
    QString out;
    for (char32_t c : text.toUcs4()) {
        if (encode(c)) continue;
        QString ch = QString::fromUcs4(&c, 1);
        if (!out.contains(ch)) out += ch;
    }
    return out;
}

QString upperCp1252(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        auto b = encode(c.unicode());
        if (b && !c.isSurrogate())
            out += fromCp1252(std::string(1, char(dbase::upper1252(static_cast<unsigned char>(*b)))));
        else
            out += c;
    }
    return out;
}

}  // namespace store
