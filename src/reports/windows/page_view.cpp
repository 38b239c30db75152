// SPDX-License-Identifier: GPL-2.0-or-later
#include "reports/windows/page_view.h"

#include <QPainter>

namespace reports {

namespace {
constexpr int kGap = 12;  // grey around the paper, pixels
}

PageView::PageView(const render::StreamDevice& pages, QWidget* parent) : QWidget(parent), pages_(pages)
{
    setObjectName(QStringLiteral("PageView"));
}

QSizeF PageView::pageSize() const
{
    const QSizeF inches = pages_.pageSizeInches();
    return {inches.width() * 96, inches.height() * 96};
}

void PageView::show(int page, double zoom, bool color)
{
    if (page == page_ && zoom == zoom_ && color == color_ && !image_.isNull()) return;
    page_ = page;
    zoom_ = zoom;
    color_ = color;
    const QSizeF size = pageSize() * (zoom / 100);
    image_ = QImage(qMax(1, qRound(size.width())), qMax(1, qRound(size.height())), QImage::Format_RGB32);
    image_.fill(Qt::white);
    // the page's fonts, sized in points, grow with the zoom as its positions do
    const int dotsPerMeter = qRound(96 * zoom / 100 / 0.0254);
    image_.setDotsPerMeterX(dotsPerMeter);
    image_.setDotsPerMeterY(dotsPerMeter);
    {
        QPainter p(&image_);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        pages_.drawPage(p, page - 1, 96 * zoom / 100);
    }
    if (!color) image_ = image_.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
    setFixedSize(image_.width() + 2 * kGap, image_.height() + 2 * kGap);
    update();
}

void PageView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(128, 128, 128));
    p.fillRect(QRect(kGap + 4, kGap + 4, image_.width(), image_.height()), QColor(64, 64, 64));  // shadow
    p.drawImage(kGap, kGap, image_);
}

}  // namespace reports
