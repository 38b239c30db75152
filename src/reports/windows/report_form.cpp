// SPDX-License-Identifier: GPL-2.0-or-later
#include "reports/windows/report_form.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "dbase/error.h"
#include "ui/seams/messages.h"
#include "ui/window_fit.h"

TReportForm::TReportForm(const reports::RunInput& input, render::PageDevice& device, QWidget* parent)
    : QDialog(parent), input_(input), device_(device)
{
    setObjectName(QStringLiteral("ReportForm"));
    setWindowTitle(tr("Report Status Screen"));
    auto* layout = new QVBoxLayout(this);
    StatusLabel = new QLabel(QStringLiteral("\n\n"), this);
    StatusLabel->setObjectName(QStringLiteral("StatusLabel"));
    StatusLabel->setAlignment(Qt::AlignCenter);
    StatusLabel->setMinimumWidth(260);
    layout->addWidget(StatusLabel);
    CancelButton = new QPushButton(tr("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setDefault(true);
    layout->addWidget(CancelButton, 0, Qt::AlignHCenter);
    connect(CancelButton, &QPushButton::clicked, this, &TReportForm::CancelButtonClick);
    ui::makeFixedDialog(this);
    resize(300, 140);
    engine_.setStatusFormat(tr("Printing Page %p"));
    engine_.setStatusListener([this](const QString& status) {
        StatusLabel->setText(status + QStringLiteral("\n\n"));
        // each new page shows its number and lets Cancel through
        if (running_) QApplication::processEvents();
    });
}

void TReportForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!started_) QTimer::singleShot(0, this, &TReportForm::startRun);
}

void TReportForm::startRun()
{
    if (started_) return;
    started_ = running_ = true;
    input_.idle = [] { QApplication::processEvents(); };
    QApplication::setOverrideCursor(Qt::BusyCursor);
    QString failure;
    try {
        const reports::RunResult result = reports::runReport(input_, engine_, device_);
        aborted_ = !result.completed;
        pages_ = result.pages;
    } catch (const std::exception& e) {
        aborted_ = true;
        pages_ = engine_.pageNumber();
        failure = QString::fromLocal8Bit(e.what());
    }
    QApplication::restoreOverrideCursor();
    running_ = false;
    finish(aborted_ ? tr("Report Canceled!") : tr("Report Completed!"));
    if (!failure.isEmpty()) ui::showError(this, failure);
}

void TReportForm::finish(const QString& outcome)
{
    StatusLabel->setText(QStringLiteral("\n") + outcome + QStringLiteral("\n"));
    CancelButton->setText(tr("OK"));
    CancelButton->setFocus();
}

void TReportForm::CancelButtonClick()
{
    if (running_) {
        engine_.abort();
        return;
    }
    accept();
}

void TReportForm::reject()
{
    // Esc cancels the run; after it, closes the window
    if (running_) {
        engine_.abort();
        return;
    }
    QDialog::reject();
}
