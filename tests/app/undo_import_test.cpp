// SPDX-License-Identifier: GPL-2.0-or-later
// Undo Last Import: exactly the books the last import appended are deleted, after a restart too,
// with books added and changed by hand in between; refused once the books were renumbered.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "regional/regional.h"
#include "support/gui_env.h"
#include "support/qstring_print.h"
#include "transfer/import_undo.h"
#include "transfer/windows/import_preview_window.h"
#include "transfer/windows/import_window.h"

using testing_support::GuiEnv;

namespace {

// What the import windows need of the main window.
class Host : public transfer::ImportHost {
public:
    explicit Host(TMain& main) : main_(main) {}
    dbase::Table& bookTable() override { return main_.MyTable.table(); }
    QString databasePath() const override { return main_.currentDatabase; }
    store::DatabaseSettings& databaseSettings() override { return main_.db; }
    void booksAdded() override { main_.MyTable.notifyRecordsChanged(); }
    double windowFactor() const override { return 1; }
    QSize windowScreen() const override { return {1280, 1024}; }

private:
    TMain& main_;
};

// Imports these titles from a comma-separated file named name.
void importTitles(GuiEnv& env, TMain& main, const QString& name, const QStringList& titles)
{
    Host host(main);
    QString text = QStringLiteral("Title\r\n");
    for (const QString& t : titles) text += t + QStringLiteral("\r\n");
    TMyImport w(host, {transfer::SourceKind::Csv, env.programDir() + u'/' + name, text, u','});
    w.execPreview = [](TImportPreview&) { return int(QDialog::Accepted); };
    env.messages.expect();
    w.StartButtonClick();
}

void addByHand(TMain& main, const std::string& title)
{
    dbase::Table& t = main.MyTable.table();
    t.append();
    t.setText(0, title);
    t.post();
    main.MyTable.notifyRecordsChanged();
}

QStringList titles(TMain& main)
{
    QStringList out;
    dbase::Table& t = main.MyTable.table();
    for (std::uint32_t r = 1; r <= t.physicalCount(); ++r)
        if (!t.record(r).deleted()) out << QString::fromStdString(t.record(r).text(0));
    return out;
}

}  // namespace

TEST(UndoImport, DeletesExactlyTheImportedBooksAfterARestart)
{
    GuiEnv env;
    auto main = env.start();
    addByHand(*main, "Mine before");
    importTitles(env, *main, "list.csv", {"One", "Two", "Three", "Four"});
    addByHand(*main, "Mine between");  // by hand after the import
    {
        // one imported book changed by hand since
        dbase::Table& t = main->MyTable.table();
        t.goToPosition(0);
        ASSERT_TRUE(t.gotoBookmark(3));
        t.edit();
        t.setText(0, "Two, mended");
        t.post();
        // and one deleted by hand: no longer among those to delete
        ASSERT_TRUE(t.gotoBookmark(5));
        t.deleteRecord();
    }
    main.reset();
    main = env.start();  // what the import appended is kept with the database
    ASSERT_TRUE(main->action("MenuUndoImport")->isEnabled());
    EXPECT_EQ(main->action("MenuUndoImport")->text(), QStringLiteral("&Undo Last Import"));
    env.messages.expect(ui::No);
    main->action("MenuUndoImport")->trigger();
    const QString date = regional::current().formatDate(
        {QDate::currentDate().year(), QDate::currentDate().month(), QDate::currentDate().day()}, true);
    EXPECT_EQ(env.messages.shown.back().text,
              QStringLiteral("3 books of the import of list.csv on %1 will be deleted, 1 of them changed since.  "
                             "Delete them?")
                  .arg(date));
    EXPECT_EQ(titles(*main).size(), 5);  // No: nothing deleted (4 imported, one deleted by hand, 2 mine)
    env.messages.expect(ui::Yes);
    main->MenuUndoImportClick();
    EXPECT_EQ(titles(*main), (QStringList {"Mine before", "Mine between"}));
    EXPECT_EQ(main->MyTable.recordCount(), 2u);
    // once undone, there is nothing left to undo
    env.messages.expect();
    main->MenuUndoImportClick();
    EXPECT_EQ(env.messages.shown.back().text, QStringLiteral("There is no import to undo."));
}

TEST(UndoImport, OnlyTheLastImportAndNotAfterAPack)
{
    GuiEnv env;
    auto main = env.start();
    importTitles(env, *main, "first.csv", {"A", "B"});
    importTitles(env, *main, "second.csv", {"C"});
    env.messages.expect(ui::Yes);
    main->MenuUndoImportClick();
    EXPECT_TRUE(env.messages.shown.back().text.startsWith(QStringLiteral("1 books of the import of second.csv")));
    EXPECT_EQ(titles(*main), (QStringList {"A", "B"}));

    importTitles(env, *main, "third.csv", {"D", "E"});
    env.messages.expect(ui::Yes);
    main->MenuPackClick();  // the books are numbered anew
    env.messages.expect();
    main->MenuUndoImportClick();
    EXPECT_EQ(env.messages.shown.back().text, QStringLiteral("There is no import to undo."));
    EXPECT_EQ(titles(*main), (QStringList {"A", "B", "D", "E"}));

    // packed by another program: the import's records are past the table's end
    transfer::LastImport stale {QStringLiteral("x.csv"), QDate::currentDate(), {{3, 1}, {9, 2}}};
    ASSERT_TRUE(transfer::saveLastImport(main->basePath, stale));
    env.messages.expect();
    main->MenuUndoImportClick();
    EXPECT_EQ(env.messages.shown.back().text,
              QStringLiteral("The last import can no longer be undone: its books were renumbered when the database "
                             "was packed or restored."));
    EXPECT_EQ(titles(*main).size(), 4);
    // a damaged file is no import
    QFile damaged(transfer::lastImportPath(main->basePath));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("Bindlow import 1\nx.csv\n2026-12-09\n5\nshort");
    damaged.close();
    EXPECT_FALSE(transfer::loadLastImport(main->basePath));
}

TEST(UndoImport, WhatIsKeptReadsBackAndAFailedImportForgetsTheOneBefore)
{
    GuiEnv env;
    auto main = env.start();
    // record numbers past 65,535 and whole fingerprints come back as they went
    const transfer::LastImport big {QStringLiteral("big.csv"), QDate(2024, 3, 15),
                                    {{70000, 0xFEDCBA9876543210ull}, {4000000000u, 1}}};
    ASSERT_TRUE(transfer::saveLastImport(main->basePath, big));
    const auto back = transfer::loadLastImport(main->basePath);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->file, big.file);
    EXPECT_EQ(back->date, big.date);
    ASSERT_EQ(back->books.size(), 2u);
    EXPECT_EQ(back->books[0].record, 70000u);
    EXPECT_EQ(back->books[0].fingerprint, 0xFEDCBA9876543210ull);
    EXPECT_EQ(back->books[1].record, 4000000000u);

    importTitles(env, *main, "first.csv", {"A", "B"});
    ASSERT_TRUE(transfer::loadLastImport(main->basePath));
    // an import that fails on its first book: the one before can no longer be undone
    main->MyTable.table().close();
    main->MyTable.table().open(QFile::encodeName(QFileInfo(main->currentDatabase).absolutePath()).toStdString(),
                               QFile::encodeName(QFileInfo(main->currentDatabase).fileName()).toStdString(),
                               {false, true, {}});
    Host host(*main);
    TMyImport w(host, {transfer::SourceKind::Csv, QStringLiteral("second.csv"), QStringLiteral("Title\nC\n"), u','});
    w.execPreview = [](TImportPreview&) { return int(QDialog::Accepted); };
    env.messages.expect();
    w.StartButtonClick();
    EXPECT_EQ(env.messages.shown.back().caption, QStringLiteral("Error"));
    EXPECT_FALSE(transfer::loadLastImport(main->basePath));
}

TEST(UndoImport, TheEngineDeletesTheRecordsItHasAndShowsTheRest)
{
    GuiEnv env;
    auto main = env.start();
    for (const char* t : {"a", "b", "c"}) addByHand(*main, t);
    dbase::Table& t = main->MyTable.table();
    // a number past the table, one deleted already: passed over
    ASSERT_TRUE(t.gotoBookmark(3));
    t.deleteRecord();
    EXPECT_EQ(t.deleteRecords({1, 3, 9, 0}), 1);
    EXPECT_EQ(t.recordCount(), 1u);
    EXPECT_TRUE(t.record(1).deleted());
    EXPECT_FALSE(t.record(2).deleted());
}

TEST(UndoImport, BrowseModeTakesItAway)
{
    GuiEnv env;
    auto main = env.start({QStringLiteral("/browse")});
    EXPECT_FALSE(main->action("MenuUndoImport")->isEnabled());
}
