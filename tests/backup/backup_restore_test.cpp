// SPDX-License-Identifier: GPL-2.0-or-later
// Backup and restore through the main window: each kind, the refusals, a table held by another
// program, a full destination, and restores that switch the open database.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QDateTime>
#include <QFileSystemModel>
#include <QRadioButton>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "backup/file_copy.h"
#include "backup/windows/backup_window.h"
#include "backup/windows/restore_window.h"
#include "dbase/check.h"
#include "dbase/table.h"
#include "regional/regional.h"
#include "support/child.h"
#include "support/file_size_limit.h"
#include "support/gui_env.h"

using testing_support::FileSizeLimit;
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

// The free space every volume reports while it lives.
struct FreeSpace {
    explicit FreeSpace(qint64 bytes)
    {
        backup::setFreeSpaceForTests([bytes](const QString&) { return bytes; });
    }
    ~FreeSpace() { backup::setFreeSpaceForTests({}); }
};

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// The table as a backup holds it: no production index is named in its header.
QByteArray unmarked(QByteArray table)
{
    table[28] = 0;
    return table;
}

const QString kReplaceBackup = QStringLiteral("There is room for this backup only in place of the old one.  If the "
                                              "copy fails, you will have no backup.  Replace the old backup?");

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
    EXPECT_EQ(bytes(main->currentDatabase)[28], 1);  // the open table has its index
    EXPECT_EQ(bytes(stick + "/MASTER.DBF"), unmarked(bytes(main->currentDatabase)));
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
        const QByteArray before = bytes(main->currentDatabase);
        env.dialogs.fileNames = {stick + "/MASTER.DBF"};
        env.messages.expect(ui::Yes);
        env.messages.expect();
        {
            FileSizeLimit full(1024);
            window.StartButtonClick();
        }
        EXPECT_EQ(env.messages.shown.last().text, QStringLiteral("An error occurred during restore.  Restore not completed."));
        EXPECT_EQ(bytes(main->currentDatabase), before);
        EXPECT_TRUE(main->MyTable.active());
        EXPECT_EQ(main->MyTable.recordCount(), 8u);
    }

    // the backup replaces the open table, with a new index in the sort order
    const QByteArray source = bytes(stick + "/MASTER.DBF");
    env.dialogs.fileNames = {stick + "/MASTER.DBF"};
    env.messages.expect(ui::Yes);
    env.messages.expect();
    window.StartButtonClick();
    EXPECT_EQ(env.messages.shown.last().text, kRestoreDone);
    EXPECT_TRUE(filesIn(env.programDir()).filter(QStringLiteral("restoring")).isEmpty());
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
              QStringLiteral("One or more files were not restored.  Restore may not have completed successfully.  "
                             "Restored into the folder \"%1\".")
                  .arg(env.programDir()));
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
    EXPECT_EQ(env.messages.shown.last().text,
              QStringLiteral("Configuration File restored successfully.  Restored into the folder \"%1\".")
                  .arg(env.programDir()));
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

TEST(Backup, AFailedCopyKeepsTheOlderBackup)
{
    GuiEnv env;
    auto main = env.start();
    addBooks(*main, 30);
    main->MyTable.setFilter([](const dbase::RecordView& r) { return r.recordNumber() % 2 == 0; });
    main->EnableEndSearch();
    TMyBackup window(main->backupHost(), main.get());
    const QString stick = folderIn(env, "stick");
    window.setDestinationFolder(stick);
    const QString backup = stick + "/MASTER.DBF";
    const QByteArray older(2000, 'o');
    {
        QFile f(backup);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(older);
    }
    const qint64 size = QFileInfo(main->currentDatabase).size();
    ASSERT_GT(size, 8192);
    // each message comes with the books back in the window, searched as before
    QList<bool> shownOpen;
    env.messages.onShow = [&](const ui::Message& m) {
        EXPECT_EQ(m.owner, &window) << m.text.toStdString();
        shownOpen << (main->MyTable.active() && main->searchOn && main->MyTable.recordCount() == 15u);
    };

    // room for a second copy: the older one stays until the new one is whole
    {
        FreeSpace free(size);
        FileSizeLimit full(4096);
        env.messages.expect();
        window.StartButtonClick();
    }
    EXPECT_EQ(env.messages.shown.last().text, QStringLiteral("An error occurred during backup.  Backup not completed."));
    EXPECT_EQ(bytes(backup), older);
    EXPECT_EQ(filesIn(stick), QStringList {"MASTER.DBF"});

    // room only in the older one's place: asked first, and No changes nothing
    {
        FreeSpace free(size - 1);
        env.messages.expect(ui::No);
        window.StartButtonClick();
        EXPECT_EQ(env.messages.shown.last().text, kReplaceBackup);
        EXPECT_EQ(env.messages.shown.last().caption, QStringLiteral("Confirm"));
        EXPECT_EQ(env.messages.shown.last().buttons, ui::Yes | ui::No);
        EXPECT_EQ(bytes(backup), older);

        // Yes, and the copy fails: the user knew there would be no backup, and no half of one stays
        FileSizeLimit full(4096);
        env.messages.expect(ui::Yes);
        env.messages.expect();
        window.StartButtonClick();
    }
    EXPECT_EQ(env.messages.shown.last().text, QStringLiteral("An error occurred during backup.  Backup not completed."));
    EXPECT_TRUE(filesIn(stick).isEmpty());
    EXPECT_EQ(window.CancelButton->text(), QStringLiteral("&Cancel"));

    // nothing in the way: no question, and the copy is whole
    env.messages.expect();
    window.StartButtonClick();
    EXPECT_EQ(env.messages.shown.last().text, kBackupDone);
    EXPECT_EQ(bytes(backup), unmarked(bytes(main->currentDatabase)));
    {  // with the older one counted, Yes writes over it
        FreeSpace free(size - 1);
        env.messages.expect(ui::Yes);
        env.messages.expect();
        window.StartButtonClick();
    }
    EXPECT_EQ(env.messages.shown.last().text, kBackupDone);
    EXPECT_EQ(bytes(backup), unmarked(bytes(main->currentDatabase)));
    EXPECT_EQ(filesIn(stick), QStringList {"MASTER.DBF"});
    for (int i = 0; i < shownOpen.size(); ++i) {
        if (env.messages.shown[i].caption != QStringLiteral("Confirm")) {
            EXPECT_TRUE(shownOpen[i]) << i;
        }
    }
    env.messages.onShow = {};
}

TEST(Backup, ReportsAndListsThatFailAreReportedAndKeepTheOlderCopy)
{
    GuiEnv env;
    auto main = env.start();
    TMyBackup window(main->backupHost(), main.get());
    const QString stick = folderIn(env, "stick");
    window.setDestinationFolder(stick);

    // the report file, with room only in place of the older copy
    const QString reports = env.programDir() + "/KAVBOOK.URP";
    const QByteArray olderReports(100, 'r');
    {
        QFile f(stick + "/KAVBOOK.URP");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(olderReports);
    }
    window.BackURP->setChecked(true);
    {
        FreeSpace free(QFileInfo(reports).size() - 50);
        env.messages.expect(ui::No);
        window.StartButtonClick();
        EXPECT_EQ(env.messages.shown.last().text, kReplaceBackup);
    }
    EXPECT_EQ(bytes(stick + "/KAVBOOK.URP"), olderReports);
    {
        FreeSpace free(QFileInfo(reports).size() - 101);  // not even counting the older copy
        env.messages.expect();
        window.StartButtonClick();
        EXPECT_TRUE(env.messages.shown.last().text.startsWith(
            QStringLiteral("There is not enough room on the destination drive to backup this file.")));
    }
    EXPECT_EQ(bytes(stick + "/KAVBOOK.URP"), olderReports);
    {
        FreeSpace free(QFileInfo(reports).size());
        FileSizeLimit full(1024);
        env.messages.expect();
        window.StartButtonClick();
    }
    EXPECT_EQ(env.messages.shown.last().text, QStringLiteral("An error occurred during backup.  Backup not completed."));
    EXPECT_EQ(bytes(stick + "/KAVBOOK.URP"), olderReports);
    {
        FreeSpace free(QFileInfo(reports).size() - 100);  // exactly enough counting the older copy
        env.messages.expect(ui::Yes);
        env.messages.expect();
        window.StartButtonClick();
    }
    EXPECT_EQ(env.messages.shown.last().text, kBackupDone);
    EXPECT_EQ(bytes(stick + "/KAVBOOK.URP"), bytes(reports));

    // a list that cannot be written: reported as failed, the older backup of the others kept
    main->dataLists[edit::AuthorList] = {QStringLiteral("Newer")};
    main->dataLists[edit::LocationList] = {QStringLiteral("Shelf")};
    {
        QFile f(stick + "/MASTER.002");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Older\r\n");
    }
    QDir().mkpath(stick + "/MASTER.001/in-the-way");
    window.BackLST->setChecked(true);
    env.messages.expect();
    window.StartButtonClick();
    EXPECT_EQ(env.messages.shown.last().caption, QStringLiteral("Error"));
    EXPECT_EQ(env.messages.shown.last().text, QStringLiteral("An error occurred during backup.  Backup not completed."));
    EXPECT_EQ(bytes(stick + "/MASTER.002"), QByteArray("Older\r\n"));  // the copy ended at the first failure
    EXPECT_EQ(filesIn(stick), (QStringList {"KAVBOOK.URP", "MASTER.002"}));
}

TEST(Backup, TheFolderListOpensOnTheProgramFolder)
{
    GuiEnv env;
    auto main = env.start();
    TMyBackup window(main->backupHost(), main.get());
    window.show();
    const QString program = QFileInfo(env.programDir()).canonicalFilePath();
    EXPECT_EQ(QFileInfo(window.destinationFolder()).canonicalFilePath(), program);  // before the folders are read
    auto* model = qobject_cast<QFileSystemModel*>(window.DirBox->model());
    ASSERT_NE(model, nullptr);
    const auto shown = [&] {
        const QModelIndex i = window.DirBox->currentIndex();
        return i.isValid() && QFileInfo(model->filePath(i)).canonicalFilePath() == program;
    };
    EXPECT_TRUE(QTest::qWaitFor(shown, 20000));
    for (QModelIndex p = window.DirBox->currentIndex().parent(); p.isValid() && p != window.DirBox->rootIndex();
         p = p.parent())
        EXPECT_TRUE(window.DirBox->isExpanded(p)) << model->filePath(p).toStdString();
    EXPECT_EQ(QFileInfo(window.destinationFolder()).canonicalFilePath(), program);

    // a folder the user picks is the one used from then on
    const QString above = QFileInfo(env.programDir()).absolutePath();
    window.DirBox->setCurrentIndex(model->index(above));
    EXPECT_EQ(QFileInfo(window.destinationFolder()).canonicalFilePath(), QFileInfo(above).canonicalFilePath());
}

TEST(Restore, AskedFirstAndNoChangesNothing)
{
    GuiEnv env;
    auto main = env.start();
    addBooks(*main, 6);
    const QString stick = folderIn(env, "stick");
    ASSERT_TRUE(QFile::copy(main->currentDatabase, stick + "/MASTER.DBF"));
    const QDateTime written(QDate(2024, 3, 9), QTime(14, 5));
    {
        QFile f(stick + "/MASTER.DBF");
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(written, QFileDevice::FileModificationTime));
    }
    addBooks(*main, 2, QStringLiteral("Later"));
    main->MyTable.setFilter([](const dbase::RecordView& r) { return r.recordNumber() % 2 == 0; });
    main->EnableEndSearch();
    const QByteArray before = bytes(main->currentDatabase);
    TMyRestore window(main->backupHost(), main.get());
    {  // the copy goes beside the old table: its place is no room for it
        FreeSpace free(QFileInfo(stick + "/MASTER.DBF").size() - 1);
        env.dialogs.fileNames = {stick + "/MASTER.DBF"};
        env.messages.expect(ui::Yes);
        env.messages.expect();
        window.StartButtonClick();
        EXPECT_TRUE(env.messages.shown.last().text.startsWith(
            QStringLiteral("There is not enough room on the destination drive to perform a restore.")));
        EXPECT_EQ(bytes(main->currentDatabase), before);
        EXPECT_FALSE(main->searchOn);  // ended once the user said Yes
        EXPECT_EQ(main->MyTable.recordCount(), 8u);
        env.messages.shown.clear();
        main->MyTable.setFilter([](const dbase::RecordView& r) { return r.recordNumber() % 2 == 0; });
        main->EnableEndSearch();
    }
    env.dialogs.fileNames = {stick + "/MASTER.DBF"};
    env.messages.expect(ui::No);
    window.StartButtonClick();
    ASSERT_EQ(env.messages.shown.size(), 1);
    const ui::Message asked = env.messages.shown.last();
    EXPECT_EQ(asked.caption, QStringLiteral("Confirm"));
    EXPECT_EQ(asked.buttons, ui::Yes | ui::No);
    EXPECT_EQ(asked.owner, &window);
    EXPECT_EQ(asked.text, QStringLiteral("Replace the books of the database \"%1\" with those of the backup \"%2\" of %3 "
                                         "14:05?")
                              .arg(main->currentDatabase, stick + "/MASTER.DBF",
                                   regional::current().formatDate({2024, 3, 9})));
    EXPECT_EQ(bytes(main->currentDatabase), before);
    EXPECT_TRUE(main->searchOn);
    EXPECT_EQ(main->MyTable.recordCount(), 4u);
    EXPECT_EQ(window.CancelButton->text(), QStringLiteral("&Cancel"));

    // a file that is no book table is refused over the window
    QFile(stick + "/JUNK.DBF").open(QIODevice::WriteOnly);
    env.dialogs.fileNames = {stick + "/JUNK.DBF"};
    env.messages.expect();
    window.StartButtonClick();
    EXPECT_EQ(env.messages.shown.last().owner, &window);
    EXPECT_TRUE(main->searchOn);
}

TEST(Restore, RoomForTheIndexIsCheckedAndAnIndexThatFailsIsSaid)
{
    GuiEnv env;
    auto main = env.start();
    addBooks(*main, 40);
    const QString stick = folderIn(env, "stick");
    const QString source = stick + "/SECOND.DBF";
    ASSERT_TRUE(QFile::copy(main->currentDatabase, source));
    TMyRestore window(main->backupHost(), main.get());
    const QString restored = env.programDir() + "/SECOND.DBF";
    const qint64 size = QFileInfo(source).size();
    const qint64 index = main->backupHost().indexBytes(source, restored);
    ASSERT_GT(index, 0);

    // room for the table, but then none for its index
    for (qint64 free : {size - 1, size + index - 1}) {
        FreeSpace space(free);
        env.dialogs.fileNames = {source};
        env.messages.expect();
        window.StartButtonClick();
        EXPECT_EQ(env.messages.shown.last().text,
                  QStringLiteral("There is not enough room on the destination drive to perform a restore.  You will need "
                                 "to free up hard drive space before completing the restore."));
        EXPECT_EQ(env.messages.shown.last().owner, &window);
        EXPECT_FALSE(QFileInfo::exists(restored));
        EXPECT_TRUE(main->MyTable.active());
        EXPECT_EQ(main->windowTitle(), QStringLiteral("Bindlow Books 97 (MASTER)"));
    }

    // the index cannot be written after all: the restored books are shown unsorted, and it is said
    QDir().mkpath(env.programDir() + "/SECOND.MDX.tmp/in-the-way");
    {
        FreeSpace space(size + index);
        env.dialogs.fileNames = {source};
        env.messages.expect();
        env.messages.expect();
        window.StartButtonClick();
    }
    ASSERT_EQ(env.messages.shown.size(), 4);
    EXPECT_EQ(env.messages.shown[2].caption, QStringLiteral("Warning"));
    EXPECT_EQ(env.messages.shown[2].owner, &window);
    EXPECT_EQ(env.messages.shown[2].text,
              QStringLiteral("The index of the database \"%1\" could not be built.  Its books are shown in the order "
                             "they were added, not in their sort order.")
                  .arg(restored));
    EXPECT_EQ(env.messages.shown[3].text, kRestoreDone);
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Bindlow Books 97 (SECOND)"));
    EXPECT_TRUE(main->MyTable.active());
    EXPECT_EQ(main->MyTable.recordCount(), 40u);
    EXPECT_EQ(main->MyTable.table().activeTag(), "");
    EXPECT_TRUE(main->action(QStringLiteral("MenuAdd"))->isEnabled());

    // with the way clear the index is built, and it is the size the room was measured by
    QDir(env.programDir() + "/SECOND.MDX.tmp").removeRecursively();
    env.dialogs.fileNames = {source};
    env.messages.expect(ui::Yes);
    env.messages.expect();
    window.StartButtonClick();
    EXPECT_EQ(env.messages.shown.last().text, kRestoreDone);
    EXPECT_EQ(main->MyTable.table().activeTag(), "NEWINDEX");
    EXPECT_EQ(QFileInfo(main->indexPath).size(), index);
}

TEST(Restore, ListsAndSettingsGoWhereTheOpenDatabaseReadsThem)
{
    GuiEnv env;
    auto main = env.start();
    const QString books = folderIn(env, "books");
    QFile::copy(main->currentDatabase, books + "/SHELF.DBF");
    main->OpenSaveFile(books + "/SHELF.DBF");
    ASSERT_EQ(main->currentDatabase, books + "/SHELF.DBF");
    const QString stick = folderIn(env, "stick");
    QFile(stick + "/SHELF.DBF").open(QIODevice::WriteOnly);
    for (int n = 1; n <= 9; ++n) {
        QFile f(stick + QStringLiteral("/SHELF.%1").arg(n, 3, 10, QChar(u'0')));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(n == 1 ? "Restored Author\r\n" : n == 9 ? "Restored Condition\r\n" : "x\r\n");
    }
    {
        QFile ini(stick + "/SHELF.INI");
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Field Names]\r\nTitle=Restored Title\r\n");
    }
    TMyRestore window(main->backupHost(), main.get());
    window.RestoreLST->setChecked(true);
    env.dialogs.fileNames = {stick + "/SHELF.DBF"};
    env.messages.expect();
    window.StartButtonClick();
    EXPECT_EQ(env.messages.shown.last().text,
              QStringLiteral("ALL proper \"Data List\" files restored successfully.  Restored into the folder \"%1\".")
                  .arg(books));
    EXPECT_EQ(bytes(books + "/SHELF.001"), QByteArray("Restored Author\r\n"));
    EXPECT_FALSE(QFileInfo::exists(env.programDir() + "/SHELF.001"));
    EXPECT_TRUE(main->dataLists[edit::AuthorList].contains(QStringLiteral("Restored Author")));
    EXPECT_EQ(bytes(books + "/SHELF.009"), QByteArray("Restored Condition\r\n"));  // the last list too
    EXPECT_TRUE(main->dataLists[edit::ConditionList].contains(QStringLiteral("Restored Condition")));

    window.RestoreINI->setChecked(true);
    env.dialogs.fileNames = {stick + "/SHELF.DBF"};
    env.messages.expect();
    window.StartButtonClick();
    EXPECT_EQ(env.messages.shown.last().text,
              QStringLiteral("Configuration File restored successfully.  Restored into the folder \"%1\".").arg(books));
    EXPECT_FALSE(QFileInfo::exists(env.programDir() + "/SHELF.INI"));
    EXPECT_EQ(main->db.fieldNames[0], QStringLiteral("Restored Title"));
}

// The open database is no backup of itself, even where the copy would go to another folder.
TEST(Restore, TheOpenDatabaseIsNoSourceOfARestore)
{
    GuiEnv env;
    auto main = env.start();
    addBooks(*main, 2);
    const QString books = folderIn(env, "books");
    QFile::copy(main->currentDatabase, books + "/SHELF.DBF");
    main->OpenSaveFile(books + "/SHELF.DBF");
    ASSERT_EQ(main->currentDatabase, books + "/SHELF.DBF");
    const int before = env.messages.shown.size();
    TMyRestore window(main->backupHost(), main.get());
    window.show();
    env.dialogs.fileNames = {books + "/SHELF.DBF"};
    env.messages.expect();
    window.StartButtonClick();
    ASSERT_EQ(env.messages.shown.size(), before + 1);
    EXPECT_TRUE(env.messages.shown.last().text.startsWith(QStringLiteral("Destination File and Source File are identical.")))
        << env.messages.shown.last().text.toStdString();
    EXPECT_FALSE(QFileInfo::exists(env.programDir() + "/SHELF.DBF"));
    EXPECT_EQ(main->currentDatabase, books + "/SHELF.DBF");
    EXPECT_EQ(main->MyTable.recordCount(), 2u);
}

TEST(Restore, TheStartRemovesWhatAKilledRestoreLeft)
{
    GuiEnv env;
    {
        QFile f(env.programDir() + "/.MASTER.DBF.restoring");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(5000, 'k'));
    }
    auto browsing = env.start({QStringLiteral("/BROWSE")});  // browse mode changes no file
    EXPECT_TRUE(QFileInfo::exists(env.programDir() + "/.MASTER.DBF.restoring"));
    browsing.reset();
    auto main = env.start();
    EXPECT_FALSE(QFileInfo::exists(env.programDir() + "/.MASTER.DBF.restoring"));
}
