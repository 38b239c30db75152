// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Appending books from an ASCII delimited text file, a comma-separated file or any dBASE table:
// each source field paired with a book field or none, each value converted to its field's kind,
// each book posted on its own so that whatever was posted stays if the import stops.
#include <QString>
#include <QStringList>
#include <functional>
#include <stdexcept>
#include <vector>

#include "dbase/table.h"
#include "edit/data_lists.h"
#include "regional/regional.h"
#include "store/value_notes.h"

namespace transfer {

class ImportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr int kMaxSourceFields = 46;

// pairing[i] is the book field number (1..36) source field i goes into, or 0.
using Pairing = std::vector<int>;

// The kinds of source, numbered as the "File Type" setting keeps them.
enum class SourceKind { Ascii = 1, Dbase = 2, Csv = 3 };

struct ImportSource {
    SourceKind kind = SourceKind::Ascii;
    QString path;            // the file (the dBASE table is read from it)
    QString text;            // a text file's characters
    QChar separator = u',';  // between the values of a comma-separated file
};

struct ImportCounts {
    int records = 0;                      // books appended
    int unreadable = 0;                   // values the field could not take, left empty
    int cut = 0;                          // values too long for their field, cut
    int surplus = 0;                      // values beyond the first line's fields, left out
    int replaced = 0;                     // characters Windows-1252 cannot hold, written as "?"
    int stoppedAt = 0;                    // the line of a quoted value that never closes, where the reading ended
    int skipped = 0;                      // books already in the database (or earlier in the file), left out
    std::vector<std::uint32_t> appended;  // the record numbers of the books posted, in order
    store::ValueNotes notes;              // each value that was not stored as it came
    // the values of the books posted that have data lists, each once, in the order first seen
    std::array<QStringList, edit::kLists> listValues;
};

// What an import does beyond posting every book.
struct ImportChoices {
    bool skipDuplicates = false;  // leave out books already in the database or earlier in the file
    bool collectLists = false;    // gather the values of list fields (listValues)
};

// The end message: "Import Complete." (or where the reading stopped) and what was not stored as
// it came.
QString importSummary(const ImportCounts& counts);
// The end message's details: one line per value not stored as it came.
QString importDetails(const ImportCounts& counts, bool text, const std::array<QString, store::kFieldCount>& names);

// The values of a text file that would go into text fields holding characters Windows-1252
// cannot hold, read as the import reads them.
int unstorableValues(const QString& text, const Pairing& pairing, bool skipFirst);

// The source fields of a dBASE table: its field names, at most 46. Throws ImportError.
QStringList dbaseFieldNames(const QString& path);

// Told how many books are posted after each short run of them (at most a few hundred books, some
// 20 ms apart), and before a failure is thrown. The table's locks are free during the call, so it
// may let other work reach the table. A false answer stops the import.
using ImportProgress = std::function<bool(int records)>;

// Appends the books of any source. Throws ImportError or dbase::DatabaseError; the books posted
// before a failure stay.
ImportCounts importBooks(const ImportSource& source, const Pairing& pairing, bool skipFirst, dbase::Table& target,
                         const regional::Regional& regional, const ImportProgress& progress = {},
                         const ImportChoices& choices = {});

ImportCounts importText(const QString& text, const Pairing& pairing, bool skipFirst, dbase::Table& target,
                        const regional::Regional& regional, const ImportProgress& progress = {});
ImportCounts importDbase(const QString& path, const Pairing& pairing, dbase::Table& target,
                         const regional::Regional& regional, const ImportProgress& progress = {});

}  // namespace transfer
