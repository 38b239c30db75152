// SPDX-License-Identifier: GPL-2.0-or-later
// Copies that fail part-way never pass for done, and the checks made before copying.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include "backup/file_copy.h"
#include "support/temp_dir.h"

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

// Files of this process may grow to at most limit bytes while it lives: a disk that fills up.
struct FileSizeLimit {
    rlimit old {};
    explicit FileSizeLimit(rlim_t limit)
    {
        std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails with EFBIG instead
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit now = old;
        now.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &now);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
};

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
    backup::setFreeSpaceForTests({});
    EXPECT_TRUE(backup::hasRoom(a, folder + "/sub/NEW.DBF"));

    writeFile(dir / "master.001", 3, 'l');
    EXPECT_EQ(backup::findCaseless(folder, "MASTER.001"), folder + "/master.001");
    EXPECT_EQ(backup::findCaseless(folder, "MASTER.002"), folder + "/MASTER.002");
}
