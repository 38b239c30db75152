// SPDX-License-Identifier: GPL-2.0-or-later
// The status window of a report run: its lines, Cancel during the run, OK after it, failures.
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "reports/report_books.h"
#include "reports/windows/report_form.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

using testing_support::TempDir;

namespace {

struct Fixture {
    TempDir dir;
    dbase::Table table;
    reports::ReportDefinition report = reports::builtInReports()[0];
    reports::RunInput input;

    explicit Fixture(int books)
    {
        std::vector<testing_support::Book> list;
        for (int i = 0; i < books; ++i) list.push_back({{1, "Book " + std::to_string(i)}, {7, "1.00"}});
        testing_support::makeBookTable(dir.path(), list);
        table.open(dir.path(), "BOOKS.DBF", {false, true, {}});
        input.report = &report;
        input.table = &table;
        input.today = {1997, 3, 1};
    }
};

}  // namespace

TEST(ReportForm, RunsToTheEndThenOkCloses)
{
    Fixture f(120);
    render::StreamDevice device;
    TReportForm form(f.input, device);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Report Status Screen"));
    EXPECT_EQ(form.CancelButton->text(), QStringLiteral("Cancel"));
    form.show();
    form.startRun();
    EXPECT_FALSE(form.aborted());
    EXPECT_EQ(form.pages(), device.pageCount());
    EXPECT_GE(form.pages(), 3);
    EXPECT_EQ(form.StatusLabel->text(), QStringLiteral("\nReport Completed!\n"));
    EXPECT_EQ(form.CancelButton->text(), QStringLiteral("OK"));
    form.CancelButton->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST(ReportForm, CancelStopsTheRunAndFailuresAreShown)
{
    {
        Fixture f(600);
        render::StreamDevice device;
        TReportForm form(f.input, device);
        form.show();
        // the click waits in the event queue until the run lets events through, at the next page
        QTimer::singleShot(0, form.CancelButton, &QPushButton::click);
        form.startRun();
        EXPECT_TRUE(form.aborted());
        EXPECT_EQ(form.StatusLabel->text(), QStringLiteral("\nReport Canceled!\n"));
        EXPECT_TRUE(form.isVisible());  // until OK
    }
    {
        Fixture f(3);
        f.input.mode = reports::RunMode::TextFile;
        f.input.textFile = QString::fromStdString((f.dir / "no folder" / "R.TXT").string());
        render::StreamDevice device;
        TReportForm form(f.input, device);
        testing_support::ScriptedMessages messages;
        messages.expect();
        form.show();
        form.startRun();
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_EQ(messages.shown[0].caption, QStringLiteral("Error"));
        EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("R.TXT")));
        EXPECT_TRUE(form.aborted());
        EXPECT_EQ(form.StatusLabel->text(), QStringLiteral("\nReport Canceled!\n"));
    }
}
