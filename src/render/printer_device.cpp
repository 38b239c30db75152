// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/printer_device.h"

#include <QPrinterInfo>

namespace render {

QStringList installedPrinters() { return QPrinterInfo::availablePrinterNames(); }

PrinterDevice::PrinterDevice(int index)
{
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    if (printers.isEmpty())
        throw RenderError("No printers are defined, aborting print job.");
    QPrinterInfo chosen = index >= 0 && index < printers.size() ? printers[index] : QPrinterInfo::defaultPrinter();
    if (chosen.isNull()) chosen = printers.first();
    printer_ = std::make_unique<QPrinter>(chosen, QPrinter::HighResolution);
    printer_->setFullPage(true);  // the origin is the paper's corner, as the engine measures
}

QSizeF PrinterDevice::pageSizeInches() const
{
    const QRectF paper = printer_->paperRect(QPrinter::Inch);
    return paper.size();
}

void PrinterDevice::setOrientation(QPageLayout::Orientation orientation)
{
    printer_->setPageOrientation(orientation);
}

void PrinterDevice::begin() { pages_ = 0; }

void PrinterDevice::startPage()
{
    if (pages_++ == 0) {
        if (!painter_.begin(printer_.get()))
            throw RenderError(QStringLiteral("The printer %1 could not be started.").arg(printer_->printerName()).toStdString());
        attach(&painter_, printer_->logicalDpiX(), printer_->logicalDpiY());
    } else if (!printer_->newPage()) {
        throw RenderError(QStringLiteral("The printer %1 did not take the next page.").arg(printer_->printerName()).toStdString());
    }
}

void PrinterDevice::end(bool)
{
    detach();
    if (painter_.isActive()) painter_.end();
}

}  // namespace render
