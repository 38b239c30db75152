// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Composes pages on a device: margins and sections in inches, the current font, tab stops with
// justification and borders, lines, centred and aligned text, page numbers, abort. It knows
// nothing of books: the caller's callbacks decide what goes on each page.
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "render/fonts.h"
#include "render/page_device.h"

namespace render {

enum class Justify { Left, Center, Right };
enum Border { NoBorder = 0, LeftBorder = 1, RightBorder = 2, TopBorder = 4, BottomBorder = 8, AllBorders = 15 };

inline constexpr double kInnerMargin = 0.02;  // inches between a cell's border and its text

struct TabStop {
    double position = 0;  // inches from the left margin
    double width = 0;     // inches
    Justify justify = Justify::Left;
    int borders = NoBorder;
    double innerMargin = kInnerMargin;
};

class ReportEngine {
public:
    struct Callbacks {
        std::function<void(ReportEngine&)> beforeRun;
        std::function<void(ReportEngine&)> header;
        // Fills the page's body; returns whether another page follows.
        std::function<bool(ReportEngine&)> body;
        std::function<void(ReportEngine&)> footer;
        // Called however the run ends, also after an exception.
        std::function<void(ReportEngine&)> afterRun;
    };

    ReportEngine();

    // Page set-up, before the run.
    void setMargins(double top, double bottom, double left, double right);
    double topMargin() const { return top_; }
    double bottomMargin() const { return bottom_; }
    double leftMargin() const { return left_; }
    double rightMargin() const { return right_; }
    void setOrientation(QPageLayout::Orientation o) { orientation_ = o; }
    QPageLayout::Orientation orientation() const { return orientation_; }
    void setJobTitle(const QString& title) { jobTitle_ = title; }
    const QString& jobTitle() const { return jobTitle_; }
    // "%p" stands for the page number.
    void setStatusFormat(const QString& format) { statusFormat_ = format; }
    void setStatusListener(std::function<void(const QString&)> listener) { statusListener_ = std::move(listener); }

    // Runs the pages onto the device. Returns false when the run was aborted. Device and callback
    // errors reach the caller after afterRun.
    bool run(PageDevice& device, const Callbacks& callbacks);

    // During the run.
    double pageWidth() const { return pageWidth_; }
    double pageHeight() const { return pageHeight_; }
    int pageNumber() const { return page_; }
    QString statusText() const;
    void abort() { aborted_ = true; }
    bool aborted() const { return aborted_; }

    // The area being printed, in inches from the top of the page, and the current line in it.
    void setSection(double top, double bottom);
    double sectionTop() const { return sectionTop_; }
    double sectionBottom() const { return sectionBottom_; }
    void home();
    double cursorY() const { return y_; }

    void setFont(const FontStyle& font);
    const FontStyle& font() const { return style_; }
    // Width of text in the current font, in inches; the same on every device.
    double textWidth(const QString& text) const;
    double lineHeight() const { return current_->lineHeight; }
    // Whole lines of the current font that still fit between the current line and the section's end.
    int linesLeft() const;

    void clearTabs() { tabs_.clear(); nextTab_ = 0; }
    // position < 0 places the stop right after the previous one (the first at the left margin).
    void addTab(double position, double width, Justify justify, int borders = NoBorder,
                double innerMargin = kInnerMargin);
    int tabCount() const { return int(tabs_.size()); }
    double tabWidth(int n) const;  // 0-based
    // Room for text in tab stop n: its width less the inner margins.
    double tabTextWidth(int n) const;
    // Prints into the next tab stop; a tab character moves on to the stop after it.
    void printTab(const QString& text);
    void endLine();

    // Text on the current line without moving on: centred at x inches from the page's left
    // edge, or at the left, centre or right of the space between the margins.
    void printCenter(const QString& text, double x);
    void printLeft(const QString& text);
    void printCentre(const QString& text);
    void printRight(const QString& text);

private:
    void paintCell(const TabStop& stop, const QString& text);
    void paintText(double x, const QString& text);

    double top_ = 0.5, bottom_ = 0.5, left_ = 0.5, right_ = 0.5;
    QPageLayout::Orientation orientation_ = QPageLayout::Portrait;
    QString jobTitle_ = QStringLiteral("Test Report");
    QString statusFormat_ = QStringLiteral("Printing Page %p");
    std::function<void(const QString&)> statusListener_;

    PageDevice* device_ = nullptr;  // during a page
    double pageWidth_ = 8.5, pageHeight_ = 11;
    int page_ = 0;
    bool aborted_ = false;

    double sectionTop_ = 0, sectionBottom_ = 11, y_ = 0;
    FontStyle style_;
    QImage measure_;  // the fixed resolution every width and height is measured at
    // The measures of a font, in inches; kept for each font a run uses, which it sets on every page.
    struct Measured {
        FontStyle style;
        QFont font;
        QFontMetricsF metrics;
        std::array<double, 256> advance {};  // by Latin-1 character
        double lineHeight = 0, ascent = 0, descent = 0;
    };
    std::vector<std::unique_ptr<Measured>> measured_;
    const Measured* current_ = nullptr;
    std::vector<TabStop> tabs_;
    int nextTab_ = 0;
};

}  // namespace render
