// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Books an import would bring in twice: those whose ISBN, or whose Title and Author together, are
// already in the database or came earlier in the same file. ISBNs are compared by their digits
// and X alone, titles and authors without regard to letter case and blanks around them.
#include <cstdint>
#include <unordered_set>

#include "dbase/table.h"
#include "transfer/stored_book.h"

namespace transfer {

class DuplicateBooks {
public:
    enum Found { New, InDatabase, InFile };
    // The books of the table (its deleted records left out) as those already in the database.
    explicit DuplicateBooks(const dbase::Table& table);
    // Where the book is found; then it counts as one of the file's books.
    Found check(const StoredBook& book);

private:
    std::unordered_set<std::uint64_t> database_, file_;  // key fingerprints
};

}  // namespace transfer
