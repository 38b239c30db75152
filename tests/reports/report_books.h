// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A small book table for report tests: each book is a list of field number and text pairs.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "dbase/table.h"

namespace testing_support {

using Book = std::map<int, std::string>;  // field number (1..36) → text as stored

// Creates BOOKS.DBF in folder holding the books in this order.
std::filesystem::path makeBookTable(const std::filesystem::path& folder, const std::vector<Book>& books);

// A collection of n books with every field a report prints filled from a seeded generator, in
// no order. Texts hold no digits, so that every number on a page comes from a number field, a
// date or a footer; the check-out field says "Yes" or "No".
std::vector<Book> generatedBooks(int n, unsigned seed);

}  // namespace testing_support
