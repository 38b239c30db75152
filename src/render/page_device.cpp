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

constexpr int kPictureDpi = 96;

}  // namespace

QPageSize usualPaper()
{
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                        : QPageSize::A4);
}

StreamDevice::StreamDevice(const QPageSize& paper, QPageLayout::Orientation orientation)
    : paper_(paper), orientation_(orientation)
{
}

QSizeF StreamDevice::pageSizeInches() const { return turned(paper_, orientation_); }

void StreamDevice::begin() { pages_.clear(); }

QPainter& StreamDevice::startPage()
{
    current_ = QPicture();
    const QSizeF inches = pageSizeInches();
    current_.setBoundingRect(QRect(0, 0, qRound(inches.width() * kPictureDpi), qRound(inches.height() * kPictureDpi)));
    painter_.begin(&current_);
    return painter_;
}

void StreamDevice::finishPage()
{
    painter_.end();
    const QSizeF inches = pageSizeInches();
    // drawing may have set a smaller bounding box; the page is the whole paper
    current_.setBoundingRect(QRect(0, 0, qRound(inches.width() * kPictureDpi), qRound(inches.height() * kPictureDpi)));
    pages_.push_back(std::move(current_));
    current_ = QPicture();
}

void StreamDevice::end(bool) {}

void StreamDevice::drawPage(QPainter& painter, std::size_t n) const
{
    if (n < pages_.size())
        painter.drawPicture(0, 0, pages_[n]);  // drawPicture scales from 96 dpi to the device
}

void StreamDevice::printPages(PageDevice& device, int first, int last) const
{
    first = std::max(first, 1);
    last = std::min(last, int(pages_.size()));
    device.setOrientation(orientation_);
    device.begin();
    try {
        for (int n = first; n <= last; ++n) {
            QPainter& painter = device.startPage();
            drawPage(painter, std::size_t(n - 1));
            device.finishPage();
        }
    } catch (...) {
        device.end(false);
        throw;
    }
    device.end(true);
}

PdfDevice::PdfDevice(QString fileName, const QPageSize& paper, QPageLayout::Orientation orientation)
    : fileName_(std::move(fileName)), paper_(paper), orientation_(orientation)
{
}

PdfDevice::~PdfDevice()
{
    if (painter_.isActive())
        end(false);
}

QSizeF PdfDevice::pageSizeInches() const { return turned(paper_, orientation_); }

void PdfDevice::begin()
{
    file_.setFileName(fileName_);
    if (!file_.open(QIODevice::WriteOnly))
        throw RenderError(QStringLiteral("%1: %2").arg(fileName_, file_.errorString()).toStdString());
    writer_ = std::make_unique<QPdfWriter>(&file_);
    writer_->setTitle(title_);
    writer_->setCreator(QStringLiteral("Bindlow Books 97"));
    writer_->setPageLayout(QPageLayout(paper_, orientation_, QMarginsF(0, 0, 0, 0)));
    pages_ = 0;
}

QPainter& PdfDevice::startPage()
{
    if (pages_++ == 0) {
        if (!painter_.begin(writer_.get()))
            throw RenderError(QStringLiteral("%1: the PDF file could not be started").arg(fileName_).toStdString());
    } else {
        writer_->newPage();
    }
    return painter_;
}

void PdfDevice::end(bool deliver)
{
    if (painter_.isActive())
        painter_.end();
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
