// SPDX-License-Identifier: GPL-2.0-or-later
// Tab through radio groups and focus that shows from the start.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTest>

#include "display/color_sets.h"
#include "render/page_device.h"
#include "render/report_engine.h"
#include "reports/fake_report_host.h"
#include "reports/report_definition.h"
#include "reports/report_run.h"
#include "reports/windows/preview_window.h"
#include "reports/windows/printer_select_window.h"
#include "ui/appearance.h"
#include "ui/keyboard_focus.h"

namespace {
QStringList tabThrough(int presses, Qt::Key key = Qt::Key_Tab)
{
    QStringList seen;
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget(), key);
        seen << QApplication::focusWidget()->objectName();
    }
    return seen;
}

void showActive(QWidget& w)
{
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}
}  // namespace

TEST(KeyboardFocus, ARadioGroupIsOneTabStopAtItsChosenButton)
{
    ui::followFocusInEveryWindow();
    QDialog d;
    auto make = [&d](QWidget* w, const char* name, int y) {
        w->setObjectName(name);
        w->setParent(&d);
        w->move(0, y);
        return w;
    };
    make(new QLineEdit, "Edit", 0);
    QRadioButton* radios[3];
    for (int i = 0; i < 3; ++i)
        radios[i] = static_cast<QRadioButton*>(make(new QRadioButton("choice"), i == 0 ? "A" : i == 1 ? "B" : "C", 30 + 30 * i));
    make(new QPushButton("&Ok"), "Ok", 130);
    radios[1]->setChecked(true);
    showActive(d);
    EXPECT_TRUE(d.testAttribute(Qt::WA_KeyboardFocusChange));  // the first focus is drawn
    d.findChild<QLineEdit*>("Edit")->setFocus();
    EXPECT_EQ(tabThrough(3), QStringList({"B", "Ok", "Edit"}));
    EXPECT_EQ(tabThrough(3, Qt::Key_Backtab), QStringList({"Ok", "B", "Edit"}));
    // the arrows choose within the group; Tab then enters at the new choice
    d.findChild<QLineEdit*>("Edit")->setFocus();
    tabThrough(1);
    QTest::keyClick(radios[1], Qt::Key_Down);
    EXPECT_TRUE(radios[2]->isChecked());
    d.findChild<QLineEdit*>("Edit")->setFocus();
    EXPECT_EQ(tabThrough(2), QStringList({"C", "Ok"}));
}

TEST(KeyboardFocus, PrinterSelectionTabsOnceThroughItsControls)
{
    ui::followFocusInEveryWindow();
    TPrintSelect select;
    showActive(select);
    auto* other = select.findChild<QRadioButton*>("OtherPrinter");
    auto* deflt = select.findChild<QRadioButton*>("DefaultPrinter");
    ASSERT_TRUE(other && deflt);
    deflt->setChecked(true);
    deflt->setFocus(Qt::TabFocusReason);
    QStringList seen;
    for (int i = 0; i < 10 && seen.value(seen.size() - 1) != "DefaultPrinter"; ++i) seen << tabThrough(1);
    EXPECT_EQ(seen.last(), "DefaultPrinter") << seen.join(",").toStdString();  // round once
    EXPECT_FALSE(seen.contains("OtherPrinter")) << seen.join(",").toStdString();
    EXPECT_TRUE(seen.contains("OkButton") && seen.contains("CancelButton")) << seen.join(",").toStdString();
}

// In every colour set the focus mark (drawn in the highlight colour) stands out from the control's
// background: navy on black in "Midnight Black" did not.
TEST(KeyboardFocus, TheFocusMarkShowsInEveryColourSet)
{
    using ui::contrast;
    for (int item = 1; item <= display::kColorCombinations; ++item) {
        store::ColorSet set {};
        display::applyCombination(set, item);
        QDialog d;
        auto* check = new QCheckBox("&Check", &d);
        auto* radio = new QRadioButton("&Radio", &d);
        auto* edit = new QLineEdit(&d);
        ui::applyColorSet(&d, set);
        SCOPED_TRACE(display::colorCombinations()[std::size_t(item - 1)].name);
        for (QWidget* w : {static_cast<QWidget*>(check), static_cast<QWidget*>(radio)})
            EXPECT_GE(contrast(w->palette().color(QPalette::Highlight), w->palette().color(QPalette::Window)), 3.0)
                << w->metaObject()->className();
        EXPECT_GE(contrast(edit->palette().color(QPalette::Highlight), edit->palette().color(QPalette::Base)), 3.0);
    }
}

// The preview's page, which takes the keys that scroll it, shows when it has the focus.
TEST(KeyboardFocus, ThePreviewsPageShowsItsFocus)
{
    testing_support::FakeHost host;
    reports::ReportDefinition r = reports::builtInReports()[4];
    render::ReportEngine engine;
    render::StreamDevice pages;
    reports::RunInput in;
    in.report = &r;
    in.table = &host.table;
    reports::runReport(in, engine, pages);
    TMyPreview preview(pages, r.name, nullptr);
    showActive(preview);
    preview.PageScroll->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(preview.PageScroll->hasFocus());
    const QColor focused = preview.PageScroll->grab().toImage().pixelColor(0, 10);
    preview.findChild<QLineEdit*>()->setFocus();
    QApplication::processEvents();
    const QColor unfocused = preview.PageScroll->grab().toImage().pixelColor(0, 10);
    EXPECT_EQ(focused, preview.PageScroll->palette().color(QPalette::Highlight));
    EXPECT_NE(focused, unfocused);
}
