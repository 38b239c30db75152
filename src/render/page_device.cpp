// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/page_device.h"

#include <QLocale>
#include <QPdfWriter>

namespace render {

namespace {

QSizeF turned(const QPageSize& paper, QPageLayout::Orientation orientation)
{
    const QSizeF s = paper.size(QPageSize::Inch);
    return orientation == QPageLayout::Landscape ? s.transposed() : s;
}

}  // namespace

QPageSize usualPaper()
{
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                        : QPageSize::A4);
}

// ---- drawing through a painter

void PainterDevice::attach(QPainter* painter, double dpiX, double dpiY)
{
    painter_ = painter;
    dpiX_ = dpiX;
    dpiY_ = dpiY;
    penWidth_ = -1;
    textPen_ = false;
    font_ = QFont();
    painter_->setFont(font_);
}

void PainterDevice::drawText(QPointF at, const QString& text, const QFont& font, const QColor& color)
{
    if (!painter_ || text.isEmpty()) return;
    if (font != font_) {
        font_ = font;
        painter_->setFont(font);
    }
    if (!textPen_ || color != color_) {
        color_ = color;
        painter_->setPen(color);
        textPen_ = true;
        penWidth_ = -1;
    }
    painter_->drawText(QPointF(at.x() * dpiX_, at.y() * dpiY_), text);
}

void PainterDevice::drawLine(QPointF from, QPointF to, double width)
{
    if (!painter_) return;
    if (textPen_ || width != penWidth_) {
        QPen pen(Qt::black);
        pen.setWidthF(width * dpiX_);
        painter_->setPen(pen);
        penWidth_ = width;
        textPen_ = false;
    }
    painter_->drawLine(QPointF(from.x() * dpiX_, from.y() * dpiY_), QPointF(to.x() * dpiX_, to.y() * dpiY_));
}

// ---- recorded pages

StreamDevice::StreamDevice(const QPageSize& paper, QPageLayout::Orientation orientation)
    : paper_(paper), orientation_(orientation)
{
}

StreamDevice::~StreamDevice() = default;

QSizeF StreamDevice::pageSizeInches() const { return turned(paper_, orientation_); }

void StreamDevice::begin()
{
    pages_.clear();
    styles_.clear();
}

void StreamDevice::startPage() { pages_.emplace_back(); }

int StreamDevice::styleOf(const QFont& font, const QColor& color)
{
    // a run uses a handful of fonts: the last one is nearly always the one asked for
    for (int i = int(styles_.size()) - 1; i >= 0; --i)
        if (styles_[std::size_t(i)].color == color && styles_[std::size_t(i)].font == font) return i;
    styles_.push_back({font, color});
    return int(styles_.size()) - 1;
}

void StreamDevice::drawText(QPointF at, const QString& text, const QFont& font, const QColor& color)
{
    if (pages_.empty() || text.isEmpty()) return;
    Op op;
    op.a = at;
    op.text = text;
    op.style = styleOf(font, color);
    pages_.back().push_back(std::move(op));
}

std::vector<StreamDevice::DrawnText> StreamDevice::textsOn(int n) const
{
    std::vector<DrawnText> texts;
    if (n < 0 || n >= pageCount()) return texts;
    for (const Op& op : pages_[std::size_t(n)])
        if (!op.text.isEmpty()) texts.push_back({op.a, op.text, styles_[std::size_t(op.style)].font});
    return texts;
}

void StreamDevice::drawLine(QPointF from, QPointF to, double width)
{
    if (pages_.empty()) return;
    Op op;
    op.a = from;
    op.b = to;
    op.width = width;
    pages_.back().push_back(std::move(op));
}

void StreamDevice::replay(PageDevice& device, int n) const
{
    if (n < 0 || n >= pageCount()) return;
    for (const Op& op : pages_[std::size_t(n)]) {
        if (op.text.isEmpty()) {
            device.drawLine(op.a, op.b, op.width);
        } else {
            const Style& s = styles_[std::size_t(op.style)];
            device.drawText(op.a, op.text, s.font, s.color);
        }
    }
}

namespace {
// Draws recorded pages through a painter the caller owns.
class BorrowedPainter : public PainterDevice {
public:
    BorrowedPainter(QPainter& painter, double dpi) { attach(&painter, dpi, dpi); }
    QSizeF pageSizeInches() const override { return {}; }
    void setOrientation(QPageLayout::Orientation) override {}
    void begin() override {}
    void startPage() override {}
    void finishPage() override {}
    void end(bool) override {}
};
}  // namespace

void StreamDevice::drawPage(QPainter& painter, int n, double dpi) const
{
    BorrowedPainter device(painter, dpi);
    replay(device, n);
}

void StreamDevice::printPages(PageDevice& device, int first, int last) const
{
    first = std::max(first, 1);
    last = std::min(last, pageCount());
    device.setOrientation(orientation_);
    device.begin();
    try {
        for (int n = first; n <= last; ++n) {
            device.startPage();
            replay(device, n - 1);
            device.finishPage();
        }
    } catch (...) {
        device.end(false);
        throw;
    }
    device.end(true);
}

// ---- PDF files

PdfDevice::PdfDevice(QString fileName, const QPageSize& paper, QPageLayout::Orientation orientation)
    : fileName_(std::move(fileName)), paper_(paper), orientation_(orientation)
{
}

PdfDevice::~PdfDevice()
{
    if (painter_.isActive()) end(false);
}

QSizeF PdfDevice::pageSizeInches() const { return turned(paper_, orientation_); }

void PdfDevice::begin()
{
    file_.setFileName(fileName_);
    if (!file_.open(QIODevice::WriteOnly))
        throw RenderError(QStringLiteral("%1: %2").arg(fileName_, file_.errorString()).toStdString());
    writer_ = std::make_unique<QPdfWriter>(&file_);
    writer_->setTitle(documentTitle_.isEmpty() ? title_ : documentTitle_);
    writer_->setCreator(QStringLiteral("Bindlow Books 97"));
    writer_->setPageLayout(QPageLayout(paper_, orientation_, QMarginsF(0, 0, 0, 0)));
    pages_ = 0;
}

void PdfDevice::startPage()
{
    if (pages_++ == 0) {
        if (!painter_.begin(writer_.get()))
            throw RenderError(QStringLiteral("%1: the PDF file could not be started").arg(fileName_).toStdString());
        attach(&painter_, writer_->logicalDpiX(), writer_->logicalDpiY());
    } else {
        writer_->newPage();
    }
}

void PdfDevice::end(bool deliver)
{
    detach();
    if (painter_.isActive()) painter_.end();
    writer_.reset();
    if (!deliver || pages_ == 0) {
        file_.cancelWriting();
        file_.commit();
        return;
    }
    if (!file_.commit())
        throw RenderError(QStringLiteral("%1: %2").arg(fileName_, file_.errorString()).toStdString());
}

}  // namespace render
