// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/window_fit.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMargins>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "ui/bevel.h"
#include "ui/seams/messages.h"

namespace ui {

namespace {
QSize pretendScreen;

// The kinds of control whose dimensions are recorded: buttons, labels, lists, grids, check
// boxes, edit boxes, radio buttons and groups, panels, combo boxes and notebooks.
bool recorded(QWidget* w)
{
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w) || qobject_cast<QAbstractItemView*>(w) ||
           qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QGroupBox*>(w) ||
           qobject_cast<QTabWidget*>(w) || w->inherits("QFrame");
}

// The controls of a window in creation order, inner parts of compound controls left out.
void controls(QWidget* parent, std::vector<QWidget*>& out)
{
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow()) continue;
        out.push_back(w);
        // the insides of item views, combo boxes and line edits are theirs to lay out
        if (qobject_cast<QAbstractItemView*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w)) continue;
        controls(w, out);
    }
}

double pointSize(const QFont& f) { return f.pointSizeF() > 0 ? f.pointSizeF() : f.pixelSize() * 0.75; }
}  // namespace

QSize screenSize()
{
    if (pretendScreen.isValid()) return pretendScreen;
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().size() : QSize(1024, 768);
}

void setScreenSizeForTests(QSize size) { pretendScreen = size; }

WindowDimensions recordWindowDimensions(QWidget* window)
{
    WindowDimensions d;
    d.client = window->size();
    d.fontSize = pointSize(window->font());
    std::vector<QWidget*> all;
    controls(window, all);
    for (QWidget* w : all) {
        if (!recorded(w)) continue;
        if (int(d.components.size()) == kMaxRecordedComponents) {
            showError(window, QCoreApplication::translate("WindowFit", "Too many compenents to save dimensions."));
            break;
        }
        bool bevel = qobject_cast<TBevel*>(w) != nullptr;
        d.components.push_back({w, w->geometry(), bevel ? 0.0 : pointSize(w->font())});
    }
    return d;
}

void makeFixedDialog(QWidget* dialog)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
}

QMargins frameMargins(const QWidget* window)
{
    auto margins = [](const QWidget* w) {
        const QRect frame = w->frameGeometry(), client = w->geometry();
        return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                        frame.bottom() - client.bottom());
    };
    if (window->isVisible() || window->testAttribute(Qt::WA_WState_Created)) {
        const QMargins own = margins(window);
        if (!own.isNull()) return own;
    }
    // not framed yet: the window manager frames it as it frames the program's other windows
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != window && w->isVisible() && !margins(w).isNull()) return margins(w);
    return {};
}

QPoint centredFramePosition(QSize client, QMargins frame, QSize screen)
{
    const QSize outer = client.grownBy(frame);
    return {std::max((screen.width() - outer.width()) / 2, 0), std::max((screen.height() - outer.height()) / 2, 0)};
}

QPoint keptOnScreen(QPoint frame, QSize client, QSize screen)
{
    const int x = std::clamp(frame.x(), 0, std::max(screen.width() - client.width(), 0));
    const int y = std::clamp(frame.y(), 0, std::max(screen.height() - client.height(), 0));
    return {x, y};
}

QPoint fitWindow(QWidget* window, const WindowDimensions* record, double factor, QSize screen)
{
    // a fixed-size dialog is resized here only
    const bool fixed = window->windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint);
    if (fixed) {
        window->setMinimumSize(0, 0);
        window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    if (record) {
        window->resize(record->client);
        QFont wf = window->font();
        wf.setPointSizeF(record->fontSize);
        window->setFont(wf);
        for (const auto& c : record->components) {
            if (!c.widget) continue;
            c.widget->setGeometry(c.geometry);
            if (c.fontSize > 0) {
                QFont f = c.widget->font();
                f.setPointSizeF(c.fontSize);
                c.widget->setFont(f);
            }
        }
    }
    const double ratio = std::round(factor * 100) / 100;
    if (ratio != 1.0) {
        std::vector<QWidget*> all;
        controls(window, all);
        window->resize(int(std::lround(window->width() * ratio)), int(std::lround(window->height() * ratio)));
        for (QWidget* w : all) {
            QRect g = w->geometry();
            w->setGeometry(int(std::lround(g.x() * ratio)), int(std::lround(g.y() * ratio)),
                           int(std::lround(g.width() * ratio)), int(std::lround(g.height() * ratio)));
            if (!qobject_cast<TBevel*>(w) && w->testAttribute(Qt::WA_SetFont)) {
                QFont f = w->font();
                f.setPointSizeF(pointSize(f) * ratio);
                w->setFont(f);
            }
        }
        QFont f = window->font();
        f.setPointSizeF(pointSize(f) * ratio);
        window->setFont(f);
    }
    if (fixed) window->setFixedSize(window->size());
    // centred by its frame, the same at every showing; move() places the frame
    const QPoint frame = centredFramePosition(window->size(), frameMargins(window), screen);
    window->move(frame);
    return frame;
}

}  // namespace ui
