// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QFileInfo>

#include "app/main_window.h"
#include "dbase/table.h"
#include "store/book_table.h"
#include "store/profile.h"
#include "support/gui_env.h"
#include "ui/seams/dialogs.h"

using testing_support::GuiEnv;

namespace {
QString makeDb(const GuiEnv& env, const QString& name, int books = 0)
{
    store::BookTableFiles files;
    const QString path = env.programDir() + "/" + name;
    EXPECT_TRUE(files.MakeNewDB(path));
    dbase::Table t;
    t.open(env.programDir().toStdString(), name.toStdString());
    for (int i = 0; i < books; ++i) {
        t.append();
        t.setText(1, "Author " + std::to_string(i));
        t.post();
    }
    return path;
}
}  // namespace

TEST(DatabaseFiles, OpeningSwitchesSettingsListsAndTheRecentList)
{
    GuiEnv env;
    auto main = env.start();
    const QString master = main->currentDatabase;
    EXPECT_FALSE(main->action("MenuLastFile1")->isVisible());
    EXPECT_FALSE(main->findChild<QAction*>("MenuExitSep")->isVisible());

    const QString one = makeDb(env, "ONE.DBF", 3), two = makeDb(env, "two.dbf", 1);
    main->db.fieldNames[0] = "Book Title";
    main->dataLists[edit::AuthorList] = {"Kept"};
    env.dialogs.fileNames = {one};
    main->action("MenuOpen")->trigger();
    EXPECT_EQ(env.dialogs.captions.back(), "Open Database File");
    EXPECT_EQ(main->currentDatabase, one);
    EXPECT_EQ(main->windowTitle(), "Bindlow Books 97 (ONE)");
    EXPECT_EQ(main->MyTable.recordCount(), 3u);
    EXPECT_EQ(main->MyTable.table().activeTag(), "NEWINDEX");
    EXPECT_EQ(main->db.fieldNames[0], "Title");  // ONE has no settings of its own
    // MASTER's settings and lists went back to its files
    EXPECT_EQ(store::ProfileFile(env.programDir() + "/MASTER.INI").read("Field Names", "Title", "", 149), "Book Title");
    EXPECT_TRUE(QFileInfo::exists(env.programDir() + "/MASTER.001"));
    EXPECT_EQ(main->settings.lastFiles[0], master);
    EXPECT_TRUE(main->findChild<QAction*>("MenuExitSep")->isVisible());
    EXPECT_EQ(main->action("MenuLastFile1")->text(), "&1   " + master);

    main->OpenSaveFile(two);  // a lower-case extension passes
    EXPECT_EQ(main->settings.lastFiles[0], one);
    EXPECT_EQ(main->settings.lastFiles[1], master);
    main->OpenSaveFile(main->settings.lastFiles[1]);  // MASTER again: taken out of the list, TWO goes first
    EXPECT_EQ(main->currentDatabase, master);
    EXPECT_EQ(main->settings.lastFiles[0], two);
    EXPECT_EQ(main->settings.lastFiles[1], one);
    EXPECT_EQ(main->settings.lastFiles[2], "");
    EXPECT_EQ(main->dataLists[edit::AuthorList], QStringList {"Kept"});
    EXPECT_EQ(main->db.fieldNames[0], "Book Title");

    main->OpenSaveFile(master);  // the open database again: its own path goes first
    EXPECT_EQ(main->settings.lastFiles[0], master);
    EXPECT_EQ(main->settings.lastFiles[1], two);
}

TEST(DatabaseFiles, WrongFilesChangeNothing)
{
    GuiEnv env;
    auto main = env.start();
    const QString master = main->currentDatabase;
    QFile(master).copy(env.programDir() + "/COPY.DBX");
    env.dialogs.fileNames = {env.programDir() + "/COPY.DBX", QString()};
    env.messages.expect();
    main->DoOpen();
    EXPECT_EQ(env.messages.shown.back().text, "Invalid file type selected.");
    main->DoOpen();  // cancelled
    dbase::Table::create(env.programDir().toStdString(), "OTHER", {dbase::NewField::string("Name", 10)});
    env.messages.expect();
    main->OpenSaveFile(env.programDir() + "/OTHER.DBF");
    EXPECT_TRUE(env.messages.shown.back().text.startsWith("This DBase file was not created with Bindlow Books 97."));
    EXPECT_EQ(main->currentDatabase, master);
    EXPECT_TRUE(main->MyTable.active());
    EXPECT_TRUE(main->settings.lastFiles[0].isEmpty());
}

TEST(DatabaseFiles, ANewDatabaseStartsFromQordexAndTheDefaultLists)
{
    GuiEnv env;
    auto main = env.start();
    QFile q(env.programDir() + "/QORDEX.INI");  // the start directory is the program folder here
    q.open(QIODevice::WriteOnly);
    q.write("[Sort Order]\r\nPrimary Sort=1\r\n");
    q.close();
    QFile a(env.programDir() + "/AUTHOR.LST");
    a.open(QIODevice::WriteOnly);
    a.write("Default Author\r\n");
    a.close();
    env.dialogs.fileNames = {env.programDir() + "/FRESH.DBF"};
    main->action("MenuNew")->trigger();
    EXPECT_EQ(env.dialogs.captions.back(), "New Database File");
    EXPECT_EQ(main->windowTitle(), "Bindlow Books 97 (FRESH)");
    EXPECT_EQ(main->sortExpression, "Upper(Left(Title,80))");
    EXPECT_EQ(main->dataLists[edit::AuthorList], QStringList {"Default Author"});
    EXPECT_EQ(main->MyTable.recordCount(), 0u);
    EXPECT_EQ(main->settings.lastFiles[0], env.programDir() + "/MASTER.DBF");
}

TEST(DatabaseFiles, UpdateDatabaseWritesTheSettings)
{
    GuiEnv env;
    auto main = env.start();
    main->db.fieldWidth[0] = 33;
    main->action("MenuUpdateDatabase")->trigger();
    EXPECT_EQ(store::ProfileFile(env.programDir() + "/MASTER.INI").read("Field Width", "Title", "", 14), "33");
    EXPECT_TRUE(main->MyTable.active());
}

TEST(DatabaseFiles, OpeningEntryThreeOfTheRecentList)
{
    GuiEnv env;
    auto main = env.start();
    const QString master = main->currentDatabase;
    const QString a = makeDb(env, "A.DBF"), b = makeDb(env, "B.DBF"), c = makeDb(env, "C.DBF");
    for (const QString& p : {a, b, c}) main->OpenSaveFile(p);
    // list: B, A, MASTER
    ASSERT_EQ(main->settings.lastFiles[2], master);
    main->action("MenuLastFile3")->trigger();
    EXPECT_EQ(main->currentDatabase, master);
    EXPECT_EQ(main->settings.lastFiles[0], c);
    EXPECT_EQ(main->settings.lastFiles[1], b);
    EXPECT_EQ(main->settings.lastFiles[2], a);
    EXPECT_EQ(main->settings.lastFiles[3], "");
    EXPECT_FALSE(main->action("MenuLastFile4")->isVisible());
    main->close();
    store::ProfileFile ini(env.iniPath());
    EXPECT_EQ(ini.read("Misc", "Last File 1", "", 249), c);
}

TEST(DatabaseFiles, ANewDatabaseTypedWithoutExtensionIsADbfFile)
{
    GuiEnv env;
    auto main = env.start();
    env.dialogs.fileNames = {env.programDir() + "/second"};
    main->action("MenuNew")->trigger();
    EXPECT_TRUE(env.messages.shown.isEmpty());
    EXPECT_EQ(main->currentDatabase, env.programDir() + "/second.DBF");
    EXPECT_TRUE(QFileInfo::exists(env.programDir() + "/second.DBF"));
    EXPECT_EQ(main->windowTitle(), "Bindlow Books 97 (second)");
    // another extension is the user's choice, and still refused
    env.dialogs.fileNames = {env.programDir() + "/third.txt"};
    env.messages.expect();
    main->DoNew();
    EXPECT_EQ(env.messages.shown.back().text, "Invalid file type selected.");
    EXPECT_EQ(ui::withDefaultExtension("/a.b/second", "DBF"), "/a.b/second.DBF");
    EXPECT_EQ(ui::withDefaultExtension("/a/second.dbf", "DBF"), "/a/second.dbf");
    EXPECT_EQ(ui::withDefaultExtension("", "DBF"), "");
}
