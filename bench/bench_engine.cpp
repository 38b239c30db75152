// SPDX-License-Identifier: GPL-2.0-or-later
// Engine benchmark on a 100,000-book table: open, full read, tag build, appends, a filter over
// every record, pack. Prints milliseconds per operation and records per second.
//   bench_engine BOOKS.DBF     (the file is changed: pass a copy)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "dbase/table.h"

namespace {

using Clock = std::chrono::steady_clock;

double ms(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double, std::milli>(b - a).count(); }

// Median of several runs of f, in milliseconds.
double median(int runs, const std::function<void()>& f)
{
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) {
        auto a = Clock::now();
        f();
        t.push_back(ms(a, Clock::now()));
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

long residentKb()
{
    std::ifstream f("/proc/self/status");
    std::string line;
    while (std::getline(f, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

void report(const char* what, double milliseconds, double records = 0)
{
    if (records > 0)
        std::printf("%-44s %10.1f ms   %12.0f records/s\n", what, milliseconds, records / (milliseconds / 1000));
    else
        std::printf("%-44s %10.3f ms\n", what, milliseconds);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_engine BOOKS.DBF\n");
        return 2;
    }
    std::filesystem::path path(argv[1]);
    auto folder = path.parent_path().empty() ? std::filesystem::path(".") : path.parent_path();
    const std::string name = path.filename().string();
    // what the sorting order window makes of Author, Title, Purchase Date, Cost
    const std::string key = "Upper(Left(Author,20))+Upper(Left(Title,20))+DTOS(PurchDate)+STR(Cost,12,2)";

    dbase::Table t;
    t.open(folder, name, {true, false, {}});
    const double n = t.physicalCount();
    std::printf("table: %.0f records of %u bytes\n", n, unsigned(t.header().recordLength));
    report("build a four-level sort tag", median(3, [&] { t.addTag("NEWINDEX", key); }), n);
    t.close();

    report("open with the tag", median(5, [&] {
               t.close();
               t.open(folder, name, {false, false, "NEWINDEX"});
           }));

    std::size_t chars = 0;
    report("read every field of every record (tag order)", median(3, [&] {
               for (std::size_t i = 0; i < t.recordCount(); ++i) {
                   t.goToPosition(i);
                   for (int f = 0; f < t.fieldCount(); ++f) chars += t.getText(f).size();
               }
           }), n);
    std::printf("%-44s %10ld MB\n", "resident memory, table open and read", residentKb() / 1024);

    const int category = t.fieldIndex("Category"), cost = t.fieldIndex("Cost");
    report("filter callback over every record", median(5, [&] {
               t.setFilter([&](const dbase::RecordView& r) {
                   return r.raw(category).find("FICTION") != std::string_view::npos && r.number(cost).value_or(0) > 50;
               });
           }), n);
    std::printf("%-44s %10zu\n", "  records passing", t.recordCount());
    t.setFilter(nullptr);

    const int title = t.fieldIndex("Title"), author = t.fieldIndex("Author");
    auto a = Clock::now();
    for (int i = 0; i < 1000; ++i) {
        t.append();
        t.setText(title, "Appended book " + std::to_string(i));
        t.setText(author, "Zeta, " + std::to_string(i % 37));
        t.setDouble(cost, i * 0.75);
        t.post();
    }
    report("append one record, tag maintained (of 1000)", ms(a, Clock::now()) / 1000);

    a = Clock::now();
    for (int i = 0; i < 1000; ++i) {
        t.goToPosition(std::size_t(i) * 97 % t.recordCount());
        t.edit();
        t.setText(author, "Moved, " + std::to_string(i));
        t.post();
    }
    report("edit one record's key, tag maintained (of 1000)", ms(a, Clock::now()) / 1000);
    t.close();

    t.open(folder, name, {true, false, {}});
    a = Clock::now();
    std::uint32_t total = t.physicalCount();
    for (std::uint32_t i = 0; i < total / 10; ++i) {
        t.goToPosition(std::size_t(i) * 9 % t.recordCount());
        t.deleteRecord();
    }
    report("delete 10% of the records", ms(a, Clock::now()), total / 10.0);
    a = Clock::now();
    t.pack();
    report("pack with 10% deleted (tag rebuilt)", ms(a, Clock::now()), total);
    std::printf("%-44s %10u\n", "  records after pack", t.physicalCount());
    return chars > 0 ? 0 : 1;
}
