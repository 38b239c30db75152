// SPDX-License-Identifier: GPL-2.0-or-later
// The conversion of old databases as the program's start runs it.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/main_window.h"
#include "conversion/old_databases.h"
#include "conversion/old_tables.h"
#include "dbase/values.h"
#include "regional/regional.h"
#include "store/profile.h"
#include "support/gui_env.h"

using testing_support::GuiEnv;
namespace fs = std::filesystem;

namespace {
fs::path inProgram(const GuiEnv& env, const char* name) { return fs::path(env.programDir().toStdString()) / name; }

void writeOldFiles(const GuiEnv& env)
{
    old_tables::writeTable(inProgram(env, "B2LOG.DBF"), old_tables::layoutV2(),
                           {{{"Title", "Newer"}, {"Author", "B"}, {"PurchDate", "19961224"}}});
    old_tables::writeTable(inProgram(env, "BLOG.DBF"), old_tables::layoutV1(),
                           {{{"Title", "Older"},
                             {"Author", "A"},
                             {"PurchDay", "5"},
                             {"PurchMonth", "Mar"},
                             {"PurchYear", "1994"}}});
}
}  // namespace

TEST(Conversion, StartUpAppendsTheOldBooksAndLeavesTheDateFormatAlone)
{
    GuiEnv env;
    {
        store::ProfileFile ini(env.iniPath());
        ini.write("Misc", "Date Format", "10");  // dd/mm/yyyy
        ASSERT_TRUE(ini.save());
    }
    writeOldFiles(env);
    env.messages.expect(ui::Yes);
    env.messages.expect(ui::Yes);
    auto main = env.start();
    ASSERT_TRUE(main->started());
    ASSERT_EQ(env.messages.shown.size(), 2);
    for (const ui::Message& m : env.messages.shown) {
        EXPECT_EQ(m.caption, "Convert");
        EXPECT_EQ(m.icon, ui::MsgIcon::Question);
        EXPECT_EQ(m.buttons, ui::Yes | ui::No);
        EXPECT_EQ(m.defaultButton, ui::Yes);
        EXPECT_EQ(m.owner, main.get());
    }
    EXPECT_TRUE(env.messages.shown[0].text.contains("(2.X)"));
    EXPECT_TRUE(env.messages.shown[1].text.contains("(1.X)"));
    EXPECT_EQ(regional::current().datePattern(), "d/m/yyyy");
    EXPECT_EQ(regional::current().dateSeparator(), u'/');

    ASSERT_EQ(main->MyTable.recordCount(), 2u);
    dbase::Table& t = main->MyTable.table();
    t.first();  // in the sort order: author A, then B
    EXPECT_EQ(t.getText(0), "Older");
    EXPECT_EQ(dbase::formatDate(*t.getDate(t.fieldIndex("PurchDate"))), "19940305");
    EXPECT_EQ(regional::current().formatDate(*t.getDate(t.fieldIndex("PurchDate"))), "5/3/1994");
    t.next();
    EXPECT_EQ(t.getText(0), "Newer");
    EXPECT_EQ(dbase::formatDate(*t.getDate(t.fieldIndex("PurchDate"))), "19961224");
    EXPECT_FALSE(fs::exists(inProgram(env, "B2LOG.DBF")));
    EXPECT_FALSE(fs::exists(inProgram(env, "BLOG.DBF")));
}

TEST(Conversion, BrowseModeOffersNothingAndChangesNoFile)
{
    GuiEnv env;
    writeOldFiles(env);
    const std::string older = old_tables::readAll(inProgram(env, "BLOG.DBF"));
    auto main = env.start({"/BROWSE"});  // no message may come
    ASSERT_TRUE(main->started());
    EXPECT_EQ(main->MyTable.recordCount(), 0u);
    EXPECT_EQ(old_tables::readAll(inProgram(env, "BLOG.DBF")), older);
    EXPECT_TRUE(fs::exists(inProgram(env, "B2LOG.DBF")));
    // the next ordinary start offers them
    main.reset();
    env.messages.expect(ui::No);
    env.messages.expect(ui::No);
    main = env.start();
    EXPECT_EQ(env.messages.shown.size(), 2);
}

// What the conversion reports reaches the user as message boxes: the values it could not keep
// with their details, and a failure as an error.
TEST(Conversion, TheReportsAndFailuresAreShownAsMessageBoxes)
{
    GuiEnv env;
    old_tables::writeTable(inProgram(env, "B2LOG.DBF"), old_tables::layoutV2(),
                           {{{"Title", "Bad pages"}, {"Pages", "many"}}});
    conversion::setRemoveFileForTests([](const QString&, QString& reason) {
        reason = QStringLiteral("Permission denied");
        return false;
    });
    env.messages.expect(ui::Yes);
    env.messages.expect();
    env.messages.expect();
    auto main = env.start();
    conversion::setRemoveFileForTests({});
    ASSERT_TRUE(main->started());
    ASSERT_EQ(env.messages.shown.size(), 3);
    const ui::Message& told = env.messages.shown[1];
    EXPECT_EQ(told.caption, "Convert");
    EXPECT_EQ(told.icon, ui::MsgIcon::Information);
    EXPECT_EQ(told.text, "The books of \"B2LOG.DBF\" have been converted.  1 values could not be converted and were left "
                         "empty.");
    EXPECT_TRUE(told.details.contains("many")) << told.details.toStdString();
    const ui::Message& failed = env.messages.shown[2];
    EXPECT_EQ(failed.caption, "Error");
    EXPECT_TRUE(failed.text.startsWith("The old database \"")) << failed.text.toStdString();
    EXPECT_TRUE(failed.text.endsWith(": Permission denied.  It will not be converted again; you may delete it yourself."))
        << failed.text.toStdString();
    EXPECT_EQ(main->MyTable.recordCount(), 1u);
}
