// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Undoing the last import: what it appended is kept beside the database's settings (the record
// numbers with a fingerprint of each book as posted), so that exactly those books, and nothing
// added by hand or by another program in between, can be deleted later, even after a restart.
// A pack, a restore or a conversion renumbers the books: it forgets the import.
#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "dbase/table.h"

namespace transfer {

struct ImportedBook {
    std::uint32_t record = 0;
    std::uint64_t fingerprint = 0;  // of the book's bytes as posted
};

struct LastImport {
    QString file;  // what was imported
    QDate date;
    std::vector<ImportedBook> books;
};

// Where it is kept: the database's base path (without extension) + ".IMP".
QString lastImportPath(const QString& basePath);

// A fingerprint of a record's bytes (its deletion flag aside).
std::uint64_t bookFingerprint(const dbase::Table& table, std::uint32_t record);

// Takes the books an import appended from the table, as they are now.
LastImport recordImport(const dbase::Table& table, const QString& file, const std::vector<std::uint32_t>& appended);

// Writes it, replacing the one before; false when it cannot be written (the undo is then lost,
// never wrong: an older record is removed first).
bool saveLastImport(const QString& basePath, const LastImport& last);
// The import kept for this database, if any. A damaged or foreign file is no import.
std::optional<LastImport> loadLastImport(const QString& basePath);
// A pack, a restore or a conversion: nothing can be undone any more.
void forgetLastImport(const QString& basePath);

struct UndoPlan {
    int books = 0;       // still there to delete
    int changed = 0;     // of those, changed since the import
    bool stale = false;  // the table no longer holds the import's records (packed by another program)
};
UndoPlan planUndo(const dbase::Table& table, const LastImport& last);
// Marks the import's books deleted; returns how many.
int undoImport(dbase::Table& table, const LastImport& last);

}  // namespace transfer
