// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <clocale>
#include <cstdlib>

#include "conversion/old_databases.h"
#include "conversion/old_tables.h"
#include "conversion/scripted_conversion.h"
#include "dbase/check.h"
#include "dbase/error.h"
#include "dbase/file.h"
#include "dbase/table.h"
#include "dbase/values.h"
#include "regional/regional.h"
#include "store/book_table.h"
#include "store/dataset.h"
#include "store/profile.h"
#include "store/settings.h"
#include "support/child.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;
using old_tables::Record;
using testing_support::ScriptedConversion;
using testing_support::TempDir;

namespace {
QString qs(const fs::path& p) { return QString::fromStdString(p.string()); }

// A program folder with the open book database MASTER.DBF, and a settings folder of its own.
struct World {
    TempDir dir;
    store::BookTableFiles files;
    store::Dataset table;

    World()
    {
        fs::create_directories(dir / "program");
        fs::create_directories(dir / "config");
        qputenv("XDG_CONFIG_HOME", qs(dir / "config").toLocal8Bit());
        EXPECT_TRUE(files.MakeNewDB(database()));
        table.setDatabaseName(programDir());
        table.setTableName(QStringLiteral("MASTER.DBF"));
        table.open();
    }
    QString programDir() const { return qs(dir / "program"); }
    QString database() const { return qs(dir / "program" / "MASTER.DBF"); }
    fs::path old(const std::string& name) const { return dir / "program" / name; }
    void start() { conversion::CheckForConversion(ScriptedConversion::current(), programDir(), table, database()); }
    void reopen()
    {
        table.close();
        table.open();
    }
    std::size_t count() const { return table.table().recordCount(); }
    // a field of the book in row `row`, read back by name
    std::string text(std::size_t row, const char* field)
    {
        dbase::Table& t = table.table();
        t.goToPosition(row);
        return t.getText(t.fieldIndex(field));
    }
    std::optional<double> number(std::size_t row, const char* field)
    {
        dbase::Table& t = table.table();
        t.goToPosition(row);
        return t.getDouble(t.fieldIndex(field));
    }
    std::string date(std::size_t row, const char* field)
    {
        dbase::Table& t = table.table();
        t.goToPosition(row);
        const auto d = t.getDate(t.fieldIndex(field));
        return d ? dbase::formatDate(*d) : std::string("blank");
    }
};

QString questionV2()
{
    return QStringLiteral("A database from a previous version (2.X) has been detected.  Would you like to convert it "
                          "now?  NOTE: After conversion the old file will be deleted.  You may wish to make a copy "
                          "of \"B2LOG.DBF\" first.");
}

QString questionV1()
{
    return QStringLiteral("A database from a previous version (1.X) has been detected.  Would you like to convert it "
                          "now?  NOTE: After conversion the old file will be deleted.  You may wish to make a copy "
                          "of \"BLOG.DBF\" first.");
}

std::vector<Record> numberedBooks(int n)
{
    std::vector<Record> books;
    for (int i = 0; i < n; ++i) books.push_back({{"BookID", std::to_string(i + 1)}, {"Title", "Book " + std::to_string(i)}});
    return books;
}

// The C locale of the process for one scope (the user's separators for numbers).
struct Locale {
    explicit Locale(const char* name) : ok(std::setlocale(LC_ALL, name) != nullptr) {}
    ~Locale() { std::setlocale(LC_ALL, "C"); }
    bool ok;
};

// A date format of the user's for one scope.
struct DateFormat {
    DateFormat(int code, bool zeros) { regional::current().setDateFormat(code, zeros); }
    ~DateFormat() { regional::current().setDateFormat(1, false); }
};
}  // namespace

TEST(OldDatabases, LayoutsAreKnownByTheirFieldNamesOnly)
{
    TempDir dir;
    const auto file = dir / "OLD.DBF";
    const QString path = qs(file);
    auto check = [&](const std::vector<old_tables::Field>& fields, bool v1, bool v2) {
        old_tables::writeTable(file, fields, {{{"Title", "A"}}});
        EXPECT_EQ(conversion::CheckDBaseFormatV1(path), v1);
        EXPECT_EQ(conversion::CheckDBaseFormatV2(path), v2);
    };
    check(old_tables::layoutV1(), true, false);
    check(old_tables::layoutV2(), false, true);

    // names in any letter case, other types and widths, and any first field
    auto v1 = old_tables::layoutV1();
    v1[0] = {"x", 'C', 1};
    v1[1].name = "title";
    v1[13] = {"purchmonth", 'N', 2};
    check(v1, true, false);

    auto longer = old_tables::layoutV1();
    longer.push_back({"Extra", 'C', 5});
    check(longer, false, false);
    auto renamed = old_tables::layoutV2();
    renamed[19].name = "CheckName";  // the new name, not the old one
    check(renamed, false, false);
    auto shorter = old_tables::layoutV2();
    shorter.pop_back();
    check(shorter, false, false);

    // no table at all, or none there
    old_tables::write(file, "not a table");
    EXPECT_FALSE(conversion::CheckDBaseFormatV2(path));
    EXPECT_FALSE(conversion::CheckDBaseFormatV1(qs(dir / "MISSING.DBF")));
}

TEST(OldDatabases, AnOldFileIsOnlyReadEvenWithoutItsIndex)
{
    TempDir dir;
    const auto file = dir / "B2LOG.DBF";
    old_tables::writeTable(file, old_tables::layoutV2(), {{{"Title", "Dune"}}}, true);
    const std::string before = old_tables::readAll(file);
    const auto modified = fs::last_write_time(file);
    EXPECT_TRUE(conversion::CheckDBaseFormatV2(qs(file)));

    store::BookTableFiles files;
    ASSERT_TRUE(files.MakeNewDB(qs(dir / "MASTER.DBF")));
    dbase::Table target;
    target.open(dir.path(), "MASTER.DBF");
    EXPECT_EQ(conversion::ConvertV2(qs(file), target), 1);
    EXPECT_EQ(old_tables::readAll(file), before);  // the index flag stays set
    EXPECT_EQ(fs::last_write_time(file), modified);
}

TEST(OldDatabases, Version2ValuesPassAsValuesInAnyLocale)
{
    const std::string longTitle(100, 'T');
    const std::vector<Record> books = {
        {{"BookID", "7"},          {"Title", "Dune"},         {"Author", "Herbert, Frank"}, {"YearPub", "1965"},
         {"Publisher", "Chilton"}, {"Category", "SF"},        {"WherePurch", "Powell's"},   {"Cost", "12.50"},
         {"Value", "1234.56"},     {"Descriptio", "Sand"},    {"ISBN", "0-8019-5077-6"},    {"Rating", "*****"},
         {"PurchDate", "19940305"}, {"BookType", "Hardcover"}, {"CatalogNum", "C-1"},       {"Sub1", "A"},
         {"Sub2", "B"},            {"CheckOut", "Yes"},       {"CheckDate", "20000229"},    {"CheckPerso", "Ann"},
         {"Volume", "1"},          {"Issue", "2"},            {"Edition", "First"},         {"KeyWords", "desert"},
         {"Pages", "1,024"},       {"Location", "Shelf 3"}},
        {{"Title", longTitle}, {"Pages", ""}},
        {{"Title", "gone"}, {"*", "*"}},  // deleted: not converted
        {{"Title", "Odd pages"}, {"Pages", "many"}, {"PurchDate", "        "}},
        {{"Title", "Half a page"}, {"Pages", "12.5"}},
    };
    const DateFormat dmy(4, false);  // d/m/yy: the old dates do not pass through it
    for (const char* locale : {"C", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
        SCOPED_TRACE(locale);
        const Locale l(locale);
        ASSERT_TRUE(l.ok) << "the locale " << locale << " is missing";
        World w;
        old_tables::writeTable(w.old("B2LOG.DBF"), old_tables::layoutV2(), books);
        EXPECT_EQ(conversion::ConvertV2(qs(w.old("B2LOG.DBF")), w.table.table()), 4);
        ASSERT_EQ(w.count(), 4u);

        EXPECT_EQ(w.text(0, "Title"), "Dune");
        EXPECT_EQ(w.text(0, "Author"), "Herbert, Frank");
        EXPECT_EQ(w.number(0, "YearPub"), 1965);
        EXPECT_EQ(w.text(0, "WherePurch"), "Powell's");
        EXPECT_EQ(w.number(0, "Cost"), 12.5);
        EXPECT_EQ(w.number(0, "Value"), 1234.56);
        EXPECT_EQ(w.text(0, "Descriptio"), "Sand");
        EXPECT_EQ(w.text(0, "Rating"), "*****");
        EXPECT_EQ(w.date(0, "PurchDate"), "19940305");
        EXPECT_EQ(w.text(0, "CatalogNum"), "C-1");
        EXPECT_EQ(w.text(0, "CheckOut"), "Yes");
        EXPECT_EQ(w.date(0, "CheckDate"), "20000229");
        EXPECT_EQ(w.text(0, "CheckName"), "Ann");
        EXPECT_EQ(w.text(0, "KeyWords"), "desert");
        EXPECT_EQ(w.number(0, "Pages"), 1024);
        EXPECT_EQ(w.text(0, "Location"), "Shelf 3");
        EXPECT_EQ(w.text(0, "Condition"), "");  // no old field goes there

        // too wide for the new field: cut, and the next field keeps its own value
        EXPECT_EQ(w.text(1, "Title"), longTitle.substr(0, 90));
        EXPECT_EQ(w.text(1, "Author"), "");
        EXPECT_FALSE(w.number(1, "Pages"));
        EXPECT_FALSE(w.number(1, "Cost"));
        EXPECT_EQ(w.date(1, "PurchDate"), "blank");
        // a value the field cannot take leaves it empty; the book comes in
        EXPECT_EQ(w.text(2, "Title"), "Odd pages");
        EXPECT_FALSE(w.number(2, "Pages"));
        EXPECT_EQ(w.text(3, "Title"), "Half a page");
        EXPECT_FALSE(w.number(3, "Pages"));
    }
}

TEST(OldDatabases, ALogicalCheckOutBecomesYesOrNo)
{
    auto layout = old_tables::layoutV2();
    layout[17] = {"CheckOut", 'L', 1};
    World w;
    old_tables::writeTable(w.old("B2LOG.DBF"), layout, {{{"CheckOut", "T"}}, {{"CheckOut", "F"}}, {{"CheckOut", "?"}}});
    ASSERT_TRUE(conversion::CheckDBaseFormatV2(qs(w.old("B2LOG.DBF"))));
    EXPECT_EQ(conversion::ConvertV2(qs(w.old("B2LOG.DBF")), w.table.table()), 3);
    EXPECT_EQ(w.text(0, "CheckOut"), "Yes");
    EXPECT_EQ(w.text(1, "CheckOut"), "No");
    EXPECT_EQ(w.text(2, "CheckOut"), "");
}

TEST(OldDatabases, Version1DatesAreMadeOfDayMonthAndYearWhateverTheUsersFormat)
{
    const std::vector<Record> books = {
        {{"Title", "March"}, {"PurchDay", "5"}, {"PurchMonth", "Mar"}, {"PurchYear", "1994"}, {"Cost", "12.50"},
         {"YearPub", "1990"}, {"WherePurch", "Market"}, {"Descriptio", "Old"}, {"Rating", "Good"}},
        {{"Title", "Two digits"}, {"PurchDay", "31"}, {"PurchMonth", "Dec"}, {"PurchYear", "94"}},
        {{"Title", "A number"}, {"PurchDay", "4"}, {"PurchMonth", "7"}, {"PurchYear", "2001"}},
        {{"Title", "No such day"}, {"PurchDay", "30"}, {"PurchMonth", "Feb"}, {"PurchYear", "1994"}, {"Cost", "3"}},
        {{"Title", "Blank"}},
        {{"Title", "Lower case"}, {"PurchDay", "5"}, {"PurchMonth", "mar"}, {"PurchYear", "1994"}},
        {{"Title", "Slashes"}, {"PurchDay", "/"}, {"PurchMonth", "/"}, {"PurchYear", "/"}},
    };
    for (int code : {1, 4, 12}) {
        for (const char* locale : {"C", "de_DE.UTF-8"}) {
            SCOPED_TRACE(std::to_string(code) + " " + locale);
            const Locale l(locale);
            ASSERT_TRUE(l.ok);
            const DateFormat format(code, code == 12);
            const QString pattern = regional::current().datePattern();
            World w;
            old_tables::writeTable(w.old("BLOG.DBF"), old_tables::layoutV1(), books);
            EXPECT_EQ(conversion::ConvertV1(qs(w.old("BLOG.DBF")), w.table.table()), 7);
            ASSERT_EQ(w.count(), 7u);
            EXPECT_EQ(w.date(0, "PurchDate"), "19940305");
            EXPECT_EQ(w.number(0, "Cost"), 12.5);
            EXPECT_EQ(w.number(0, "YearPub"), 1990);
            EXPECT_EQ(w.text(0, "WherePurch"), "Market");
            EXPECT_EQ(w.text(0, "Descriptio"), "Old");
            EXPECT_EQ(w.text(0, "Rating"), "Good");
            EXPECT_EQ(w.date(1, "PurchDate"), "19941231");
            EXPECT_EQ(w.date(2, "PurchDate"), "20010704");
            for (std::size_t row : {3u, 4u, 5u, 6u}) EXPECT_EQ(w.date(row, "PurchDate"), "blank") << row;
            EXPECT_EQ(w.text(3, "Title"), "No such day");
            EXPECT_EQ(w.number(3, "Cost"), 3);
            EXPECT_EQ(regional::current().datePattern(), pattern);
        }
    }
}

TEST(OldDatabasesAtStart, BothFilesAreOfferedNewerFirstFoundInAnyLetterCaseAndAppended)
{
    World w;
    w.table.append();
    w.table.setText(0, QStringLiteral("Already there"));
    w.table.post();
    old_tables::writeTable(w.old("B2Log.Dbf"), old_tables::layoutV2(), {{{"Title", "Two A"}}, {{"Title", "Two B"}}});
    old_tables::writeTable(w.old("blog.dbf"), old_tables::layoutV1(), {{{"Title", "One A"}}});
    const std::string older = old_tables::readAll(w.old("blog.dbf"));
    const auto stamp = fs::last_write_time(w.old("blog.dbf"));
    {
        ScriptedConversion messages;
        messages.answer(true);
        messages.answer(true);
        w.start();
        ASSERT_EQ(messages.shown.size(), 2u);
        EXPECT_EQ(messages.shown[0].kind, ScriptedConversion::Question);
        EXPECT_EQ(messages.shown[0].text, questionV2());
        EXPECT_EQ(messages.shown[1].text, questionV1());
    }
    std::vector<std::string> titles;
    for (std::size_t i = 0; i < w.count(); ++i) titles.push_back(w.text(i, "Title"));
    EXPECT_EQ(titles, (std::vector<std::string> {"Already there", "Two A", "Two B", "One A"}));
    EXPECT_FALSE(fs::exists(w.old("B2Log.Dbf")));
    EXPECT_FALSE(fs::exists(w.old("blog.dbf")));
    {
        ScriptedConversion quiet;  // nothing left to offer
        w.start();
    }
    // a copy put back as it was is an old database like any other
    old_tables::write(w.old("blog.dbf"), older);
    fs::last_write_time(w.old("blog.dbf"), stamp);
    ScriptedConversion messages;
    messages.answer(false);
    w.start();
}

TEST(OldDatabasesAtStart, NoKeepsTheFileAndTheQuestionComesAgain)
{
    World w;
    old_tables::writeTable(w.old("BLOG.DBF"), old_tables::layoutV1(), {{{"Title", "One"}}});
    for (int start = 0; start < 2; ++start) {
        ScriptedConversion messages;
        messages.answer(false);
        w.start();
        EXPECT_EQ(messages.shown.at(0).text, questionV1());
        EXPECT_TRUE(fs::exists(w.old("BLOG.DBF")));
        EXPECT_EQ(w.count(), 0u);
    }
    ScriptedConversion messages;
    messages.answer(true);
    w.start();
    EXPECT_EQ(w.count(), 1u);
}

TEST(OldDatabasesAtStart, FilesOfAnotherLayoutPassSilentlyAndStay)
{
    World w;
    auto sixteen = old_tables::layoutV1();
    sixteen.push_back({"Pages", 'C', 6});
    old_tables::writeTable(w.old("BLOG.DBF"), sixteen, {{{"Title", "One"}}});
    old_tables::writeTable(w.old("B2LOG.DBF"), old_tables::layoutV1(), {{{"Title", "Two"}}});
    const std::string one = old_tables::readAll(w.old("BLOG.DBF")), two = old_tables::readAll(w.old("B2LOG.DBF"));
    ScriptedConversion quiet;
    w.start();
    EXPECT_EQ(old_tables::readAll(w.old("BLOG.DBF")), one);
    EXPECT_EQ(old_tables::readAll(w.old("B2LOG.DBF")), two);
    EXPECT_EQ(w.count(), 0u);
}

TEST(OldDatabasesAtStart, ADatabaseThatCanOnlyBeReadIsOfferedNothing)
{
    World w;
    old_tables::writeTable(w.old("BLOG.DBF"), old_tables::layoutV1(), {{{"Title", "One"}}});
    w.table.close();
    w.table.setReadOnly(true);
    w.table.open();
    ScriptedConversion quiet;
    w.start();
    EXPECT_TRUE(fs::exists(w.old("BLOG.DBF")));
}

TEST(OldDatabasesAtStart, AFailedDeleteIsReportedAndTheFileIsNotConvertedAgain)
{
    World w;
    old_tables::writeTable(w.old("B2LOG.DBF"), old_tables::layoutV2(), numberedBooks(3));
    conversion::setRemoveFileForTests([](const QString&, QString& reason) {
        reason = QStringLiteral("Permission denied");
        return false;
    });
    {
        ScriptedConversion messages;
        messages.answer(true);
        w.start();
        ASSERT_EQ(messages.shown.size(), 2u);
        EXPECT_EQ(messages.shown[1].kind, ScriptedConversion::Failure);
        EXPECT_EQ(messages.shown[1].text,
                  "The old database \"" + QDir::toNativeSeparators(qs(w.old("B2LOG.DBF"))) +
                      "\" has been converted, but it could not be deleted: Permission denied.  It will not be "
                      "converted again; you may delete it yourself.");
    }
    conversion::setRemoveFileForTests({});
    EXPECT_EQ(w.count(), 3u);
    {
        ScriptedConversion quiet;  // the same file: not asked again
        w.start();
        EXPECT_EQ(w.count(), 3u);
        EXPECT_TRUE(fs::exists(w.old("B2LOG.DBF")));
    }
    // another file of that name is another database
    old_tables::writeTable(w.old("B2LOG.DBF"), old_tables::layoutV2(), numberedBooks(4));
    ScriptedConversion messages;
    messages.answer(true);
    w.start();
    EXPECT_EQ(w.count(), 7u);
    EXPECT_FALSE(fs::exists(w.old("B2LOG.DBF")));
}

TEST(OldDatabasesAtStart, AWriteErrorStopsTheConversionAndTheRestComesLaterWithoutDuplicates)
{
    World w;
    old_tables::writeTable(w.old("B2LOG.DBF"), old_tables::layoutV2(), numberedBooks(50));
    int writes = 0;
    dbase::setFileStepHookForTests([&](const char* step) {
        if (std::string(step) == "write" && ++writes == 40) throw dbase::DatabaseError("MASTER.DBF: the disk is full");
    });
    {
        ScriptedConversion messages;
        messages.answer(true);
        w.start();
        dbase::setFileStepHookForTests({});
        ASSERT_EQ(messages.shown.size(), 2u);
        EXPECT_EQ(messages.shown[1].text,
                  "The conversion of \"" + QDir::toNativeSeparators(qs(w.old("B2LOG.DBF"))) +
                      "\" stopped: MASTER.DBF: the disk is full.  The books converted so far are kept; the rest will "
                      "be offered for conversion at the next start.");
    }
    w.reopen();  // as the next start finds the database
    const std::size_t first = w.count();
    EXPECT_GT(first, 0u);
    EXPECT_LT(first, 50u);
    EXPECT_TRUE(fs::exists(w.old("B2LOG.DBF")));
    {
        // declined now; the user then adds a book of their own, which must not count as converted
        ScriptedConversion messages;
        messages.answer(false);
        w.start();
        w.table.append();
        w.table.setText(0, QStringLiteral("Mine"));
        w.table.post();
    }
    ScriptedConversion messages;
    messages.answer(true);
    w.start();
    ASSERT_EQ(w.count(), 51u);
    for (std::size_t i = 0; i < 51; ++i) {
        const std::string want = i < first ? "Book " + std::to_string(i)
                                 : i == first ? std::string("Mine")
                                              : "Book " + std::to_string(i - 1);
        EXPECT_EQ(w.text(i, "Title"), want) << i;
    }
    EXPECT_FALSE(fs::exists(w.old("B2LOG.DBF")));
}

TEST(OldDatabasesAtStart, AConversionKilledPartWayGoesOnAfterItsLastBook)
{
    World w;
    const int total = 20000;
    old_tables::writeTable(w.old("B2LOG.DBF"), old_tables::layoutV2(), numberedBooks(total));
    int posted = 0;
    {
        testing_support::Child child({BINDLOW_CONVERT_CHILD, w.programDir().toStdString(), w.database().toStdString()});
        std::string line;
        while (posted < 300 && child.readLine(line)) posted = std::atoi(line.c_str() + 7);
        child.kill();
        child.wait();
    }
    ASSERT_GE(posted, 300);
    ASSERT_TRUE(fs::exists(w.old("B2LOG.DBF"))) << "the conversion was not killed part-way";
    EXPECT_TRUE(dbase::checkTable(w.dir / "program", "MASTER.DBF").empty());
    w.reopen();
    EXPECT_GE(w.count(), std::size_t(posted));
    EXPECT_LT(w.count(), std::size_t(total));

    ScriptedConversion messages;
    messages.answer(true);
    w.start();
    ASSERT_EQ(w.count(), std::size_t(total));
    for (std::size_t i = 0; i < w.count(); ++i) {
        const std::string t = w.text(i, "Title");
        if (t != "Book " + std::to_string(i)) {
            ADD_FAILURE() << "row " << i << " holds " << t;
            break;
        }
    }
    EXPECT_FALSE(fs::exists(w.old("B2LOG.DBF")));
}

TEST(OldDatabasesAtStart, ValuesThatCannotBeConvertedAreCountedAndNamedAtTheEnd)
{
    World w;
    const std::string longTitle(95, 'T');
    old_tables::writeTable(w.old("B2LOG.DBF"), old_tables::layoutV2(),
                           {{{"Title", "Letters"}, {"Pages", "abc"}},
                            {{"Title", "Half"}, {"Pages", "1.5"}, {"CheckDate", "20000431"}},
                            {{"Title", longTitle}},
                            {{"Title", "Fine"}, {"Pages", "1,024"}, {"CheckDate", "20000430"}}});
    old_tables::writeTable(w.old("BLOG.DBF"), old_tables::layoutV1(),
                           {{{"Title", "Lower"}, {"PurchDay", "5"}, {"PurchMonth", "mar"}, {"PurchYear", "1994"}},
                            {{"Title", "April"}, {"PurchDay", "31"}, {"PurchMonth", "Apr"}, {"PurchYear", "1994"}},
                            {{"Title", "None"}}});
    ScriptedConversion messages;
    messages.answer(true);
    messages.answer(true);
    w.start();
    ASSERT_EQ(messages.shown.size(), 4u);
    EXPECT_EQ(messages.shown[1].kind, ScriptedConversion::Report);
    EXPECT_EQ(messages.shown[1].text, "The books of \"B2LOG.DBF\" have been converted.  3 values could not be converted "
                                      "and were left empty.  1 values were too long for their fields and were cut.");
    const QString t60 = QString(60, u'T') + "...";
    EXPECT_EQ(messages.shown[1].details,
              QStringLiteral("Record 1, \"Letters\", Pages: \"abc\" could not be read and was left empty.\n"
                             "Record 2, \"Half\", Check Out Date: \"20000431\" could not be read and was left empty.\n"
                             "Record 2, \"Half\", Pages: \"1.5\" could not be read and was left empty.\n"
                             "Record 3, \"%1\", Title: \"%1\" was too long for the field and was cut.\n")
                  .arg(t60));
    EXPECT_EQ(messages.shown[3].text, "The books of \"BLOG.DBF\" have been converted.  2 values could not be converted "
                                      "and were left empty.");
    EXPECT_EQ(messages.shown[3].details,
              "Record 1, \"Lower\", Purchase Date: \"5 mar 1994\" could not be read and was left empty.\n"
              "Record 2, \"April\", Purchase Date: \"31 Apr 1994\" could not be read and was left empty.\n");
    ASSERT_EQ(w.count(), 7u);
    EXPECT_EQ(w.date(1, "CheckDate"), "blank");
    EXPECT_EQ(w.date(3, "CheckDate"), "20000430");
    EXPECT_EQ(w.number(3, "Pages"), 1024);
    EXPECT_FALSE(fs::exists(w.old("B2LOG.DBF")));
    EXPECT_FALSE(fs::exists(w.old("BLOG.DBF")));
}
