// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Reads an import's source a book at a time: the records of a text file, a comma-separated file
// or a dBASE table, each value of a paired source field converted to its book field's kind, with
// what could not be stored as it came counted and noted. Reads only; posting is the caller's.
#include <memory>

#include "regional/regional.h"
#include "transfer/import_records.h"
#include "transfer/stored_book.h"

namespace transfer {

class BookReader {
public:
    // target gives the fields' widths; it is neither moved nor written. Throws ImportError (a
    // dBASE source that cannot be opened).
    BookReader(const ImportSource& source, const Pairing& pairing, bool skipFirst, const dbase::Table& target,
               const regional::Regional& regional);
    ~BookReader();
    BookReader(const BookReader&) = delete;
    BookReader& operator=(const BookReader&) = delete;

    // The next book into `book`; false at the end of the source, or where a quoted value that
    // never closes ends the reading of a text file (counts.stoppedAt).
    bool next(StoredBook& book, ImportCounts& counts);

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

// Converts one value of a text source into its field by the field's kind: text cut to the
// field's width, "?" for characters the code page cannot hold, numbers and dates read as the
// import reads them; a value that cannot be read is left unset, counted and noted.
void convertValue(const dbase::FieldInfo& field, int fieldNumber, const QString& value, const regional::Regional& regional,
                  ImportCounts& counts, int line, StoredValue& out);

}  // namespace transfer
