// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The search and replace window.
#include <QDialog>
#include <array>
#include <functional>

#include "find/search_replace.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

class TSearchAndReplace : public QDialog {
    Q_OBJECT
public:
    // run: does the work for a checked request; false when the window is to stay open
    TSearchAndReplace(const std::array<QString, 36>& displayNames, double factor,
                      std::function<bool(const find::ReplaceRequest&)> run, QWidget* parent = nullptr);

    void FieldBoxChange();
    void StartButtonClick();
    void showCounts(const find::ReplaceCounts& c);

    QComboBox* FieldBox = nullptr;
    QLineEdit* SearchText = nullptr;
    QLineEdit* ReplaceText = nullptr;
    QCheckBox* ConfirmBox = nullptr;
    std::array<QLabel*, 3> Counts {};

private:
    QString editText(QLineEdit* e) const;
    bool fail(const QString& message, QWidget* focus);

    double factor_;
    std::function<bool(const find::ReplaceRequest&)> run_;
};
