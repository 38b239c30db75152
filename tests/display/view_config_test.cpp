// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>

#include "display/viewer_rules.h"
#include "display/windows/view_config.h"
#include "support/gui_env.h"

using testing_support::GuiEnv;

namespace {
struct Window {
    GuiEnv env;
    store::DatabaseSettings s;
    int applied = 0;
    TViewConfig w {s, 1.0, [this] { ++applied; }};
    Window() { w.FormShow(); }
    int row(const QString& displayName) const
    {
        for (int i = 0; i < 36; ++i)
            if (w.FieldOrderGrid->item(i, 0)->text() == displayName) return i;
        return -1;
    }
};
}  // namespace

TEST(ViewerRules, WidthsAndNames)
{
    EXPECT_EQ(display::readWidth("300"), 10);
    EXPECT_EQ(display::readWidth("12abc"), 12);
    EXPECT_EQ(display::readWidth("  +7"), 7);
    EXPECT_EQ(display::readWidth("-5"), 10);
    EXPECT_EQ(display::readWidth("abc"), 10);
    EXPECT_EQ(display::readWidth("255"), 255);
    EXPECT_EQ(display::readWidth("256"), 10);
    EXPECT_FALSE(display::duplicateName({"Notes", "notes"}));
    EXPECT_EQ(display::duplicateName({"a", "b", "a"}).value(), "a");
}

TEST(ViewConfig, ShowsTheSettingsInItsPagesAndGrids)
{
    Window v;
    EXPECT_EQ(v.w.windowTitle(), "Viewer Configuration");
    EXPECT_EQ(v.w.Notebook->tabText(5), "Field &Names");
    EXPECT_EQ(v.w.TitleFont->text(), "12pt Arial");
    EXPECT_EQ(v.w.GridFont->text(), "10pt Arial");
    EXPECT_TRUE(v.w.Alignment[1]->isChecked());
    EXPECT_TRUE(v.w.ShowGridTitle->isChecked());
    EXPECT_FALSE(v.w.FieldEditing->isChecked());
    EXPECT_EQ(v.w.FieldNameGrid->item(8, 0)->text(), "Descriptio");
    EXPECT_EQ(v.w.FieldNameGrid->item(8, 1)->text(), "Description");
    EXPECT_EQ(v.w.FieldWidthGrid->item(0, 1)->text(), "15");
    EXPECT_EQ(v.w.FieldsToDisplay->item(35, 1)->text(), "Yes");
    EXPECT_EQ(v.w.FieldOrderGrid->item(1, 0)->text(), "Author");
    EXPECT_EQ(v.w.FieldWidthGrid->horizontalHeaderItem(1)->text(), "WIDTH");
    // immediate settings
    v.w.FieldEditing->click();
    EXPECT_TRUE(v.s.fieldEditing);
    v.w.Alignment[2]->click();
    EXPECT_EQ(v.s.titleAlignment, 3);
}

TEST(ViewConfig, ClosingAppliesWidthsFlagsOrderAndNames)
{
    Window v;
    v.w.FieldWidthGrid->item(0, 1)->setText("300");
    v.w.FieldWidthGrid->item(1, 1)->setText("12abc");
    v.w.FieldsToDisplay->setCurrentCell(2, 1);
    v.w.FieldsToDisplayDblClick();  // Year Pub: No
    v.w.FieldsToDisplay->setCurrentCell(2, 0);
    v.w.FieldsToDisplayDblClick();  // the FIELD column: nothing
    // rename Author to Writer and move it to the top in the same visit
    v.w.FieldNameGrid->item(1, 1)->setText("Writer");
    v.w.FieldOrderGrid->setCurrentCell(v.row("Author"), 0);
    v.w.UpClick();
    v.w.UpClick();  // already at the top: nothing
    v.w.FieldNameGrid->item(2, 1)->setText("A display name longer than twenty");
    v.w.ExitClick();
    EXPECT_EQ(v.applied, 1);
    EXPECT_EQ(v.s.fieldWidth[0], 10);
    EXPECT_EQ(v.w.FieldWidthGrid->item(0, 1)->text(), "10");
    EXPECT_EQ(v.s.fieldWidth[1], 12);
    EXPECT_FALSE(v.s.displayFields[2]);
    EXPECT_EQ(v.s.fieldNames[1], "Writer");
    EXPECT_EQ(v.s.fieldOrder[1], 1);
    EXPECT_EQ(v.s.fieldOrder[0], 2);
    EXPECT_EQ(v.s.fieldNames[2], "A display name longe");
}

TEST(ViewConfig, DuplicateNamesKeepTheWindowOpen)
{
    Window v;
    v.w.FieldNameGrid->item(5, 1)->setText("Title");
    v.env.messages.expect();
    v.w.ExitClick();
    ASSERT_EQ(v.env.messages.shown.size(), 1);
    EXPECT_EQ(v.env.messages.shown[0].caption, "Error");
    EXPECT_EQ(v.env.messages.shown[0].text, "Two field names have the same name \"Title\".  Please change one.");
    EXPECT_EQ(v.w.Notebook->currentIndex(), 5);
    EXPECT_EQ(v.applied, 0);
    v.w.FieldNameGrid->item(5, 1)->setText("title");  // differing in case is allowed
    v.w.ExitClick();
    EXPECT_EQ(v.applied, 1);
}

TEST(ViewConfig, DefaultsAskFirstAndHelpFollowsThePage)
{
    Window v;
    v.w.FieldOrderGrid->setCurrentCell(5, 0);
    v.w.DownClick();
    EXPECT_EQ(v.w.FieldOrderGrid->item(6, 0)->text(), v.s.fieldNames[5]);
    const int last = v.w.FieldOrderGrid->rowCount() - 1;
    const QString bottom = v.w.FieldOrderGrid->item(last, 0)->text();
    v.w.FieldOrderGrid->setCurrentCell(last, 0);
    v.w.DownClick();  // already at the bottom: nothing
    EXPECT_EQ(v.w.FieldOrderGrid->item(last, 0)->text(), bottom);
    EXPECT_EQ(v.w.FieldOrderGrid->currentRow(), last);
    v.env.messages.expect(ui::No);
    v.w.DefaultsClick();
    EXPECT_EQ(v.env.messages.shown.back().caption, "Re-Order");
    EXPECT_EQ(v.env.messages.shown.back().text, "This will set the order of fields to the program defaults.  Continue?");
    EXPECT_EQ(v.w.FieldOrderGrid->item(6, 0)->text(), v.s.fieldNames[5]);
    v.env.messages.expect(ui::Yes);
    v.w.DefaultsClick();
    EXPECT_EQ(v.w.FieldOrderGrid->item(6, 0)->text(), v.s.fieldNames[6]);
    v.w.Notebook->setCurrentIndex(3);
    v.w.HelpClick();
    EXPECT_EQ(v.env.help.keywords, QStringList {"Viewer Configuration Widths"});
}

TEST(ViewConfig, NewFontOffersTheColourToo)
{
    Window v;
    v.s.gridFont.color = 0x0000FF;  // red
    QFont courier(QStringLiteral("Courier New"));
    courier.setPointSize(14);
    courier.setBold(true);
    v.env.dialogs.fonts = {courier};
    v.env.dialogs.colors = {QColor(0, 0, 255)};
    v.w.findChild<QPushButton*>("CellFontButton")->click();
    ASSERT_EQ(v.env.dialogs.colorPresets.size(), 1);
    EXPECT_EQ(v.env.dialogs.colorPresets[0], QColor(255, 0, 0));  // preset to the current colour
    EXPECT_EQ(v.s.gridFont.name, "Courier New");
    EXPECT_EQ(v.s.gridFont.size, 14);
    EXPECT_TRUE(v.s.gridFont.bold);
    EXPECT_EQ(v.s.gridFont.color, 0xFF0000);  // blue
    EXPECT_EQ(v.w.GridFont->text(), "14pt Courier New");
    // a cancelled colour keeps the colour; a cancelled font changes nothing
    const int titleColor = v.s.titleFont.color;
    QFont times(QStringLiteral("Times New Roman"));
    times.setPointSize(9);
    v.env.dialogs.fonts = {times};
    v.w.findChild<QPushButton*>("TitleFontButton")->click();
    EXPECT_EQ(v.s.titleFont.name, "Times New Roman");
    EXPECT_EQ(v.s.titleFont.color, titleColor);
    v.w.findChild<QPushButton*>("TitleFontButton")->click();
    EXPECT_EQ(v.env.dialogs.colorPresets.size(), 2);  // no colour dialog after a cancelled font
}
