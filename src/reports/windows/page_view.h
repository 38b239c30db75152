// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// One recorded page drawn at a zoom, in colour or grey, kept as an image until it changes.
#include <QImage>
#include <QWidget>

#include "render/page_device.h"

namespace reports {

class PageView : public QWidget {
    Q_OBJECT
public:
    PageView(const render::StreamDevice& pages, QWidget* parent = nullptr);
    void show(int page, double zoom, bool color);  // page 1-based, zoom in percent
    const QImage& image() const { return image_; }
    // The page's size in pixels at 100 % (the screen's 96 dots per inch).
    QSizeF pageSize() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const render::StreamDevice& pages_;
    QImage image_;
    int page_ = 0;
    double zoom_ = 0;
    bool color_ = true;
};

}  // namespace reports
