// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/window_fit.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>
#include <cmath>

#include "ui/bevel.h"
#include "ui/messages.h"

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
            showError(window, QStringLiteral("Too many compenents to save dimensions."));
            break;
        }
        bool bevel = qobject_cast<TBevel*>(w) != nullptr;
        d.components.push_back({w, w->geometry(), bevel ? 0.0 : pointSize(w->font())});
    }
    return d;
}

void fitWindow(QWidget* window, const WindowDimensions* record, double factor, QSize screen)
{
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
    const QSize frame = window->frameGeometry().size().isValid() ? window->frameGeometry().size() : window->size();
    window->move((screen.width() - frame.width()) / 2, (screen.height() - frame.height()) / 2);
}

}  // namespace ui
