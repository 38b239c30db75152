// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The 36 fields of a book table, in table order. Every part of the program refers to a field
// by its number (1 to 36) and takes its name, type, width and default display name from here.
#include <array>
#include <string_view>

namespace store {

enum class FieldKind { Text = 1, WholeNumber = 2, Money = 3, Date = 4 };

struct FieldDef {
    int number;
    const char* name;         // the dBASE field name, also the settings key
    char type;                // 'C', 'N' or 'D'
    int width;                // characters (input masks and columns for N and D)
    int decimals;             // 2 money, 0 grouped whole number, -1 plain whole number
    FieldKind kind;
    bool list;                // values offered from a data list
    const char* displayName;  // default caption, at most 20 characters
};

inline constexpr int kFieldCount = 36;

const std::array<FieldDef, kFieldCount>& fieldTable();
// Field by number 1..36.
const FieldDef& fieldDef(int number);

// A dBASE logical value as a book keeps it in a text field such as Checked Out: "Yes" for true,
// "No" for false, empty for an unknown or blank one. The engine reads logicals as "T", "F" or "".
const char* yesNoOfLogical(std::string_view logical);

}  // namespace store
