// SPDX-License-Identifier: GPL-2.0-or-later
// Reports from the command line, run as a user runs them: the program itself, no display.
#include <QFile>
#include <sys/stat.h>
#include <gtest/gtest.h>

#include "reports/report_books.h"
#include "reports/report_command.h"
#include "support/temp_dir.h"

using testing_support::TempDir;

namespace {

int runProgram(const TempDir& dir, const std::string& arguments, std::string* out)
{
    // its own settings folder, no display, standard error caught
    const auto runtime = dir / "runtime";
    std::filesystem::create_directory(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    const std::string env = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME='" +
                            dir.path().string() + "' XDG_DATA_HOME='" + dir.path().string() +
                            "' XDG_RUNTIME_DIR='" + runtime.string() + "' ";
    return testing_support::run(env + "'" BINDLOW_PROGRAM "' " + arguments + " 2>&1", out);
}

}  // namespace

TEST(ReportCommand, WritesTextAndPdfAndSaysWhyItCannot)
{
    TempDir dir;
    const auto dbf = testing_support::makeBookTable(dir.path(), {{{1, "Ink and Quill"}, {2, "Penn, Ada"}, {7, "3.00"}},
                                                                 {{1, "Paper Boats"}, {2, "Hull, Ned"}}});
    const std::string db = " --database '" + dbf.string() + "'";
    std::string out;
    const std::string txt = (dir / "short.txt").string();
    ASSERT_EQ(runProgram(dir, "--report 'Short Narrow Report' --output '" + txt + "'" + db, &out), 0) << out;
    EXPECT_EQ(out, "");
    QFile text(QString::fromStdString(txt));
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    const QByteArray bytes = text.readAll();
    EXPECT_TRUE(bytes.contains("Ink and Quill"));
    EXPECT_TRUE(bytes.contains("GRAND TOTALS"));

    const std::string pdf = (dir / "value.pdf").string();
    ASSERT_EQ(runProgram(dir, "--report 'Value Report' --output '" + pdf + "'" + db, &out), 0) << out;
    ASSERT_EQ(testing_support::run("pdftotext '" + pdf + "' -", &out), 0);
    EXPECT_NE(out.find("Paper Boats"), std::string::npos);

    EXPECT_EQ(runProgram(dir, "--report 'No Such Report' --output '" + txt + "'" + db, &out), 1);
    EXPECT_EQ(out, "Report format could not be located.\n");

    QFile bad(QString::fromStdString((dir / "BAD.DBF").string()));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("this is no table");
    bad.close();
    const std::string other = (dir / "other.txt").string();
    EXPECT_EQ(runProgram(dir, "--report 'Full Report' --output '" + other + "' --database '" +
                                  bad.fileName().toStdString() + "'", &out), 1);
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1) << out;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(other)));

    // a table named but missing is an error, never another table's report
    EXPECT_EQ(runProgram(dir, "--report 'Full Report' --output '" + other + "' --database '" +
                                  (dir / "MISSING.DBF").string() + "'", &out), 1);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(other)));

    EXPECT_EQ(runProgram(dir, "--report 'Full Report' --output out.doc", &out), 2);
    EXPECT_EQ(out, "The output file must end in .pdf or .txt: out.doc\n");
}

TEST(ReportCommand, ReadsItsParameters)
{
    QString error;
    EXPECT_FALSE(reports::reportRequested({QStringLiteral("/BROWSE")}, &error));
    EXPECT_TRUE(error.isEmpty());
    auto r = reports::reportRequested({"--report", "Full Report", "--output", "a.TXT", "--database", "x.dbf"}, &error);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->name, QStringLiteral("Full Report"));
    EXPECT_EQ(r->database, QStringLiteral("x.dbf"));
    EXPECT_FALSE(reports::reportRequested({"--report", "Full Report"}, &error));
    EXPECT_EQ(error, QStringLiteral("--report needs --output FILE (.pdf or .txt)."));
    EXPECT_FALSE(reports::reportRequested({"--report", "Full Report", "--output"}, &error));
    EXPECT_EQ(error, QStringLiteral("--output needs a value."));
}

// Settings, list and report files that are no regular files (a FIFO with no writer, links to
// endless devices) are refused at once: the run answers instead of waiting or filling memory.
TEST(ReportCommand, SpecialFilesAroundTheDatabaseGetAnAnswerAtOnce)
{
    TempDir dir;
    const auto dbf = testing_support::makeBookTable(dir.path(), {{{1, "Ink and Quill"}, {7, "3.00"}}});
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.path().string().c_str());
    ASSERT_EQ(::mkfifo((dir / "KAVBOOK.INI").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((dir / "BOOKS.INI").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", dir / "BOOKS.004");
    std::filesystem::create_symlink("/dev/urandom", dir / "BOOKS.007");
    reports::ReportCommandPlaces places;
    places.programDirectory = QString::fromStdString(dir.path().string());
    places.startDirectory = places.programDirectory;
    reports::ReportRequest request;
    request.name = QStringLiteral("Short Narrow Report");
    request.output = QString::fromStdString((dir / "out.txt").string());
    request.database = QString::fromStdString(dbf.string());
    QString error;
    // the settings cannot be read: the report is made with the defaults
    EXPECT_EQ(reports::runReportCommand(request, places, {1997, 3, 1}, &error), 0) << error.toStdString();
    QFile out(request.output);
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_TRUE(out.readAll().contains("Ink and Quill"));

    // a report file that is a FIFO is refused with the reason
    ASSERT_EQ(::mkfifo((dir / "KAVBOOK.URP").c_str(), 0600), 0);
    EXPECT_EQ(reports::runReportCommand(request, places, {1997, 3, 1}, &error), 1);
    EXPECT_EQ(error, QStringLiteral("The report file cannot be read: \"%1\" is not a regular file.")
                         .arg(QString::fromStdString((dir / "KAVBOOK.URP").string())));
    std::filesystem::remove(dir / "KAVBOOK.URP");
    std::filesystem::create_symlink("/dev/zero", dir / "KAVBOOK.URP");
    EXPECT_EQ(reports::runReportCommand(request, places, {1997, 3, 1}, &error), 1);
    EXPECT_TRUE(error.endsWith(QStringLiteral("is not a regular file."))) << error.toStdString();
    if (savedConfig.isNull()) qunsetenv("XDG_CONFIG_HOME");
    else qputenv("XDG_CONFIG_HOME", savedConfig);
}
