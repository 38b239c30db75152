// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// "Report Definition": a report's name, width, fonts, titles, options, margins and number of
// lines; its layout through "&Specify Report Content"; saving it new or over the old record, or
// deleting it.
#include <QDialog>
#include <array>
#include <functional>

#include "reports/report_definition.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

class TUserReport : public QDialog {
    Q_OBJECT
public:
    // newMode: the buffer holds a new report; otherwise record recordNumber of the report file.
    TUserReport(reports::ReportDefinition& buffer, bool newMode, int recordNumber,
                const std::array<QString, 36>& displayNames, QString reportFile, double factor,
                QWidget* parent = nullptr);

    void ReportNameExit();
    void NumLinesExit();
    void Level1GroupClick();
    void CharsClick(int chars);
    void SetFontsClick();
    void SpecifyButtonClick();
    void UpdateButtonClick();
    void DeleteButtonClick();
    void HelpButtonClick();

    bool newMode() const { return newMode_; }
    // After "&Update" or "&Delete": the file changed, and the record to select in the list (-1 none).
    bool fileChanged() const { return changed_; }
    int selectAfter() const { return select_; }
    // Gives a window of the designer the look of the report windows (fonts, colours).
    std::function<void(QWidget*)> dress = [](QWidget*) {};
    // Shows a window modally; tests answer for the user.
    std::function<int(QDialog&)> execModal = [](QDialog& d) { return d.exec(); };

    QLineEdit* ReportName = nullptr;
    QRadioButton *Chars90 = nullptr, *Chars120 = nullptr, *Chars150 = nullptr;
    QLineEdit *TitleLineFont = nullptr, *ColumnHeaderFont = nullptr, *RepBodyDataFont = nullptr, *FootnoteFont = nullptr;
    QLineEdit *Title1 = nullptr, *Title2 = nullptr, *Title3 = nullptr;
    QCheckBox *Level1Group = nullptr, *Level2Group = nullptr, *ColumnHeaders = nullptr, *HorzLines = nullptr,
              *VertLines = nullptr, *DateOnPage = nullptr, *PageNumbers = nullptr, *LandOrient = nullptr,
              *UseTotals = nullptr;
    QLineEdit *TopMargin = nullptr, *BottomMargin = nullptr, *LeftMargin = nullptr, *RightMargin = nullptr;
    QLineEdit* NumLines = nullptr;

private:
    void buildControls();
    void fill();
    void showFonts();
    void enableLineOptions();
    int chosenChars() const;
    bool checkLines();
    bool readMargins();

    reports::ReportDefinition& buffer_;
    bool newMode_;
    int record_;
    std::array<QString, 36> names_;
    QString file_, openingName_;
    double factor_;
    bool changed_ = false;
    int select_ = -1;
    QWidget* DeleteButton_ = nullptr;
};
