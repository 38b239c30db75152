// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// "Report Fonts": the four fonts of a report, each changed through the font dialog at once.
#include <QDialog>

#include "reports/report_definition.h"

class QLineEdit;

class TReportFonts : public QDialog {
    Q_OBJECT
public:
    explicit TReportFonts(reports::ReportDefinition& report, QWidget* parent = nullptr);
    // "New Font" of block 0 titles, 1 column headers, 2 body, 3 footnotes.
    void NewFontClick(int block);

    QLineEdit* TitleFont = nullptr;
    QLineEdit* ColumnFont = nullptr;
    QLineEdit* BodyFont = nullptr;
    QLineEdit* FootnoteFont = nullptr;

private:
    reports::ReportFont& font(int block);
    QLineEdit* box(int block);
    reports::ReportDefinition& report_;
};

namespace reports {
// "Arial 8pt": the name, a blank, the size and "pt".
QString fontDescription(const ReportFont& font);
}
