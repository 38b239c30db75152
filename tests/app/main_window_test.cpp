// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QTimer>
#include <algorithm>
#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QStandardPaths>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

#include "app/main_window.h"
#include "dbase/error.h"
#include "dbase/table.h"
#include "regional/regional.h"
#include "store/book_table.h"
#include "store/profile.h"
#include "support/child.h"
#include "support/gui_env.h"
#include "ui/navigator.h"
#include "ui/seams/help.h"
#include "ui/tip_dialog.h"
#include "ui/tips.h"

using testing_support::GuiEnv;

namespace {
QString master(const GuiEnv& env) { return env.programDir() + "/MASTER.DBF"; }

void addBooks(const QString& path, int n)
{
    dbase::Table t;
    QFileInfo info(path);
    t.open(info.absolutePath().toStdString(), info.fileName().toStdString());
    for (int i = 0; i < n; ++i) {
        t.append();
        t.setText(0, "Title " + std::to_string(i));
        t.setText(1, "Author " + std::to_string(n - i));
        t.post();
    }
}
}  // namespace

TEST(MainWindow, FirstRunCreatesAndOpensMaster)
{
    GuiEnv env;
    auto main = env.start();
    ASSERT_TRUE(main->started());
    EXPECT_EQ(main->windowTitle(), "Bindlow Books 97 (MASTER)");
    EXPECT_EQ(main->geometry(), QRect(0, 0, 640, 480));
    EXPECT_TRUE(QFileInfo::exists(master(env)));
    EXPECT_TRUE(main->MyTable.active());
    EXPECT_EQ(main->currentDatabase, master(env));
    EXPECT_EQ(main->settings.buttonBar, 1);
    EXPECT_TRUE(main->findChild<QWidget*>("SpeedPanel")->isVisibleTo(main.get()));
    EXPECT_EQ(regional::current().datePattern(), "m/d/yy");
    EXPECT_EQ(regional::current().dateSeparator(), u'/');
    EXPECT_TRUE(main->action("MenuDateMDYSlash")->isChecked());
    EXPECT_TRUE(main->action("N640x480")->isChecked());
    EXPECT_EQ(main->sortExpression, "Upper(Left(Author,80))");
    EXPECT_EQ(main->MyTable.table().activeTag(), "NEWINDEX");
    EXPECT_FALSE(main->browseMode);
    EXPECT_FALSE(main->findChild<QLabel*>("SearchOnLabel")->isVisibleTo(main.get()));

    main->show();  // FormShow: the count
    EXPECT_EQ(main->findChild<QLabel*>("CountLabel")->text(), "0");
    EXPECT_EQ(main->findChild<QLabel*>("Count2Label")->text(), "Books");
    main->close();
    // the settings are written when the window closes
    store::ProfileFile ini(env.iniPath());
    EXPECT_EQ(ini.read("Misc", "Last Database", "", 249), master(env));
    EXPECT_EQ(ini.read("Misc", "Main Window Width", "", 14), "640");
    EXPECT_TRUE(QFileInfo::exists(env.programDir() + "/MASTER.INI"));
}

TEST(MainWindow, MenusCarryTheirCaptionsShortcutsAndState)
{
    GuiEnv env;
    auto main = env.start();
    struct Item {
        const char* name;
        const char* caption;
        QKeySequence key;
        bool enabled;
    };
    const Item items[] = {
        {"MenuNew", "&New Database", QKeySequence(Qt::CTRL | Qt::Key_W), true},
        {"MenuExit", "E&xit", QKeySequence(Qt::CTRL | Qt::Key_X), true},
        {"MenuAdd", "&Add", QKeySequence(Qt::CTRL | Qt::Key_A), true},
        {"MenuSearch", "&Search (Query)", QKeySequence(Qt::CTRL | Qt::Key_S), true},
        {"MenuEndSearch", "&End Search", QKeySequence(Qt::CTRL | Qt::Key_I), false},
        {"MenuFindNext", "Locate &Next", QKeySequence(Qt::CTRL | Qt::Key_N), true},
        {"N1280x1024", "1280 x 1024", QKeySequence(Qt::SHIFT | Qt::Key_F4), true},
        {"MenuNoButtons", "&None", QKeySequence(Qt::CTRL | Qt::Key_F3), true},
        {"MenuAllColor", "&ALL Windows Color", QKeySequence(Qt::CTRL | Qt::Key_F9), true},
        {"MenuButtonFont", "&Button Font", QKeySequence(Qt::SHIFT | Qt::Key_F10), true},
        {"MenuDateDMYDotYr", "dd.mm.yyyy", QKeySequence(), true},
        {"MenuCurrencyWin", "&Windows Setting", QKeySequence(), true},
        {"MenuSearchReplace", "&Search and Replace", QKeySequence(Qt::CTRL | Qt::Key_F), true},
        {"MenuContents", "&Contents", QKeySequence(Qt::CTRL | Qt::Key_H), true},
        {"MenuTips", "&Review \"Tips of the Day\"", QKeySequence(), true},
        {"MenuAbout", "&About", QKeySequence(), true},
    };
    for (const Item& i : items) {
        SCOPED_TRACE(i.name);
        QAction* a = main->action(i.name);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), i.caption);
        EXPECT_EQ(a->shortcut(), i.key);
        EXPECT_EQ(a->isEnabled(), i.enabled);
    }
    EXPECT_EQ(main->findChild<QMenu*>("MenuNavigate")->title(), "Navi&gate");
    EXPECT_EQ(main->findChild<QMenu*>("MenuMaintain")->title(), "List &Maintenance");
    auto* help = main->findChild<QToolButton*>("HelpSpeed");
    EXPECT_EQ(help->toolTip(), "Help");
    EXPECT_EQ(help->geometry(), QRect(396, 2, 25, 25));
    EXPECT_EQ(main->findChild<QToolButton*>("SpeedSetOrder")->toolTip(), "Set Sorting Order");

    main->action("MenuContents")->trigger();
    help->click();
    EXPECT_EQ(env.help.keywords, (QStringList {QString(), QString()}));
}

TEST(MainWindow, BrowseModeComesOnlyFromTheFirstParameter)
{
    {
        GuiEnv env;
        auto main = env.start({"/bRoWsE"});
        EXPECT_TRUE(main->browseMode);
        for (const char* m : {"MenuAdd", "MenuCopy", "MenuDelete", "MenuBackup", "MenuRestore", "MenuViewer",
                              "MenuImport", "MenuSearchReplace"})
            EXPECT_FALSE(main->action(m)->isEnabled()) << m;
        EXPECT_FALSE(main->findChild<QMenu*>("MenuMaintain")->isEnabled());
        EXPECT_TRUE(main->action("MenuExit")->isEnabled());
        // a lookup copy is searched like any other
        EXPECT_TRUE(main->action("MenuSearch")->isEnabled());
        EXPECT_TRUE(main->findChild<QWidget*>("SearchSpeed")->isEnabled());
        auto* nav = main->findChild<ui::TNavigator*>("MyNavigator");
        EXPECT_FALSE(nav->button(ui::TNavigator::First)->isHidden());
        EXPECT_TRUE(nav->button(ui::TNavigator::Insert)->isHidden());
        EXPECT_TRUE(nav->button(ui::TNavigator::Refresh)->isHidden());
    }
    {
        GuiEnv env;
        auto main = env.start({"/READONLY", "/BROWSE"});
        EXPECT_FALSE(main->browseMode);
    }
}

TEST(MainWindow, ClosingInBrowseModeKeepsTheStoredFieldEditing)
{
    GuiEnv env;
    {
        auto main = env.start();
        main->db.fieldEditing = true;
        main->close();
    }
    auto main = env.start({"/browse"});
    EXPECT_TRUE(main->db.fieldEditing);  // masked in the grid, never changed in the settings
    main->show();
    EXPECT_EQ(main->ViewerGrid->editTriggers(), QAbstractItemView::NoEditTriggers);
    main->MenuUpdateDatabaseClick();  // writes the settings while the run goes on
    EXPECT_EQ(store::ProfileFile(env.programDir() + "/MASTER.INI").read("Grid Options", "Field Editing", "", 14), "Yes");
    main->close();
    store::ProfileFile ini(env.programDir() + "/MASTER.INI");
    EXPECT_EQ(ini.read("Grid Options", "Field Editing", "", 14), "Yes");
}

TEST(MainWindow, AnInvalidLastDatabaseForcesTheChoiceOfAnother)
{
    GuiEnv env;
    const QString bad = env.programDir() + "/OTHER.DBF";
    dbase::Table::create(env.programDir().toStdString(), "OTHER", {dbase::NewField::string("Name", 10)});
    store::BookTableFiles files;
    const QString good = env.programDir() + "/GOOD.DBF";
    ASSERT_TRUE(files.MakeNewDB(good));
    addBooks(good, 3);
    env.writeIni("Last Database=" + bad + "\n");

    env.messages.expect();  // the rejection of OTHER.DBF
    env.messages.expect();  // you will need to choose a new file
    env.messages.expect();  // the rejection of the first choice
    env.messages.expect();  // a file that is no .DBF: Open's own test
    env.dialogs.fileNames = {bad, env.programDir() + "/NOTES.TXT", good};
    auto main = env.start();
    ASSERT_TRUE(main->started());
    ASSERT_EQ(env.messages.shown.size(), 4);
    EXPECT_EQ(env.messages.shown[3].text, "Invalid file type selected.");
    EXPECT_EQ(env.dialogs.captions.back(), "Open Database File");
    EXPECT_EQ(main->settings.lastFiles[0], bad);  // as Open leaves the recently used list
    EXPECT_EQ(env.messages.shown[1].caption, "Error");
    EXPECT_EQ(env.messages.shown[1].text,
              "The last database used as recorded in the INI file is not a valid Bindlow Books 97 file.  You will "
              "need to choose a new file.");
    EXPECT_EQ(env.messages.shown[2].text, env.messages.shown[0].text);
    EXPECT_EQ(main->currentDatabase, good);
    EXPECT_EQ(main->windowTitle(), "Bindlow Books 97 (GOOD)");
    EXPECT_EQ(main->MyTable.recordCount(), 3u);
}

TEST(MainWindow, TheCountFollowsTheNavigator)
{
    GuiEnv env;
    auto main = env.start();
    addBooks(master(env), 4);
    main->show();
    auto* nav = main->findChild<ui::TNavigator*>("MyNavigator");
    main->FormActivate();  // binds the navigator; no tips in this test
    EXPECT_EQ(main->findChild<QLabel*>("CountLabel")->text(), "0");
    nav->button(ui::TNavigator::Refresh)->click();
    EXPECT_EQ(main->findChild<QLabel*>("CountLabel")->text(), "4");
    nav->button(ui::TNavigator::Last)->click();
    EXPECT_EQ(main->MyTable.row(), 3u);
    EXPECT_EQ(main->ViewerGrid->currentIndex().row(), 3);
    env.messages.expect(ui::Yes);
    nav->button(ui::TNavigator::Delete)->click();
    EXPECT_EQ(env.messages.shown.back().text, "Delete record?");
    EXPECT_EQ(main->findChild<QLabel*>("CountLabel")->text(), "3");
}

TEST(MainWindow, TheTipOfTheDayShowsAtStartAndRemembersItsCheckBox)
{
    GuiEnv env(QSize(1280, 1024), true);
    auto main = env.start();
    EXPECT_TRUE(main->settings.showTips);
    QString seen;
    QTimer::singleShot(0, [&] {
        auto* tip = qobject_cast<ui::TTipDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(tip, nullptr);
        seen = tip->tipText();
        tip->NextTipClick();
        EXPECT_NE(tip->tipText(), seen);
        auto* box = tip->findChild<QCheckBox*>("ShowTipsCheck");
        EXPECT_EQ(box->text(), "&Show Tips at Startup");
        EXPECT_EQ(tip->findChild<QPushButton*>("NextTipButton")->text(), "&Next Tip");
        box->setChecked(false);
        tip->accept();
    });
    main->FormActivate();
    EXPECT_FALSE(seen.isEmpty());
    EXPECT_FALSE(main->settings.showTips);
    main->close();
    store::ProfileFile ini(env.iniPath());
    EXPECT_EQ(ini.read("Misc", "Show Tips", "", 14), "No");
}

TEST(MainWindow, TheTipOfTheDayGoesOnFromTheTipAfterTheLastOneShown)
{
    GuiEnv env(QSize(1280, 1024), true);
    env.writeIni("[Misc]\nNext Tip=8\n");
    const auto& tips = ui::tipsOfTheDay();
    ASSERT_EQ(tips[9].command, "DoBackup");
    std::vector<int> seen;
    auto look = [&](int clicks) {
        QTimer::singleShot(0, [&, clicks] {
            auto* tip = qobject_cast<ui::TTipDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(tip, nullptr);
            seen.push_back(tip->tip());
            for (int i = 0; i < clicks; ++i) {
                tip->NextTipClick();
                seen.push_back(tip->tip());
            }
            tip->accept();
        });
    };
    {
        auto main = env.start();
        look(1);
        main->FormActivate();
        EXPECT_EQ(seen, (std::vector<int> {8, 9}));
        EXPECT_EQ(main->settings.nextTip, 10);
        main->close();
    }
    store::ProfileFile ini(env.iniPath());
    EXPECT_EQ(ini.read("Misc", "Next Tip", "", 14), "10");
    // the next start goes on from there, round past the last tip
    seen.clear();
    {
        auto main = env.start();
        look(3);
        main->FormActivate();
        EXPECT_EQ(seen, (std::vector<int> {10, 11, 12, 0}));
        // the menu's review goes on too
        look(0);
        main->ShowTips();
        EXPECT_EQ(seen.back(), 1);
        main->close();
    }
    // the tip of a command this version lacks is never shown
    for (int next : {-3, 9, 40}) {
        const std::vector<int> order = ui::tipOrder(next, [](const QString& c) { return c != "DoBackup"; });
        EXPECT_EQ(order.size(), tips.size() - 1);
        EXPECT_EQ(std::count(order.begin(), order.end(), 9), 0);
        EXPECT_TRUE(std::all_of(order.begin(), order.end(), [&](int i) { return i >= 0 && i < int(tips.size()); }));
    }
    EXPECT_EQ(ui::tipOrder(-3, [](const QString&) { return true; }).front(), int(tips.size()) - 3);  // counted from the end
    EXPECT_EQ(ui::tipOrder(9, [](const QString& c) { return c != "DoBackup"; }).front(), 10);
}

// The first start of a copied program (its folder writable) and of an installed one (read-only).
TEST(MainWindow, FirstStartKeepsTheFilesBesideTheProgramOrInTheUsersDataFolder)
{
    {
        GuiEnv env;
        StartOptions o;
        o.executableDirectory = env.programDir();
        o.startDirectory = env.programDir();
        TMain main(o);
        ASSERT_TRUE(main.started());
        EXPECT_EQ(main.programDirectory, env.programDir());
        EXPECT_EQ(main.currentDatabase, env.programDir() + "/MASTER.DBF");
        EXPECT_TRUE(QFileInfo::exists(env.programDir() + "/MASTER.DBF"));
        EXPECT_EQ(QFileInfo(env.programDir() + "/KAVBOOK.URP").size(), 8 * 20622);  // the built-in reports
    }
    {
        GuiEnv env;
        const QString data = env.configDir() + "/../data";
        qputenv("XDG_DATA_HOME", data.toLocal8Bit());
        const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        ASSERT_TRUE(userFolder.startsWith(data));
        StartOptions o;
        o.executableDirectory = QStringLiteral("/proc");  // no one, the superuser included, writes here
        o.startDirectory = env.programDir();
        TMain main(o);
        qunsetenv("XDG_DATA_HOME");
        ASSERT_TRUE(main.started());
        EXPECT_EQ(main.programDirectory, QDir::cleanPath(userFolder));
        EXPECT_EQ(main.currentDatabase, QDir::cleanPath(userFolder) + "/MASTER.DBF");
        EXPECT_TRUE(QFileInfo::exists(main.currentDatabase));
        EXPECT_TRUE(QFileInfo::exists(QDir::cleanPath(userFolder) + "/KAVBOOK.URP"));
        // the help file is looked for where the program was installed, never among the user's files
        EXPECT_EQ(ui::helpFile(), "/proc/KAVBOOK.HLP");
        main.close();
        store::ProfileFile ini(env.iniPath());
        EXPECT_EQ(ini.read("Misc", "Last Database", "", 249), main.currentDatabase);
    }
}

namespace {
std::string bytesOf(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll().toStdString();
}

void setHeaderCount(const QString& dbf, quint32 count)
{
    QFile f(dbf);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.seek(4);
    const char b[4] = {char(count), char(count >> 8), char(count >> 16), char(count >> 24)};
    f.write(b, 4);
}

// A first start that makes MASTER.DBF with n books.
void makeMaster(GuiEnv& env, int n)
{
    env.start()->close();
    addBooks(env.programDir() + "/MASTER.DBF", n);
}
}  // namespace

// An error no command caught is shown, and the program goes on.
TEST(MainWindow, ACommandThatFailsLeavesTheProgramRunning)
{
    GuiEnv env;
    auto main = env.start();
    env.messages.expect();
    QTimer::singleShot(0, main.get(), [] { throw dbase::DatabaseError("MASTER.DBF: write error (No space left on device)"); });
    QCoreApplication::processEvents();
    ASSERT_EQ(env.messages.shown.size(), 1);
    EXPECT_EQ(env.messages.shown[0].caption, "Error");
    EXPECT_EQ(env.messages.shown[0].text, "MASTER.DBF: write error (No space left on device)");
    EXPECT_TRUE(main->MyTable.active());
    main->MyTable.last();  // and goes on working
}

// Books past the header's count are shown to be there, and nothing is allowed to write over them.
TEST(MainWindow, ATableWithBooksPastItsCountOpensReadOnly)
{
    GuiEnv env;
    makeMaster(env, 6);
    const QString master = env.programDir() + "/MASTER.DBF";
    setHeaderCount(master, 0);
    const std::string before = bytesOf(master);
    env.messages.expect();
    auto main = env.start();
    ASSERT_TRUE(main->started());
    ASSERT_EQ(env.messages.shown.size(), 1) << env.messages.shown[0].text.toStdString();
    EXPECT_EQ(env.messages.shown[0].caption, "Warning");
    EXPECT_EQ(env.messages.shown[0].text,
              "The database \"" + master + "\" holds 6 books past the record count in its header, which a change "
              "would lose.  The command \"bindlow-dbf recover " + master + "\" adds them to the database.  It is "
              "opened read-only: the books can be viewed, searched and reported, but not changed.");
    EXPECT_TRUE(main->MyTable.readOnly());
    EXPECT_EQ(main->MyTable.recordCount(), 6u);  // every book is shown
    for (const char* m : {"MenuAdd", "MenuCopy", "MenuDelete", "MenuSearchReplace", "MenuSortOrder", "MenuPack", "MenuRebuild"})
        EXPECT_FALSE(main->action(m)->isEnabled()) << m;
    EXPECT_TRUE(main->action("MenuSearch")->isEnabled());
    main->close();
    EXPECT_EQ(bytesOf(master), before);

    // once recovered, the same database opens for changes again
    {
        dbase::Table t;
        t.open(env.programDir().toStdString(), "MASTER", {true, false, {}, true});
        EXPECT_EQ(t.recover(), 6u);
    }
    auto again = env.start();
    EXPECT_FALSE(again->MyTable.readOnly());
    EXPECT_EQ(again->MyTable.recordCount(), 6u);
    EXPECT_TRUE(again->action("MenuAdd")->isEnabled());
}

// The index is derived data: a damaged one is built again, sorted, without a word.
TEST(MainWindow, ADamagedIndexIsBuiltAgainAtStart)
{
    GuiEnv env;
    makeMaster(env, 30);
    {
        QFile f(env.programDir() + "/MASTER.MDX");
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.seek(28);
        f.write("\xFF\xFF", 2);  // 65535 tags
    }
    auto main = env.start();
    ASSERT_TRUE(main->MyTable.active());
    EXPECT_TRUE(env.messages.shown.isEmpty());
    EXPECT_FALSE(main->MyTable.readOnly());
    EXPECT_EQ(main->MyTable.table().activeTag(), "NEWINDEX");
    EXPECT_EQ(main->MyTable.recordCount(), 30u);
    EXPECT_TRUE(main->action("MenuAdd")->isEnabled());
}

TEST(MainWindow, StartUpFallsBackFromAFolderAndRefusesSpecialFiles)
{
    {
        GuiEnv env;
        env.writeIni("Last Database=" + env.programDir() + "\n");  // a folder, not a file
        auto main = env.start();
        EXPECT_TRUE(env.messages.shown.isEmpty());
        EXPECT_EQ(main->currentDatabase, env.programDir() + "/MASTER.DBF");
    }
    {
        GuiEnv env;
        ASSERT_EQ(::mkfifo(QFile::encodeName(env.programDir() + "/MASTER.DBF").constData(), 0600), 0);
        env.messages.expect();  // is not a regular file
        env.messages.expect();  // you will need to choose a new file
        env.dialogs.fileNames = {QString()};
        auto main = env.start();  // without hanging
        EXPECT_FALSE(main->started());
        ASSERT_EQ(env.messages.shown.size(), 2);
        EXPECT_TRUE(env.messages.shown[0].text.endsWith("is not a regular file")) << env.messages.shown[0].text.toStdString();
    }
}

// A database another program holds for itself: wait for it, or choose another file.
TEST(MainWindow, ADatabaseInUseAtStartOffersToWait)
{
    GuiEnv env;
    makeMaster(env, 2);
    testing_support::Child holder({BINDLOW_WRITER, "hold", env.programDir().toStdString(), "MASTER", "exclusive"});
    std::string line;
    ASSERT_TRUE(holder.readLine(line));
    env.messages.expect(ui::Retry);
    env.messages.expect(ui::Cancel);
    env.dialogs.fileNames = {QString()};
    auto main = env.start();
    EXPECT_FALSE(main->started());
    ASSERT_EQ(env.messages.shown.size(), 2);  // no "not a valid file" after it
    EXPECT_EQ(env.messages.shown[0].text, "The database \"" + env.programDir() +
                                              "/MASTER.DBF\" is in use by another program that does not share it.  "
                                              "Choose Retry when that program has closed it, or Cancel to choose another file.");
    EXPECT_EQ(env.messages.shown[0].buttons, ui::Retry | ui::Cancel);
    EXPECT_EQ(env.messages.shown[1].text, env.messages.shown[0].text);
    holder.closeInput();
    holder.wait();
    // free again: it opens
    auto later = env.start();
    EXPECT_TRUE(later->started());
}
