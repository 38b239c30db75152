// SPDX-License-Identifier: GPL-2.0-or-later
#include "reports/report_printer.h"

#include "render/page_device.h"
#include <QPrinterInfo>

namespace reports {

PrinterChoice choosePrinter(bool defaultPrinter, int printerIndex, const QStringList& installed)
{
    PrinterChoice c;
    c.paper = render::usualPaper();
    if (!defaultPrinter && printerIndex == installed.size()) {
        c.kind = PrinterChoice::PdfFile;
        return c;
    }
    if (installed.isEmpty()) return c;
    c.kind = PrinterChoice::Printer;
    c.index = !defaultPrinter && printerIndex >= 0 && printerIndex < installed.size() ? printerIndex : -1;
    const QPrinterInfo info = c.index >= 0 ? QPrinterInfo::printerInfo(installed[c.index]) : QPrinterInfo::defaultPrinter();
    if (!info.isNull() && info.defaultPageSize().isValid()) c.paper = info.defaultPageSize();
    return c;
}

}  // namespace reports
