// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The ASCII delimited text format: one record a line, each value between double quotes, values
// separated by commas, lines ended by CR LF, 8-bit (Windows-1252) text. Works on bytes only, so
// that the program and the command-line tool write it alike.
#include <string>
#include <string_view>
#include <vector>

namespace transfer {

inline constexpr std::size_t kMaxValue = 255;  // characters of a value, quotes doubled

// Appends one value as the format writes it: quotes doubled, blanks at both ends removed, a line
// break inside it written as a blank (a reader ends the record there), at most 255 characters,
// never cutting a doubled quote in two.
void appendValue(std::string& line, std::string_view value);
// Appends a whole line: the values quoted and separated by commas, then CR LF.
void appendLine(std::string& out, const std::vector<std::string>& values);

}  // namespace transfer
