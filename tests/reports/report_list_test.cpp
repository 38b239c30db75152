// SPDX-License-Identifier: GPL-2.0-or-later
// The report list, the printer choice, the page range and the preview, driven as a user drives
// them, over a small table and the built-in report file.
#include <QFile>
#include <QFileInfo>
#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QComboBox>
#include <gtest/gtest.h>

#include "render/printer_device.h"
#include "reports/fake_report_host.h"
#include "reports/report_books.h"
#include "reports/report_file.h"
#include "reports/windows/preview_window.h"
#include "reports/windows/print_range_window.h"
#include "reports/windows/printer_select_window.h"
#include "reports/windows/report_form.h"
#include "reports/windows/report_list_window.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

using testing_support::FakeHost;
using testing_support::TempDir;

namespace {

// Runs the status window to its end and records the preview instead of waiting on the user.
struct Driver {
    int previews = 0, previewPages = 0;
    QString previewLabel;
    void attach(TMyReport& window)
    {
        window.execModal = [this](QDialog& d) {
            if (auto* form = qobject_cast<TReportForm*>(&d)) form->startRun();
            if (auto* preview = qobject_cast<TMyPreview*>(&d)) {
                ++previews;
                previewPages = preview->pageCount();
                previewLabel = preview->PageLabel->text();
            }
            return int(QDialog::Accepted);
        };
        window.today = [] { return dbase::Date {1997, 3, 1}; };
    }
};

QString fileText(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}

}  // namespace

TEST(ReportList, ShowingChoosesWhatToPrintAndTheRememberedReport)
{
    FakeHost host;
    TMyReport window(host);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Reports"));
    EXPECT_EQ(window.ReportBox->count(), 8);
    EXPECT_EQ(window.ReportBox->item(3)->text(), QStringLiteral("Full Report"));
    host.settings.lastReport = 3;
    host.settings.sortOrder = {2, 0, 5, 0};
    host.settings.fieldNames[1] = QStringLiteral("Writer");
    window.prepare();
    EXPECT_TRUE(window.ExportEntire->isChecked());
    EXPECT_FALSE(window.ExportSearch->isEnabled());
    EXPECT_EQ(window.ReportBox->currentRow(), 3);
    EXPECT_EQ(window.SortOrderLabel->text(), QStringLiteral("Writer, Category"));
    window.ReportBox->setCurrentRow(5);
    window.accept();
    EXPECT_EQ(host.settings.lastReport, 5);

    host.startSearch();
    host.settings.lastReport = 42;  // beyond the list: nothing selected
    host.settings.sortOrder = {};
    window.prepare();
    EXPECT_TRUE(window.ExportSearch->isEnabled());
    EXPECT_TRUE(window.ExportSearch->isChecked());
    EXPECT_EQ(window.ReportBox->currentRow(), -1);
    EXPECT_EQ(window.SortOrderLabel->text(), QStringLiteral("No Sort Order Selected"));
    testing_support::ScriptedMessages messages;
    messages.expect();
    window.ViewButtonClick();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("No Report has been selected.  Please choose one."));
    EXPECT_EQ(messages.shown[0].icon, ui::MsgIcon::Warning);
    EXPECT_TRUE(messages.shown[0].beep);
}

TEST(ReportList, PrintsTheSearchResultOrEveryBookAndTheSearchStays)
{
    FakeHost host;
    host.startSearch();
    TMyReport window(host);
    Driver driver;
    driver.attach(window);
    testing_support::ScriptedDialogs dialogs;
    window.prepare();
    window.ReportBox->setCurrentRow(0);

    const QString found = QString::fromStdString((host.dir / "FOUND.TXT").string());
    dialogs.fileNames.push_back(found);
    window.FileButtonClick();
    EXPECT_EQ(dialogs.captions.last(), QStringLiteral("Save Report As a Text File"));
    EXPECT_EQ(fileText(found).count(QStringLiteral("Book ")), 10);
    EXPECT_EQ(host.suspended, 0);

    window.ExportEntire->setChecked(true);
    const QString all = QString::fromStdString((host.dir / "all").string());  // typed without extension
    dialogs.fileNames.push_back(all);
    window.FileButtonClick();
    EXPECT_EQ(fileText(all + QStringLiteral(".TXT")).count(QStringLiteral("Book ")), 30);
    EXPECT_EQ(host.suspended, 1);
    EXPECT_EQ(host.resumed, 1);
    EXPECT_TRUE(host.searchActive());
    EXPECT_EQ(host.table.recordCount(), 10u);

    // a run that fails brings the search back too
    testing_support::ScriptedMessages messages;
    messages.expect();
    dialogs.fileNames.push_back(QString::fromStdString((host.dir / "no such folder" / "X.TXT").string()));
    window.FileButtonClick();
    EXPECT_EQ(host.resumed, 2);
    EXPECT_EQ(host.table.recordCount(), 10u);

    // viewing: the preview opens on page 1
    window.ViewButtonClick();
    EXPECT_EQ(driver.previews, 1);
    EXPECT_GE(driver.previewPages, 1);
    EXPECT_EQ(driver.previewLabel, QStringLiteral("Page 1 of %1").arg(driver.previewPages));
}

TEST(ReportList, ATableThatCanOnlyBeReadIsPrintedInTheSortOrderDespiteAStaleTag)
{
    FakeHost host;
    host.table.close();
    {
        dbase::Table t;  // the tag of an older sort order, by title
        t.open(host.dir.path(), "BOOKS.DBF", {true, false, {}});
        t.addTag("NewIndex", "UPPER(LEFT(TITLE,80))");
    }
    host.table.open(host.dir.path(), "BOOKS.DBF", {false, true, "NewIndex"});
    host.settings.sortOrder = {2, 0, 0, 0};  // by author: "Found" and "Other"
    TMyReport window(host);
    Driver driver;
    driver.attach(window);
    testing_support::ScriptedDialogs dialogs;
    window.prepare();
    window.ReportBox->setCurrentRow(6);  // Value Report: grouped, with totals
    const QString out = QString::fromStdString((host.dir / "VALUE.TXT").string());
    dialogs.fileNames.push_back(out);
    window.FileButtonClick();
    const QString text = fileText(out);
    EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("^ +Found\r$"), QRegularExpression::MultilineOption)), 1);
    EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("^ +Other\r$"), QRegularExpression::MultilineOption)), 1);
    // ten books at 1.00 by "Found", then twenty by "Other"
    EXPECT_TRUE(text.contains(QStringLiteral("     Cost: 10.00 ")));
    EXPECT_TRUE(text.contains(QStringLiteral("     Cost: 20.00 ")));
    EXPECT_TRUE(text.contains(QStringLiteral("     Cost: 30.00 ")));
    EXPECT_EQ(host.table.recordAt(0), 1u);  // the table keeps its own order
}

TEST(ReportList, RefusesWhatWouldDoHarm)
{
    FakeHost host;
    TMyReport window(host);
    Driver driver;
    driver.attach(window);
    testing_support::ScriptedDialogs dialogs;
    testing_support::ScriptedMessages messages;
    window.prepare();

    // the open table is no place for a report
    window.ReportBox->setCurrentRow(0);
    messages.expect();
    dialogs.fileNames.push_back(QString::fromStdString((host.dir / "books.dbf").string()));
    window.FileButtonClick();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("is in use by the program and cannot be written over")));
    EXPECT_GT(QFileInfo(QString::fromStdString((host.dir / "BOOKS.DBF").string())).size(), 1000);

    // a list grown stale: the file holds fewer reports than the list shows
    reports::ReportFile file(QString::fromStdString((host.dir / "KAVBOOK.URP").string()));
    for (int i = 0; i < 6; ++i) file.remove(2);
    window.ReportBox->setCurrentRow(6);
    messages.expect();
    window.ViewButtonClick();
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[1].text, QStringLiteral("Report format could not be located."));
    EXPECT_EQ(driver.previews, 0);
    window.loadNames();
    EXPECT_EQ(window.ReportBox->count(), 2);
}

TEST(ReportList, PrintsIntoAPdfFileWhenThatIsThePrinterChosen)
{
    FakeHost host;
    const QStringList printers = render::installedPrinters();
    host.settings.defaultPrinter = false;
    host.settings.pdfFile = true;
    TMyReport window(host);
    Driver driver;
    driver.attach(window);
    testing_support::ScriptedDialogs dialogs;
    window.prepare();
    window.ReportBox->setCurrentRow(6);
    const QString pdf = QString::fromStdString((host.dir / "value").string());
    dialogs.fileNames.push_back(pdf);
    window.PrintButtonClick();
    std::string info;
    ASSERT_EQ(testing_support::run("pdfinfo '" + pdf.toStdString() + ".PDF'", &info), 0);
    EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;

    if (!printers.isEmpty()) return;
    // with no printer installed the default printer cannot print
    host.settings.defaultPrinter = true;
    testing_support::ScriptedMessages messages;
    messages.expect();
    window.PrintButtonClick();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("No printers are defined, aborting print job."));
}

TEST(ReportList, PrinterSetupKeepsTheChoiceInTheDatabasesSettings)
{
    FakeHost host;
    TMyReport window(host);
    host.settings.printerIndex = 2;
    host.settings.printerName = QStringLiteral("Laser");
    window.execModal = [](QDialog& d) {
        auto* select = qobject_cast<TPrintSelect*>(&d);
        EXPECT_TRUE(select);
        if (!select) return 0;
        EXPECT_TRUE(select->DefaultPrinter->isChecked());  // the stored choice
        select->OtherPrinter->setChecked(true);
        select->PrinterList->setCurrentIndex(select->PrinterList->count() - 1);  // "PDF file"
        select->OkButtonClick();
        return int(QDialog::Accepted);
    };
    window.PrinterSetupClick();
    EXPECT_FALSE(host.settings.defaultPrinter);
    EXPECT_TRUE(host.settings.pdfFile);
    // the printer chosen before is remembered for when PDF file is given up
    EXPECT_EQ(host.settings.printerIndex, 2);
    EXPECT_EQ(host.settings.printerName, QStringLiteral("Laser"));
    // cancelled: nothing changes
    window.execModal = [](QDialog&) { return int(QDialog::Rejected); };
    host.settings.pdfFile = false;
    window.PrinterSetupClick();
    EXPECT_FALSE(host.settings.pdfFile);
}

TEST(ReportList, PrinterSelectionAndPageRange)
{
    TPrintSelect select;
    EXPECT_EQ(select.windowTitle(), QStringLiteral("Printer Selection"));
    select.load(false, 7, false, {QStringLiteral("Laser"), QStringLiteral("Ink")});
    EXPECT_EQ(select.PrinterList->count(), 3);
    EXPECT_EQ(select.PrinterList->itemText(2), QStringLiteral("PDF file"));
    EXPECT_EQ(select.PrinterList->currentIndex(), -1);  // a stored index beyond the list
    EXPECT_TRUE(select.OtherPrinter->isChecked());
    select.PrinterList->setCurrentIndex(1);
    select.DefaultPrinter->setChecked(true);
    select.OkButtonClick();
    EXPECT_TRUE(select.defaultPrinter());
    EXPECT_EQ(select.printerIndex(), 1);

    EXPECT_EQ(TPrintRange(2945).EndPage->text(), QStringLiteral("2945"));  // as many digits as the last page

    testing_support::ScriptedMessages messages;
    TPrintRange range(12);
    EXPECT_EQ(range.windowTitle(), QStringLiteral("Page Printing"));
    EXPECT_EQ(range.EndPage->text(), QStringLiteral("12"));
    range.show();
    range.StartPage->setText(QStringLiteral(" 5 "));
    range.EndPage->setText(QStringLiteral("4"));
    messages.expect();
    range.PrintButtonClick();
    range.StartPage->setText(QStringLiteral("13"));
    messages.expect();
    range.PrintButtonClick();
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Invalid Ending Page specified.  Please correct."));
    EXPECT_EQ(messages.shown[1].text, QStringLiteral("Invalid Starting Page specified. Please correct."));
    EXPECT_EQ(messages.shown[1].icon, ui::MsgIcon::None);
    EXPECT_TRUE(range.isVisible());
    range.StartPage->setText(QStringLiteral("3"));
    range.EndPage->setText(QStringLiteral("12"));
    range.PrintButtonClick();
    EXPECT_EQ(range.startPage(), 3);
    EXPECT_EQ(range.endPage(), 12);
    EXPECT_FALSE(range.isVisible());
}

TEST(ReportPreview, TurnsPagesZoomsAndPrintsARange)
{
    FakeHost host;
    reports::ReportDefinition report = reports::builtInReports()[3];  // Full Report: a few pages
    reports::RunInput input;
    input.report = &report;
    input.table = &host.table;
    render::ReportEngine engine;
    render::StreamDevice stream;
    reports::runReport(input, engine, stream);
    ASSERT_GE(stream.pageCount(), 3);

    const QString pdf = QString::fromStdString((host.dir / "range.pdf").string());
    TMyPreview preview(stream, report.name, [&] { return std::make_unique<render::PdfDevice>(pdf); });
    preview.resize(700, 500);
    preview.show();
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("Full Report"));
    EXPECT_EQ(preview.ZoomEdit->text(), QStringLiteral("100.0"));
    EXPECT_EQ(preview.PageLabel->text(), QStringLiteral("Page 1 of %1").arg(preview.pageCount()));
    preview.NextPage();
    preview.NextPage();
    EXPECT_EQ(preview.PageEdit->text(), QStringLiteral("3"));
    preview.PageEdit->setText(QStringLiteral("99"));
    preview.PageEditDone();
    EXPECT_EQ(preview.page(), preview.pageCount());
    preview.ZoomOut();
    EXPECT_EQ(preview.ZoomEdit->text(), QStringLiteral("75.0"));
    preview.ZoomIn();
    preview.ZoomIn();
    EXPECT_EQ(preview.zoom(), 125);
    preview.ZoomEdit->setText(QStringLiteral("33.3"));
    preview.ZoomEditDone();
    EXPECT_DOUBLE_EQ(preview.zoom(), 33.3);
    preview.ZoomPageWidth();
    QApplication::processEvents();
    // the page fills the width left beside the vertical scroll bar that its height brings
    EXPECT_TRUE(preview.PageScroll->verticalScrollBar()->isVisible());
    EXPECT_NEAR(preview.pageImage().width(), preview.PageScroll->viewport()->width() - 32, 2);

    const QImage colour = preview.pageImage();
    preview.ToggleColor();
    EXPECT_FALSE(preview.useColor());
    EXPECT_TRUE(preview.pageImage().allGray());

    preview.askRange = [](int count, int* first, int* last) {
        *first = 2;
        *last = count;
        return true;
    };
    preview.PrintRange();
    std::string info;
    ASSERT_EQ(testing_support::run("pdfinfo '" + pdf.toStdString() + "'", &info), 0);
    EXPECT_NE(info.find("Pages:           " + std::to_string(preview.pageCount() - 1) + "\n"), std::string::npos) << info;
}
