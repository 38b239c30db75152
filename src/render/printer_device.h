// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Pages sent straight to an installed printer.
#include <QPrinter>
#include <QStringList>
#include <memory>

#include "render/page_device.h"

namespace render {

// The installed printers' names, in the order a printer index counts them.
QStringList installedPrinters();

class PrinterDevice : public PainterDevice {
public:
    // index -1 (or one no longer installed) is the default printer. Throws RenderError when no
    // printer is installed.
    explicit PrinterDevice(int index);
    QSizeF pageSizeInches() const override;
    void setOrientation(QPageLayout::Orientation orientation) override;
    void setJobTitle(const QString& title) override { printer_->setDocName(title); }
    void begin() override;
    void startPage() override;
    void finishPage() override {}
    // Pages already sent stay sent, also after an abort.
    void end(bool deliver) override;
    QPrinter& printer() { return *printer_; }

private:
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    int pages_ = 0;
};

}  // namespace render
