// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The list maintenance box: add, delete and sort the values of one data list.
#include <QDialog>

class QLineEdit;
class QListWidget;

class TMyEditBox : public QDialog {
    Q_OBJECT
public:
    TMyEditBox(const QString& title, int longest, const QStringList& items, QWidget* parent = nullptr);
    QStringList items() const;
    QListWidget* TheList = nullptr;
    QLineEdit* AddInfo = nullptr;

    void AddButtonClick();
    void DeleteButtonClick();
    void SortButtonClick();
};
