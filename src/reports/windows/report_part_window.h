// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// "Select Report Part": one cell of a report line: filler, label or field, and its width.
#include <QDialog>
#include <array>

#include "reports/report_definition.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

class TReportPart : public QDialog {
    Q_OBJECT
public:
    // line 1..12, or the totals line; item 1..20; charsPerLine the width the line is kept to.
    TReportPart(const reports::ReportLine& line, int lineNumber, int item, int charsPerLine,
                const std::array<QString, 36>& displayNames, QWidget* parent = nullptr);
    void OkButtonClick();
    void kindChosen();
    // The edited line, after "&Ok".
    const reports::ReportLine& line() const { return line_; }

    QLabel* SelPartLabel = nullptr;
    QRadioButton* FillerRadio = nullptr;
    QRadioButton* LabelRadio = nullptr;
    QRadioButton* FieldRadio = nullptr;
    QListWidget* FieldList = nullptr;
    QLineEdit* FieldWidth = nullptr;
    QLineEdit* LabelName = nullptr;

private:
    reports::ReportLine line_;
    int lineNumber_, item_, chars_;
    bool totals_;
};
