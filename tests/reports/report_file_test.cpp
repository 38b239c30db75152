// SPDX-License-Identifier: GPL-2.0-or-later
// The report definitions file: reading, changing and guarding its records.
#include <gtest/gtest.h>

#include <QString>
#include <filesystem>
#include <unistd.h>

#include "record_bytes.h"
#include "reports/report_file.h"
#include "support/temp_dir.h"

using namespace reports;
using namespace report_bytes;
namespace fs = std::filesystem;

namespace {

QString qpath(const fs::path& p) { return QString::fromStdString(p.string()); }

ReportDefinition named(const char* name)
{
    ReportDefinition r = newReport();
    r.name = QString::fromLatin1(name);
    return r;
}

QStringList names(std::initializer_list<const char*> list)
{
    QStringList out;
    for (const char* n : list) out << QString::fromLatin1(n);
    return out;
}

class ReportFileTest : public ::testing::Test {
protected:
    testing_support::TempDir dir;
    fs::path path = dir / "KAVBOOK.URP";
    ReportFile file{qpath(path)};

    void fill(std::initializer_list<const char*> list)
    {
        for (const char* n : list) file.append(named(n));
    }
};

bool runningAsRoot() { return ::geteuid() == 0; }

}  // namespace

TEST_F(ReportFileTest, AMissingFileHoldsNothingAndTheFirstAppendCreatesIt)
{
    EXPECT_TRUE(file.listNames().isEmpty());
    EXPECT_EQ(file.count(), 0);
    EXPECT_FALSE(file.read(0));
    file.remove(0);  // nothing to remove, nothing created
    EXPECT_FALSE(fs::exists(path));

    EXPECT_EQ(file.append(named("First")), 0);
    EXPECT_EQ(fs::file_size(path), 20622u);
    EXPECT_EQ(file.append(named("Second")), 1);
    EXPECT_EQ(file.listNames(), names({"First", "Second"}));
    EXPECT_EQ(file.read(1)->name, QStringLiteral("Second"));
    EXPECT_FALSE(file.read(2));
    EXPECT_FALSE(file.read(-1));
}

TEST_F(ReportFileTest, OverwriteReplacesInPlaceAndAppendsBeyondTheEnd)
{
    fill({"A", "B", "C"});
    const QByteArray before = fileBytes(path);
    file.overwrite(1, named("X"));
    EXPECT_EQ(file.listNames(), names({"A", "X", "C"}));
    const QByteArray after = fileBytes(path);
    EXPECT_EQ(after.left(20622), before.left(20622));
    EXPECT_EQ(after.mid(2 * 20622), before.mid(2 * 20622));

    file.overwrite(3, named("D"));   // at the count
    file.overwrite(40, named("E"));  // far beyond: appended, no empty records between
    EXPECT_EQ(file.listNames(), names({"A", "X", "C", "D", "E"}));
    EXPECT_EQ(fs::file_size(path), 5 * 20622u);
    EXPECT_THROW(file.overwrite(-1, named("F")), ReportFileError);
    EXPECT_EQ(file.count(), 5);
}

TEST_F(ReportFileTest, RemoveMovesTheLaterRecordsDown)
{
    fill({"A", "B", "C", "D"});
    const QByteArray before = fileBytes(path);
    file.remove(1);
    EXPECT_EQ(file.listNames(), names({"A", "C", "D"}));
    EXPECT_EQ(fileBytes(path), before.left(20622) + before.mid(2 * 20622));

    file.remove(3);  // not below the count
    file.remove(-1);
    EXPECT_EQ(file.count(), 3);

    file.remove(2);  // the last one, and nothing else
    EXPECT_EQ(file.listNames(), names({"A", "C"}));
    EXPECT_EQ(fileBytes(path), before.left(20622) + before.mid(2 * 20622, 20622));

    file.remove(0);  // the former second record is now the first
    EXPECT_EQ(file.listNames(), names({"C"}));
    EXPECT_EQ(fileBytes(path), before.mid(2 * 20622, 20622));
    file.remove(0);
    EXPECT_EQ(fs::file_size(path), 0u);
    EXPECT_TRUE(file.listNames().isEmpty());
}

TEST_F(ReportFileTest, APieceOfARecordAtTheEndIsNeverTakenForOne)
{
    fill({"A", "B"});
    QByteArray bytes = fileBytes(path);
    writeBytes(path, bytes + QByteArray(100, 'z'));
    EXPECT_EQ(file.count(), 2);
    EXPECT_EQ(file.listNames(), names({"A", "B"}));
    EXPECT_FALSE(file.read(2));

    EXPECT_EQ(file.append(named("C")), 2);
    EXPECT_EQ(fs::file_size(path), 3 * 20622u);
    EXPECT_EQ(fileBytes(path).left(2 * 20622), bytes);
    EXPECT_EQ(file.read(2)->name, QStringLiteral("C"));

    writeBytes(path, QByteArray(20621, 'z'));
    EXPECT_EQ(file.count(), 0);
    EXPECT_TRUE(file.listNames().isEmpty());
    file.overwrite(0, named("Only"));
    EXPECT_EQ(fs::file_size(path), 20622u);
}

TEST_F(ReportFileTest, AReadOnlyFileIsLeftWholeAndTheWriteFails)
{
    if (runningAsRoot()) GTEST_SKIP() << "the superuser writes read-only files";
    fill({"A", "B"});
    const QByteArray before = fileBytes(path);
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_THROW(file.append(named("C")), ReportFileError);
    EXPECT_THROW(file.overwrite(0, named("X")), ReportFileError);
    EXPECT_THROW(file.remove(0), ReportFileError);
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(file.listNames(), names({"A", "B"}));  // and still read
    try {
        file.append(named("C"));
    } catch (const ReportFileError& e) {
        EXPECT_NE(std::string(e.what()).find("KAVBOOK.URP"), std::string::npos) << e.what();
    }
}

TEST_F(ReportFileTest, AFileThatCannotBeReadIsNotReplacedByANewOne)
{
    if (runningAsRoot()) GTEST_SKIP() << "the superuser reads unreadable files";
    fill({"A", "B"});
    const QByteArray before = fileBytes(path);
    fs::permissions(path, fs::perms::owner_write);
    EXPECT_TRUE(file.listNames().isEmpty());
    EXPECT_THROW(file.append(named("C")), ReportFileError);
    EXPECT_THROW(file.overwrite(5, named("C")), ReportFileError);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(fileBytes(path), before);
}

TEST_F(ReportFileTest, AReadOnlyFolderKeepsItsFile)
{
    if (runningAsRoot()) GTEST_SKIP() << "the superuser writes into read-only folders";
    fill({"A"});
    const QByteArray before = fileBytes(path);
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THROW(file.append(named("B")), ReportFileError);
    EXPECT_THROW(ReportFile(qpath(dir / "OTHER.URP")).append(named("B")), ReportFileError);
    fs::permissions(dir.path(), fs::perms::owner_all);
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_FALSE(fs::exists(dir / "OTHER.URP"));
    EXPECT_EQ(fs::directory_iterator(dir.path())->path().filename(), "KAVBOOK.URP");  // no temporary left
}
