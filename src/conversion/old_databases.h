// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The tables of the program's earlier versions: "BLOG.DBF" (1.x) and "B2LOG.DBF" (2.x) in the
// program directory. At start they are recognised by their field lists, offered for conversion,
// their books appended to the open database and the old file deleted.
//
// Values pass as values: numbers as numbers and dates as dates, never through the user's date
// format. The old file is only ever read.
//
// A conversion never runs twice over the same file. The program settings (section
// "Conversion" of KAVBOOK.INI) keep, per old file, its path, size and modification time with
// how far its conversion came: "Started" with the number of books already converted and the
// database's record count when the run began, so that a run that stopped or was killed goes on
// after the last book it posted; "Converted" once every book is in and the file could not be
// deleted, so that it is not offered again. A deleted file leaves nothing behind.
#include <QString>
#include <functional>

#include "dbase/table.h"
#include "store/dataset.h"
#include "store/value_notes.h"

namespace conversion {

// True when the file at path is a table of the 2.x (1.x) layout. Shows no message; a file that
// cannot be read as a table is not one. The file is opened read-only and never written.
bool CheckDBaseFormatV2(const QString& path);
bool CheckDBaseFormatV1(const QString& path);

// Told after each book posted, with the number of books this run has posted.
using PostedHook = std::function<void(int posted)>;

// Appends the books of the old table at path to target (open and writable), beginning with the
// old table's book number `from` (0-based, record order, deleted records left out). Returns how
// many books the old table holds. Throws dbase::DatabaseError when a read or a post fails; the
// books posted until then stay. Each value that could not be converted (left empty) or was cut
// goes into notes, when given, with the old book's number from 1.
int ConvertV2(const QString& path, dbase::Table& target, int from = 0, const PostedHook& posted = {},
              store::ValueNotes* notes = nullptr);
int ConvertV1(const QString& path, dbase::Table& target, int from = 0, const PostedHook& posted = {},
              store::ValueNotes* notes = nullptr);

// What the start-up conversion needs of the program around it: the user's answer to each offer,
// and the reports of what happened. The main window shows them as message boxes.
class ConversionHost {
public:
    virtual ~ConversionHost() = default;
    // The offer of one old file; true converts it.
    virtual bool askToConvert(const QString& question) = 0;
    // The books are in, but some values could not be kept as they were: each one in details.
    virtual void tellConverted(const QString& text, const QString& details) = 0;
    // The conversion stopped, or the old file could not be deleted.
    virtual void tellFailure(const QString& text) = 0;
    // Around the conversion itself, and after each book posted with the number this run posted.
    virtual void busy(bool /*on*/) {}
    virtual void posted(int /*books*/) {}
};

// The start-up step: offers each old file found in programDirectory (2.x first) and converts
// the accepted ones into table, the open database at databasePath. Tells the host what could not
// be converted as it was, reports failures, and always returns.
void CheckForConversion(ConversionHost& host, const QString& programDirectory, store::Dataset& table,
                        const QString& databasePath);

// Tests only: how a converted file is deleted (true when it was; reason gets the system's
// reason when not). An empty function restores the real deletion.
void setRemoveFileForTests(std::function<bool(const QString& path, QString& reason)> remove);

}  // namespace conversion
