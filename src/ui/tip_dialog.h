// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The Tip of the Day.
#include <QDialog>
#include <vector>

class QCheckBox;
class QLabel;

namespace ui {

class TTipDialog : public QDialog {
    Q_OBJECT
public:
    // order: the numbers of the tips to show, the first one first (never empty)
    TTipDialog(bool showAtStartup, std::vector<int> order, QWidget* parent = nullptr);
    bool showAtStartup() const;
    int tip() const { return order_[std::size_t(shown_)]; }  // the number of the tip showing
    QString tipText() const;
    void NextTipClick();

private:
    QLabel* text_;
    QCheckBox* showTips_;
    std::vector<int> order_;
    int shown_ = 0;
};

}  // namespace ui
