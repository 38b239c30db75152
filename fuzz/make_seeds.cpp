// SPDX-License-Identifier: GPL-2.0-or-later
// Writes the seed inputs of the fuzz targets of the program's own files into OUT/<target>/,
// made as the tests make their files: the default report file and earlier report records, the
// tables of the earlier versions, the import tests' texts, settings files written by the program
// and data lists. Usage: fuzz_seeds OUT
#include <QDir>
#include <QFile>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "conversion/old_tables.h"
#include "edit/data_lists.h"
#include "reports/old_reports.h"
#include "reports/record_bytes.h"
#include "reports/report_file.h"
#include "store/settings.h"

namespace fs = std::filesystem;

namespace {

fs::path out;
int serial = 0;

void seed(const char* target, const QByteArray& bytes)
{
    fs::create_directories(out / target);
    std::ofstream f(out / target / ("seed" + std::to_string(serial++)), std::ios::binary);
    f.write(bytes.constData(), bytes.size());
}

QByteArray slurp(const fs::path& p)
{
    QFile f(QString::fromStdString(p.string()));
    if (!f.open(QIODevice::ReadOnly)) std::abort();
    return f.readAll();
}

// As the earlier-report tests make them: name, characters per line, headers, page numbers,
// totals, number of lines, and a few items.
QByteArray oldRecord(const std::string& name, int chars, int lines, bool items)
{
    using namespace report_bytes;
    QByteArray r(reports::kOldRecordSize, '\0');
    putStr(r, 0, name);
    putI16(r, 31, chars);
    r[83] = 1;
    r[85] = 7;
    putI16(r, 86, lines);
    if (items) {
        putItem(r, 88, "Cost", 1, 12);
        putItem(r, 88 + 75, "<LABEL>", 0, 7, "Books:");
        putItem(r, 88 + 150, "Count", 3, 6);
        putItem(r, 1831, "Title", 2, 40);
        putItem(r, 1831 + 75, "Author", 3, 30);
        putItem(r, 1831 + 1500, "<LABEL>", 0, 10, "Notes");
        putStr(r, 1588, "My Shelf List");
    }
    return r;
}

void reportSeeds(const fs::path& scratch)
{
    reports::ensureReportFile(QString::fromStdString(scratch.string()));
    const QByteArray file = slurp(scratch / reports::kReportFileName);
    seed("reports", QByteArray(1, '\0') + file);
    for (qsizetype at = 0; at + reports::kRecordSize <= file.size(); at += 3 * reports::kRecordSize)
        seed("reports", QByteArray(1, '\0') + file.mid(at, reports::kRecordSize));
    seed("reports", QByteArray(1, '\0') + reports::encodeReport(reports::newReport()) + QByteArray(100, 'x'));
    seed("reports", QByteArray(1, '\1') + oldRecord("Full Report", 120, 10, false) + oldRecord("Shelf List", 120, 2, true) +
                        oldRecord("Narrow", 90, 12, true));
    seed("reports", QByteArray(1, '\1') + oldRecord("Wide", 150, 40, true));
}

void oldTableSeeds()
{
    using old_tables::Record;
    const std::vector<Record> v2 = {
        {{"BookID", "7"}, {"Title", "Dune"}, {"Author", "Herbert, Frank"}, {"YearPub", "1965"}, {"Cost", "12.50"},
         {"Value", "1234.56"}, {"PurchDate", "19940305"}, {"CheckOut", "Yes"}, {"CheckDate", "20000229"},
         {"Pages", "1,024"}, {"Location", "Shelf 3"}},
        {{"Title", std::string(100, 'T')}, {"Pages", ""}},
        {{"Title", "gone"}, {"*", "*"}},
        {{"Title", "Odd pages"}, {"Pages", "many"}, {"PurchDate", "        "}},
    };
    seed("old_databases", QByteArray::fromStdString(old_tables::tableBytes(old_tables::layoutV2(), v2)));
    seed("old_databases", QByteArray::fromStdString(old_tables::tableBytes(old_tables::layoutV2(), {}, true)));
    const std::vector<Record> v1 = {
        {{"BookNo", "1"}, {"Title", "Emma"}, {"Cost", "3.5"}, {"PurchDay", "5"}, {"PurchMonth", "Mar"},
         {"PurchYear", "1994"}},
        {{"Title", "No date"}, {"PurchMonth", "Foo"}, {"PurchYear", "19"}},
        {{"Title", "gone"}, {"*", "*"}},
    };
    seed("old_databases", QByteArray::fromStdString(old_tables::tableBytes(old_tables::layoutV1(), v1)));
}

void asciiSeeds()
{
    const char* const texts[] = {
        "\"Title\",\"Cost\",\"Bought\",\"Pages\",\"Author\"\r\n"
        "\"Moby Dick\",\"\",\"\",\"\",\"Melville\"\r\n"
        "\"Emma\",\"12.5\",\"3/1/1997\",\"320\",\"Austen\",\"surplus\"\r\n"
        "\"Caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC\",\"abc\",\"March 1, 1997\",\"999999999999999\",\"Z\xC3\xBCrich\"\r\n"
        "\"Bad date\",\"1e2\",\"2/30/1997\",\"7\",\"No one\"\r\n\r\n",
        "\"Title\",\"ISBN\"\r\n\"El Ni\xF1o\r\ny la ni\xF1" "a\",\"84-1\"\r\n\"Two\nbreaks\rhere\",\"84-2\"\n"
        "\",comma first\",\"a\"\",b\"\r\n",
        "\"a, b\",\"say \"\"hi\"\"\",\"\"\r\n\"x\"y,\"z\"\n\"cr\"\r\"\"\n",
        "\"Title\",\"Bought\",\"Pages\",\"Cost\",\"Checked\"\r\n"
        "\"ISO\",\"2024-03-15\",\"99999999999\",\"123456789012345.5\",\"5.6.2001\"\r\n"
        "\"Bad\",\"2024-02-30\",\"100000000000\",\"1234567890123456\",\"March 1\"\r\n",
        "\"A\",\"1\"\r\n\"B\",\"2\r\n\"C\",\"3\"\r\n\"D\",\"4\"\r\n",
        "\"Ti\r\ntle\",\"B\"\r\n\"x\",\"y\"\r\n",
        "\xEF\xBB\xBF\"Title\",\"\"\r\n\"Caf\xC3\xA9\",\"\x80\"\r\n",
    };
    for (const char* t : texts) seed("ascii", QByteArray(t));
}

void settingsSeeds(const fs::path& scratch)
{
    const QString db = QString::fromStdString((scratch / "BOOKS.INI").string());
    store::DatabaseSettings s;
    s.fieldNames[0] = QStringLiteral("Caf\u00e9");
    s.fieldWidth[1] = 5;
    store::writeDatabaseSettings(s, db);
    seed("settings", slurp(scratch / "BOOKS.INI"));
    store::ProgramSettings p = store::readProgramSettings(QStringLiteral("/home"));
    p.lastFiles[0] = QStringLiteral("/books/\u65e5\u672c.DBF");
    store::writeProgramSettings(p);
    seed("settings", slurp(store::programSettingsPath().toStdString()));
    seed("settings", QByteArray("; a comment\r\n[misc]\r\nbutton bar=3\r\nButton Bar=1\r\n[Misc]\r\nNext Tip=x\r\n"
                                "[Field Names]\r\nTitle=\xE9t\xE9\r\n"));
}

void listSeeds(const fs::path& scratch)
{
    edit::DataLists lists;
    lists[edit::PublisherList] = {QString(300, u'p'), QStringLiteral("Caf\u00e9"), QStringLiteral("Penguin")};
    lists[edit::RatingList] = {QStringLiteral("*****"), QStringLiteral("  spaced  ")};
    const QString base = QString::fromStdString((scratch / "BOOKS").string());
    lists.SaveAllLists(base);
    for (const char* suffix : {".005", ".006"}) seed("lists", slurp((scratch / "BOOKS").string() + suffix));
    seed("lists", QByteArray("one\r\n\r\n  \r\ntwo\rthree\nfour\r\r\n\x81\x9D\xFF\n"));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: fuzz_seeds OUT\n";
        return 2;
    }
    out = argv[1];
    char tmpl[] = "/tmp/bindlow-seeds-XXXXXX";
    if (!::mkdtemp(tmpl)) return 1;
    const fs::path scratch = tmpl;
    ::setenv("XDG_CONFIG_HOME", (scratch / "config").c_str(), 1);
    reportSeeds(scratch);
    oldTableSeeds();
    asciiSeeds();
    settingsSeeds(scratch);
    listSeeds(scratch);
    fs::remove_all(scratch);
    return 0;
}
