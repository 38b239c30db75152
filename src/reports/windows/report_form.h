// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// "Report Status Screen": runs one report, shows the page being printed, and lets the user
// cancel. When the run ends its button closes the window.
#include <QDialog>

#include "reports/report_run.h"

class QLabel;
class QPushButton;

class TReportForm : public QDialog {
    Q_OBJECT
public:
    // The run prints input's report on device when the window is first shown.
    TReportForm(const reports::RunInput& input, render::PageDevice& device, QWidget* parent = nullptr);

    // Runs the report (once); the window stays open with "Report Completed!" or "Report Canceled!".
    void startRun();
    // Cancel while the run goes on; OK afterwards.
    void CancelButtonClick();
    bool running() const { return running_; }
    bool aborted() const { return aborted_; }
    int pages() const { return pages_; }

    QLabel* StatusLabel = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void finish(const QString& outcome);

    reports::RunInput input_;
    render::PageDevice& device_;
    render::ReportEngine engine_;
    bool started_ = false, running_ = false, aborted_ = false;
    int pages_ = 0;
};
