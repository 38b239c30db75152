// SPDX-License-Identifier: GPL-2.0-or-later
// The report windows keep what the user chose: margins that leave no room are refused, the font
// dialog opens on the item's font, the page-width zoom is steady, Ctrl+X leaves the preview from
// any box, the layout names the report being made, and the PDF choice stands apart from printers.
#include <QCheckBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QComboBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "render/page_device.h"
#include "reports/designer_driver.h"
#include "reports/fake_report_host.h"
#include "reports/report_printer.h"
#include "reports/report_run.h"
#include "reports/windows/preview_window.h"
#include "reports/windows/printer_select_window.h"
#include "reports/windows/report_fonts_window.h"
#include "reports/windows/report_layout_window.h"
#include "reports/windows/report_list_window.h"
#include "reports/windows/user_report_window.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_messages.h"

using testing_support::FakeHost;
using testing_support::onDesigner;

TEST(ReportChoices, MarginsThatLeaveNoRoomAreRefusedWhenTypedAndWhenRun)
{
    FakeHost host;
    TMyReport list(host);
    list.prepare();
    testing_support::ScriptedMessages messages;
    const reports::ReportFile file(QString::fromStdString((host.dir / "KAVBOOK.URP").string()));
    onDesigner(list, [&](TUserReport& d) {
        d.ReportName->setText(QStringLiteral("Wide Margins"));
        d.TopMargin->setText(QStringLiteral("25"));  // past what a report file holds
        messages.expect();
        d.UpdateButtonClick();
        d.TopMargin->setText(QStringLiteral("0.5"));
        d.LeftMargin->setText(QStringLiteral("5"));
        d.RightMargin->setText(QStringLiteral("5"));
        messages.expect();
        d.UpdateButtonClick();
        d.LeftMargin->setText(QStringLiteral("0.5"));
        d.RightMargin->setText(QStringLiteral("0.5"));
        d.BottomMargin->setText(QStringLiteral("9.8"));
        messages.expect();
        d.UpdateButtonClick();
        // turned sideways the page has room for margins it had none for upright
        d.BottomMargin->setText(QStringLiteral("0.5"));
        d.LeftMargin->setText(QStringLiteral("4.5"));
        d.RightMargin->setText(QStringLiteral("4.2"));
        d.LandOrient->setChecked(true);
        d.UpdateButtonClick();
    });
    list.NewButtonClick();
    ASSERT_EQ(messages.shown.size(), 3);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Invalid margin entered.  Please correct."));
    messages.shown.removeFirst();
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("The left and right margins leave no room for a character across "
                                                     "the page.  Make the left or right margin smaller."));
    EXPECT_EQ(messages.shown[1].text,
              QStringLiteral("The bottom margin leaves no room for a line on the page.  Make the bottom margin smaller."));
    EXPECT_EQ(file.count(), 9);  // only the landscape one saved
    EXPECT_EQ(file.read(8)->leftMargin, 4.5);

    // a report file that holds such margins is refused when it runs, never reported completed
    reports::ReportDefinition r = reports::builtInReports()[0];
    EXPECT_EQ(reports::marginFault(r, {8.5, 11}), reports::MarginFault::None);
    r.leftMargin = r.rightMargin = 4.2;
    EXPECT_EQ(reports::marginFault(r, {8.5, 11}), reports::MarginFault::Across);
    EXPECT_EQ(reports::marginFault(r, {11, 8.5}), reports::MarginFault::None);  // landscape has the room
    reports::RunInput in;
    in.report = &r;
    in.table = &host.table;
    render::ReportEngine engine;
    render::StreamDevice device;
    try {
        reports::runReport(in, engine, device);
        FAIL() << "a report without room across the page was run";
    } catch (const reports::ReportRunError& e) {
        EXPECT_STREQ(e.what(), "The margins and fonts of this report leave no room for a line on the page.  "
                               "Make the margins or the fonts smaller.");
    }
}

TEST(ReportChoices, TheFontDialogOpensOnTheItemsFontAndOkKeepsIt)
{
    reports::ReportDefinition r = reports::builtInReports()[3];
    r.titleFont.name = QStringLiteral("Arial");
    r.titleFont.size = 14;
    r.titleFont.bold = r.titleFont.italic = true;
    r.titleFont.color = 255;
    TReportFonts window(r);
    testing_support::ScriptedDialogs dialogs;
    dialogs.unchangedFonts = 1;
    dialogs.colors.push_back(QColor(255, 0, 0));
    window.NewFontClick(0);
    ASSERT_EQ(dialogs.fontPresets.size(), 1);
    const QFont preset = dialogs.fontPresets[0];
    // a family the dialog can find in its list: the stored one, or the one the system draws it with
    EXPECT_TRUE(QFontDatabase::families().contains(preset.family())) << preset.family().toStdString();
    EXPECT_EQ(preset.pointSize(), 14);
    EXPECT_TRUE(preset.bold());
    EXPECT_TRUE(preset.italic());
    // OK without a change keeps the font exactly as stored
    EXPECT_EQ(r.titleFont.name, QStringLiteral("Arial"));
    EXPECT_EQ(r.titleFont.size, 14);
    EXPECT_TRUE(r.titleFont.bold);
    EXPECT_TRUE(r.titleFont.italic);
    EXPECT_FALSE(r.titleFont.underline);

    // another family chosen is taken as chosen
    QFont other(QStringLiteral("Liberation Serif"));
    other.setPointSize(9);
    dialogs.fonts.push_back(other);
    window.NewFontClick(2);
    EXPECT_EQ(r.bodyFont.name, QStringLiteral("Liberation Serif"));
    EXPECT_EQ(r.bodyFont.size, 9);
    EXPECT_FALSE(r.bodyFont.bold);
}

TEST(ReportChoices, TheLayoutOfANewReportNamesItAsTypedSoFar)
{
    FakeHost host;
    TMyReport list(host);
    list.prepare();
    QString header;
    onDesigner(list, [&](TUserReport& d) {
        d.ReportName->setText(QStringLiteral("Shelf by Shelf"));
        d.execModal = [&](QDialog& w) {
            if (auto* layout = qobject_cast<TRepLayout*>(&w)) header = layout->HeaderLabel->text();
            return int(QDialog::Rejected);
        };
        d.SpecifyButtonClick();
    });
    list.NewButtonClick();
    EXPECT_EQ(header, QStringLiteral("Report: Shelf by Shelf"));
}

TEST(ReportChoices, PageWidthZoomIsSteadyAndCtrlXLeavesFromEveryBox)
{
    FakeHost host;
    reports::RunInput in;
    const reports::ReportDefinition r = reports::builtInReports()[3];
    in.report = &r;
    in.table = &host.table;
    render::ReportEngine engine;
    render::StreamDevice pages;
    reports::runReport(in, engine, pages);
    for (QLineEdit* TMyPreview::*box : {&TMyPreview::PageEdit, &TMyPreview::ZoomEdit}) {
        TMyPreview preview(pages, r.name, nullptr);
        preview.resize(700, 520);
        preview.show();
        QApplication::processEvents();
        preview.ZoomPageWidth();
        QApplication::processEvents();
        const double first = preview.zoom();
        preview.ZoomPageWidth();
        QApplication::processEvents();
        EXPECT_DOUBLE_EQ(preview.zoom(), first);
        EXPECT_FALSE(preview.PageScroll->horizontalScrollBar()->isVisible());
        preview.ZoomWholePage();
        QApplication::processEvents();
        // the whole page in the window: as high as the room, no scroll bar needed
        EXPECT_LE(preview.pageImage().height(), preview.PageScroll->height());
        EXPECT_LT(preview.zoom(), first);
        preview.ZoomPageWidth();
        QApplication::processEvents();
        EXPECT_DOUBLE_EQ(preview.zoom(), first);

        (preview.*box)->setFocus();
        QTest::keyClick(preview.*box, Qt::Key_X, Qt::ControlModifier);
        EXPECT_FALSE(preview.isVisible());
        EXPECT_EQ(preview.result(), QDialog::Accepted);
    }
}

TEST(ReportChoices, ThePdfChoiceStandsApartFromThePrintersPositions)
{
    using reports::PrinterChoice;
    const QStringList two {QStringLiteral("Laser"), QStringLiteral("Ink")}, one {QStringLiteral("Laser")};
    // the PDF file stays chosen however many printers come and go
    for (const QStringList& installed : {two, one, QStringList()})
        EXPECT_EQ(reports::choosePrinter({false, 2, {}, true}, installed).kind, PrinterChoice::PdfFile);
    // a printer removed since it was chosen: the default printer, never the PDF file or another one
    auto c = reports::choosePrinter({false, 1, QStringLiteral("Ink"), false}, one);
    EXPECT_EQ(c.kind, PrinterChoice::Printer);
    EXPECT_EQ(c.index, -1);
    c = reports::choosePrinter({false, 1, {}, false}, one);  // the position past the list
    EXPECT_EQ(c.kind, PrinterChoice::Printer);
    EXPECT_EQ(c.index, -1);
    // a printer that moved keeps being found by its name
    c = reports::choosePrinter({false, 0, QStringLiteral("Ink"), false}, {QStringLiteral("Ink")});
    EXPECT_EQ(c.index, 0);
    c = reports::choosePrinter({false, 1, QStringLiteral("Ink"), false}, {QStringLiteral("Ink"), QStringLiteral("Laser")});
    EXPECT_EQ(c.index, 0);
    EXPECT_EQ(reports::choosePrinter({true, 0, QStringLiteral("Laser"), true}, one).index, -1);

    // the selection window shows the PDF choice apart from the printers (kept by the report list:
    // see PrinterSetupKeepsTheChoiceInTheDatabasesSettings)
    TPrintSelect select;
    select.load(false, 0, true, two);
    EXPECT_EQ(select.PrinterList->currentText(), QStringLiteral("PDF file"));
    select.PrinterList->setCurrentIndex(1);
    select.OkButtonClick();
    EXPECT_FALSE(select.pdfFile());
    EXPECT_EQ(select.printerIndex(), 1);
}
