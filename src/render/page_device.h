// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Where a report's pages go. The engine draws text and lines in inches from the paper's top left
// corner; a device puts them on paper, into a PDF file, or records them: the stream device keeps
// every page for the preview and for printing pages later, at any resolution.
#include <QColor>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
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
    virtual void startPage() = 0;
    virtual void finishPage() = 0;
    // Ends the run: what was printed is delivered (false: thrown away, as after an abort).
    virtual void end(bool deliver) = 0;

    // Drawing on the current page, in inches from the paper's top left corner. Text stands on its
    // baseline at `at`; a font's size is in points.
    virtual void drawText(QPointF at, const QString& text, const QFont& font, const QColor& color) = 0;
    virtual void drawLine(QPointF from, QPointF to, double width) = 0;
};

// A device drawing through a QPainter: positions are turned into the painter's device units, the
// font and pen are set only when they change.
class PainterDevice : public PageDevice {
public:
    void drawText(QPointF at, const QString& text, const QFont& font, const QColor& color) override;
    void drawLine(QPointF from, QPointF to, double width) override;

protected:
    // Starts drawing through painter at dots per inch (the device's own, or more to zoom).
    void attach(QPainter* painter, double dpiX, double dpiY);
    void detach() { painter_ = nullptr; }

private:
    QPainter* painter_ = nullptr;
    double dpiX_ = 96, dpiY_ = 96;
    QFont font_;
    QColor color_;
    double penWidth_ = -1;
    bool textPen_ = false;
};

// Records each page: its texts and lines, the fonts kept once for all pages.
class StreamDevice : public PageDevice {
public:
    explicit StreamDevice(const QPageSize& paper = QPageSize(QPageSize::Letter),
                          QPageLayout::Orientation orientation = QPageLayout::Portrait);
    ~StreamDevice() override;
    QSizeF pageSizeInches() const override;
    void setOrientation(QPageLayout::Orientation orientation) override { orientation_ = orientation; }
    QPageLayout::Orientation orientation() const { return orientation_; }
    void begin() override;
    void startPage() override;
    void finishPage() override {}
    void end(bool) override {}
    void drawText(QPointF at, const QString& text, const QFont& font, const QColor& color) override;
    void drawLine(QPointF from, QPointF to, double width) override;

    int pageCount() const { return int(pages_.size()); }
    // Draws page n (0-based) on another device's current page.
    void replay(PageDevice& device, int n) const;
    // Draws page n (0-based) through a painter at dpi dots per inch (96 x zoom for the screen).
    void drawPage(QPainter& painter, int n, double dpi) const;
    // Prints pages first..last (1-based, inclusive) on another device, as one job.
    void printPages(PageDevice& device, int first, int last) const;

    // The texts drawn on page n (0-based), in the order they were drawn: where (inches from the
    // page's top left corner, on the baseline), what, and in which font.
    struct DrawnText {
        QPointF at;
        QString text;
        QFont font;
    };
    std::vector<DrawnText> textsOn(int n) const;

private:
    struct Op {
        QPointF a, b;     // text: position; line: its two ends
        QString text;     // empty for a line
        int style = 0;    // text: font and colour; line: unused
        double width = 0; // line width
    };
    struct Style {
        QFont font;
        QColor color;
    };
    int styleOf(const QFont& font, const QColor& color);

    QPageSize paper_;
    QPageLayout::Orientation orientation_;
    std::vector<std::vector<Op>> pages_;
    std::vector<Style> styles_;
};

// Writes the pages into a PDF file; the file appears under its name only when the run ends
// delivered, so an aborted or failed run leaves nothing half written.
class PdfDevice : public PainterDevice {
public:
    explicit PdfDevice(QString fileName, const QPageSize& paper = QPageSize(QPageSize::Letter),
                       QPageLayout::Orientation orientation = QPageLayout::Portrait);
    ~PdfDevice() override;
    QSizeF pageSizeInches() const override;
    void setOrientation(QPageLayout::Orientation orientation) override { orientation_ = orientation; }
    void setJobTitle(const QString& title) override { title_ = title; }
    // The title the file carries; the job title when none is given.
    void setDocumentTitle(const QString& title) { documentTitle_ = title; }
    void begin() override;
    void startPage() override;
    void finishPage() override {}
    void end(bool deliver) override;

private:
    QString fileName_, title_, documentTitle_;
    QPageSize paper_;
    QPageLayout::Orientation orientation_;
    QSaveFile file_;
    std::unique_ptr<QPdfWriter> writer_;
    QPainter painter_;
    int pages_ = 0;
};

}  // namespace render
