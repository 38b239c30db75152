// SPDX-License-Identifier: GPL-2.0-or-later
#include "reports/report_books.h"

#include <cstdint>

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

std::vector<Book> generatedBooks(int n, unsigned seed)
{
    std::uint64_t state = seed * 6364136223846793005ULL + 1442695040888963407ULL;
    const auto next = [&](int below) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return int((state >> 33) % std::uint64_t(below));
    };
    static const char* const words[] = {"Quiet", "Harbour", "Lantern", "Orchard", "Winter", "Copper", "Meadow",
                                        "Falcon", "River", "Silent", "Garden", "Stone", "Amber", "North"};
    static const char* const categories[] = {"Mystery", "History", "Travel", "Poetry", "Crafts", "Science"};
    const auto words3 = [&] {
        return std::string(words[next(14)]) + " " + words[next(14)] + " " + words[next(14)];
    };
    const auto money = [&](int most) {
        const int cents = next(most * 100);
        return std::to_string(cents / 100) + "." + (cents % 100 < 10 ? "0" : "") + std::to_string(cents % 100);
    };
    const auto two = [](int v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    const auto date = [&] { return std::to_string(1950 + next(70)) + two(1 + next(12)) + two(1 + next(28)); };
    std::vector<Book> books;
    for (int i = 0; i < n; ++i) {
        Book b;
        b[1] = words3();
        b[2] = std::string(words[next(14)]) + ", " + words[next(14)];
        b[3] = std::to_string(1800 + next(226));
        b[4] = words3();
        b[5] = categories[next(6)];
        b[6] = words3();
        b[7] = money(10000);
        b[8] = money(100000);
        b[29] = money(1000);
        b[30] = money(10000);
        b[24] = std::to_string(next(4) == 0 ? 10000 + next(90000) : next(2000));
        b[12] = date();
        b[17] = next(3) == 0 ? "Yes" : "No";
        if (b[17] == "Yes") b[18] = date();
        b[19] = words[next(14)];
        b[11] = words[next(14)];
        b[13] = words[next(14)];
        b[25] = words3();
        b[26] = words[next(14)];
        b[9] = words3() + " " + words3();
        books.push_back(std::move(b));
    }
    return books;
}

}  // namespace testing_support
