// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What import needs of the main window: the open table to append to and the database's settings.
#include <QSize>
#include <QString>

#include "dbase/table.h"
#include "edit/data_lists.h"
#include "store/book_table.h"
#include "store/settings.h"

namespace transfer {

class ImportHost {
public:
    virtual ~ImportHost() = default;
    virtual dbase::Table& bookTable() = 0;
    virtual QString databasePath() const = 0;
    // The database's path without its extension, beside which its settings are kept.
    virtual QString basePath() const { return store::withoutTableSuffix(databasePath()); }
    virtual store::DatabaseSettings& databaseSettings() = 0;
    // Books were appended: the viewer and the count show them.
    virtual void booksAdded() = 0;
    // The data lists of the open database, which the values of books brought in from a
    // comma-separated file join; nullptr when there are none.
    virtual edit::DataLists* dataLists() { return nullptr; }
    // Values joined the data lists: they are saved.
    virtual void listsChanged() {}
    virtual double windowFactor() const = 0;
    virtual QSize windowScreen() const = 0;
};

}  // namespace transfer
