// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// "Page Printing": the first and last page to print from a preview.
#include <QDialog>

class QLineEdit;

class TPrintRange : public QDialog {
    Q_OBJECT
public:
    TPrintRange(int pageCount, QWidget* parent = nullptr);
    // Checks the two pages; closes with the range confirmed, or says which page is wrong.
    void PrintButtonClick();
    int startPage() const { return start_; }
    int endPage() const { return end_; }

    QLineEdit* StartPage = nullptr;
    QLineEdit* EndPage = nullptr;

private:
    int pages_ = 0, start_ = 0, end_ = 0;
};
