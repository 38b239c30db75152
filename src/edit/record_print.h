// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Printing one record: a line per field, "display name: value", on as many pages as copies.
#include <QStringList>

class QPrinter;

namespace edit {

// The 36 lines of a printed record from the display names and the boxes' texts, in field order.
QStringList recordLines(const QStringList& displayNames, const QStringList& values);
// Prints the lines once per copy, each copy on its own page.
void printLines(QPrinter& printer, const QStringList& lines, int copies);

}  // namespace edit
