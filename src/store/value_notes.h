// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What became of the values that could not be stored as they came, when books are brought in from
// another file (import, the conversion of old databases): left empty, cut to the field's width,
// or stored with "?" for characters Windows-1252 cannot hold. Each note names where the value
// stood, the book and the field, so that the user can find and mend it.
#include <QList>
#include <QString>
#include <array>

#include "store/field_table.h"

namespace store {

struct ValueNote {
    enum Kind { LeftEmpty, Cut, Replaced, LeftOut };
    int line = 0;     // the source's line (text) or record (table), from 1
    int field = 0;    // the book field 1..36; 0 for values beyond the source's fields (LeftOut)
    Kind kind = LeftEmpty;
    QString value;    // the source's value (LeftEmpty, Cut); for LeftOut how many values
    QString title;    // the book's title as stored
};
using ValueNotes = QList<ValueNote>;

// Gives the notes of the book being stored the title it got: notes from `first` on.
void nameBook(ValueNotes& notes, qsizetype first, const QString& title);

// One line per note: "Line 12, "Emma", Cost: "abc" could not be read and was left empty." and the
// like; `where` is "Line" or "Record", names the fields' display names (the defaults when null).
QString describeNotes(const ValueNotes& notes, const QString& where,
                      const std::array<QString, kFieldCount>* names = nullptr);

}  // namespace store
