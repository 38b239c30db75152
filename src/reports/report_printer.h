// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The printer a report is printed on, from the stored choice and the printers installed now.
#include <QPageSize>
#include <QStringList>

namespace reports {

struct PrinterChoice {
    enum Kind { Printer, PdfFile, NoPrinter } kind = NoPrinter;
    int index = -1;  // the printer's position among the installed ones; -1 the default printer
    QPageSize paper;
};

// "Default Printer" and "Printer Index" as stored: an index out of the list, or -1, means the
// default printer; the position after the last printer is a PDF file.
PrinterChoice choosePrinter(bool defaultPrinter, int printerIndex, const QStringList& installed);

}  // namespace reports
