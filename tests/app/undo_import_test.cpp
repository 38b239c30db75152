// SPDX-License-Identifier: GPL-2.0-or-later
// Undo Last Import: exactly the books the last import appended are deleted, after a restart too,
// with books added and changed by hand in between; refused once the books were renumbered.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/regional.h"
#include "support/gui_env.h"
#include "support/qstring_print.h"
#include "transfer/import_preview_window.h"
#include "transfer/import_undo.h"
#include "transfer/import_window.h"

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
    importTitles(env, *main, "list.csv", {"One", "Two", "Three"});
    addByHand(*main, "Mine between");  // by hand after the import
    {
        // one imported book changed by hand since
        dbase::Table& t = main->MyTable.table();
        t.goToPosition(0);
        ASSERT_TRUE(t.gotoBookmark(3));
        t.edit();
        t.setText(0, "Two, mended");
        t.post();
    }
    main.reset();
    main = env.start();  // what the import appended is kept with the database
    ASSERT_TRUE(main->action("MenuUndoImport")->isEnabled());
    EXPECT_EQ(main->action("MenuUndoImport")->text(), QStringLiteral("&Undo Last Import"));
    env.messages.expect(ui::No);
    main->action("MenuUndoImport")->trigger();
    const QString date = app::regional().formatDate(
        {QDate::currentDate().year(), QDate::currentDate().month(), QDate::currentDate().day()}, true);
    EXPECT_EQ(env.messages.shown.back().text,
              QStringLiteral("3 books of the import of list.csv on %1 will be deleted, 1 of them changed since.  "
                             "Delete them?")
                  .arg(date));
    EXPECT_EQ(titles(*main).size(), 5);  // No: nothing deleted
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

TEST(UndoImport, BrowseModeTakesItAway)
{
    GuiEnv env;
    auto main = env.start({QStringLiteral("/browse")});
    EXPECT_FALSE(main->action("MenuUndoImport")->isEnabled());
}
