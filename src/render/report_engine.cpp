// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/report_engine.h"

#include <QFontMetricsF>
#include <cmath>

namespace render {

namespace {

// Widths and line heights are measured at one fixed resolution, so that the pages break at the
// same places on the screen's recording, in a PDF file and on any printer.
constexpr int kMeasureDpi = 1200;
constexpr double kBorderWidth = 0.01;  // inches

}  // namespace

ReportEngine::ReportEngine() : measure_(1, 1, QImage::Format_RGB32)
{
    const int dotsPerMeter = qRound(kMeasureDpi / 0.0254);
    measure_.setDotsPerMeterX(dotsPerMeter);
    measure_.setDotsPerMeterY(dotsPerMeter);
    setFont(FontStyle {});
}

void ReportEngine::setMargins(double top, double bottom, double left, double right)
{
    top_ = top;
    bottom_ = bottom;
    left_ = left;
    right_ = right;
}

QString ReportEngine::statusText() const
{
    QString s = statusFormat_;
    return s.replace(QLatin1String("%p"), QString::number(page_));
}

bool ReportEngine::run(PageDevice& device, const Callbacks& callbacks)
{
    aborted_ = false;
    page_ = 0;
    device.setOrientation(orientation_);
    device.setJobTitle(jobTitle_);
    const QSizeF paper = device.pageSizeInches();
    pageWidth_ = paper.width();
    pageHeight_ = paper.height();
    bool pageOpen = false;
    try {
        device.begin();
        if (callbacks.beforeRun)
            callbacks.beforeRun(*this);
        bool more = true;
        while (more && !aborted_) {
            ++page_;
            if (statusListener_)
                statusListener_(statusText());
            device.startPage();
            device_ = &device;
            pageOpen = true;
            setSection(0, pageHeight_);
            clearTabs();
            if (callbacks.header)
                callbacks.header(*this);
            more = callbacks.body ? callbacks.body(*this) : false;
            if (callbacks.footer)
                callbacks.footer(*this);
            device.finishPage();
            pageOpen = false;
            device_ = nullptr;
        }
        device.end(!aborted_);
    } catch (...) {
        if (pageOpen)
            device.finishPage();
        device_ = nullptr;
        try {
            device.end(false);
        } catch (...) {
        }
        if (callbacks.afterRun)
            callbacks.afterRun(*this);
        throw;
    }
    if (callbacks.afterRun)
        callbacks.afterRun(*this);
    return !aborted_;
}

void ReportEngine::setSection(double top, double bottom)
{
    sectionTop_ = top;
    sectionBottom_ = bottom;
    home();
}

void ReportEngine::home()
{
    y_ = sectionTop_;
    nextTab_ = 0;
}

namespace {
bool sameFont(const FontStyle& a, const FontStyle& b)
{
    return a.pointSize == b.pointSize && a.bold == b.bold && a.italic == b.italic && a.underline == b.underline &&
           a.strikeOut == b.strikeOut && a.name == b.name;
}
}  // namespace

void ReportEngine::setFont(const FontStyle& font)
{
    style_ = font;
    for (const auto& m : measured_)
        if (sameFont(m->style, font)) {
            current_ = m.get();
            return;
        }
    const QFont qfont = qfontFor(font);
    auto m = std::make_unique<Measured>(Measured {font, qfont, QFontMetricsF(qfont, &measure_)});
    m->lineHeight = m->metrics.lineSpacing() / kMeasureDpi;
    m->ascent = m->metrics.ascent() / kMeasureDpi;
    m->descent = m->metrics.descent() / kMeasureDpi;
    for (int c = 0; c < 256; ++c) m->advance[std::size_t(c)] = m->metrics.horizontalAdvance(QChar(c)) / kMeasureDpi;
    current_ = m.get();
    measured_.push_back(std::move(m));
}

// Widths add the characters' advances: reports fit thousands of cells a page, and shaping each
// text to measure it would cost more than drawing it.
double ReportEngine::textWidth(const QString& text) const
{
    double w = 0;
    bool plain = true;
    for (const QChar c : text) {
        if (c.unicode() > 0xFF) {
            plain = false;
            break;
        }
        w += current_->advance[c.unicode()];
    }
    return plain ? w : current_->metrics.horizontalAdvance(text) / kMeasureDpi;
}

int ReportEngine::linesLeft() const
{
    if (current_->lineHeight <= 0)
        return 0;
    const double room = sectionBottom_ - y_;
    return room <= 0 ? 0 : int(std::floor(room / current_->lineHeight + 1e-9));
}

void ReportEngine::addTab(double position, double width, Justify justify, int borders, double innerMargin)
{
    TabStop stop;
    if (position < 0)
        position = tabs_.empty() ? 0 : tabs_.back().position + tabs_.back().width;
    stop.position = position;
    stop.width = width < 0 ? 0 : width;
    stop.justify = justify;
    stop.borders = borders;
    stop.innerMargin = innerMargin;
    tabs_.push_back(stop);
}

double ReportEngine::tabWidth(int n) const
{
    return n >= 0 && n < int(tabs_.size()) ? tabs_[std::size_t(n)].width : 0;
}

double ReportEngine::tabTextWidth(int n) const
{
    if (n < 0 || n >= int(tabs_.size()))
        return 0;
    const TabStop& t = tabs_[std::size_t(n)];
    return std::max(0.0, t.width - 2 * t.innerMargin);
}

void ReportEngine::printTab(const QString& text)
{
    const QStringList pieces = text.split(u'\t');
    for (int i = 0; i < pieces.size(); ++i) {
        if (nextTab_ < int(tabs_.size()))
            paintCell(tabs_[std::size_t(nextTab_)], pieces[i]);
        ++nextTab_;
    }
}

void ReportEngine::endLine()
{
    y_ += current_->lineHeight;
    nextTab_ = 0;
}

void ReportEngine::printCenter(const QString& text, double x)
{
    paintText(x - textWidth(text) / 2, text);
}

void ReportEngine::printLeft(const QString& text) { paintText(left_, text); }

void ReportEngine::printCentre(const QString& text)
{
    paintText(left_ + (pageWidth_ - left_ - right_ - textWidth(text)) / 2, text);
}

void ReportEngine::printRight(const QString& text) { paintText(pageWidth_ - right_ - textWidth(text), text); }

// Text on the current line from x inches, on the baseline that centres the font in the line.
void ReportEngine::paintText(double x, const QString& text)
{
    if (!device_ || text.isEmpty())
        return;
    const double baseline = y_ + (current_->lineHeight - current_->ascent - current_->descent) / 2 + current_->ascent;
    device_->drawText(QPointF(x, baseline), text, current_->font, style_.color);
}

void ReportEngine::paintCell(const TabStop& stop, const QString& text)
{
    const QRectF cell(left_ + stop.position, y_, stop.width, current_->lineHeight);
    const double room = stop.width - 2 * stop.innerMargin;
    if (room > 0 && !text.isEmpty()) {
        const double x = cell.x() + stop.innerMargin;
        switch (stop.justify) {
        case Justify::Left: paintText(x, text); break;
        case Justify::Center: paintText(x + (room - textWidth(text)) / 2, text); break;
        case Justify::Right: paintText(x + room - textWidth(text), text); break;
        }
    }
    if (!device_ || stop.borders == NoBorder)
        return;
    if (stop.borders & LeftBorder)
        device_->drawLine(cell.topLeft(), cell.bottomLeft(), kBorderWidth);
    if (stop.borders & RightBorder)
        device_->drawLine(cell.topRight(), cell.bottomRight(), kBorderWidth);
    if (stop.borders & TopBorder)
        device_->drawLine(cell.topLeft(), cell.topRight(), kBorderWidth);
    if (stop.borders & BottomBorder)
        device_->drawLine(cell.bottomLeft(), cell.bottomRight(), kBorderWidth);
}

}  // namespace render
