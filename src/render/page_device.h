// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Where a report's pages go: a device hands the engine a painter for each page. The stream
// device records every page for the preview and for printing pages later; the PDF device writes
// a PDF file; the printer device (with the windows) prints.
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPicture>
#include <QSaveFile>
#include <QSizeF>
#include <memory>
#include <stdexcept>
#include <vector>

class QPdfWriter;

namespace render {

// A device that could not be opened or written; what() says why.
class RenderError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The paper of a PDF file, or of recorded pages with no printer: the locale's usual size
// (Letter where inches are the measure, A4 elsewhere).
QPageSize usualPaper();

class PageDevice {
public:
    virtual ~PageDevice() = default;
    // The paper, in inches, turned as the orientation says.
    virtual QSizeF pageSizeInches() const = 0;
    virtual void setOrientation(QPageLayout::Orientation orientation) = 0;
    virtual void setJobTitle(const QString&) {}
    // Opens the device for a run; throws RenderError.
    virtual void begin() = 0;
    // A painter for the next page, its origin at the paper's top left corner.
    virtual QPainter& startPage() = 0;
    virtual void finishPage() = 0;
    // Ends the run: what was printed is delivered (false: thrown away, as after an abort).
    virtual void end(bool deliver) = 0;
};

// Records each page as a picture at the screen's 96 dots per inch.
class StreamDevice : public PageDevice {
public:
    explicit StreamDevice(const QPageSize& paper = QPageSize(QPageSize::Letter),
                          QPageLayout::Orientation orientation = QPageLayout::Portrait);
    QSizeF pageSizeInches() const override;
    void setOrientation(QPageLayout::Orientation orientation) override { orientation_ = orientation; }
    void begin() override;
    QPainter& startPage() override;
    void finishPage() override;
    void end(bool deliver) override;

    const std::vector<QPicture>& pages() const { return pages_; }
    // Replays page n (0-based) onto a painter whose origin is the paper's top left corner.
    void drawPage(QPainter& painter, std::size_t n) const;
    // Prints pages first..last (1-based, inclusive) of the recording on another device.
    void printPages(PageDevice& device, int first, int last) const;
    QPageLayout::Orientation orientation() const { return orientation_; }

private:
    QPageSize paper_;
    QPageLayout::Orientation orientation_;
    std::vector<QPicture> pages_;
    QPicture current_;
    QPainter painter_;
};

// Writes the pages into a PDF file; the file appears under its name only when the run ends
// delivered, so an aborted or failed run leaves nothing half written.
class PdfDevice : public PageDevice {
public:
    explicit PdfDevice(QString fileName, const QPageSize& paper = QPageSize(QPageSize::Letter),
                       QPageLayout::Orientation orientation = QPageLayout::Portrait);
    ~PdfDevice() override;
    QSizeF pageSizeInches() const override;
    void setOrientation(QPageLayout::Orientation orientation) override { orientation_ = orientation; }
    void setJobTitle(const QString& title) override { title_ = title; }
    void begin() override;
    QPainter& startPage() override;
    void finishPage() override {}
    void end(bool deliver) override;

private:
    QString fileName_, title_;
    QPageSize paper_;
    QPageLayout::Orientation orientation_;
    QSaveFile file_;
    std::unique_ptr<QPdfWriter> writer_;
    QPainter painter_;
    int pages_ = 0;
};

}  // namespace render
