// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "store/profile.h"
#include "store/settings.h"
#include "support/temp_dir.h"

using namespace store;
using testing_support::TempDir;

namespace {
QString qpath(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

QByteArray slurp(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void spit(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

// Points KAVBOOK.INI at a fresh folder for the test.
struct ConfigHome {
    TempDir dir;
    ConfigHome() { qputenv("XDG_CONFIG_HOME", dir.path().string().c_str()); }
};
}  // namespace

TEST(Profile, WindowsProfileSemantics)
{
    TempDir dir;
    const QString path = qpath(dir / "T.INI");
    spit(path, "; a comment\r\n[misc]\r\nbutton bar = 2\r\nKey=first\r\nkey=second\r\n\r\n[Other]\r\nx=1\r\n"
               "[MISC]\r\nlate=3\r\n");
    ProfileFile f(path);
    EXPECT_EQ(f.read("Misc", "Button Bar", "1", 14), "2");  // names compared without case
    EXPECT_EQ(f.read("MISC", "KEY", "", 14), "first");      // the first match wins
    EXPECT_EQ(f.read("Misc", "late", "none", 14), "none");  // only the first section of a name counts
    EXPECT_EQ(f.read("Misc", "Missing", "dflt", 14), "dflt");
    EXPECT_EQ(f.read("Other", "x", "", 14), "1");

    f.write("Misc", "Key", "changed");   // in place
    f.write("Misc", "New Key", "added");  // at the end of its section, before the blank line
    f.write("Fresh", "a", "b");          // a new section at the end
    ASSERT_TRUE(f.save());
    EXPECT_EQ(slurp(path), "; a comment\r\n[misc]\r\nbutton bar = 2\r\nKey=changed\r\nkey=second\r\nNew Key=added\r\n\r\n"
                           "[Other]\r\nx=1\r\n[MISC]\r\nlate=3\r\n[Fresh]\r\na=b\r\n");
}

TEST(Profile, BlanksInsideTheBracketsAreNotPartOfTheSectionName)
{
    TempDir dir;
    const QString path = qpath(dir / "T.INI");
    spit(path, "[ Misc ]\r\nButton Bar=2\r\n[\tOther Things  ]\r\nx = 1\r\n");
    ProfileFile f(path);
    EXPECT_EQ(f.read("Misc", "Button Bar", "1", 14), "2");
    EXPECT_TRUE(f.contains("MISC", "button bar"));
    EXPECT_EQ(f.read("Other Things", "x", "", 14), "1");
    f.write("Misc", "Late", "3");  // into the section as it is written, not a second one
    ASSERT_TRUE(f.save());
    EXPECT_EQ(slurp(path), "[ Misc ]\r\nButton Bar=2\r\nLate=3\r\n[\tOther Things  ]\r\nx = 1\r\n");
}

TEST(Profile, ReadLimitsAndTextTheFileCannotHold)
{
    TempDir dir;
    const QString path = qpath(dir / "T.INI");
    ProfileFile f(path);
    EXPECT_FALSE(f.exists());
    f.write("S", "Name", QString(200, u'x'));
    f.write("S", "Caf\u00e9", QStringLiteral("\u00e9t\u00e9"));
    ASSERT_TRUE(f.save());
    ProfileFile g(path);
    EXPECT_EQ(g.read("S", "Name", "", 149).size(), 149);
    EXPECT_EQ(g.read("s", "CAF\u00c9", "", 14), QStringLiteral("\u00e9t\u00e9"));  // é read back from Windows-1252
    EXPECT_TRUE(slurp(path).contains("Caf\xE9=\xE9t\xE9\r\n"));
}

TEST(Profile, TextOutsideWindows1252IsKeptInUtf8)
{
    TempDir dir;
    const QString path = qpath(dir / "T.INI");
    const QString books = QStringLiteral("/home/\u041a\u043d\u0438\u0433\u0438/MASTER.DBF");
    {
        ProfileFile f(path);
        f.write("Misc", "Last Database", books);
        f.write("Misc", "Owner", QStringLiteral("Ren\u00e9e"));
        ASSERT_TRUE(f.save());
    }
    EXPECT_TRUE(slurp(path).contains(books.toUtf8()));
    EXPECT_TRUE(slurp(path).contains("Ren\xC3\xA9" "e"));
    ProfileFile g(path);
    EXPECT_EQ(g.read("Misc", "Last Database", "", 260), books);
    EXPECT_EQ(g.read("Misc", "Owner", "", 20), QStringLiteral("Ren\u00e9e"));
    // once every text fits again, the file is Windows-1252 again
    g.write("Misc", "Last Database", QStringLiteral("/home/M\u00fcller/MASTER.DBF"));
    ASSERT_TRUE(g.save());
    EXPECT_TRUE(slurp(path).contains("M\xFCller"));
    EXPECT_TRUE(slurp(path).contains("Ren\xE9" "e"));
    EXPECT_EQ(ProfileFile(path).read("Misc", "Last Database", "", 260), QStringLiteral("/home/M\u00fcller/MASTER.DBF"));
}

TEST(Settings, PathsOutsideWindows1252AndOldWindows1252Files)
{
    ConfigHome home;
    // an old file in Windows-1252 with accented names
    spit(programSettingsPath(), "[Misc]\r\nLast Database=/b\xFC" "cher/MASTER.DBF\r\nLast File 1=/caf\xE9/A.DBF\r\n");
    ProgramSettings s = readProgramSettings("/start");
    EXPECT_EQ(s.lastDatabase, QStringLiteral("/b\u00fccher/MASTER.DBF"));
    EXPECT_EQ(s.lastFiles[0], QStringLiteral("/caf\u00e9/A.DBF"));
    s.lastDatabase = QStringLiteral("/home/\u041a\u043d\u0438\u0433\u0438/MASTER.DBF");
    s.lastFiles[1] = s.lastDatabase;
    s.lastImportFile = QStringLiteral("/\u4e66/books.txt");
    writeProgramSettings(s);
    const ProgramSettings back = readProgramSettings("/start");
    EXPECT_EQ(back.lastDatabase, s.lastDatabase);
    EXPECT_EQ(back.lastFiles[0], QStringLiteral("/caf\u00e9/A.DBF"));
    EXPECT_EQ(back.lastFiles[1], s.lastDatabase);
    EXPECT_EQ(back.lastImportFile, s.lastImportFile);
}

TEST(Settings, FirstRunGivesTheDefaults)
{
    ConfigHome home;
    ProgramSettings p = readProgramSettings("/start");
    EXPECT_EQ(p.buttonBar, 1);
    EXPECT_EQ(p.left, 0);
    EXPECT_EQ(p.width, 640);
    EXPECT_EQ(p.height, 480);
    EXPECT_EQ(p.lastImportFile, "/start");
    EXPECT_EQ(p.lastExportFile, "/start");
    EXPECT_TRUE(p.showTips);
    EXPECT_EQ(p.windowSize, 640);
    EXPECT_EQ(p.dateFormat, 1);
    EXPECT_FALSE(p.dateLeadingZeros);

    // a database without its own settings file reads KAVBOOK.INI, and so the defaults
    DatabaseSettings d = readDatabaseSettings(qpath(home.dir / "BOOKS.INI"));
    EXPECT_EQ(d.fieldNames[8], "Description");
    EXPECT_TRUE(d.displayFields[35]);
    EXPECT_EQ(d.fieldWidth[0], 15);
    EXPECT_EQ(d.fieldOrder[35], 36);
    EXPECT_EQ(d.sortOrder, (std::array<int, 4> {2, 0, 0, 0}));
    EXPECT_EQ(d.titleColor, 8553090);
    EXPECT_EQ(d.titleFont.size, 12);
    EXPECT_EQ(d.gridFont.size, 10);
    EXPECT_EQ(d.colors[EditColors][EditBackground], 16777215);
    EXPECT_FALSE(d.fieldEditing);
}

TEST(Settings, ValueFormsAndLimits)
{
    ConfigHome home;
    const QString path = qpath(home.dir / "BOOKS.INI");
    spit(path, "[Field Names]\r\nTitle=A name of twenty-five chars\r\n[Display Fields]\r\nTitle=yEs\r\nAuthor=Y\r\n"
               "YearPub=1\r\n[Field Width]\r\nTitle=12abc\r\nAuthor=  20  \r\n[Grid Options]\r\nField Editing=YES\r\n");
    DatabaseSettings d = readDatabaseSettings(path);
    EXPECT_EQ(d.fieldNames[0], "A name of twenty-fiv");
    EXPECT_TRUE(d.displayFields[0]);
    EXPECT_FALSE(d.displayFields[1]);  // a single Y is no
    EXPECT_FALSE(d.displayFields[2]);  // and so is 1
    EXPECT_EQ(d.fieldWidth[0], 15);    // not a number: the default
    EXPECT_EQ(d.fieldWidth[1], 20);
    EXPECT_TRUE(d.fieldEditing);
    // the database's own file is read, not KAVBOOK.INI
    spit(qpath(home.dir / "KAVBOOK.INI"), "[Grid Options]\r\nRow Lines=No\r\n");
    EXPECT_TRUE(readDatabaseSettings(path).rowLines);
    EXPECT_FALSE(readDatabaseSettings(qpath(home.dir / "NONE.INI")).rowLines);
}

TEST(Settings, RoundTripsKeepEveryValue)
{
    ConfigHome home;
    ProgramSettings p;
    p.buttonBar = 3;
    p.left = -5;
    p.lastDatabase = "/data/BOOKS.DBF";
    p.lastFiles[4] = "/old/ONE.DBF";
    p.showTips = false;
    p.windowSize = 1024;
    p.dateFormat = 12;
    p.dateLeadingZeros = true;
    p.currencyFormat = 2;
    writeProgramSettings(p);
    ProgramSettings q = readProgramSettings("/start");
    EXPECT_EQ(q.buttonBar, 3);
    EXPECT_EQ(q.left, -5);
    EXPECT_EQ(q.lastDatabase, "/data/BOOKS.DBF");
    EXPECT_EQ(q.lastFiles[4], "/old/ONE.DBF");
    EXPECT_FALSE(q.showTips);
    EXPECT_EQ(q.windowSize, 1024);
    EXPECT_EQ(q.dateFormat, 12);
    EXPECT_TRUE(q.dateLeadingZeros);
    EXPECT_EQ(q.currencyFormat, 2);
    EXPECT_TRUE(slurp(programSettingsPath()).contains("[Misc]\r\nButton Bar=3\r\n"));
    // the program's own file as another editor may have left it
    spit(programSettingsPath(), "[ Misc ]\r\nButton Bar=2\r\nLast Database = /x/B.DBF\r\n");
    EXPECT_EQ(readProgramSettings("/start").buttonBar, 2);
    EXPECT_EQ(readProgramSettings("/start").lastDatabase, "/x/B.DBF");

    DatabaseSettings d;
    d.fieldNames[1] = "Writer";
    d.displayFields[5] = false;
    d.fieldOrder[0] = 2;
    d.fieldOrder[1] = 1;
    d.sortOrder = {5, 12, 7, 0};
    d.colors[ReportColors][CheckText] = 255;
    d.gridFont = {"Courier New", 14, 128, true, false, true, false};
    d.buttonFont = {"Times", false, true};
    d.printerIndex = 3;
    d.printerName = "Laser on the landing";
    d.pdfFile = true;
    const QString path = qpath(home.dir / "BOOKS.INI");
    writeDatabaseSettings(d, path);
    DatabaseSettings e = readDatabaseSettings(path);
    EXPECT_EQ(e.fieldNames[1], "Writer");
    EXPECT_FALSE(e.displayFields[5]);
    EXPECT_EQ(e.fieldOrder[0], 2);
    EXPECT_EQ(e.sortOrder, d.sortOrder);
    EXPECT_EQ(e.colors[ReportColors][CheckText], 255);
    EXPECT_EQ(e.gridFont.name, "Courier New");
    EXPECT_EQ(e.gridFont.size, 14);
    EXPECT_EQ(e.gridFont.color, 128);
    EXPECT_TRUE(e.gridFont.bold && e.gridFont.underline && !e.gridFont.italic);
    EXPECT_EQ(e.buttonFont.name, "Times");
    EXPECT_TRUE(e.buttonFont.italic);
    EXPECT_EQ(e.printerIndex, 3);
    EXPECT_EQ(e.printerName, "Laser on the landing");
    EXPECT_TRUE(e.pdfFile);
    EXPECT_TRUE(slurp(path).contains("[Field Names]\r\nTitle=Title\r\nAuthor=Writer\r\n"));
}
