// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The sorting order window: up to four fields, from the primary to the fourth level.
#include <QDialog>
#include <array>
#include <functional>

class QComboBox;

class TMySortOrder : public QDialog {
    Q_OBJECT
public:
    // What "&Ok" asks of the main window: true when the new order is in force (the window
    // closes), false when it said why not (the window stays).
    using Apply = std::function<bool(const std::array<int, 4>&)>;

    TMySortOrder(const std::array<QString, 36>& displayNames, const std::array<int, 4>& levels, Apply apply,
                 QWidget* parent = nullptr);
    std::array<int, 4> levels() const;
    void OkClick();

    std::array<QComboBox*, 4> ComboBox {};

private:
    Apply apply_;
};
