// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// "Ascii Delimited Text Import" / "DBase File Import": pairs the source's fields with the book
// fields and appends the books.
#include <QDialog>

#include "transfer/import_host.h"
#include "transfer/import_records.h"

class QCheckBox;
class QLabel;
class QTableWidget;

class TMyImport : public QDialog {
    Q_OBJECT
public:
    // text: the decoded text file, or empty for the dBASE table at path.
    TMyImport(transfer::ImportHost& host, bool ascii, const QString& path, const QString& text,
              const QStringList& labels, QWidget* parent = nullptr);
    void UpButtonClick();
    void DownButtonClick();
    void toggleRow(int row);
    void StartButtonClick();
    void HelpButtonClick();
    // Source field k goes into book field pairing()[k] (0: none).
    transfer::Pairing pairing() const;

    QTableWidget* ImportGrid = nullptr;
    QCheckBox* SkipFirst = nullptr;
    QLabel* CountLabel = nullptr;

private:
    void swapRows(int a, int b);
    transfer::ImportHost& host_;
    bool ascii_;
    QString path_, text_;
    int sources_ = 0;
};
