// SPDX-License-Identifier: GPL-2.0-or-later
// bindlow-dbf: looks at and repairs dBASE tables and their production indexes.
#include <cstdio>
#include <filesystem>
#include <cstring>
#include <iostream>
#include <string>

#include "cli/dbf_transfer.h"
#include "cli/utf8_text.h"
#include "dbase/check.h"
#include "dbase/error.h"
#include "dbase/table.h"
#include "transfer/ascii_format.h"

#include <charconv>
#include <cstdio>
#include <filesystem>

namespace {

const char* kUsage =
    "usage: bindlow-dbf info FILE.DBF\n"
    "       bindlow-dbf --help\n"
    "       bindlow-dbf dump FILE.DBF [--tag NAME]\n"
    "       bindlow-dbf check FILE.DBF\n"
    "       bindlow-dbf index FILE.DBF NAME EXPRESSION\n"
    "       bindlow-dbf reindex FILE.DBF\n"
    "       bindlow-dbf pack FILE.DBF\n"
    "       bindlow-dbf recover FILE.DBF\n"
    "       bindlow-dbf export FILE.DBF OUT.TXT [--tag NAME] [--no-header]\n"
    "       bindlow-dbf export FILE.DBF OUT.csv --csv [--tag NAME]\n"
    "       bindlow-dbf import SOURCE FILE.DBF [--csv | --ascii | --dbase] [--skip-first] [--dry-run]\n"
    "                          [--date-format FORMAT]\n"
    "\n"
    "  info     header, fields, record counts and index tags\n"
    "  dump     one line per live record, tab-separated, in UTF-8 (in the tag's order with --tag)\n"
    "  check    verifies the table and every index tag; faults go to standard error\n"
    "  index    adds or replaces a tag of the production index\n"
    "  reindex  rebuilds the index from the table, keeping every tag it can still read\n"
    "  pack     removes deleted records and rebuilds the index\n"
    "  recover  adds the whole records that lie past the header's count, rebuilds the index\n"
    "  export   writes every live record as ASCII delimited text (quoted values, commas, CR LF,\n"
    "           Windows-1252), all fields in table order under a line of field names; numbers\n"
    "           plain, dates m/d/yyyy; with --csv, comma-separated values in UTF-8 as the\n"
    "           program's export writes them (the fields, order and headings of the database's\n"
    "           export settings)\n"
    "  import   appends the books of a text file, a comma-separated file or a dBASE table, paired\n"
    "           as the program's import window pairs them (comma-separated files by their headings,\n"
    "           the others by position), dates and decimal marks read as the program's settings and\n"
    "           the system's locale give (--date-format: one of the program's twelve, as dd.mm.yyyy);\n"
    "           prints what was not stored as it came; --dry-run reads it all and posts nothing\n"
    "\n"
    "Errors go to standard error with exit status 1, and the file stays as it was.\n"
    "A wrong call prints this text to standard error with exit status 2.\n";

struct Target {
    std::filesystem::path folder;
    std::string name;
};

Target split(const std::string& arg)
{
    std::filesystem::path p(arg);
    std::filesystem::path folder = p.parent_path();
    return {folder.empty() ? std::filesystem::path(".") : folder, p.filename().string()};
}

int info(const Target& t)
{
    dbase::Table table;
    table.open(t.folder, t.name, {false, true, {}});
    const auto& h = table.header();
    std::uint32_t deleted = 0;
    for (std::uint32_t r = 1; r <= table.physicalCount(); ++r) deleted += table.record(r).deleted() ? 1 : 0;
    std::printf("file        %s\n", table.path().string().c_str());
    std::printf("version     0x%02X%s\n", h.version, h.hasMemo() ? " (memo fields: read-only)" : "");
    std::printf("updated     %04d-%02d-%02d\n", h.updated.year, h.updated.month, h.updated.day);
    std::printf("records     %u (%u live, %u deleted)\n", table.physicalCount(), table.physicalCount() - deleted, deleted);
    if (table.recordsPastCount() != 0)
        std::printf("            the header counts %u: %s\n", h.recordCount, table.recordsPastCountMessage().c_str());
    std::printf("header      %u bytes, record %u bytes\n", unsigned(h.headerLength), unsigned(h.recordLength));
    std::printf("language    0x%02X\n", h.languageDriver);
    std::printf("index flag  %u\n", unsigned(h.mdxFlag));
    std::printf("fields      %d\n", table.fieldCount());
    for (int i = 0; i < table.fieldCount(); ++i) {
        const auto& f = table.field(i);
        std::printf("  %3d %-10s %c %3d %2d\n", i + 1, cli::cp1252ToUtf8(table.fieldName(i)).c_str(), f.type, f.width, f.decimals);
    }
    auto tags = table.tags();
    std::printf("tags        %zu%s\n", tags.size(), tags.empty() ? "" : (" in " + table.indexPath().filename().string()).c_str());
    for (const auto& tag : tags)
        std::printf("  %-10s %c %3d  %s\n", tag.name.c_str(), tag.keyType, tag.keyLength, tag.expression.c_str());
    return 0;
}

int dump(const Target& t, const std::string& tag)
{
    dbase::Table table;
    table.open(t.folder, t.name, {false, true, tag});
    std::string line;
    for (std::size_t row = 0; row < table.recordCount(); ++row) {
        table.goToPosition(row);
        line = std::to_string(table.recordNumber());
        for (int f = 0; f < table.fieldCount(); ++f) {
            line += '\t';
            std::string v = table.getText(f);
            for (char& c : v)
                if (c == '\t' || c == '\n' || c == '\r') c = ' ';
            line += v;
        }
        line += '\n';
        line = cli::cp1252ToUtf8(line);
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    return 0;
}

int reindex(const Target& t)
{
    dbase::Table table;
    table.open(t.folder, t.name, {true, false, {}, true});
    auto report = table.rebuildIndex();
    if (!report.unreadable.empty()) std::printf("the old index could not be read: %s\n", report.unreadable.c_str());
    for (const auto& lost : report.lost) std::printf("tag not kept: %s\n", lost.c_str());
    if (report.kept.empty()) {
        std::printf("no tags: the table has no index now\n");
    } else {
        std::string names;
        for (const auto& k : report.kept) names += (names.empty() ? "" : ", ") + k;
        std::printf("rebuilt: %s\n", names.c_str());
    }
    return 0;
}

// What lies in the file past its last record besides the end-of-file mark: bytes that are no
// record, which recover leaves as they are.
void sayBytesLeft(const dbase::Table& table)
{
    std::error_code ec;
    const std::uint64_t size = std::filesystem::file_size(table.path(), ec);
    const std::uint64_t end = table.header().recordOffset(table.physicalCount() + 1);
    if (ec || size <= end + 1) return;
    std::printf("%llu bytes past the last record are no records; they are left as they are\n",
                static_cast<unsigned long long>(size - end - 1));
}

int recover(const Target& t)
{
    dbase::Table table;
    table.open(t.folder, t.name, {true, false, {}, true});
    const std::uint32_t past = table.recordsPastCount();
    if (past == 0) {
        std::printf("no records lie past the header's count; nothing to recover\n");
        sayBytesLeft(table);
        return 0;
    }
    std::printf("adding %u records that lie past the header's count of %u\n", past, table.physicalCount());
    std::fflush(stdout);
    table.recover();
    std::printf("the table holds %u records now\n", table.physicalCount());
    sayBytesLeft(table);
    return 0;
}

// The text of a field as the export writes it when no user's formats are known.
std::string exportText(const dbase::Table& table, int f)
{
    const auto& field = table.field(f);
    if (field.type == 'N' || field.type == 'F') {
        const auto v = table.getDouble(f);
        if (!v) return {};
        char buffer[64];
        const auto r = std::to_chars(buffer, buffer + sizeof buffer, *v, std::chars_format::fixed);
        return std::string(buffer, r.ptr);
    }
    if (field.type == 'D') {
        const auto d = table.getDate(f);
        return d ? std::to_string(d->month) + '/' + std::to_string(d->day) + '/' + std::to_string(d->year) : std::string();
    }
    return table.getText(f);
}

int exportText(const Target& t, const std::string& out, const std::string& tag, bool header)
{
    dbase::Table table;
    table.open(t.folder, t.name, {false, true, tag});
    // written beside the target and renamed over it when complete
    const std::string part = out + ".part";
    FILE* file = std::fopen(part.c_str(), "wb");
    if (!file) throw dbase::DatabaseError(out + ": " + std::strerror(errno));
    std::string text;
    std::vector<std::string> values(std::size_t(table.fieldCount()));
    auto flush = [&](bool last) {
        if ((last || text.size() >= (1u << 16)) && !text.empty()) {
            if (std::fwrite(text.data(), 1, text.size(), file) != text.size()) {
                const int error = errno;
                std::fclose(file);
                std::remove(part.c_str());
                throw dbase::DatabaseError(out + ": " + std::strerror(error));
            }
            text.clear();
        }
    };
    if (header) {
        for (int f = 0; f < table.fieldCount(); ++f) values[std::size_t(f)] = table.fieldName(f);
        transfer::appendLine(text, values);
    }
    for (std::size_t row = 0; row < table.recordCount(); ++row) {
        table.goToPosition(row);
        for (int f = 0; f < table.fieldCount(); ++f) values[std::size_t(f)] = exportText(table, f);
        transfer::appendLine(text, values);
        flush(false);
    }
    flush(true);
    if (std::fclose(file) != 0 || std::rename(part.c_str(), out.c_str()) != 0) {
        const int error = errno;
        std::remove(part.c_str());
        throw dbase::DatabaseError(out + ": " + std::strerror(error));
    }
    return 0;
}

int check(const Target& t)
{
    auto faults = dbase::checkTable(t.folder, t.name);
    for (const auto& f : faults) std::fprintf(stderr, "%s\n", f.c_str());
    if (faults.empty()) std::printf("ok\n");
    return faults.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc < 3) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::string cmd = argv[1];
    if (cmd == "import") return cli::importCommand(argc - 1, argv + 1);
    for (int i = 3; i < argc; ++i)
        if (cmd == "export" && std::strcmp(argv[i], "--csv") == 0) return cli::exportCsvCommand(argc - 1, argv + 1);
    Target t = split(argv[2]);
    try {
        if (cmd == "info" && argc == 3) return info(t);
        if (cmd == "dump" && argc == 3) return dump(t, {});
        if (cmd == "dump" && argc == 5 && std::strcmp(argv[3], "--tag") == 0) return dump(t, argv[4]);
        if (cmd == "check" && argc == 3) return check(t);
        if (cmd == "index" && argc == 5) {
            dbase::Table table;
            table.open(t.folder, t.name, {true, false, {}});
            table.addTag(argv[3], argv[4]);
            return 0;
        }
        if (cmd == "reindex" && argc == 3) return reindex(t);
        if (cmd == "recover" && argc == 3) return recover(t);
        if (cmd == "export" && argc >= 4) {
            std::string tag;
            bool header = true, wrong = false;
            for (int i = 4; i < argc; ++i) {
                if (std::strcmp(argv[i], "--no-header") == 0) header = false;
                else if (std::strcmp(argv[i], "--tag") == 0 && i + 1 < argc) tag = argv[++i];
                else wrong = true;
            }
            if (!wrong) return exportText(t, argv[3], tag, header);
        }
        if (cmd == "pack" && argc == 3) {
            dbase::Table table;
            table.open(t.folder, t.name, {true, false, {}});
            table.pack();
            return 0;
        }
    } catch (const dbase::DatabaseError& e) {
        std::fprintf(stderr, "bindlow-dbf: %s\n", e.what());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bindlow-dbf: %s\n", e.what());
        return 1;
    }
    std::fputs(kUsage, stderr);
    return 2;
}
