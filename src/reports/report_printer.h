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

// The choice as stored: "Default Printer", "Printer Index" with the "Printer Name" it had, and
// "PDF File". A printer no longer installed, or an index out of the list, means the default printer.
struct StoredPrinter {
    bool defaultPrinter = true;
    int printerIndex = -1;
    QString printerName;  // empty: the index alone decides
    bool pdfFile = false;
};
PrinterChoice choosePrinter(const StoredPrinter& stored, const QStringList& installed);

}  // namespace reports
