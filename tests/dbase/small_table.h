// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A small table of books for the engine tests.
#include <filesystem>
#include <string>

#include "dbase/table.h"

namespace testing_support {

inline const char* kSortKey = "Upper(Left(Author,20))+STR(Cost,12,2)";

inline void createSmallTable(const std::filesystem::path& dir, const std::string& name = "BOOKS")
{
    dbase::Table::create(dir, name,
                         {dbase::NewField::string("Title", 40), dbase::NewField::string("Author", 30),
                          dbase::NewField::integer("YearPub"), dbase::NewField::floating("Cost"),
                          dbase::NewField::date("PurchDate"), dbase::NewField::logical("Signed")});
}

// Appends a book; the table is open and writable.
inline void addBook(dbase::Table& t, const std::string& title, const std::string& author, double cost,
                    std::int64_t year = 1997)
{
    t.append();
    t.setText(0, title);
    t.setText(1, author);
    t.setInteger(2, year);
    t.setDouble(3, cost);
    t.post();
}

}  // namespace testing_support
