// SPDX-License-Identifier: GPL-2.0-or-later
#include "reports/report_books.h"

#include "store/book_table.h"
#include "store/dataset.h"
#include "store/field_table.h"

namespace testing_support {

std::filesystem::path makeBookTable(const std::filesystem::path& folder, const std::vector<Book>& books)
{
    const std::filesystem::path path = folder / "BOOKS.DBF";
    store::BookTableFiles files;
    files.MakeNewDB(QString::fromStdString(path.string()));
    dbase::Table t;
    t.open(folder, "BOOKS.DBF", {true, false, {}});
    for (const Book& b : books) {
        t.append();
        for (const auto& [number, text] : b) t.setText(t.fieldIndex(store::fieldDef(number).name), text);
        t.post();
    }
    return path;
}

}  // namespace testing_support
