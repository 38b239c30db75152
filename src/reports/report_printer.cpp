// SPDX-License-Identifier: GPL-2.0-or-later
#include "reports/report_printer.h"

#include "render/page_device.h"
#include <QPrinterInfo>

namespace reports {

PrinterChoice choosePrinter(const StoredPrinter& stored, const QStringList& installed)
{
    PrinterChoice c;
    c.paper = render::usualPaper();
    if (!stored.defaultPrinter && stored.pdfFile) {
        c.kind = PrinterChoice::PdfFile;
        return c;
    }
    if (installed.isEmpty()) return c;
    c.kind = PrinterChoice::Printer;
    if (!stored.defaultPrinter) {
        if (!stored.printerName.isEmpty()) c.index = int(installed.indexOf(stored.printerName));
        else if (stored.printerIndex >= 0 && stored.printerIndex < installed.size()) c.index = stored.printerIndex;
    }
    const QPrinterInfo info = c.index >= 0 ? QPrinterInfo::printerInfo(installed[c.index]) : QPrinterInfo::defaultPrinter();
    if (!info.isNull() && info.defaultPageSize().isValid()) c.paper = info.defaultPageSize();
    return c;
}

}  // namespace reports
