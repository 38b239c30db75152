// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The import tests' main window: an empty book table in a folder of the test's own, the
// database's settings and data lists.
#include <QFile>
#include <QSize>

#include "reports/report_books.h"
#include "store/codepage.h"
#include "support/temp_dir.h"
#include "transfer/windows/import_host.h"

namespace testing_support {

// An empty book table to import into, in a folder of the test's own.
class TargetHost : public transfer::ImportHost {
public:
    TempDir dir;
    edit::DataLists lists;
    int listSaves = 0;
    dbase::Table table;
    store::DatabaseSettings settings;
    int added = 0;
    TargetHost()
    {
        testing_support::makeBookTable(dir.path(), {});
        table.open(dir.path(), "BOOKS.DBF", {false, false, {}});
    }
    dbase::Table& bookTable() override { return table; }
    QString databasePath() const override { return QString::fromStdString((dir / "BOOKS.DBF").string()); }
    store::DatabaseSettings& databaseSettings() override { return settings; }
    void booksAdded() override { ++added; }
    edit::DataLists* dataLists() override { return &lists; }
    void listsChanged() override { ++listSaves; }
    double windowFactor() const override { return 1.0; }
    QSize windowScreen() const override { return {1024, 768}; }
    QString write(const char* name, const QByteArray& bytes)
    {
        QFile f(QString::fromStdString((dir / name).string()));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }
    double number(std::size_t row, const char* field)
    {
        table.goToPosition(row);
        return table.getDouble(table.fieldIndex(field)).value_or(-1);
    }
    QString text(std::size_t row, const char* field)
    {
        table.goToPosition(row);
        return store::fromCp1252(table.getText(table.fieldIndex(field)));
    }
};

}  // namespace testing_support
