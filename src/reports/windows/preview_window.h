// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The preview of a report's recorded pages: zoom, page turning, printing a page, the report or a
// range of pages on the run's printer.
#include <QDialog>
#include <QImage>
#include <functional>
#include <memory>

#include "render/page_device.h"

class QAction;
class QLabel;
class QLineEdit;
class QScrollArea;
class QToolButton;

namespace reports {
class PageView;
}

class TMyPreview : public QDialog {
    Q_OBJECT
public:
    // The device to print on, or nullptr when printing cannot go on (the maker has said why).
    using PrinterMaker = std::function<std::unique_ptr<render::PageDevice>()>;

    TMyPreview(const render::StreamDevice& pages, const QString& reportName, PrinterMaker printer,
               QWidget* parent = nullptr);

    int pageCount() const { return pages_.pageCount(); }
    int page() const { return page_; }  // 1-based
    double zoom() const { return zoom_; }
    bool useColor() const { return color_; }

    void setPage(int page);
    void setZoom(double percent);
    void ZoomIn();
    void ZoomOut();
    void ZoomPageWidth();
    void ZoomWholePage();
    void PrevPage() { setPage(page_ - 1); }
    void NextPage() { setPage(page_ + 1); }
    void ToggleColor();
    void PrintPage();
    void PrintReport();
    void PrintRange();
    void ZoomEditDone();
    void PageEditDone();
    // The page shown, as drawn at the current zoom (grey when colour is off).
    QImage pageImage() const;

    QLineEdit* ZoomEdit = nullptr;
    QLineEdit* PageEdit = nullptr;
    QLabel* PageLabel = nullptr;
    QScrollArea* PageScroll = nullptr;

    // Opens the page-range window; tests answer for the user.
    std::function<bool(int pageCount, int* first, int* last)> askRange;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    double fittingZoom(bool wholePage) const;
    void buildToolBar();
    void printPages(int first, int last);
    void showPage();

    const render::StreamDevice& pages_;
    PrinterMaker printer_;
    reports::PageView* view_ = nullptr;
    QAction* colorAction_ = nullptr;
    int page_ = 1;
    double zoom_ = 100;
    bool color_ = true, printing_ = false;
};
