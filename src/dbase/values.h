// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Encoding and decoding of field values as they stand in a record: numbers as right-aligned
// decimal text, dates as YYYYMMDD, text blank-padded. Locale-independent throughout.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "dbase/header.h"

namespace dbase {

std::string_view trimRight(std::string_view s);
std::string_view trimBoth(std::string_view s);

// Number text of a field: nullopt for blank; a field of asterisks or other junk reads as blank too.
std::optional<double> parseNumber(std::string_view field);

// The number written right-aligned in width characters with exactly decimals digits after the
// point; nullopt when it does not fit (or is not finite).
std::optional<std::string> formatNumber(double value, int width, int decimals);
std::optional<std::string> formatInteger(std::int64_t value, int width, int decimals);

// Rounds the decimal text of a number (as stored) to dec decimals, half away from zero, and
// writes it right-aligned in len characters, or len asterisks when it does not fit (dBASE STR).
void strFromText(std::string_view numberText, int len, int dec, char* out);

bool validDate(const Date& d);
// "YYYYMMDD", blanks or zeros → nullopt; anything else that is no real date also reads as blank.
std::optional<Date> parseDate(std::string_view field);
std::string formatDate(const Date& d);  // YYYYMMDD
double julianDay(const Date& d);

// Windows-1252 upper case of one byte, as index keys use it.
// inline: searches fold every byte of every record they look at
inline unsigned char upper1252(unsigned char c)
{
    if (c < 'a') return c;
    if (c <= 'z') return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
    if (c == 0x9A || c == 0x9C || c == 0x9E) return static_cast<unsigned char>(c - 16);
    if (c == 0xFF) return 0x9F;
    return c;
}

}  // namespace dbase
