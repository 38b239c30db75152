// SPDX-License-Identifier: GPL-2.0-or-later
// The colour configuration, the colour sets applied to windows and the program fonts.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QTreeView>

#include "app/main_window.h"
#include "display/color_sets.h"
#include "display/windows/color_config_window.h"
#include "edit/windows/record_editor.h"
#include "store/profile.h"
#include "support/gui_env.h"
#include "ui/appearance.h"

using testing_support::GuiEnv;

namespace {
QColor rgb(int r, int g, int b) { return QColor(r, g, b); }
QColor text(const QWidget* w) { return w->palette().color(QPalette::Active, QPalette::WindowText); }
QColor back(const QWidget* w) { return w->palette().color(QPalette::Active, QPalette::Base); }
QColor windowColor(const QWidget* w) { return w->palette().color(QPalette::Active, QPalette::Window); }

// Runs the colour configuration for the target, letting act work on the window while it is shown.
void configure(TMain& main, int target, const std::function<void(TColorConfig&)>& act)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<TColorConfig*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        seen = true;
        act(*w);
        if (w->isVisible()) w->reject();
    });
    main.DoColors(target);
    EXPECT_TRUE(seen);
}
}  // namespace

TEST(ColorConfig, MidnightBlackForTheEditSetRecoloursTheRecordEditorOnly)
{
    GuiEnv env;
    auto main = env.start();
    main->show();
    const store::ColorSet mainBefore = main->db.colors[store::MainColors];
    configure(*main, 1, [](TColorConfig& w) {
        EXPECT_EQ(w.windowTitle(), "Color Configuration");
        EXPECT_EQ(w.ColorSets->count(), 13);
        EXPECT_EQ(w.ColorSets->itemText(0), "");
        EXPECT_EQ(w.ColorSets->itemText(3), "Midnight Black");
        EXPECT_EQ(w.ColorSets->itemText(12), "Camouflage");
        w.ColorSets->setCurrentIndex(3);
        w.ColorSetsChange(3);
        // the samples show the working set before anything is confirmed
        EXPECT_EQ(windowColor(&w), rgb(0, 0, 0));
        EXPECT_EQ(text(w.headings[0]), rgb(192, 192, 192));
        EXPECT_EQ(text(w.PredefinedGroup), rgb(255, 255, 255));
        EXPECT_EQ(back(w.EditSample), rgb(127, 127, 127));
        EXPECT_EQ(back(w.ComboSample), rgb(127, 127, 127));
        EXPECT_EQ(back(w.ListSample), rgb(127, 127, 127));
        EXPECT_EQ(text(w.CheckSample), rgb(255, 255, 255));
        EXPECT_EQ(windowColor(w.CheckSample), rgb(0, 0, 0));
        w.OkClick();
    });
    EXPECT_EQ(main->db.colors[store::MainColors], mainBefore);
    const store::ColorSet& edit = main->db.colors[store::EditColors];
    EXPECT_EQ(edit[store::MainBackground], 0);
    EXPECT_EQ(edit[store::ComboBackground], 127 | 127 << 8 | 127 << 16);
    EXPECT_EQ(edit[store::ListBoxText], 0);
    EXPECT_EQ(edit[store::RadioBackground], 0);
    EXPECT_EQ(edit[store::CheckText], 0xFFFFFF);

    edit::TMyEdit& e = *main->MyEdit;
    e.SetColors();
    EXPECT_EQ(windowColor(&e), rgb(0, 0, 0));
    EXPECT_EQ(text(e.findChild<QLabel*>("TitleLabel")), rgb(255, 255, 255));
    QLineEdit* title = e.box("Title");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(back(title), rgb(127, 127, 127));
    EXPECT_EQ(title->palette().color(QPalette::Active, QPalette::Text), rgb(0, 0, 0));
    for (QCheckBox* c : e.findChildren<QCheckBox*>()) {
        EXPECT_EQ(windowColor(c), rgb(0, 0, 0));
        EXPECT_EQ(text(c), rgb(255, 255, 255));
    }
    // the main window kept its colours
    EXPECT_EQ(windowColor(main->findChild<QWidget*>("Client")), rgb(192, 192, 192));
}

TEST(ColorConfig, AButtonAfterACombinationChangesOneEntryAndCancelChangesNothing)
{
    GuiEnv env;
    auto main = env.start();
    env.dialogs.colors = {rgb(1, 2, 3)};
    const auto before = main->db.colors;
    store::ColorSet seen {};
    configure(*main, 4, [&](TColorConfig& w) {
        w.ColorSetsChange(12);  // Camouflage
        w.EditBoxText->click();
        seen = w.working();
        w.reject();
    });
    EXPECT_EQ(env.dialogs.colorPresets.value(0), rgb(192, 192, 192));  // the dialog opened on the entry
    store::ColorSet camouflage = before[store::ConfigureColors];
    display::applyCombination(camouflage, 12);
    EXPECT_EQ(camouflage[store::MainBackground], 128 | 128 << 8);
    EXPECT_EQ(camouflage[store::CheckText], 127 | 127 << 8 | 127 << 16);
    camouflage[store::EditText] = 1 | 2 << 8 | 3 << 16;
    EXPECT_EQ(seen, camouflage);
    EXPECT_EQ(main->db.colors, before);  // cancelled

    // the empty first item and a cancelled colour dialog change nothing either
    configure(*main, 4, [&](TColorConfig& w) {
        w.ColorSetsChange(0);
        w.MainBack->click();  // no scripted colour left: cancelled
        EXPECT_EQ(w.working(), before[store::ConfigureColors]);
        w.OkClick();
    });
    EXPECT_EQ(main->db.colors, before);
}

TEST(ColorConfig, AllWindowsStartsFromTheMainSetAndRecoloursTheMainWindowAtOnce)
{
    GuiEnv env;
    auto main = env.start();
    main->show();
    main->db.colors[store::SearchColors][store::MainBackground] = 0x123456;
    configure(*main, 5, [&](TColorConfig& w) {
        EXPECT_EQ(w.working(), main->db.colors[store::MainColors]);
        w.ColorSetsChange(8);  // Christmas Season
        w.OkClick();
    });
    for (const store::ColorSet& set : main->db.colors) EXPECT_EQ(set, main->db.colors[store::MainColors]);
    EXPECT_EQ(main->db.colors[store::ReportColors][store::MainBackground], 0x00FF00);
    EXPECT_EQ(windowColor(main->findChild<QWidget*>("Client")), rgb(0, 255, 0));
    EXPECT_EQ(text(main->findChild<QLabel*>("ViewerLabel")), rgb(255, 255, 255));
    EXPECT_EQ(text(main->findChild<QLabel*>("NavigatorLabel")), rgb(255, 0, 0));

    // kept in the database's settings
    main->close();
    const store::DatabaseSettings again = store::readDatabaseSettings(env.programDir() + "/MASTER.INI");
    EXPECT_EQ(again.colors, main->db.colors);
}

TEST(ColorConfig, TheSpeedButtonAndTheShortcutsOpenTheirSets)
{
    GuiEnv env;
    auto main = env.start();
    main->show();
    const char* names[6] = {"MenuMainColor", "MenuEditColor", "MenuSearchColor", "MenuReportColor", "MenuConfigColor",
                            "MenuAllColor"};
    const char* keys[6] = {"Ctrl+F4", "Ctrl+F5", "Ctrl+F6", "Ctrl+F7", "Ctrl+F8", "Ctrl+F9"};
    for (int i = 0; i < 6; ++i) {
        QAction* a = main->action(names[i]);
        ASSERT_NE(a, nullptr) << names[i];
        EXPECT_TRUE(a->isEnabled()) << names[i];
        EXPECT_EQ(a->shortcut().toString(), keys[i]);
        int target = -1;
        QTimer::singleShot(0, [&] {
            auto* w = qobject_cast<TColorConfig*>(QApplication::activeModalWidget());
            if (w) target = int(w->target());
            if (w) w->reject();
        });
        a->trigger();
        EXPECT_EQ(target, i) << names[i];
    }
    auto* speed = main->findChild<QAbstractButton*>("ColorSpeed");
    ASSERT_NE(speed, nullptr);
    EXPECT_TRUE(speed->isEnabled());
    int target = -1;
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<TColorConfig*>(QApplication::activeModalWidget());
        if (w) target = int(w->target());
        if (w) w->reject();
    });
    speed->click();
    EXPECT_EQ(target, 5);
}

TEST(ColorSets, EveryKindOfControlTakesItsColoursAndButtonsKeepTheStyles)
{
    QDialog window;
    auto* group = new QGroupBox("Heading", &window);
    auto* label = new QLabel("Name", group);
    auto* edit = new QLineEdit(&window);
    auto* combo = new QComboBox(&window);
    combo->setEditable(true);
    auto* list = new QListWidget(&window);
    auto* grid = new QTableWidget(2, 2, &window);
    auto* folders = new QTreeView(&window);
    auto* radio = new QRadioButton("R", group);
    auto* check = new QCheckBox("C", &window);
    auto* button = new QPushButton("&Ok", group);
    store::ColorSet set {};
    display::applyCombination(set, 5);  // Easter Pastel: every entry distinct enough to tell apart
    set[store::ComboBackground] = 0x010203;
    set[store::ListBoxText] = 0x0A0B0C;
    ui::applyColorSet(&window, set);
    EXPECT_EQ(windowColor(&window), rgb(255, 128, 255));
    EXPECT_EQ(text(group), rgb(0, 0, 255));
    EXPECT_EQ(text(label), rgb(0, 0, 0));
    EXPECT_EQ(back(edit), rgb(128, 0, 128));
    EXPECT_EQ(edit->palette().color(QPalette::Text), rgb(0, 255, 255));
    EXPECT_EQ(back(combo), rgb(3, 2, 1));
    EXPECT_EQ(back(combo->lineEdit()), rgb(3, 2, 1));  // the inside goes with the combo box
    EXPECT_EQ(combo->view()->palette().color(QPalette::Base), rgb(3, 2, 1));
    EXPECT_EQ(list->palette().color(QPalette::Text), rgb(12, 11, 10));
    EXPECT_EQ(grid->palette().color(QPalette::Text), rgb(12, 11, 10));
    EXPECT_EQ(folders->palette().color(QPalette::Text), rgb(12, 11, 10));
    EXPECT_EQ(windowColor(radio), rgb(255, 128, 255));
    EXPECT_EQ(text(check), rgb(0, 0, 0));
    // the box itself keeps the style's white, so that an empty box still shows on a dark window
    EXPECT_EQ(check->palette().color(QPalette::Base), QApplication::palette(check).color(QPalette::Base));
    EXPECT_EQ(radio->palette().color(QPalette::Base), QApplication::palette(radio).color(QPalette::Base));
    const QPalette style = QApplication::palette(button);
    EXPECT_EQ(button->palette().color(QPalette::Button), style.color(QPalette::Button));
    EXPECT_EQ(button->palette().color(QPalette::ButtonText), style.color(QPalette::ButtonText));
    EXPECT_EQ(button->palette().color(QPalette::Window), style.color(QPalette::Window));

    // greyed captions stay readable on black: never the background itself
    store::ColorSet black {};
    ui::applyColorSet(&window, black);
    const QColor greyed = window.palette().color(QPalette::Disabled, QPalette::WindowText);
    EXPECT_GE(greyed.lightness(), 100);
}

TEST(ProgramFonts, UnderlineLastsTheSessionSizeNeverAndOnlyNameBoldItalicAreKept)
{
    GuiEnv env;
    auto main = env.start();
    main->show();
    auto* viewer = main->findChild<QLabel*>("ViewerLabel");
    auto* grid = main->findChild<QTableView*>();
    const int labelSize = viewer->font().pointSize();
    const QFont gridFont = grid->font();
    QFont chosen("Liberation Serif", 30);
    chosen.setUnderline(true);
    chosen.setBold(true);
    env.dialogs.fonts = {chosen};
    main->action("MenuLabelFont")->trigger();
    EXPECT_EQ(main->action("MenuLabelFont")->shortcut().toString(), "Shift+F8");
    EXPECT_TRUE(viewer->font().underline());
    EXPECT_TRUE(viewer->font().bold());
    EXPECT_EQ(viewer->font().family(), "Liberation Serif");
    EXPECT_EQ(viewer->font().pointSize(), labelSize);
    EXPECT_EQ(grid->font(), gridFont);  // the book grid keeps the viewer's font
    EXPECT_EQ(main->db.labelFont.name, "Liberation Serif");

    // a cancelled font dialog changes nothing
    main->action("MenuButtonFont")->trigger();
    EXPECT_EQ(main->db.buttonFont.name, "Arial");

    main->close();
    auto again = env.start();
    EXPECT_EQ(again->db.labelFont.name, "Liberation Serif");
    EXPECT_TRUE(again->db.labelFont.bold);
    EXPECT_FALSE(again->db.labelFont.underline);
    again->show();
    EXPECT_FALSE(again->findChild<QLabel*>("ViewerLabel")->font().underline());
}

TEST(ProgramFonts, StringGridsTakeTheEditFontAndOtherControlsAreLeftAlone)
{
    QDialog window;
    auto* grid = new QTableWidget(1, 1, &window);
    auto* view = new QTableView(&window);
    auto* combo = new QComboBox(&window);
    combo->setEditable(true);
    auto* button = new QPushButton("B", &window);
    const QFont viewFont = view->font();
    store::ProgramFont label, edit, buttons;
    edit.name = "Liberation Mono";
    edit.italic = true;
    buttons.name = "Liberation Serif";
    ui::applyProgramFonts(&window, label, edit, buttons);
    EXPECT_EQ(grid->font().family(), "Liberation Mono");
    EXPECT_TRUE(grid->font().italic());
    EXPECT_EQ(combo->font().family(), "Liberation Mono");
    EXPECT_EQ(view->font(), viewFont);
    EXPECT_EQ(button->font().family(), "Liberation Serif");
}

// A colour outside the 24 bits of red, green and blue reads as that entry's standard colour.
TEST(ColorSets, StoredColoursOutsideTwentyFourBitsReadAsTheirDefaults)
{
    GuiEnv env;
    const QString ini = QString::fromStdString((env.dir.path() / "COLORS.INI").string());
    store::ProfileFile f(ini);
    f.write("Edit Window Color", "Main Background", "-1");
    f.write("Edit Window Color", "Edit Text", "33554432");
    f.save();
    const store::DatabaseSettings s = store::readDatabaseSettings(ini);
    EXPECT_EQ(s.colors[store::EditColors][store::MainBackground], 12632256);
    EXPECT_EQ(s.colors[store::EditColors][store::EditText], 0);
    EXPECT_EQ(s.colors[store::MainColors][store::MainBackground], 12632256);
}
