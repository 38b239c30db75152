// SPDX-License-Identifier: GPL-2.0-or-later
// Backup and restore through the main window: each kind, the refusals, a table held by another
// program, a full destination, and restores that switch the open database.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include "app/main_window.h"
#include "backup/backup_window.h"
#include "backup/file_copy.h"
#include "backup/restore_window.h"
#include "dbase/check.h"
#include "dbase/table.h"
#include "support/child.h"
#include "support/gui_env.h"

using testing_support::GuiEnv;

namespace {

const QString kBackupDone = QStringLiteral("Backup completed successfully.");
const QString kRestoreDone = QStringLiteral("Restore completed successfully.");

void addBooks(TMain& main, int n, const QString& prefix = QStringLiteral("Book"))
{
    for (int i = 0; i < n; ++i) {
        main.MyTable.append();
        main.MyTable.setText(0, QStringLiteral("%1 %2").arg(prefix).arg(i));
        main.MyTable.setText(1, QStringLiteral("Author %1").arg(i));
        main.MyTable.post();
    }
}

QByteArray bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString folderIn(const GuiEnv& env, const char* name)
{
    const QString path = env.dir.path().c_str() + QStringLiteral("/") + QString::fromLatin1(name);
    QDir().mkpath(path);
    return path;
}

}  // namespace

TEST(Backup, EachKindAndTheRefusals)
{
    GuiEnv env;
    auto main = env.start();
    addBooks(*main, 4);
    main->dataLists[edit::AuthorList] = {QStringLiteral("Kept")};
    TMyBackup window(main->backupHost(), main.get());
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Backup"));
    EXPECT_TRUE(window.BackDBF->isChecked());
    EXPECT_EQ(QFileInfo(window.destinationFolder()).canonicalFilePath(), QFileInfo(env.programDir()).canonicalFilePath());

    // into the database's own folder: refused for the table, the lists and the settings
    for (QRadioButton* kind : {window.BackDBF, window.BackLST, window.BackINI}) {
        kind->setChecked(true);
        env.messages.expect();
        window.StartButtonClick();
        EXPECT_EQ(env.messages.shown.last().caption, QStringLiteral("Error"));
        EXPECT_TRUE(env.messages.shown.last().text.endsWith(QStringLiteral("directory/folder to backup to.")));
        EXPECT_EQ(env.messages.shown.last().icon, ui::MsgIcon::None);
    }
    window.BackURP->setChecked(true);
    env.messages.expect();
    window.StartButtonClick();
    EXPECT_TRUE(env.messages.shown.last().text.endsWith(QStringLiteral("different directory to backup to.")));
    EXPECT_EQ(window.CancelButton->text(), QStringLiteral("&Cancel"));

    const QString stick = folderIn(env, "stick");
    window.setDestinationFolder(stick);
    for (QRadioButton* kind : {window.BackDBF, window.BackLST, window.BackINI, window.BackURP}) {
        kind->setChecked(true);
        env.messages.expect();
        window.StartButtonClick();
        EXPECT_EQ(env.messages.shown.last().text, kBackupDone) << kind->objectName().toStdString();
    }
    EXPECT_EQ(window.CancelButton->text(), QStringLiteral("&Close"));
    EXPECT_EQ(bytes(stick + "/MASTER.DBF"), bytes(main->currentDatabase));
    EXPECT_TRUE(QFileInfo::exists(stick + "/MASTER.INI"));
    EXPECT_TRUE(bytes(stick + "/MASTER.001").contains("Kept"));  // the lists in memory were written first
    EXPECT_EQ(bytes(stick + "/KAVBOOK.URP"), bytes(env.programDir() + "/KAVBOOK.URP"));
    EXPECT_TRUE(main->MyTable.active());
    EXPECT_EQ(main->MyTable.recordCount(), 4u);
}

TEST(Backup, AHeldTableOrAFullDriveChangeNothing)
{
    GuiEnv env;
    auto main = env.start();
    addBooks(*main, 6);
    main->MyTable.setFilter([](const dbase::RecordView& r) { return r.recordNumber() % 2 == 0; });
    main->EnableEndSearch();
    TMyBackup window(main->backupHost(), main.get());
    const QString stick = folderIn(env, "stick");
    window.setDestinationFolder(stick);
    {
        testing_support::Child holder({BINDLOW_WRITER, "hold", env.programDir().toStdString(), "MASTER"});
        std::string line;
        ASSERT_TRUE(holder.readLine(line));
        env.messages.expect();
        window.StartButtonClick();
        EXPECT_TRUE(env.messages.shown.last().text.startsWith(
            QStringLiteral("Backing up the database requires exclusive use of the DBase File.")));
    }
    EXPECT_TRUE(main->MyTable.active());
    EXPECT_TRUE(main->searchOn);
    EXPECT_EQ(main->MyTable.recordCount(), 3u);

    backup::setFreeSpaceForTests([](const QString&) { return qint64(100); });
    env.messages.expect();
    window.StartButtonClick();
    backup::setFreeSpaceForTests({});
    EXPECT_TRUE(env.messages.shown.last().text.startsWith(
        QStringLiteral("There is not enough room on the destination drive to perform a backup.")));
    EXPECT_FALSE(QFileInfo::exists(stick + "/MASTER.DBF"));
    EXPECT_TRUE(main->searchOn);
    EXPECT_EQ(main->MyTable.recordCount(), 3u);

    env.messages.expect();
    window.StartButtonClick();
    EXPECT_EQ(env.messages.shown.last().text, kBackupDone);
    EXPECT_TRUE(main->searchOn);  // the search is in force again
    EXPECT_EQ(main->MyTable.recordCount(), 3u);
}

TEST(Backup, ACopyTakenWhileAnotherProgramAppendsIsWhole)
{
    GuiEnv env;
    auto main = env.start();
    addBooks(*main, 2);
    main->MyTable.close();  // the other program appends; the backup holds the update lock while it copies
    testing_support::Child writer({BINDLOW_WRITER, "append", env.programDir().toStdString(), "MASTER", "1000", "bk"});
    std::string line;
    ASSERT_TRUE(writer.readLine(line));
    const QString copy = folderIn(env, "stick") + "/MASTER.DBF";
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(backup::copyFile(main->currentDatabase, copy, {}, true).ok);
        // every record the header counts is in the copy, whole, and nothing torn follows them
        const auto facts = dbase::inspectTable(QFile::encodeName(QFileInfo(copy).absolutePath()).toStdString(), "MASTER");
        const qint64 records = qint64(facts.header.headerLength) + qint64(facts.header.recordCount) * facts.header.recordLength;
        const qint64 size = QFileInfo(copy).size();
        EXPECT_TRUE(size == records || size == records + 1) << size << " " << records;
        dbase::Table t;
        t.open(QFile::encodeName(QFileInfo(copy).absolutePath()).toStdString(), "MASTER", {false, true, {}, true});
        std::uint32_t seen = 0;
        t.forEachRecord([&](const dbase::RecordView& r) {
            ++seen;
            EXPECT_TRUE(r.data()[0] == ' ' || r.data()[0] == '*');
        });
        EXPECT_EQ(seen, facts.header.recordCount);
    }
    writer.wait();
}

TEST(Restore, ADatabaseReplacesTheOpenOneOrSwitchesToItsCopy)
{
    GuiEnv env;
    auto main = env.start();
    addBooks(*main, 5);
    const QString stick = folderIn(env, "stick");
    ASSERT_TRUE(QFile::copy(main->currentDatabase, stick + "/MASTER.DBF"));
    addBooks(*main, 3, QStringLiteral("Later"));
    TMyRestore window(main->backupHost(), main.get());
    window.show();

    // the very file a restore would write is refused
    env.dialogs.fileNames = {main->currentDatabase};
    env.messages.expect();
    window.StartButtonClick();
    EXPECT_EQ(env.dialogs.captions.last(), QStringLiteral("Restore Database File"));
    EXPECT_TRUE(env.messages.shown.last().text.endsWith(QStringLiteral("directory/folder to restore from.")));
    EXPECT_EQ(main->MyTable.recordCount(), 8u);

    // a failed copy leaves the open table as it was, open
    QFile::setPermissions(stick + "/MASTER.DBF", QFile::WriteOwner);  // unreadable (unless we are root)
    if (!QFileInfo(stick + "/MASTER.DBF").isReadable()) {
        env.dialogs.fileNames = {stick + "/MASTER.DBF"};
        env.messages.expect();
        window.StartButtonClick();
        EXPECT_EQ(main->MyTable.recordCount(), 8u);
    }
    QFile::setPermissions(stick + "/MASTER.DBF", QFile::ReadOwner | QFile::WriteOwner);

    // a drive that fills up part-way: the open table is untouched and open again
    {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old {};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = 1024;
        setrlimit(RLIMIT_FSIZE, &small);
        const QByteArray before = bytes(main->currentDatabase);
        env.dialogs.fileNames = {stick + "/MASTER.DBF"};
        env.messages.expect();
        window.StartButtonClick();
        setrlimit(RLIMIT_FSIZE, &old);
        EXPECT_EQ(env.messages.shown.last().text, QStringLiteral("An error occurred during restore.  Restore not completed."));
        EXPECT_EQ(bytes(main->currentDatabase), before);
        EXPECT_TRUE(main->MyTable.active());
        EXPECT_EQ(main->MyTable.recordCount(), 8u);
    }

    // the backup replaces the open table, with a new index in the sort order
    const QByteArray source = bytes(stick + "/MASTER.DBF");
    env.dialogs.fileNames = {stick + "/MASTER.DBF"};
    env.messages.expect();
    window.StartButtonClick();
    EXPECT_EQ(env.messages.shown.last().text, kRestoreDone);
    EXPECT_EQ(main->MyTable.recordCount(), 5u);
    EXPECT_EQ(main->MyTable.table().activeTag(), "NEWINDEX");
    EXPECT_EQ(bytes(stick + "/MASTER.DBF"), source);  // the source is only read
    EXPECT_EQ(window.CancelButton->text(), QStringLiteral("&Close"));

    // another name: the open table stays as it is and the window switches to the restored one
    ASSERT_TRUE(QFile::copy(stick + "/MASTER.DBF", stick + "/SECOND.DBF"));
    const QByteArray master = bytes(main->currentDatabase);
    env.dialogs.fileNames = {stick + "/SECOND.DBF"};
    env.messages.expect();
    window.StartButtonClick();
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Bindlow Books 97 (SECOND)"));
    EXPECT_EQ(QFileInfo(main->currentDatabase).absolutePath(), QFileInfo(env.programDir()).absoluteFilePath());
    EXPECT_EQ(main->settingsPath, QDir(env.programDir()).filePath("SECOND.INI"));
    EXPECT_EQ(bytes(env.programDir() + "/MASTER.DBF"), master);
}

TEST(Restore, ListsSettingsAndReports)
{
    GuiEnv env;
    auto main = env.start();
    const QString stick = folderIn(env, "stick");
    for (int n : {1, 2, 4, 5, 6, 8, 9}) {  // .003 and .007 are missing
        QFile f(stick + QStringLiteral("/MASTER.%1").arg(n, 3, 10, QChar(u'0')));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(n == 1 ? "Restored Author\r\n" : "x\r\n");
    }
    QFile(stick + "/MASTER.DBF").open(QIODevice::WriteOnly);
    TMyRestore window(main->backupHost(), main.get());
    window.RestoreLST->setChecked(true);
    env.dialogs.fileNames = {stick + "/MASTER.DBF"};
    for (int i = 0; i < 3; ++i) env.messages.expect();
    window.StartButtonClick();
    ASSERT_EQ(env.messages.shown.size(), 3);
    EXPECT_EQ(env.messages.shown[0].text,
              QStringLiteral("The following file \"MASTER.003\" could not be located on the specified source drive."));
    EXPECT_EQ(env.messages.shown[0].caption, QStringLiteral("Warning"));
    EXPECT_EQ(env.messages.shown[2].text,
              QStringLiteral("One or more files were not restored.  Restore may not have completed successfully."));
    EXPECT_TRUE(main->dataLists[edit::AuthorList].contains(QStringLiteral("Restored Author")));

    // another database's settings are copied in without changing those in use
    {
        QFile ini(stick + "/OTHER.INI");
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Field Names]\r\nTitle=Other Title\r\n");
    }
    window.RestoreINI->setChecked(true);
    env.dialogs.fileNames = {stick + "/OTHER.DBF"};
    env.messages.expect();
    window.StartButtonClick();
    EXPECT_EQ(env.messages.shown.last().text, QStringLiteral("Configuration File restored successfully."));
    EXPECT_TRUE(QFileInfo::exists(env.programDir() + "/OTHER.INI"));
    EXPECT_EQ(main->db.fieldNames[0], QStringLiteral("Title"));

    // a report file of two reports
    QFile::copy(env.programDir() + "/KAVBOOK.URP", stick + "/KAVBOOK.URP");
    QFile urp(stick + "/KAVBOOK.URP");
    urp.resize(2 * 20622);
    window.RestoreURP->setChecked(true);
    env.dialogs.fileNames = {stick + "/KAVBOOK.URP"};
    env.messages.expect();
    window.StartButtonClick();
    EXPECT_EQ(env.messages.shown.last().text, kRestoreDone);
    EXPECT_EQ(QFileInfo(env.programDir() + "/KAVBOOK.URP").size(), 2 * 20622);
}
