// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What backup and restore need of the main window: the open database's names, its table, its
// search, its lists and settings, and switching to a restored database.
#include <QSize>
#include <QString>

class QWidget;

namespace backup {

class BackupHost {
public:
    virtual ~BackupHost() = default;
    virtual QString databasePath() const = 0;  // the open .DBF
    virtual QString basePath() const = 0;      // its folder and table name, without extension
    virtual QString tableName() const = 0;     // without extension
    virtual QString programDirectory() const = 0;

    virtual bool searchActive() const = 0;
    virtual void suspendSearch() = 0;  // ends the search, keeping it to bring back
    virtual void resumeSearch() = 0;
    virtual void endSearch() = 0;

    // Closes the table and tries an exclusive open; false when another open holds it. The table
    // stays closed either way.
    virtual bool testExclusive() = 0;
    virtual void closeTable() = 0;
    // Opens the table again and shows it as the viewer options say; a failure is told over owner.
    virtual void reopenTable(QWidget* owner) = 0;

    virtual void saveLists() = 0;
    virtual void saveSettings() = 0;
    virtual void reloadLists() = 0;
    // Reads the open database's settings again and applies them.
    virtual void reloadSettings() = 0;
    virtual void reloadReports() = 0;
    // True when path is a book table; otherwise says why over owner. Reads the file only.
    virtual bool checkBookTable(QWidget* owner, const QString& path) = 0;
    // About how many bytes the new index of the table source takes once restored as destination
    // (the sort order it will have there); 0 when it gets none.
    virtual qint64 indexBytes(const QString& source, const QString& destination) = 0;
    // Makes a restored table the open database, its index built anew. False when the index could
    // not be built: the table is then open without its sort order.
    virtual bool openRestored(QWidget* owner, const QString& path) = 0;

    virtual double windowFactor() const = 0;
    virtual QSize windowScreen() const = 0;
};

}  // namespace backup
