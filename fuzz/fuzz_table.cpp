// SPDX-License-Identifier: GPL-2.0-or-later
// Opens arbitrary bytes as a table with a production index and walks them, reads every field,
// checks them, and changes a record. Input: 4 bytes (little-endian) giving the length of the
// table part, the table's bytes, then the index's bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "dbase/check.h"
#include "dbase/error.h"
#include "dbase/table.h"

namespace {

std::filesystem::path workDir()
{
    static std::filesystem::path dir = [] {
        std::filesystem::path base = std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
        std::string tmpl = (base / "bindlow-fuzz-XXXXXX").string();
        if (!::mkdtemp(tmpl.data())) std::abort();
        return std::filesystem::path(tmpl);
    }();
    return dir;
}

void put(const std::filesystem::path& p, const std::uint8_t* data, std::size_t size)
{
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(data), std::streamsize(size));
}

void walk(dbase::Table& t)
{
    for (std::size_t i = 0; i < t.recordCount() && i < 5000; ++i) {
        t.goToPosition(i);
        for (int f = 0; f < t.fieldCount(); ++f) {
            (void)t.getText(f);
            (void)t.getDouble(f);
            (void)t.getDate(f);
        }
    }
    t.first();
    t.moveBy(3);
    t.last();
    t.prior();
    if (!t.activeTag().empty()) (void)t.seek("M", false);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4) return 0;
    std::uint32_t dbfLen = std::uint32_t(data[0]) | (std::uint32_t(data[1]) << 8) | (std::uint32_t(data[2]) << 16) |
                           (std::uint32_t(data[3]) << 24);
    data += 4;
    size -= 4;
    if (dbfLen > size) dbfLen = std::uint32_t(size);
    const auto dir = workDir();
    put(dir / "T.DBF", data, dbfLen);
    put(dir / "T.MDX", data + dbfLen, size - dbfLen);
    std::filesystem::remove(dir / "T.DBT");

    try {
        dbase::Table t;
        t.open(dir, "T", {false, true, {}});
        walk(t);
        auto tags = t.tags();
        t.close();
        for (const auto& tag : tags) {
            try {
                t.open(dir, "T", {false, true, tag.name});
                walk(t);
                t.close();
            } catch (const dbase::DatabaseError&) {
            }
        }
    } catch (const dbase::DatabaseError&) {
    }
    (void)dbase::checkTable(dir, "T");

    // changes on damaged files must fail cleanly too
    try {
        dbase::Table t;
        auto tags = [&] {
            dbase::Table r;
            r.open(dir, "T", {false, true, {}});
            return r.tags();
        }();
        t.open(dir, "T", {true, false, tags.empty() ? std::string() : tags[0].name});
        if (!t.isEmpty()) {
            t.edit();
            if (t.fieldCount() > 0 && t.field(0).type == 'C') t.setText(0, "ZZ");
            t.post();
        }
        t.append();
        t.post();
        t.deleteRecord();
        t.reindex();
        t.pack();
    } catch (const dbase::DatabaseError&) {
    }
    return 0;
}
