// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// "Export": which fields go out and in which order, the whole table or the search result, as an
// ASCII delimited text file or a dBASE table.
#include <QDialog>

#include "reports/windows/report_host.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableWidget;

class TMyExport : public QDialog {
    Q_OBJECT
public:
    // The main window's table, search and settings: the same things a report needs of it.
    explicit TMyExport(reports::ReportHost& host, QWidget* parent = nullptr);

    void UpButtonClick();
    void DownButtonClick();
    void DefaultsButtonClick();
    void toggleRow(int row);
    void formatChosen();
    void StartExportButtonClick();
    void HelpButtonClick();
    // Reads the grid back into the export settings.
    void UpdateConfigs();

    QTableWidget* ExportGrid = nullptr;
    QPushButton* UpButton = nullptr;
    QPushButton* DownButton = nullptr;
    QCheckBox* FirstRow = nullptr;
    QRadioButton *ExportEntire = nullptr, *ExportSearch = nullptr;
    QRadioButton *AsciiFile = nullptr, *DBaseFile = nullptr, *CsvFile = nullptr;
    QProgressBar* MyGauge = nullptr;

protected:
    void done(int result) override;

private:
    void swapRows(int a, int b);
    void fillGrid();
    reports::ReportHost& host_;
};
