// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// "Ascii Delimited Text Import" / "DBase File Import" / "Comma Separated Values Import": pairs the
// source's fields with the book fields, shows what the import would do, and appends the books.
#include <QDialog>
#include <functional>

#include "transfer/import_records.h"
#include "transfer/windows/import_host.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QTableWidget;
class TImportPreview;

class TMyImport : public QDialog {
    Q_OBJECT
public:
    // text: the decoded text file, or empty for the dBASE table at path.
    TMyImport(transfer::ImportHost& host, bool ascii, const QString& path, const QString& text,
              const QStringList& labels, QWidget* parent = nullptr);
    // A comma-separated file: its columns paired by their headings.
    TMyImport(transfer::ImportHost& host, const transfer::ImportSource& source, QWidget* parent = nullptr);
    void UpButtonClick();
    void DownButtonClick();
    void toggleRow(int row);
    void StartButtonClick();
    void PreviewButtonClick();
    void HelpButtonClick();
    // Pairs book field row+1 with source column `source` (-1: none) and uses it; the column
    // leaves the row it was in.
    void chooseSource(int row, int source);
    // Source field k goes into book field pairing()[k] (0: none).
    transfer::Pairing pairing() const;
    // The comma-separated file's separator changed: its headings are read and paired anew.
    void setSeparator(QChar separator);

    // Shows the preview modally; tests drive it instead.
    std::function<int(TImportPreview&)> execPreview;

    QTableWidget* ImportGrid = nullptr;
    QCheckBox* SkipFirst = nullptr;
    QLabel* CountLabel = nullptr;
    QComboBox* SeparatorBox = nullptr;  // comma-separated files only

private:
    void build(const QStringList& labels);
    void fillGrid(const QStringList& labels, const transfer::Pairing& pairing);
    void pairCsvHeadings();
    void swapRows(int a, int b);
    // Reads the whole source without posting and shows what would happen; true when the user
    // chose "&Import" (skip: leave out the books already in the database).
    bool preview(bool& skip);
    void runImport(bool skipDuplicates);
    bool csv() const { return source_.kind == transfer::SourceKind::Csv; }
    transfer::ImportHost& host_;
    transfer::ImportSource source_;
    QStringList labels_;
    QStringList headings_;                // the comma-separated file's first line
    transfer::Pairing headingPairing_;   // what the headings gave, before any change by hand
    int sources_ = 0;
};
