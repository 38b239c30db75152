// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Reading comma-separated values as spreadsheets and web services write them: quotes only where
// needed, a doubled quote inside quotes for one quote, line breaks inside quotes belonging to the
// value (kept as a blank), a comma, semicolon or tab between values, lines ending in CR LF, LF or
// CR.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace transfer {

// The most columns a comma-separated file may have; values beyond them are left out and counted.
inline constexpr int kMaxCsvColumns = 255;

struct CsvRow {
    QStringList values;
    int line = 0;           // the source line the row begins on, from 1
    int surplus = 0;        // values beyond kMaxCsvColumns, left out
    bool blank = false;     // an empty line
    bool unclosed = false;  // a quoted value ran to the end of the file without its closing quote
};

class CsvReader {
public:
    CsvReader(const QString& text, QChar separator) : text_(text), separator_(separator) {}
    bool atEnd() const { return pos_ >= text_.size(); }
    CsvRow readRow();

private:
    const QString& text_;
    QChar separator_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

// The separator of a file, judged from its first line: the one of comma, semicolon and tab that
// occurs most often outside quotes; a comma when none does.
QChar detectSeparator(const QString& text);

// A comma-separated file's characters: UTF-16 with its byte-order mark, UTF-8 with or without
// one, Windows-1252 otherwise.
QString decodeCsvFile(const QByteArray& bytes);

// A value as the spreadsheet meant it: ="0451526538" (a formula that keeps leading zeros) is the
// text inside the quotes; other values are trimmed of blanks.
QString plainCsvValue(const QString& value);

}  // namespace transfer
