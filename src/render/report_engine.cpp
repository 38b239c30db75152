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

int alignment(Justify j)
{
    switch (j) {
    case Justify::Left: return Qt::AlignLeft;
    case Justify::Center: return Qt::AlignHCenter;
    case Justify::Right: return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

}  // namespace

ReportEngine::ReportEngine() : measure_(1, 1, QImage::Format_RGB32)
{
    const int dotsPerMeter = qRound(kMeasureDpi / 0.0254);
    measure_.setDotsPerMeterX(dotsPerMeter);
    measure_.setDotsPerMeterY(dotsPerMeter);
    setFont(FontSpec {});
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
            painter_ = &device.startPage();
            pageOpen = true;
            dpiX_ = painter_->device()->logicalDpiX();
            dpiY_ = painter_->device()->logicalDpiY();
            setSection(0, pageHeight_);
            clearTabs();
            if (callbacks.header)
                callbacks.header(*this);
            more = callbacks.body ? callbacks.body(*this) : false;
            if (callbacks.footer)
                callbacks.footer(*this);
            device.finishPage();
            pageOpen = false;
            painter_ = nullptr;
        }
        device.end(!aborted_);
    } catch (...) {
        if (pageOpen)
            device.finishPage();
        painter_ = nullptr;
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

void ReportEngine::setFont(const FontSpec& font)
{
    fontSpec_ = font;
    font_ = qfontFor(font);
    lineHeight_ = QFontMetricsF(font_, &measure_).lineSpacing() / kMeasureDpi;
}

double ReportEngine::textWidth(const QString& text) const
{
    return QFontMetricsF(font_, &measure_).horizontalAdvance(text) / kMeasureDpi;
}

int ReportEngine::linesLeft() const
{
    if (lineHeight_ <= 0)
        return 0;
    const double room = sectionBottom_ - y_;
    return room <= 0 ? 0 : int(std::floor(room / lineHeight_ + 1e-9));
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
    y_ += lineHeight_;
    nextTab_ = 0;
}

void ReportEngine::printCenter(const QString& text, double x)
{
    const double w = textWidth(text) + 0.1;
    paintText(QRectF(x - w / 2, y_, w, lineHeight_), Qt::AlignHCenter, text);
}

void ReportEngine::printLeft(const QString& text)
{
    paintText(QRectF(left_, y_, pageWidth_ - left_ - right_, lineHeight_), Qt::AlignLeft, text);
}

void ReportEngine::printCentre(const QString& text)
{
    paintText(QRectF(left_, y_, pageWidth_ - left_ - right_, lineHeight_), Qt::AlignHCenter, text);
}

void ReportEngine::printRight(const QString& text)
{
    paintText(QRectF(left_, y_, pageWidth_ - left_ - right_, lineHeight_), Qt::AlignRight, text);
}

QRectF ReportEngine::toDevice(const QRectF& r) const
{
    return QRectF(r.x() * dpiX_, r.y() * dpiY_, r.width() * dpiX_, r.height() * dpiY_);
}

void ReportEngine::paintText(const QRectF& inches, int flags, const QString& text)
{
    if (!painter_ || text.isEmpty())
        return;
    painter_->setFont(font_);
    painter_->setPen(fontSpec_.color);
    painter_->drawText(toDevice(inches), flags | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

void ReportEngine::paintCell(const TabStop& stop, const QString& text)
{
    const QRectF cell(left_ + stop.position, y_, stop.width, lineHeight_);
    const QRectF inner = cell.adjusted(stop.innerMargin, 0, -stop.innerMargin, 0);
    if (inner.width() > 0)
        paintText(inner, alignment(stop.justify), text);
    if (!painter_ || stop.borders == NoBorder)
        return;
    QPen pen(Qt::black);
    pen.setWidthF(kBorderWidth * dpiX_);
    painter_->setPen(pen);
    const QRectF d = toDevice(cell);
    if (stop.borders & LeftBorder)
        painter_->drawLine(d.topLeft(), d.bottomLeft());
    if (stop.borders & RightBorder)
        painter_->drawLine(d.topRight(), d.bottomRight());
    if (stop.borders & TopBorder)
        painter_->drawLine(d.topLeft(), d.topRight());
    if (stop.borders & BottomBorder)
        painter_->drawLine(d.bottomLeft(), d.bottomRight());
}

}  // namespace render
