// SPDX-License-Identifier: GPL-2.0-or-later
// Settings and list files are read within bounds: every number within its range, a file that is
// not a regular file (a FIFO, a link to a device) or is too large refused at once and never
// written over, and a long settings file read in one pass with the profile semantics intact.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>

#include "edit/data_lists.h"
#include "store/bounded_file.h"
#include "store/profile.h"
#include "store/settings.h"
#include "support/temp_dir.h"

using namespace store;
using testing_support::TempDir;

namespace {
QString qpath(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

void spit(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

struct ConfigHome {
    TempDir dir;
    ConfigHome() { qputenv("XDG_CONFIG_HOME", dir.path().string().c_str()); }
};
}  // namespace

TEST(SettingRanges, NumbersOutsideTheirRangeReadAsTheirDefaults)
{
    ConfigHome home;
    spit(qpath(home.dir / "KAVBOOK.INI"),
         "[Misc]\r\nMain Window Left=-500\r\nMain Window Top=0\r\nMain Window Width=2147483647\r\n"
         "Main Window Height=150\r\nWindow Size=700\r\nDate Format=40\r\nCurrency Format=2\r\nButton Bar=0\r\n");
    const ProgramSettings p = readProgramSettings(qpath(home.dir.path()));
    EXPECT_EQ(p.left, -500);  // kept: the window keeps itself on the screen
    EXPECT_EQ(p.top, 0);
    EXPECT_EQ(p.width, 640);
    EXPECT_EQ(p.height, 480);
    EXPECT_EQ(p.windowSize, 640);
    EXPECT_EQ(p.dateFormat, 1);
    EXPECT_EQ(p.currencyFormat, 2);
    EXPECT_EQ(p.buttonBar, 1);
    EXPECT_TRUE(p.problem.isEmpty());

    const QString path = qpath(home.dir / "BOOKS.INI");
    spit(path, "[Field Width]\r\nTitle=0\r\nAuthor=100000\r\nYearPub=255\r\n[Field Order]\r\nTitle=37\r\n"
               "[Sort Order]\r\nPrimary Sort=99\r\nSecondary Sort=36\r\n[Grid Font]\r\nSize=100000\r\nColor=-5\r\n"
               "[Grid Title Font]\r\nSize=72\r\n[Main Window Color]\r\nMain Background=16777216\r\n"
               "Major Title=255\r\n[Grid Title]\r\nAlignment=9\r\n[Reports]\r\nReport Viewing Window Width=10\r\n"
               "Printer Index=-7\r\n[Import]\r\nFile Type=5\r\n");
    const DatabaseSettings d = readDatabaseSettings(path);
    EXPECT_EQ(d.fieldWidth[0], 15);
    EXPECT_EQ(d.fieldWidth[1], 15);
    EXPECT_EQ(d.fieldWidth[2], 255);
    EXPECT_EQ(d.fieldOrder[0], 1);
    EXPECT_EQ(d.sortOrder[0], 2);
    EXPECT_EQ(d.sortOrder[1], 36);
    EXPECT_EQ(d.gridFont.size, 10);
    EXPECT_EQ(d.gridFont.color, 0);
    EXPECT_EQ(d.titleFont.size, 72);
    EXPECT_EQ(d.colors[MainColors][MainBackground], 12632256);
    EXPECT_EQ(d.colors[MainColors][MajorTitle], 255);
    EXPECT_EQ(d.titleAlignment, 2);
    EXPECT_EQ(d.reportWidth, 640);
    EXPECT_EQ(d.printerIndex, 0);
    EXPECT_EQ(d.importFileType, 1);
}

TEST(SpecialFiles, AreRefusedAtOnceAndNeverWrittenOver)
{
    TempDir dir;
    const QString fifo = qpath(dir / "BOOKS.INI");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);  // no writer: a read would wait for ever
    ProfileFile settings(fifo);
    EXPECT_TRUE(settings.exists());
    EXPECT_EQ(settings.problem(), QStringLiteral("\"%1\" is not a regular file.").arg(fifo));
    EXPECT_EQ(settings.read("Misc", "Key", "dflt", 10), "dflt");
    settings.write("Misc", "Key", "value");
    EXPECT_FALSE(settings.save());
    struct stat st {};
    ASSERT_EQ(::stat(fifo.toLocal8Bit().constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_EQ(readDatabaseSettings(fifo).problem, settings.problem());

    // links to endless devices: refused, not read
    for (const char* device : {"/dev/zero", "/dev/urandom"}) {
        const auto link = dir / (std::string("LINK") + (device[5] == 'z' ? "Z" : "U") + ".INI");
        std::filesystem::create_symlink(device, link);
        EXPECT_FALSE(ProfileFile(qpath(link)).problem().isEmpty()) << device;
    }
    // a link to a regular file is fine
    spit(qpath(dir / "REAL.INI"), "[Misc]\r\nKey=linked\r\n");
    std::filesystem::create_symlink(dir / "REAL.INI", dir / "LINKED.INI");
    EXPECT_EQ(ProfileFile(qpath(dir / "LINKED.INI")).read("Misc", "Key", "", 10), "linked");

    // a file past the limit: refused whole, left as it is
    const QString big = qpath(dir / "BIG.INI");
    spit(big, QByteArray(kSettingsFileLimit + 1, 'x'));
    ProfileFile large(big);
    EXPECT_EQ(large.problem(), QStringLiteral("\"%1\" is larger than 16 MB.").arg(big));
    large.write("Misc", "Key", "value");
    EXPECT_FALSE(large.save());
    EXPECT_EQ(QFileInfo(big).size(), kSettingsFileLimit + 1);

    // data lists: the refused file keeps its place and is not saved over
    const QString base = qpath(dir / "BOOKS");
    spit(base + ".004", "Mystery\r\nHistory\r\n");
    spit(base + ".006", "Good\r\n");
    // (a link to a FIFO of our own, not to a device: a save through it must never reach /dev)
    ASSERT_EQ(::mkfifo((dir / "ELSEWHERE").c_str(), 0600), 0);
    std::filesystem::create_symlink(dir / "ELSEWHERE", dir / "BOOKS.007");
    ASSERT_EQ(::mkfifo((base + ".001").toLocal8Bit().constData(), 0600), 0);
    edit::DataLists lists;
    lists.LoadAllList(base, qpath(dir.path()));
    EXPECT_EQ(lists[edit::CategoryList], (QStringList {"Mystery", "History"}));
    EXPECT_TRUE(lists[edit::BookTypeList].isEmpty());
    ASSERT_EQ(lists.problems().size(), 2);
    EXPECT_TRUE(lists.problems()[0].contains(QStringLiteral("BOOKS.001\" is not a regular file.")));
    lists.AddToList(edit::AuthorList, QStringLiteral("Penn, Ada"));
    lists.AddToList(edit::BookTypeList, QStringLiteral("Paperback"));
    lists.SaveAllLists(base);
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "BOOKS.007"));
    ASSERT_EQ(::stat((dir / "ELSEWHERE").c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    ASSERT_EQ(::stat((base + ".001").toLocal8Bit().constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST(Profile, ALongFileKeepsTheFirstMatchAndItsLinesInOnePass)
{
    TempDir dir;
    const QString path = qpath(dir / "LONG.INI");
    QByteArray text = "[Misc]\r\nWanted=first\r\n";
    for (int i = 0; i < 400000; ++i) text += "Key" + QByteArray::number(i) + "=" + QByteArray::number(i) + "\r\n";
    text += "wanted=second\r\n[misc]\r\nWanted=third\r\n";
    spit(path, text);
    ProfileFile f(path);
    EXPECT_EQ(f.read("MISC", "wanted", "", 10), "first");
    EXPECT_EQ(f.read("Misc", "Key399999", "", 10), "399999");
    f.write("Misc", "Added", "yes");
    f.write("Misc", "Key7", "seven");
    ASSERT_TRUE(f.save());
    ProfileFile again(path);
    EXPECT_EQ(again.read("Misc", "Key7", "", 10), "seven");
    EXPECT_EQ(again.read("Misc", "Added", "", 10), "yes");
    EXPECT_EQ(again.read("Misc", "Key8", "", 10), "8");
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    EXPECT_TRUE(bytes.endsWith("wanted=second\r\nAdded=yes\r\n[misc]\r\nWanted=third\r\n"));
}

// A file is read in pieces: a small one takes no more memory than its size, however large the
// limit (one read of the whole limit would first ask for a gigabyte for a text file to import, and
// fail where that much cannot be had), and the limit holds exactly, across pieces too.
TEST(BoundedRead, TakesTheFileAsItIsWhateverTheLimit)
{
    TempDir dir;
    const QString small = qpath(dir / "SMALL.TXT");
    spit(small, "\"Title\"\r\n\"Dune\"\r\n");
    const BoundedRead far = readBoundedFile(small, qint64(1) << 45);  // 32 TB: no machine has it to lend
    EXPECT_TRUE(far.exists);
    EXPECT_TRUE(far.problem.isEmpty()) << far.problem.toStdString();
    EXPECT_EQ(far.bytes, QByteArray("\"Title\"\r\n\"Dune\"\r\n"));

    QByteArray pieces(200'000, 'x');  // more than one piece
    for (int i = 0; i < pieces.size(); i += 997) pieces[i] = char('a' + i % 26);
    const QString large = qpath(dir / "LARGE.TXT");
    spit(large, pieces);
    EXPECT_EQ(readBoundedFile(large, pieces.size()).bytes, pieces);  // exactly the limit: read whole
    const BoundedRead over = readBoundedFile(large, pieces.size() - 1);
    EXPECT_TRUE(over.bytes.isEmpty());
    EXPECT_EQ(over.problem, QStringLiteral("\"%1\" is larger than 0 MB.").arg(large));
    const QString empty = qpath(dir / "EMPTY.TXT");
    spit(empty, QByteArray());
    const BoundedRead none = readBoundedFile(empty, 10);
    EXPECT_TRUE(none.exists && none.bytes.isEmpty() && none.problem.isEmpty());
}
