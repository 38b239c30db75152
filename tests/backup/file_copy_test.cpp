// SPDX-License-Identifier: GPL-2.0-or-later
// Copies that fail part-way never pass for done, and the checks made before copying.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <sys/stat.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "backup/file_copy.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

using testing_support::FileSizeLimit;
using testing_support::TempDir;

namespace {

QString writeFile(const std::filesystem::path& path, qint64 size, char fill)
{
    QFile f(QString::fromStdString(path.string()));
    f.open(QIODevice::WriteOnly);
    f.write(QByteArray(size, fill));
    return f.fileName();
}

QByteArray bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(FileCopy, CopiesWholeOrLeavesNothingHalfWritten)
{
    TempDir dir;
    const QString source = writeFile(dir / "SOURCE.DBF", 3 * 1024 * 1024 + 17, 'b');
    const QString copy = QString::fromStdString((dir / "COPY.DBF").string());
    qint64 last = 0;
    ASSERT_TRUE(backup::copyFile(source, copy, [&](qint64 done, qint64 total) {
                    EXPECT_EQ(total, 3 * 1024 * 1024 + 17);
                    last = done;
                }).ok);
    EXPECT_EQ(bytes(copy), bytes(source));
    EXPECT_EQ(last, QFileInfo(source).size());

    // a full disk part-way: a failure, and no partial copy left under the name
    const QString full = QString::fromStdString((dir / "FULL.DBF").string());
    backup::CopyResult r;
    {
        FileSizeLimit limit(1024 * 1024);
        r = backup::copyFile(source, full);
    }
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(full));

    // a restore's copy that fails keeps the file it was to replace
    const QString old = writeFile(dir / "OLD.DBF", 100, 'o');
    {
        FileSizeLimit limit(1024 * 1024);
        EXPECT_FALSE(backup::replaceFile(source, old).ok);
    }
    EXPECT_EQ(bytes(old), QByteArray(100, 'o'));
    EXPECT_EQ(QDir(QString::fromStdString(dir.path().string())).entryList(QDir::Files | QDir::Hidden).size(), 3);  // no temporary file left
    EXPECT_TRUE(backup::replaceFile(source, old).ok);
    EXPECT_EQ(bytes(old), bytes(source));

    EXPECT_FALSE(backup::copyFile(QString::fromStdString((dir / "MISSING").string()), copy).ok);
}

QStringList filesIn(const TempDir& dir)
{
    return QDir(QString::fromStdString(dir.path().string())).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

TEST(FileCopy, AReplaceWhoseRenameFailsLeavesNoTemporaryFile)
{
    TempDir dir;
    const QString source = writeFile(dir / "SOURCE.DBF", 5000, 's');
    // a folder of the destination's name cannot be renamed over
    const QString folder = QString::fromStdString((dir / "MASTER.DBF").string());
    QDir().mkpath(folder + "/inside");
    const backup::CopyResult r = backup::replaceFile(source, folder);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_EQ(filesIn(dir), QStringList {"SOURCE.DBF"});
    EXPECT_TRUE(QFileInfo(folder + "/inside").isDir());
}

TEST(FileCopy, ATableCopyCarriesNoIndexMark)
{
    TempDir dir;
    QByteArray table(2 * 1024 * 1024 + 3000, 't');  // more than one block of the copy
    table[0] = 0x03;
    table[28] = 0x01;  // a production index belongs to it
    const QString source = QString::fromStdString((dir / "BOOKS.DBF").string());
    {
        QFile f(source);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(table);
    }
    const QString copy = QString::fromStdString((dir / "COPY.DBF").string());
    ASSERT_TRUE(backup::replaceFile(source, copy, {}, true, QStringLiteral("copying")).ok);
    QByteArray expected = table;
    expected[28] = 0;
    EXPECT_EQ(bytes(copy), expected);
    EXPECT_EQ(bytes(source), table);  // the source is only read
    ASSERT_TRUE(backup::copyFile(source, copy, {}, true).ok);
    EXPECT_EQ(bytes(copy), expected);
    ASSERT_TRUE(backup::copyFile(source, copy).ok);  // any other file is copied as it is
    EXPECT_EQ(bytes(copy), table);

    // in place of a longer older copy, nothing of the older one stays at the end
    writeFile(dir / "COPY.DBF", table.size() + 5000, 'o');
    ASSERT_TRUE(backup::copyFile(source, copy).ok);
    EXPECT_EQ(bytes(copy), table);
}

TEST(FileCopy, LeftoversOfKilledRestoresAreRemovedUnlessStillWritten)
{
    TempDir dir;
    writeFile(dir / ".MASTER.DBF.restoring", 4000, 'k');  // a restore killed part-way
    writeFile(dir / ".OTHER.DBF.restoring", 10, 'w');
    writeFile(dir / ".MASTER.001.restoring", 10, 'l');
    writeFile(dir / "MASTER.DBF", 10, 'm');
    writeFile(dir / ".hidden", 10, 'h');
    writeFile(dir / "NOTE.restoring", 10, 'n');  // not a name a restore gives its copy
    // another copy of the program still writes this one
    const int held = ::open((dir / ".OTHER.DBF.restoring").c_str(), O_RDWR);
    ASSERT_GE(held, 0);
    struct flock l {};
    l.l_type = F_WRLCK;
    l.l_whence = SEEK_SET;
    ASSERT_EQ(::fcntl(held, F_OFD_SETLK, &l), 0);
    backup::removeLeftovers(QString::fromStdString(dir.path().string()));
    EXPECT_EQ(filesIn(dir), (QStringList {".OTHER.DBF.restoring", ".hidden", "MASTER.DBF", "NOTE.restoring"}));
    // nor can a second restore of the same name write into it meanwhile
    const QString source = writeFile(dir / "SOURCE", 10, 's');
    EXPECT_FALSE(backup::replaceFile(source, QString::fromStdString((dir / "OTHER.DBF").string())).ok);
    EXPECT_EQ(bytes(QString::fromStdString((dir / ".OTHER.DBF.restoring").string())), QByteArray(10, 'w'));
    ::close(held);
    backup::removeLeftovers(QString::fromStdString(dir.path().string()));
    EXPECT_FALSE(filesIn(dir).contains(".OTHER.DBF.restoring"));
}

TEST(FileCopy, SameFileAndRoom)
{
    TempDir dir;
    const QString a = writeFile(dir / "BOOKS.DBF", 1000, 'x');
    const QString folder = QString::fromStdString(dir.path().string());
    EXPECT_TRUE(backup::sameFile(a, folder + "/books.dbf"));
    EXPECT_TRUE(backup::sameFile(a, folder + "/./sub/../BOOKS.DBF"));
    EXPECT_FALSE(backup::sameFile(a, folder + "/OTHER.DBF"));
    std::filesystem::create_directory(dir / "sub");
    std::filesystem::create_directory_symlink(dir.path(), dir / "link");
    EXPECT_TRUE(backup::sameFile(a, folder + "/link/BOOKS.DBF"));
    EXPECT_TRUE(backup::sameFile(folder + "/link/NEW.DBF", folder + "/NEW.DBF"));  // neither exists yet

    const QString old = writeFile(dir / "sub" / "BOOKS.DBF", 400, 'o');
    backup::setFreeSpaceForTests([](const QString&) { return qint64(600); });
    EXPECT_TRUE(backup::hasRoom(a, old));                       // 400 + 600 covers 1000
    EXPECT_FALSE(backup::hasRoom(a, folder + "/sub/NEW.DBF"));  // 600 does not
    const backup::Space s = backup::space(a, old);
    EXPECT_EQ(s.source, 1000);
    EXPECT_EQ(s.existing, 400);
    EXPECT_EQ(s.free, 600);
    EXPECT_TRUE(s.inPlace());
    EXPECT_FALSE(s.besides());  // a second copy beside the old one does not fit
    EXPECT_EQ(backup::space(a, folder + "/sub").existing, 0);  // a folder is no older copy
    backup::setFreeSpaceForTests([](const QString&) { return qint64(1000); });
    EXPECT_TRUE(backup::space(a, old).besides());
    backup::setFreeSpaceForTests({});
    EXPECT_TRUE(backup::hasRoom(a, folder + "/sub/NEW.DBF"));

    writeFile(dir / "master.001", 3, 'l');
    EXPECT_EQ(backup::findCaseless(folder, "MASTER.001"), folder + "/master.001");
    EXPECT_EQ(backup::findCaseless(folder, "MASTER.002"), folder + "/MASTER.002");
}

// A backup or restore source that is no regular file (a FIFO named like a list file, a link to a
// device) is refused at once, and the file it would have replaced stays as it was.
TEST(FileCopy, SpecialSourcesAreRefusedWithoutWaiting)
{
    testing_support::TempDir dir;
    const QString fifo = QString::fromStdString((dir / "BOOKS.001").string());
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", dir / "BOOKS.002");
    const QString old = QString::fromStdString((dir / "OLD.001").string());
    QFile f(old);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Penn, Ada\r\n");
    f.close();
    for (const QString& source : {fifo, QString::fromStdString((dir / "BOOKS.002").string())}) {
        const backup::CopyResult r = backup::replaceFile(source, old);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.error.contains(QStringLiteral("is not a regular file"))) << r.error.toStdString();
        EXPECT_EQ(QFileInfo(old).size(), 11);
    }
    EXPECT_EQ(QDir(QString::fromStdString(dir.path().string())).entryList(QDir::Hidden | QDir::Files).size(), 2);
}
