// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Pairing the columns of a comma-separated file with the book fields by their headings: a heading
// that is a field's name or display name, or one of the table of known exports (other catalogue
// programs, reading sites, plain spreadsheets), is paired with its field. Headings are compared
// without regard to letter case and blanks.
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "store/field_table.h"
#include "transfer/import_records.h"

namespace transfer {

struct KnownHeading {
    const char* source;   // the program whose export writes it ("Spreadsheet" for plain headings)
    const char* heading;  // as that program writes it
    int field;            // the book field it goes into
};
// The table, in order of preference: where two columns of one file would go into one field, the
// earlier row wins. Rows of the known exports come first, then a field's own names, then the
// plain spreadsheet headings.
const std::vector<KnownHeading>& knownHeadings();

// A heading as it is compared: lower case, without blanks.
QString headingKey(const QString& heading);

struct HeadingPairing {
    Pairing pairing;     // per column: the book field, or 0
    int recognised = 0;  // how many columns were paired
};
// names: the display names the database gives the fields.
HeadingPairing pairByHeadings(const QStringList& headings, const std::array<QString, store::kFieldCount>& names);

// A short fingerprint of a heading line, to remember a pairing made by hand for it.
QString headingLineKey(const QStringList& headings);

}  // namespace transfer
