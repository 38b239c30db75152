// SPDX-License-Identifier: GPL-2.0-or-later
// A table opened from the file manager: the desktop entry's Exec line with the file in place of
// its field code starts the program on that table.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTextStream>

#include "app/command_line.h"
#include "app/main_window.h"
#include "dbase/table.h"
#include "store/book_table.h"
#include "support/gui_env.h"

using testing_support::GuiEnv;

namespace {

// The desktop entry's key, read as a file manager reads it.
QString desktopEntry(const QString& key)
{
    QFile f(QStringLiteral(SOURCE_DIR "/../packaging/bindlow.desktop"));
    if (!f.open(QIODevice::ReadOnly)) return {};
    QTextStream in(&f);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith(key + '=')) return line.mid(key.size() + 1);
    }
    return {};
}

// The command line a file manager runs for a double-click on file: the Exec line split into
// words, "%f" replaced by the file as one word.
QStringList commandFor(const QString& file)
{
    QStringList words = desktopEntry(QStringLiteral("Exec")).split(' ', Qt::SkipEmptyParts);
    for (QString& w : words)
        if (w == QLatin1String("%f")) w = file;
    return words;
}

QString makeBooks(const GuiEnv& env, const QString& name)
{
    store::BookTableFiles files;
    const QString path = env.programDir() + '/' + name;
    files.MakeNewDB(path);
    return path;
}

const char* const kNotABookTable =
    "This DBase file was not created with Bindlow Books 97.  It cannot be opened.  You may, however, "
    "import data from this file using the import function.";

}  // namespace

TEST(OpenFromFileManager, TheDesktopEntryDeclaresTheTablesItOpens)
{
    EXPECT_EQ(desktopEntry("MimeType"), "application/x-dbf;");
    const QStringList command = commandFor("/books/MY BOOKS.DBF");
    ASSERT_EQ(command.size(), 2);
    EXPECT_EQ(command[0], "bindlow");
    EXPECT_EQ(command[1], "/books/MY BOOKS.DBF");
}

TEST(OpenFromFileManager, ADoubleClickedTableOpensInPlaceOfTheLastOne)
{
    GuiEnv env;
    QDir(env.programDir()).mkdir("shelf two");
    const QString last = makeBooks(env, "LAST.DBF");
    const QString chosen = makeBooks(env, "shelf two/CHOSEN.DBF");
    env.writeIni("Last Database=" + last + "\n");
    auto main = env.start(commandFor(chosen).mid(1));
    ASSERT_TRUE(main->started());
    EXPECT_TRUE(env.messages.shown.isEmpty());
    EXPECT_EQ(main->currentDatabase, chosen);
    EXPECT_EQ(main->windowTitle(), "Bindlow Books 97 (CHOSEN)");
    EXPECT_TRUE(main->MyTable.active());
    EXPECT_EQ(main->settings.lastFiles[0], last);  // as Open Database leaves the list
    EXPECT_FALSE(main->browseMode);
    main->close();
    EXPECT_EQ(store::readProgramSettings(env.programDir()).lastDatabase, chosen);
}

TEST(OpenFromFileManager, BrowseModeAndARelativeNameGoTogether)
{
    GuiEnv env;
    makeBooks(env, "OTHER.DBF");
    auto main = env.start({"/BROWSE", "OTHER.DBF"});  // relative to the folder it was started in
    ASSERT_TRUE(main->started());
    EXPECT_EQ(main->currentDatabase, env.programDir() + "/OTHER.DBF");
    EXPECT_TRUE(main->browseMode);
    EXPECT_EQ(app::databaseRequested({"--browse"}, "/x"), "");
    EXPECT_EQ(app::databaseRequested({"a/../B.DBF"}, "/x"), "/x/B.DBF");
    EXPECT_EQ(app::databaseRequested({"/y/B.DBF"}, "/x"), "/y/B.DBF");
    EXPECT_EQ(app::databaseRequested({"/y/b.dbf"}, "/x"), "/y/b.dbf");
    EXPECT_EQ(app::databaseRequested({"/READONLY", "/BROWSE"}, "/x"), "");  // a switch, not a file
    EXPECT_EQ(app::databaseRequested({"NOTES.TXT"}, "/x"), "");  // no such file

}

// A file that is no book table is refused with Open's own message, and the program goes on with
// the database it used last (here MASTER.DBF, made on the first run).
TEST(OpenFromFileManager, ARefusedFileLeavesTheLastDatabase)
{
    GuiEnv env;
    const QString last = makeBooks(env, "LAST.DBF");
    env.writeIni("Last Database=" + last + "\n");
    dbase::Table::create(env.programDir().toStdString(), "PARTS", {dbase::NewField::string("Name", 10)});
    QFile notes(env.programDir() + "/NOTES.TXT");
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.close();
    struct Case {
        QString file;
        QString message;
    };
    for (const Case& c : {Case {env.programDir() + "/PARTS.DBF", kNotABookTable},
                          Case {env.programDir() + "/NOTES.TXT", "Invalid file type selected."}}) {
        SCOPED_TRACE(c.file.toStdString());
        env.messages.shown.clear();
        env.messages.expect();
        auto main = env.start({c.file});
        ASSERT_TRUE(main->started());
        ASSERT_EQ(env.messages.shown.size(), 1);
        EXPECT_EQ(env.messages.shown[0].caption, "Error");
        EXPECT_EQ(env.messages.shown[0].text, c.message);
        EXPECT_EQ(main->currentDatabase, last);
        EXPECT_EQ(main->settings.lastFiles[0], "");  // the refused file is not put on the list
    }
}
