// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Reading the ASCII delimited text format a line at a time. Lines may end in CR LF, LF or CR.
#include <QString>
#include <QStringList>

namespace transfer {

struct LineRead {
    QStringList values;
    bool open = false;     // a value had no closing quote before the line ended
    bool tooLong = false;  // a value held more than 255 characters (it is cut)
    bool blank = false;    // nothing but an empty value
};

class AsciiReader {
public:
    explicit AsciiReader(const QString& text) : text_(text) {}
    bool atEnd() const { return pos_ >= text_.size(); }
    // The values of the next line; at most maxValues are kept (0: all), the others counted in
    // surplus. A value is quoted; a doubled quote inside it is one quote; a character after a
    // closing quote other than a comma stays in the value; characters below 32 are skipped.
    LineRead readLine(int maxValues = 0, int* surplus = nullptr);

private:
    const QString& text_;
    qsizetype pos_ = 0;
};

// Why a file is no ASCII delimited file, judged from its first line: 0 when it is one,
// 1 a value over 255 characters, 2 an unclosed quote (an unquoted line), 3 more than 46 values.
int firstLineRefusal(const QString& text, QStringList* labels);
QString refusalMessage(int reason);

// A text file's characters: UTF-8 when the file is valid UTF-8 and not plain ASCII (a byte-order
// mark is dropped), Windows-1252 otherwise.
QString decodeTextFile(const QByteArray& bytes);

}  // namespace transfer
