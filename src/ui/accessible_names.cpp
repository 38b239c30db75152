// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/accessible_names.h"

#include "ui/application_filter.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QTextDocument>
#include <climits>

namespace ui {

namespace {

// "&Title:" as it is read: without the access-key mark, the tags of rich text or the colon.
QString readText(QString text)
{
    if (Qt::mightBeRichText(text)) {
        QTextDocument d;
        d.setHtml(text);
        text = d.toPlainText();
    }
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;  // "&&" keeps one
        out += text[i];
    }
    out = out.simplified();
    if (out.endsWith(':')) out.chop(1);
    return out;
}

bool reachable(QWidget* w)
{
    return w->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton*>(w);
}

// The label a user reads for w: to its left on the same line (nearest first), else just above it
// with their columns overlapping.
QLabel* labelBeside(QWidget* window, QWidget* w)
{
    const QRect r(w->mapTo(window, QPoint(0, 0)), w->size());
    QLabel* best = nullptr;
    int bestDistance = INT_MAX;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->isHidden() || readText(label->text()).isEmpty() || label->window() != window) continue;
        const QRect l(label->mapTo(window, QPoint(0, 0)), label->size());
        int distance = INT_MAX;
        const bool sameLine = l.top() < r.bottom() && l.bottom() > r.top();
        if (sameLine && l.right() <= r.left() + 4 && r.left() - l.right() < 160) distance = r.left() - l.right();
        const bool sameColumn = l.left() < r.right() && l.right() > r.left();
        if (sameColumn && l.bottom() <= r.top() + 4 && r.top() - l.bottom() < 32) distance = 1000 + r.top() - l.bottom();
        if (distance < bestDistance) {
            bestDistance = distance;
            best = label;
        }
    }
    return best;
}

QString nameFor(QWidget* window, QWidget* w)
{
    // the edit inside a combo box or spin box is read as its owner
    if (QWidget* p = w->parentWidget(); p && (qobject_cast<QComboBox*>(p) || qobject_cast<QAbstractSpinBox*>(p)))
        return spokenName(p);
    if (QString hint = readText(w->toolTip()); !hint.isEmpty()) return hint;
    if (QLabel* label = labelBeside(window, w)) return readText(label->text());
    for (QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
        if (auto* box = qobject_cast<QGroupBox*>(p); box && !readText(box->title()).isEmpty()) return readText(box->title());
    // a grid, list, page or text with nothing beside it is the window's own content
    if (qobject_cast<QAbstractScrollArea*>(w) || qobject_cast<QTabWidget*>(w)) return readText(window->windowTitle());
    return {};
}

class NameOnShow : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Show && o->isWidgetType() && static_cast<QWidget*>(o)->isWindow())
            nameControls(static_cast<QWidget*>(o));
        return false;
    }
};

}  // namespace

QString spokenName(QWidget* w)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name).trimmed() : QString();
}

void nameControls(QWidget* window)
{
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !reachable(w) || !spokenName(w).isEmpty()) continue;
        if (const QString name = nameFor(window, w); !name.isEmpty()) w->setAccessibleName(name);
    }
}

void nameControlsOfEveryWindow() { installApplicationFilterOnce<NameOnShow>(); }

}  // namespace ui
