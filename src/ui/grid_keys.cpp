// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/grid_keys.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QKeyEvent>

namespace ui {

namespace {

class GridKeys : public QObject {
public:
    GridKeys(QAbstractItemView* grid, std::function<void(int)> toggle) : QObject(grid), grid_(grid), toggle_(std::move(toggle))
    {
        grid->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        const int key = k->key();
        if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
        if (key == Qt::Key_Space) {
            if (grid_->currentIndex().isValid()) toggle_(grid_->currentIndex().row());
            return true;
        }
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    }

private:
    QAbstractItemView* grid_;
    std::function<void(int)> toggle_;
};

}  // namespace

void toggleOnSpace(QAbstractItemView* grid, std::function<void(int row)> toggle) { new GridKeys(grid, std::move(toggle)); }

}  // namespace ui
