// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Writing the books of the open table, in its order and through its filter, to an ASCII delimited
// text file or to a new dBASE table: the fields chosen, in the order chosen.
#include <QString>
#include <functional>
#include <stdexcept>
#include <vector>

#include "dbase/table.h"
#include "regional/regional.h"
#include "store/settings.h"

namespace transfer {

// A write that failed; what() says why. Nothing is left under the chosen name.
class ExportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ExportField {
    int number = 0;      // 1..36
    int tableIndex = -1; // the field's position in the table, -1 when the table lacks it
};

// The exported fields in export order. An export order that is no arrangement of 1..36 (a damaged
// settings file) puts the fields it leaves out in the free places, in table order.
std::vector<ExportField> exportList(const store::DatabaseSettings& settings, const dbase::Table& table);
// Rows of a grid of the fields in export order, whatever the settings file holds: for row r the
// field number placed there.
std::vector<int> exportRows(const store::DatabaseSettings& settings);

// The heading of a field in the text file's first line: the name the viewer shows, or for a field
// the viewer never shows its table name in capitals.
QString exportLabel(int number, const store::DatabaseSettings& settings);
// A field's text as exported: text as stored, numbers plain with the decimal separator in force,
// dates in the date format in force with a four-digit year, blank fields empty. Windows-1252 bytes.
std::string exportText(const dbase::RecordView& record, const ExportField& field, const regional::Regional& regional);

// Told after each record; returns false to stop.
using ExportProgress = std::function<void(std::size_t done, std::size_t total)>;

// Writes the visible records of the table in its order. The file appears under its name only when
// complete; throws ExportError.
void writeAscii(const QString& path, const dbase::Table& table, const std::vector<ExportField>& fields,
                const QStringList* headings, const regional::Regional& regional, const ExportProgress& progress = {});
// Comma-separated values as spreadsheets read them: UTF-8 with a byte-order mark, the headings
// first, quotes only around values that need them, dates as 2024-03-15, numbers with a "." and no
// group separators. It imports back with every value equal.
void writeCsv(const QString& path, const dbase::Table& table, const std::vector<ExportField>& fields,
              const QStringList& headings, const ExportProgress& progress = {});
// A field's value as the comma-separated file holds it (not yet quoted).
QString csvText(const dbase::RecordView& record, const ExportField& field);
void writeDbase(const QString& path, const dbase::Table& table, const std::vector<ExportField>& fields,
                const ExportProgress& progress = {});

}  // namespace transfer
