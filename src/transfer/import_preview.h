// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What an import would do, found before anything is posted: the first books as they will be
// stored, every value over the whole source that will not be stored as it came, and the books
// that are already in the database or come twice in the source.
#include <QString>
#include <vector>

#include "transfer/book_reader.h"
#include "transfer/duplicate_books.h"

namespace transfer {

inline constexpr int kPreviewBooks = 20;

struct PreviewDuplicate {
    int line = 0;
    QString title;
    DuplicateBooks::Found found = DuplicateBooks::InDatabase;
};

struct ImportPreview {
    std::vector<StoredBook> books;             // the first kPreviewBooks books
    std::vector<DuplicateBooks::Found> marks;  // of each of those
    std::vector<PreviewDuplicate> duplicates;  // over the whole source
    int total = 0;                             // books the source holds
    ImportCounts counts;                       // what reading them all gave (no book posted)
};

// Reads the whole source as the import will; writes nothing. Throws ImportError.
ImportPreview previewImport(const ImportSource& source, const Pairing& pairing, bool skipFirst,
                            const dbase::Table& target, const regional::Regional& regional);

// What happens to a value, as the problem list says it: "left empty", "cut to 90 characters", ...
QString whatHappens(const store::ValueNote& note);
// A duplicate as the problem list says it.
QString duplicateText(DuplicateBooks::Found found);

// A stored value as the preview shows it: text as stored, numbers and dates in the user's formats.
QString shownValue(const StoredBook& book, int field, const regional::Regional& regional);

}  // namespace transfer
