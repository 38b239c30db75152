// SPDX-License-Identifier: GPL-2.0-or-later
#include "reports/windows/preview_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "reports/windows/page_view.h"
#include "reports/windows/print_range_window.h"
#include "ui/seams/messages.h"

namespace {
constexpr double kZoomSteps[] = {10, 20, 25, 33.3, 50, 75, 100, 125, 150, 200, 300, 400};
constexpr double kMinZoom = 5, kMaxZoom = 800;
}  // namespace

TMyPreview::TMyPreview(const render::StreamDevice& pages, const QString& reportName, PrinterMaker printer,
                       QWidget* parent)
    : QDialog(parent), pages_(pages), printer_(std::move(printer))
{
    setObjectName(QStringLiteral("MyPreview"));
    setWindowTitle(reportName);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildMenus();
    buildToolBar();
    PageScroll = new QScrollArea(this);
    PageScroll->setObjectName(QStringLiteral("PageScroll"));
    PageScroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    PageScroll->setBackgroundRole(QPalette::Dark);
    // the page takes the keys that scroll it: its frame shows when it has them
    PageScroll->setStyleSheet(QStringLiteral("#PageScroll { border: 2px solid palette(dark); }"
                                             "#PageScroll:focus { border: 2px solid palette(highlight); }"));
    view_ = new reports::PageView(pages_, PageScroll);
    PageScroll->setWidget(view_);
    layout->addWidget(PageScroll, 1);
    askRange = [this](int count, int* first, int* last) {
        TPrintRange range(count, this);
        if (range.exec() != QDialog::Accepted) return false;
        *first = range.startPage();
        *last = range.endPage();
        return true;
    };
    resize(640, 480);
    setPage(1);
    setZoom(100);
}

void TMyPreview::buildMenus()
{
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    const auto C = [](int key) { return QKeySequence(Qt::CTRL | Qt::Key(key)); };
    auto add = [this](QMenu* menu, const char* caption, const QKeySequence& key, auto slot) {
        QAction* a = menu->addAction(tr(caption));
        a->setShortcut(key);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QMenu* file = bar->addMenu(tr("&File"));
    add(file, QT_TR_NOOP("&Print Page"), C(Qt::Key_P), &TMyPreview::PrintPage);
    add(file, QT_TR_NOOP("Print &Report"), C(Qt::Key_R), &TMyPreview::PrintReport);
    add(file, QT_TR_NOOP("Print Ran&ge"), C(Qt::Key_G), &TMyPreview::PrintRange);
    add(file, QT_TR_NOOP("E&xit"), C(Qt::Key_X), &QDialog::accept);
    QMenu* navigate = bar->addMenu(tr("&Navigate"));
    add(navigate, QT_TR_NOOP("&Previous Page"), C(Qt::Key_E), &TMyPreview::PrevPage);
    add(navigate, QT_TR_NOOP("&Next Page"), C(Qt::Key_N), &TMyPreview::NextPage);
    add(navigate, QT_TR_NOOP("&First Page"), C(Qt::Key_F), [this] { setPage(1); });
    add(navigate, QT_TR_NOOP("&Last Page"), C(Qt::Key_L), [this] { setPage(pageCount()); });
    QMenu* view = bar->addMenu(tr("&View"));
    colorAction_ = add(view, QT_TR_NOOP("Use Color"), C(Qt::Key_C), &TMyPreview::ToggleColor);
    colorAction_->setCheckable(true);
    colorAction_->setChecked(color_);
    QMenu* in = view->addMenu(tr("Zoom &In"));
    add(in, QT_TR_NOOP("&1 : 1"), {}, [this] { setZoom(100); });
    add(in, QT_TR_NOOP("&2 : 1"), {}, [this] { setZoom(200); });
    QMenu* out = view->addMenu(tr("Zoom &Out"));
    add(out, QT_TR_NOOP("1 : &1"), {}, [this] { setZoom(100); });
    add(out, QT_TR_NOOP("1 : &2"), {}, [this] { setZoom(50); });
    add(out, QT_TR_NOOP("1 : &3"), {}, [this] { setZoom(33.3); });
    add(out, QT_TR_NOOP("1 : &4"), {}, [this] { setZoom(25); });
    add(out, QT_TR_NOOP("1 : &5"), {}, [this] { setZoom(20); });
    add(view, QT_TR_NOOP("Zoom &Page Width"), C(Qt::Key_Z), &TMyPreview::ZoomPageWidth);
    add(view, QT_TR_NOOP("Zoom &Whole Page"), C(Qt::Key_W), &TMyPreview::ZoomWholePage);
    // Ctrl+I and Ctrl+O (the keys of the two zoom submenus) zoom by one step, as the tool bar's buttons do
    auto* zoomIn = new QAction(this);
    zoomIn->setShortcut(C(Qt::Key_I));
    connect(zoomIn, &QAction::triggered, this, &TMyPreview::ZoomIn);
    addAction(zoomIn);
    auto* zoomOut = new QAction(this);
    zoomOut->setShortcut(C(Qt::Key_O));
    connect(zoomOut, &QAction::triggered, this, &TMyPreview::ZoomOut);
    addAction(zoomOut);
}

void TMyPreview::buildToolBar()
{
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("PreviewBar"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    auto button = [&](const char* name, const QString& text, QStyle::StandardPixmap icon, const char* hint, auto slot) {
        auto* b = new QToolButton(bar);
        b->setObjectName(QString::fromLatin1(name));
        if (icon != QStyle::SP_CustomBase) b->setIcon(style()->standardIcon(icon));
        else b->setText(text);
        b->setToolTip(tr(hint));
        b->setFixedSize(28, 26);
        connect(b, &QToolButton::clicked, this, slot);
        row->addWidget(b);
    };
    button("ZoomInSpeed", QStringLiteral("+"), QStyle::SP_CustomBase, QT_TR_NOOP("Zoom In"), &TMyPreview::ZoomIn);
    button("ZoomOutSpeed", QStringLiteral("\u2212"), QStyle::SP_CustomBase, QT_TR_NOOP("Zoom Out"), &TMyPreview::ZoomOut);
    button("PageWidthSpeed", QStringLiteral("\u2194"), QStyle::SP_CustomBase, QT_TR_NOOP("Zoom Page Width"), &TMyPreview::ZoomPageWidth);
    button("WholePageSpeed", QString(), QStyle::SP_FileIcon, QT_TR_NOOP("Zoom Whole Page"), &TMyPreview::ZoomWholePage);
    button("PrevSpeed", QString(), QStyle::SP_ArrowLeft, QT_TR_NOOP("Prev Page"), &TMyPreview::PrevPage);
    button("NextSpeed", QString(), QStyle::SP_ArrowRight, QT_TR_NOOP("Next Page"), &TMyPreview::NextPage);
    button("PrintSpeed", QString(), QStyle::SP_DialogSaveButton, QT_TR_NOOP("Print Page"), &TMyPreview::PrintPage);
    button("DoneSpeed", QString(), QStyle::SP_DialogOkButton, QT_TR_NOOP("Done"), &QDialog::accept);
    row->addSpacing(12);
    auto* zoomLabel = new QLabel(tr("Zoom %"), bar);
    row->addWidget(zoomLabel);
    ZoomEdit = new QLineEdit(bar);
    ZoomEdit->setObjectName(QStringLiteral("ZoomEdit"));
    ZoomEdit->setMaxLength(10);
    ZoomEdit->setFixedWidth(60);
    zoomLabel->setBuddy(ZoomEdit);
    row->addWidget(ZoomEdit);
    auto* pageLabel = new QLabel(tr("Page #"), bar);
    row->addWidget(pageLabel);
    PageEdit = new QLineEdit(bar);
    PageEdit->setObjectName(QStringLiteral("PageEdit"));
    PageEdit->setFixedWidth(48);
    pageLabel->setBuddy(PageEdit);
    row->addWidget(PageEdit);
    PageLabel = new QLabel(tr("Page 1 of 1"), bar);
    PageLabel->setObjectName(QStringLiteral("PageLabel"));
    row->addWidget(PageLabel);
    row->addStretch(1);
    connect(ZoomEdit, &QLineEdit::editingFinished, this, &TMyPreview::ZoomEditDone);
    ZoomEdit->installEventFilter(this);
    PageEdit->installEventFilter(this);
    connect(PageEdit, &QLineEdit::editingFinished, this, &TMyPreview::PageEditDone);
    layout()->addWidget(bar);
}

void TMyPreview::showPage()
{
    if (pageCount() > 0) view_->show(page_, zoom_, color_);
    ZoomEdit->setText(QString::number(zoom_, 'f', 1).left(10));
    PageEdit->setText(QString::number(page_));
    PageLabel->setText(tr("Page %1 of %2").arg(page_).arg(pageCount()));
}

void TMyPreview::setPage(int page)
{
    page_ = std::clamp(page, 1, std::max(1, pageCount()));
    showPage();
}

void TMyPreview::setZoom(double percent)
{
    zoom_ = std::clamp(percent, kMinZoom, kMaxZoom);
    showPage();
}

void TMyPreview::ZoomIn()
{
    for (double step : kZoomSteps)
        if (step > zoom_ + 0.05) return setZoom(step);
    setZoom(kMaxZoom);
}

void TMyPreview::ZoomOut()
{
    for (auto it = std::rbegin(kZoomSteps); it != std::rend(kZoomSteps); ++it)
        if (*it < zoom_ - 0.05) return setZoom(*it);
    setZoom(kMinZoom);
}

// The zoom at which the page fits the scroll area's width (or all of it), worked out from the
// area's whole size, not from the room its scroll bars happen to leave now: a page as wide as the
// area is taller than it, so room is kept for the vertical scroll bar that will show, and none
// for a horizontal one. The same zoom comes out however often it is asked for.
double TMyPreview::fittingZoom(bool wholePage) const
{
    constexpr double kAround = 2 * 12 + 8;  // the grey round the page and its shadow
    const double frame = 2 * PageScroll->frameWidth();
    const double bar = PageScroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, PageScroll);
    const QSizeF page = view_->pageSize();
    const double width = PageScroll->width() - frame - kAround, height = PageScroll->height() - frame - kAround;
    double z = width / page.width();
    if (wholePage) z = std::min(z, height / page.height());
    else if (page.height() * z > height) z = (width - bar) / page.width();
    return z * 100;
}

void TMyPreview::ZoomPageWidth() { setZoom(fittingZoom(false)); }

void TMyPreview::ZoomWholePage() { setZoom(fittingZoom(true)); }

// Ctrl+X leaves the preview from its "Page #" and "Zoom %" boxes too, where a line edit would
// take it for Cut.
bool TMyPreview::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == PageEdit || watched == ZoomEdit) &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_X && key->modifiers() == Qt::ControlModifier) {
            if (event->type() == QEvent::ShortcutOverride) {
                event->accept();  // delivered as a key press, below
                return true;
            }
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TMyPreview::ToggleColor()
{
    color_ = !color_;
    colorAction_->setChecked(color_);
    showPage();
}

void TMyPreview::ZoomEditDone()
{
    bool ok = false;
    const double z = ZoomEdit->text().trimmed().toDouble(&ok);
    if (ok && z != zoom_) setZoom(z);
    else ZoomEdit->setText(QString::number(zoom_, 'f', 1).left(10));
}

void TMyPreview::PageEditDone()
{
    bool ok = false;
    const int p = PageEdit->text().trimmed().toInt(&ok);
    if (ok && p != page_) setPage(p);
    else PageEdit->setText(QString::number(page_));
}

QImage TMyPreview::pageImage() const { return view_->image(); }

void TMyPreview::PrintPage() { printPages(page_, page_); }

void TMyPreview::PrintReport() { printPages(1, pageCount()); }

void TMyPreview::PrintRange()
{
    int first = 0, last = 0;
    if (askRange(pageCount(), &first, &last)) printPages(first, last);
}

void TMyPreview::printPages(int first, int last)
{
    if (printing_) {
        ui::showNotice(this, tr("Error"),
                       tr("Previous print job has not yet finished.  Try again later."), ui::MsgIcon::None);
        return;
    }
    printing_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done {printing_};
    std::unique_ptr<render::PageDevice> device = printer_ ? printer_() : nullptr;
    if (!device) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        pages_.printPages(*device, first, last);
    } catch (const std::exception& e) {
        QApplication::restoreOverrideCursor();
        ui::showError(this, QString::fromLocal8Bit(e.what()));
        return;
    }
    QApplication::restoreOverrideCursor();
}
