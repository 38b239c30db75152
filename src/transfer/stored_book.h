// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A book as an import will store it: each field's value already converted to the field's kind
// (text in the database's code page and cut to the field, numbers, dates). The preview shows it
// and the posting writes it, so that what the user sees is what is stored.
#include <QString>
#include <array>
#include <optional>
#include <string>

#include "dbase/header.h"
#include "dbase/table.h"
#include "store/field_table.h"

namespace transfer {

struct StoredValue {
    enum Kind : unsigned char { Unset, Text, Number, Date };
    Kind kind = Unset;
    std::string text;                 // Text: the bytes to store
    double number = 0;                // Number
    std::optional<dbase::Date> date;  // Date (nullopt: blank)
};

struct StoredBook {
    int line = 0;  // the source's line (text) or record (table) the book comes from
    std::array<StoredValue, store::kFieldCount + 1> values;  // by field number; [0] unused

    void clear()
    {
        line = 0;
        for (StoredValue& v : values) v.kind = StoredValue::Unset;
    }
    StoredValue& operator[](int field) { return values[std::size_t(field)]; }
    const StoredValue& operator[](int field) const { return values[std::size_t(field)]; }
    // A text field's value as stored, trailing blanks dropped (empty for other kinds and unset fields).
    QString text(int field) const;
};

// Where each book field (1..36) lies in the table, found once for a whole import.
using FieldPlaces = std::array<int, store::kFieldCount + 1>;
FieldPlaces fieldPlaces(const dbase::Table& table);

// Writes the book into the record being appended.
void putBook(dbase::Table& target, const FieldPlaces& places, const StoredBook& book);

}  // namespace transfer
