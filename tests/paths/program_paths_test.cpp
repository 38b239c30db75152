// SPDX-License-Identifier: GPL-2.0-or-later
// Where an installed or a copied program keeps its files, and what its command line answers.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>

#include "app/command_line.h"
#include "paths/program_paths.h"
#include "support/temp_dir.h"

using testing_support::TempDir;

namespace {
QString qs(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

void touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

// A folder nobody may write: permission bits where they count, /proc for the superuser.
QString readOnlyFolder(const TempDir& dir)
{
    if (::geteuid() == 0) return QStringLiteral("/proc");
    QString f = qs(dir / "ro");
    QDir().mkpath(f);
    QFile::setPermissions(f, QFile::ReadOwner | QFile::ExeOwner);
    return f;
}
}  // namespace

TEST(ProgramPaths, TheExecutablesFolderUnlessItCannotBeWritten)
{
    TempDir dir;
    const QString data = qs(dir / "data" / "Bindlow Books 97");
    // a copied or built program keeps its files beside itself; no data folder appears
    EXPECT_EQ(paths::programDirectoryFor(qs(dir.path()), data), QDir::cleanPath(qs(dir.path())));
    EXPECT_FALSE(QFileInfo::exists(data));
    EXPECT_TRUE(QDir(qs(dir.path())).entryList(QDir::Files | QDir::Hidden).isEmpty());  // the probe is gone
    // an installed one: the user's data folder takes over and is created
    EXPECT_FALSE(paths::folderAcceptsFiles(readOnlyFolder(dir)));
    EXPECT_EQ(paths::programDirectoryFor(readOnlyFolder(dir), data), data);
    EXPECT_TRUE(QFileInfo(data).isDir());
    EXPECT_FALSE(paths::folderAcceptsFiles(qs(dir / "missing")));

    // installed (help file in PREFIX/share/bindlow): the data folder, even where bin could be written
    const QString bin = qs(dir / "usr" / "bin");
    touch(qs(dir / "usr" / "share" / "bindlow" / "KAVBOOK.HLP"));
    QDir().mkpath(bin);
    EXPECT_EQ(paths::programDirectoryFor(bin, data), data);
    touch(bin + "/KAVBOOK.HLP");  // a copied folder with its help file beside the program
    EXPECT_EQ(paths::programDirectoryFor(bin, data), bin);
}

TEST(ProgramPaths, TheHelpFileBesideTheProgramOrInTheInstallationsDataFolder)
{
    TempDir dir;
    const QString bin = qs(dir / "usr" / "bin");
    QDir().mkpath(bin);
    // missing everywhere: the path beside the program, which the help window names
    EXPECT_EQ(paths::helpFileFor(bin), bin + "/KAVBOOK.HLP");
    touch(qs(dir / "usr" / "share" / "bindlow" / "KAVBOOK.HLP"));
    EXPECT_EQ(paths::helpFileFor(bin), qs(dir / "usr" / "share" / "bindlow" / "KAVBOOK.HLP"));
    touch(bin + "/KAVBOOK.HLP");
    EXPECT_EQ(paths::helpFileFor(bin), bin + "/KAVBOOK.HLP");
}

TEST(CommandLine, BrowseSpellingsAndTheTextsThatNeedNoWindow)
{
    EXPECT_TRUE(app::browseRequested({"/BROWSE"}));
    EXPECT_TRUE(app::browseRequested({"/browse", "x"}));
    EXPECT_TRUE(app::browseRequested({"--browse"}));
    EXPECT_FALSE(app::browseRequested({"x", "/BROWSE"}));
    EXPECT_FALSE(app::browseRequested({"/BROWSER"}));
    EXPECT_FALSE(app::browseRequested({}));

    EXPECT_EQ(app::informationRequested({"--version"}), QString("Bindlow Books 97 3.2b\n"));
    auto help = app::informationRequested({"--help"});
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->startsWith("Bindlow Books 97 3.2b\n"));
    EXPECT_TRUE(help->contains("/BROWSE, --browse"));
    EXPECT_FALSE(app::informationRequested({"/BROWSE"}));
    EXPECT_FALSE(app::informationRequested({"--help", "--version"}));
}

TEST(CommandLine, TheProgramAnswersWithoutADisplay)
{
    std::string out;
    int status = testing_support::run("env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb " +
                                          std::string(BINDLOW_PROGRAM) + " --version",
                                      &out);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(out, "Bindlow Books 97 3.2b\n");
    status = testing_support::run(std::string(BINDLOW_PROGRAM) + " --help", &out);
    EXPECT_EQ(status, 0);
    EXPECT_NE(out.find("--browse"), std::string::npos);
}

// An installed program that moved to the user's data folder says where, when books stay behind.
TEST(ProgramPaths, TheBooksLeftInTheProgramFolderAreNamed)
{
    TempDir dir;
    const QString exe = qs(dir / "bin"), data = qs(dir / "data");
    for (const char* f : {"MASTER.DBF", "MASTER.MDX", "old.dbf", "NOTES.TXT", "SHARED.DBF"}) touch(exe + "/" + f);
    touch(data + "/shared.dbf");
    EXPECT_EQ(paths::tablesLeftBehind(exe, data), (QStringList {"MASTER.DBF", "old.dbf"}));
    EXPECT_TRUE(paths::tablesLeftBehind(exe, exe).isEmpty());
    EXPECT_EQ(paths::dataFolderNotice("/opt/bindlow/bin", "/home/u/.local/share/Bindlow Books 97", {"MASTER.DBF", "OLD.DBF"}),
              "Bindlow Books 97 cannot write in its program folder \"/opt/bindlow/bin\", so it keeps its databases, "
              "lists and reports in \"/home/u/.local/share/Bindlow Books 97\".  The databases in the program folder "
              "(MASTER.DBF, OLD.DBF) stay where they are: open them there with Open Database.");
}
