// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The record navigator bound to a table object: first, prior, next, last, insert, delete,
// edit, post, cancel, refresh.
#include <QWidget>
#include <array>

#include "store/dataset.h"

class QToolButton;

namespace ui {

class TNavigator : public QWidget {
    Q_OBJECT
public:
    enum Button { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh, kButtons };

    explicit TNavigator(QWidget* parent = nullptr);
    void setDataSource(store::Dataset* table);
    store::Dataset* dataSource() const { return table_; }
    // Which buttons show; in browse-only use only the first four.
    void setVisibleButtons(std::array<bool, kButtons> visible);
    QToolButton* button(Button b) const { return buttons_[b]; }
    void click(Button b);

signals:
    void clicked(ui::TNavigator::Button button);

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void updateEnabled();
    void layoutButtons();

    store::Dataset* table_ = nullptr;
    std::array<QToolButton*, kButtons> buttons_ {};
    std::array<bool, kButtons> visible_ {};
};

}  // namespace ui
