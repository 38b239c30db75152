// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Cells of a report's text file: fixed widths in characters, Windows-1252 bytes.
#include <QByteArray>
#include <QString>

namespace reports {

// Appends text cut to width characters and padded with blanks on the right (left).
void appendPadRight(QString& out, const QString& text, int width);
void appendPadLeft(QString& out, const QString& text, int width);
// Windows-1252 bytes; a character the code page cannot hold is written as "?".
QByteArray encode1252(const QString& text);
void appendEncoded1252(QByteArray& out, const QString& text);

}  // namespace reports
