// SPDX-License-Identifier: GPL-2.0-or-later
// The tables of the program's earlier versions: arbitrary bytes as "B2LOG.DBF" and "BLOG.DBF",
// recognised and, when they are taken for one, converted into a book table as at start-up.
#include "conversion/old_databases.h"
#include "fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzz_files::BookTarget target(2000);
    const auto dir = fuzz_files::workDir();
    for (const char* name : {"B2LOG.DBF", "BLOG.DBF"}) {
        const auto path = dir / name;
        fuzz_files::put(path, data, size);
        const bool v2 = name[1] == '2';
        const QString p = fuzz_files::qs(path);
        if (!(v2 ? conversion::CheckDBaseFormatV2(p) : conversion::CheckDBaseFormatV1(p))) continue;
        try {
            store::ValueNotes notes;
            dbase::Table& t = target.table();
            const std::size_t before = t.recordCount();
            int posted = 0;
            const auto hook = [&](int n) { posted = n; };
            const int books = v2 ? conversion::ConvertV2(p, t, 0, hook, &notes) : conversion::ConvertV1(p, t, 0, hook, &notes);
            if (books < posted || t.recordCount() != before + std::size_t(posted))
                fuzz_files::finding("the books converted and the books posted differ");
            // going on after the last book converts nothing more
            const int again = v2 ? conversion::ConvertV2(p, t, books, hook, &notes) : conversion::ConvertV1(p, t, books, hook, &notes);
            if (again != books) fuzz_files::finding("the old table's book count changed between two runs");
        } catch (const dbase::DatabaseError&) {
        }
    }
    return 0;
}
