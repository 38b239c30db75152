// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The Tip of the Day.
#include <QDialog>

class QCheckBox;
class QLabel;

namespace ui {

class TTipDialog : public QDialog {
    Q_OBJECT
public:
    TTipDialog(bool showAtStartup, int firstTip, QWidget* parent = nullptr);
    bool showAtStartup() const;
    int tip() const { return tip_; }
    QString tipText() const;
    void NextTipClick();

private:
    QLabel* text_;
    QCheckBox* showTips_;
    int tip_ = 0;
};

}  // namespace ui
