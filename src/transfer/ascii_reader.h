// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Reading the ASCII delimited text format a record at a time. Lines may end in CR LF, LF or CR.
// A record is a line, except that a quoted value goes on across line breaks to its closing quote,
// as spreadsheets write a value that holds a line break; each break becomes a blank.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace transfer {

// How far a quoted value may run looking for its closing quote.
inline constexpr qsizetype kMaxQuotedRun = 64 * 1024;

struct LineRead {
    QStringList values;
    int line = 0;                 // the source line the record begins on, from 1
    bool open = false;            // a value had no closing quote (or none at all)
    std::vector<int> longValues;  // the values that held more than 255 characters (they are cut)
    bool blank = false;           // nothing but an empty value
    // A quoted value reached the end of the file, or ran past kMaxQuotedRun, without its closing
    // quote: the reading ends, and this record is no book. unclosedLine is where it opened.
    bool unclosed = false;
    int unclosedLine = 0;
};

class AsciiReader {
public:
    explicit AsciiReader(const QString& text) : text_(text) {}
    bool atEnd() const { return pos_ >= text_.size(); }
    // The values of the next record; at most maxValues are kept (0: all), the others counted in
    // surplus. A value is quoted; a doubled quote inside it is one quote; a character after a
    // closing quote other than a comma stays in the value; other characters below 32 are skipped.
    LineRead readLine(int maxValues = 0, int* surplus = nullptr);

private:
    const QString& text_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

// Why a file is no ASCII delimited file, judged from its first record: 0 when it is one,
// 1 a value over 255 characters, 2 an unclosed quote (an unquoted line), 3 more than 46 values.
int firstLineRefusal(const QString& text, QStringList* labels);
// Reason 4: a NUL byte in the first 64 KB, which no text file holds.
int binaryRefusal(const QByteArray& bytes);

// The largest text file an import takes in (it is read whole, then decoded): some four million books.
inline constexpr qint64 kImportFileLimit = qint64(1) << 30;
QString refusalMessage(int reason);

// A text file's characters: UTF-8 when the file is valid UTF-8 and not plain ASCII (a byte-order
// mark is dropped), Windows-1252 otherwise.
QString decodeTextFile(const QByteArray& bytes);

}  // namespace transfer
