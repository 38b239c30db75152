// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// "Reports": the list of report layouts, what to print, and the runs: view, print, print to a
// text file; the printer set-up.
#include <QDialog>
#include <functional>
#include <memory>

#include "reports/report_definition.h"
#include "reports/report_run.h"
#include "reports/windows/report_host.h"
#include "ui/window_fit.h"

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class TPrintSelect;

class TMyReport : public QDialog {
    Q_OBJECT
public:
    explicit TMyReport(reports::ReportHost& host, QWidget* parent = nullptr);
    ~TMyReport() override;

    // Reads the names from the report file again (after the designer or a restore changed it).
    void loadNames();
    // What happens each time the window is shown: the what-to-print choice, the selection, the
    // sort order label.
    void prepare();

    void ViewButtonClick() { runReport(reports::RunMode::View); }
    void PrintButtonClick() { runReport(reports::RunMode::Print); }
    void FileButtonClick();
    void PrinterSetupClick();
    void HelpButtonClick();
    void ModifyButtonClick();
    void NewButtonClick();

    // The window as designed, for fitting it at each showing.
    ui::WindowDimensions designed;

    // The report buffer: the layout last read for a run.
    const reports::ReportDefinition& buffer() const { return buffer_; }
    // Shows a window modally; tests drive the windows instead.
    std::function<int(QDialog&)> execModal = [](QDialog& d) { return d.exec(); };
    // The date printed on the pages (today's, unless a test says otherwise).
    std::function<dbase::Date()> today;

    QListWidget* ReportBox = nullptr;
    QLabel* SortOrderLabel = nullptr;
    QRadioButton* ExportEntire = nullptr;
    QRadioButton* ExportSearch = nullptr;
    QPushButton* ViewButton = nullptr;
    QPushButton* PrintButton = nullptr;
    QPushButton* FileButton = nullptr;
    QPushButton* HelpButton = nullptr;
    QPushButton* ExitButton = nullptr;
    QPushButton* ModifyButton = nullptr;
    QPushButton* NewButton = nullptr;

protected:
    void done(int result) override;

private:
    void buildControls();
    void buildMenu();
    void runReport(reports::RunMode mode, const QString& textFile = {});
    bool readSelected();
    std::unique_ptr<render::PageDevice> printerDevice();
    void openDesigner(bool newMode, int record);

    reports::ReportHost& host_;
    reports::ReportDefinition buffer_;
    TPrintSelect* printSelect_ = nullptr;
    ui::WindowDimensions printSelectDesigned_;
};
