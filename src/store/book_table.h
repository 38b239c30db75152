// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The files of a book table: creating one, telling whether a file is one, clearing the
// production-index flag of a table whose index went missing, and whether another program has
// it open. The main window owns one of these with its two table objects.
#include <QString>

#include "store/dataset.h"

namespace store {

// True when a file's name ends in ".DBF", in any letter case.
bool hasTableSuffix(const QString& path);
// The path without its ".DBF" (any letter case), beside which a database's settings, lists and
// last import are kept; a path with another ending stays whole.
QString withoutTableSuffix(const QString& path);

class BookTableFiles {
public:
    Dataset MyCreateTable;
    Dataset MyCheckTable;

    // Creates an empty book table at path; true if the file exists afterwards. When another
    // program holds the file, refusal (when given) gets the message to show.
    bool MakeNewDB(const QString& path, QString* refusal = nullptr);
    // True if path is a book table of this layout; otherwise refusal (when given) gets the
    // message to show and the result is false. Engine errors (a file that is no table at all)
    // reach the caller.
    // clearIndexFlag: a table found without its index gets its index flag cleared (never on a
    // file that is only read, such as a backup to restore from).
    bool CheckDBaseFormat(const QString& path, bool clearIndexFlag = true, QString* refusal = nullptr);
    // Clears byte 28 of the table file; says nothing when it cannot.
    static void RemoveMDXByte(const QString& path);
    // True if the table at path has a production index holding the sort tag "NewIndex". Reads
    // only the table's header and the index's tag table, never the records.
    static bool HasSortTag(const QString& path);
    // True if another open holds the table at path, so that it cannot be opened exclusively.
    bool DBaseInUse(const QString& path);
};

}  // namespace store
