// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/keyboard_focus.h"

#include "ui/application_filter.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QButtonGroup>
#include <QFocusEvent>
#include <QPointer>
#include <QRadioButton>

namespace ui {

namespace {

// The buttons that exclude one another with r.
QList<QAbstractButton*> groupOf(QRadioButton* r)
{
    if (r->group()) return r->group()->buttons();
    QList<QAbstractButton*> out;
    if (!r->autoExclusive() || !r->parentWidget()) return out;
    for (QRadioButton* b : r->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        if (b->autoExclusive() && !b->group()) out << b;
    return out;
}

bool takesTab(QWidget* w)
{
    return (w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled() && !w->focusProxy();
}

// The next (previous) control after view and everything inside it.
void focusBeside(QWidget* view, bool forward)
{
    QWidget* w = view;
    do w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
    while (w && w != view && (!takesTab(w) || w->window() != view->window() || view->isAncestorOf(w)));
    if (w && w != view) w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

// The grid, list or tree w belongs to (w itself or the editor of one of its cells).
QAbstractItemView* viewOf(QWidget* w)
{
    for (; w && !w->isWindow(); w = w->parentWidget())
        if (auto* v = qobject_cast<QAbstractItemView*>(w)) return v;
    return nullptr;
}

class FollowFocus : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (!o->isWidgetType()) return false;
        auto* w = static_cast<QWidget*>(o);
        if (e->type() == QEvent::Show && w->isWindow()) {
            w->setAttribute(Qt::WA_KeyboardFocusChange);  // draw the focus from the start
        } else if (e->type() == QEvent::KeyPress) {
            // Ctrl+Tab leaves a grid, list or tree (Tab may move between its cells)
            auto* k = static_cast<QKeyEvent*>(e);
            if ((k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) && (k->modifiers() & Qt::ControlModifier))
                if (QAbstractItemView* view = viewOf(w)) {
                    focusBeside(view, k->key() == Qt::Key_Tab && !(k->modifiers() & Qt::ShiftModifier));
                    return true;
                }
        } else if (e->type() == QEvent::FocusOut) {
            left_ = w;
        } else if (e->type() == QEvent::FocusIn) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(e)->reason();
            if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
                if (auto* r = qobject_cast<QRadioButton*>(w); r && !r->isChecked()) enterGroup(r, reason);
        }
        return false;
    }

private:
    void enterGroup(QRadioButton* r, Qt::FocusReason reason)
    {
        const QList<QAbstractButton*> group = groupOf(r);
        QAbstractButton* checked = nullptr;
        // (the buttons of a group pass the Tab stop among themselves: the chosen one may not hold it)
        for (QAbstractButton* b : group)
            if (b->isChecked() && b->isVisible() && b->isEnabled()) checked = b;
        if (!checked) return;  // nothing chosen yet: each button is a stop
        if (!group.contains(left_.data())) {
            checked->setFocus(reason);  // coming in: at the chosen button
            return;
        }
        // going on from the chosen button: past the whole group
        QWidget* next = r;
        do next = reason == Qt::TabFocusReason ? next->nextInFocusChain() : next->previousInFocusChain();
        while (next != r && (group.contains(qobject_cast<QAbstractButton*>(next)) || !takesTab(next) || next->window() != r->window()));
        if (next != r) next->setFocus(reason);
    }

    QPointer<QWidget> left_;
};

}  // namespace

void followFocusInEveryWindow() { installApplicationFilterOnce<FollowFocus>(); }

}  // namespace ui
