// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the report windows see of the main window, over a table of 30 books (every third one by
// "Found") and the report file with the built-in reports, in a folder of the test's own.
#include "reports/report_books.h"
#include "reports/report_file.h"
#include "reports/windows/report_host.h"
#include "support/temp_dir.h"

namespace testing_support {

class FakeHost : public reports::ReportHost {
public:
    TempDir dir;
    dbase::Table table;
    store::DatabaseSettings settings;
    bool searchOn = false;
    int suspended = 0, resumed = 0;
    dbase::Table::Filter search;

    FakeHost()
    {
        std::vector<testing_support::Book> books;
        for (int i = 0; i < 30; ++i)
            books.push_back({{1, "Book " + std::to_string(i)}, {2, i % 3 == 0 ? "Found" : "Other"}, {7, "1.00"}});
        testing_support::makeBookTable(dir.path(), books);
        table.open(dir.path(), "BOOKS.DBF", {false, true, {}});
        reports::ensureReportFile(programDirectory());
        settings.sortOrder = {0, 0, 0, 0};
    }
    void startSearch()
    {
        const int author = table.fieldIndex("AUTHOR");
        search = [author](const dbase::RecordView& r) { return r.text(author) == "Found"; };
        table.setFilter(search);
        searchOn = true;
    }
    const dbase::Table& bookTable() const override { return table; }
    bool searchActive() const override { return searchOn; }
    void suspendSearch() override
    {
        ++suspended;
        table.setFilter(nullptr);
        searchOn = false;
    }
    void resumeSearch() override
    {
        ++resumed;
        table.setFilter(search);
        searchOn = true;
    }
    store::DatabaseSettings& databaseSettings() override { return settings; }
    QString programDirectory() const override { return QString::fromStdString(dir.path().string()); }
    QStringList filesInUse() const override { return {QString::fromStdString((dir / "BOOKS.DBF").string())}; }
    double windowFactor() const override { return 1.0; }
    QSize windowScreen() const override { return {1024, 768}; }
};

}  // namespace testing_support
