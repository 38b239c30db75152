// SPDX-License-Identifier: GPL-2.0-or-later
// The report designer from the report list: new, modified, renamed and deleted reports, the
// checks of its boxes, changing the width, and the layout's cells.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "reports/designer_driver.h"
#include "reports/designer_rules.h"
#include "reports/fake_report_host.h"
#include "reports/windows/report_layout_window.h"
#include "reports/windows/report_list_window.h"
#include "reports/windows/report_part_window.h"
#include "reports/windows/user_report_window.h"
#include "support/scripted_messages.h"

using testing_support::FakeHost;
using testing_support::onDesigner;

namespace {

QString reportFile(const FakeHost& host) { return QString::fromStdString((host.dir / "KAVBOOK.URP").string()); }


}  // namespace

TEST(ReportDesigner, NewRenamedAndDeletedReports)
{
    FakeHost host;
    TMyReport list(host);
    list.prepare();
    testing_support::ScriptedMessages messages;

    // a new report saved as it is: appended last and selected
    onDesigner(list, [](TUserReport& d) {
        EXPECT_FALSE(d.findChild<QWidget*>(QStringLiteral("DeleteButton"))->isEnabled());
        EXPECT_TRUE(d.Chars90->isChecked());
        d.ReportName->setText(QStringLiteral("Shelf List"));
        d.UpdateButtonClick();
    });
    list.NewButtonClick();
    ASSERT_EQ(list.ReportBox->count(), 9);
    EXPECT_EQ(list.ReportBox->currentRow(), 8);
    auto stored = reports::ReportFile(reportFile(host)).read(8);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->name, QStringLiteral("Shelf List"));
    EXPECT_EQ(stored->headerFont.name, QStringLiteral("Courier New"));
    EXPECT_EQ(stored->body[0].items[0].width, 150);  // the new report's defaults, as they are

    // renamed, No: written over the old record
    list.ReportBox->setCurrentRow(1);
    onDesigner(list, [](TUserReport& d) {
        d.ReportName->setText(QStringLiteral("Two Lines"));
        d.ReportNameExit();
        EXPECT_FALSE(d.findChild<QWidget*>(QStringLiteral("DeleteButton"))->isEnabled());
        d.UpdateButtonClick();
    });
    messages.expect(ui::No);
    list.ModifyButtonClick();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("Report Title has changed!")));
    EXPECT_EQ(list.ReportBox->count(), 9);
    EXPECT_EQ(list.ReportBox->item(1)->text(), QStringLiteral("Two Lines"));
    EXPECT_EQ(list.ReportBox->currentRow(), 1);

    // renamed, Yes: the old one stays and the copy comes last
    onDesigner(list, [](TUserReport& d) {
        d.ReportName->setText(QStringLiteral("Two Lines Again"));
        d.UpdateButtonClick();
    });
    messages.expect(ui::Yes);
    list.ModifyButtonClick();
    ASSERT_EQ(list.ReportBox->count(), 10);
    EXPECT_EQ(list.ReportBox->item(1)->text(), QStringLiteral("Two Lines"));
    EXPECT_EQ(list.ReportBox->item(9)->text(), QStringLiteral("Two Lines Again"));
    EXPECT_EQ(list.ReportBox->currentRow(), 9);

    // deleted after Yes
    list.ReportBox->setCurrentRow(0);
    onDesigner(list, [](TUserReport& d) { d.DeleteButtonClick(); });
    messages.expect(ui::Yes);
    list.ModifyButtonClick();
    EXPECT_EQ(messages.shown.last().text, QStringLiteral("Are you sure you want to delete this report?"));
    EXPECT_EQ(list.ReportBox->count(), 9);
    EXPECT_EQ(list.ReportBox->item(0)->text(), QStringLiteral("Two Lines"));

    // a report file that cannot be read: the designer does not open
    QFile::remove(reportFile(host));
    list.ReportBox->setCurrentRow(0);
    bool opened = false;
    onDesigner(list, [&](TUserReport&) { opened = true; });
    messages.expect();
    list.ModifyButtonClick();
    EXPECT_FALSE(opened);
    EXPECT_EQ(messages.shown.last().text, QStringLiteral("Report format could not be located."));
}

TEST(ReportDesigner, BoxesAreCheckedAndTheWidthChangeAsks)
{
    reports::ReportDefinition r = reports::builtInReports()[2];  // 4 lines, 120 characters
    r.body[0] = {};
    r.body[0].items[0].width = 60;
    r.body[0].items[1].width = 40;
    r.body[0].items[2].width = 20;
    std::array<QString, 36> names;
    testing_support::ScriptedMessages messages;
    TUserReport d(r, false, 2, names, QStringLiteral("/nowhere/KAVBOOK.URP"), 1.0);
    EXPECT_FALSE(d.ColumnHeaders->isEnabled());  // four lines
    EXPECT_TRUE(d.Chars120->isChecked());
    EXPECT_EQ(d.TopMargin->text(), QStringLiteral("0.50"));

    d.NumLines->setText(QStringLiteral("13"));
    messages.expect();
    d.UpdateButtonClick();
    EXPECT_EQ(messages.shown.last().text, QStringLiteral("Number of lines must be in range of 0 to 12.  Please correct."));
    EXPECT_EQ(messages.shown.last().caption, QStringLiteral("Notice"));
    d.NumLines->setText(QStringLiteral(" 1 "));
    d.NumLinesExit();
    EXPECT_EQ(d.NumLines->text(), QStringLiteral("1"));
    EXPECT_TRUE(d.ColumnHeaders->isEnabled());

    // to 90: asked first; No puts the choice back
    d.Chars90->setChecked(true);
    messages.expect(ui::No);
    d.CharsClick(90);
    EXPECT_TRUE(d.Chars120->isChecked());
    EXPECT_EQ(r.body[0].items[2].width, 20);
    d.Chars90->setChecked(true);
    messages.expect(ui::Yes);
    d.CharsClick(90);
    EXPECT_EQ(messages.shown.last().defaultButton, ui::No);
    EXPECT_EQ(r.charsPerLine, 90);
    EXPECT_EQ(r.body[0].items[1].width, 30);
    EXPECT_EQ(r.body[0].items[2].width, 0);
    EXPECT_EQ(d.RepBodyDataFont->text(), QStringLiteral("Arial 10pt"));
    d.Chars150->setChecked(true);
    messages.expect();
    d.CharsClick(150);
    EXPECT_EQ(messages.shown.last().caption, QStringLiteral("Notice"));
    EXPECT_EQ(d.RepBodyDataFont->text(), QStringLiteral("Arial 6pt"));

    // a margin that is no number is refused, not stored as anything
    d.TopMargin->setText(QStringLiteral("abc"));
    messages.expect();
    d.UpdateButtonClick();
    EXPECT_EQ(messages.shown.last().text, QStringLiteral("Invalid margin entered.  Please correct."));
    EXPECT_DOUBLE_EQ(r.topMargin, 0.5);

    d.Level1Group->setChecked(false);
    d.Level1GroupClick();
    EXPECT_FALSE(d.Level2Group->isEnabled());
}

TEST(ReportDesigner, TheItemWindowAndTheLayoutsCells)
{
    std::array<QString, 36> names;
    for (int i = 0; i < 36; ++i) names[std::size_t(i)] = QStringLiteral("Name %1").arg(i + 1);
    reports::ReportDefinition r = reports::builtInReports()[4];  // Location Report: Title 60, Location 30
    testing_support::ScriptedMessages messages;
    {
        TReportPart part(r.body[0], 1, 2, 90, names);
        EXPECT_EQ(part.SelPartLabel->text(), QStringLiteral("Line 1, Item 2"));
        EXPECT_TRUE(part.FieldRadio->isChecked());
        EXPECT_EQ(part.FieldList->currentRow(), 24);  // Location
        EXPECT_FALSE(part.LabelName->isEnabled());
        part.FieldWidth->setText(QStringLiteral("-5"));
        messages.expect();
        part.OkButtonClick();
        EXPECT_EQ(messages.shown.last().text, QStringLiteral("Invalid width entered.  Please correct."));
        EXPECT_TRUE(messages.shown.last().beep);
        part.LabelRadio->setChecked(true);
        EXPECT_TRUE(part.LabelName->isEnabled());
        EXPECT_FALSE(part.FieldList->isEnabled());
        part.LabelName->setText(QStringLiteral("  Shelf:  "));
        part.FieldWidth->setText(QStringLiteral("10"));
        part.OkButtonClick();
        const reports::ReportLine& line = part.line();
        EXPECT_EQ(line.items[1].name, QStringLiteral("<LABEL>"));
        EXPECT_EQ(line.items[1].label, QStringLiteral("Shelf:"));
        EXPECT_EQ(line.items[1].width, 10);
        EXPECT_EQ(line.items[2].width, 20);  // the line still ends at 90
        EXPECT_EQ(line.usedItems(), 3);
    }
    {
        TReportPart totals(r.totals, reports::kTotalsLine, 3, 90, names);
        EXPECT_EQ(totals.SelPartLabel->text(), QStringLiteral("Totals Line, Item 3"));
        EXPECT_EQ(totals.FieldList->count(), 5);
        EXPECT_EQ(totals.FieldList->currentRow(), 0);  // Cost
        totals.FieldList->setCurrentRow(4);
        totals.FieldWidth->setText(QStringLiteral("0"));
        totals.OkButtonClick();
        EXPECT_EQ(totals.line().items[2].name, QStringLiteral("Quantity"));
        EXPECT_EQ(totals.line().items[2].fieldNumber, 5);
        EXPECT_EQ(totals.line().usedItems(), 3);
    }

    // a click on the second cell of line 1 opens it; Ok of the layout hands the line back
    TRepLayout layout(r, 90, true, names, 1.0);
    EXPECT_EQ(layout.HeaderLabel->text(), QStringLiteral("Report: Location Report"));
    layout.show();
    int opened = 0;
    layout.execModal = [&](QDialog& d) {
        auto* part = qobject_cast<TReportPart*>(&d);
        EXPECT_TRUE(part);
        if (!part) return 0;
        ++opened;
        EXPECT_EQ(part->SelPartLabel->text(), QStringLiteral("Line 1, Item 2"));
        part->FillerRadio->setChecked(true);
        part->OkButtonClick();
        return int(QDialog::Accepted);
    };
    QTest::mouseClick(&layout, Qt::LeftButton, {}, QPoint(600, 85));
    QTest::mouseClick(&layout, Qt::LeftButton, {}, QPoint(600, 200));  // no line there
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(layout.report().body[0].items[1].isFiller());
    EXPECT_TRUE(r.body[0].items[1].isField());  // the report itself waits for Ok
}

// The layout from the keyboard alone: Tab reaches the drawn items before Ok and Cancel, arrows
// choose an item, Return opens it.
TEST(ReportDesigner, TheLayoutsItemsAreChosenFromTheKeyboard)
{
    std::array<QString, 36> names;
    for (int i = 0; i < 36; ++i) names[std::size_t(i)] = QStringLiteral("Name %1").arg(i + 1);
    reports::ReportDefinition r = reports::builtInReports()[4];  // Location Report: Title 60, Location 30
    r.numberOfLines = 2;  // the second line still empty
    TRepLayout layout(r, 90, true, names, 1.0);
    layout.show();
    layout.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&layout));
    layout.LayoutArea->setFocus();
    QStringList focused;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        focused << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(focused, QStringList({"OkButton", "CancelButton", "LayoutArea"}));

    QStringList opened;
    layout.execModal = [&](QDialog& d) {
        if (auto* part = qobject_cast<TReportPart*>(&d)) opened << part->SelPartLabel->text();
        return int(QDialog::Rejected);
    };
    QWidget* area = layout.LayoutArea;
    EXPECT_EQ(layout.chosen(), (reports::LayoutCell {1, 1}));
    QTest::keyClick(area, Qt::Key_Right);
    QTest::keyClick(area, Qt::Key_Right);  // line 1 holds two items: stays on the second
    EXPECT_EQ(layout.chosen(), (reports::LayoutCell {1, 2}));
    EXPECT_EQ(area->accessibleName(), QStringLiteral("Report Layout, Line 1, Item 2: Name 25"));
    QTest::keyClick(area, Qt::Key_Return);
    QTest::keyClick(area, Qt::Key_Down);  // an empty line offers its first item
    EXPECT_EQ(layout.chosen(), (reports::LayoutCell {2, 1}));
    QTest::keyClick(area, Qt::Key_Space);
    for (int i = 0; i < 20; ++i) QTest::keyClick(area, Qt::Key_Down);
    EXPECT_EQ(layout.chosen().line, reports::kTotalsLine);
    QTest::keyClick(area, Qt::Key_F2);
    EXPECT_EQ(opened, QStringList({"Line 1, Item 2", "Line 2, Item 1", "Totals Line, Item 1"}));
    EXPECT_TRUE(layout.isVisible());  // Return chose an item; it did not press Ok
}
