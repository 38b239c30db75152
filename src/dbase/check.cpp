// SPDX-License-Identifier: GPL-2.0-or-later
#include "dbase/check.h"

#include <cstring>

#include "dbase/error.h"
#include "dbase/table.h"
#include "dbase/values.h"

namespace dbase {

std::vector<std::string> checkTable(const std::filesystem::path& folder, const std::string& tableName)
{
    std::vector<std::string> faults;
    Table t;
    try {
        t.open(folder, tableName, {false, true, {}});
    } catch (const DatabaseError& e) {
        faults.push_back(e.what());
        return faults;
    }
    const std::uint32_t n = t.physicalCount();
    auto fault = [&](const std::string& s) {
        if (faults.size() < 200) faults.push_back(s);
    };
    if (t.recordsPastCount() != 0) fault(t.path().string() + ": " + t.recordsPastCountMessage());
    for (std::uint32_t r = 1; r <= n; ++r) {
        RecordView v = t.record(r);
        unsigned char flag = v.data()[0];
        if (flag != ' ' && flag != '*') fault("record " + std::to_string(r) + ": unknown deletion flag");
        for (int f = 0; f < t.fieldCount(); ++f) {
            const FieldInfo& fi = t.field(f);
            if (v.blank(f)) continue;
            if ((fi.type == 'N' || fi.type == 'F') && !v.number(f))
                fault("record " + std::to_string(r) + ": field " + t.fieldName(f) + " holds no number");
            if (fi.type == 'D' && !v.date(f) && std::string_view(v.raw(f)) != "00000000")
                fault("record " + std::to_string(r) + ": field " + t.fieldName(f) + " holds no date");
        }
    }
    for (const TagInfo& tag : t.tags()) {
        const std::string where = "tag " + tag.name + ": ";
        std::unique_ptr<KeyExpression> expr;
        try {
            expr = std::make_unique<KeyExpression>(t.indexPath().string(), tag.expression, t.header().fields);
        } catch (const DatabaseError& e) {
            fault(where + "its key cannot be checked (" + e.what() + ")");
        }
        std::vector<int> seen(static_cast<std::size_t>(n) + 1, 0);
        std::vector<unsigned char> key(static_cast<std::size_t>(tag.keyLength));
        std::uint32_t wrongKeys = 0;
        try {
            Mdx mdx(t.indexPath(), false);
            const TagInfo* info = mdx.findTag(tag.name);
            mdx.walk(*info, [&](std::uint32_t rec, const unsigned char* k) {
                if (rec < 1 || rec > n) {
                    fault(where + "names record " + std::to_string(rec) + ", which the table does not hold");
                    return;
                }
                if (++seen[rec] == 2) fault(where + "holds record " + std::to_string(rec) + " more than once");
                if (expr && expr->keyLength() == tag.keyLength) {
                    expr->evaluate(t.record(rec).data(), key.data());
                    if (std::memcmp(key.data(), k, key.size()) != 0 && ++wrongKeys <= 5)
                        fault(where + "the key of record " + std::to_string(rec) + " does not match the record");
                }
            }, true);
        } catch (const DatabaseError& e) {
            fault(where + e.what());
            continue;
        }
        std::uint32_t missing = 0;
        for (std::uint32_t r = 1; r <= n; ++r)
            if (seen[r] == 0 && ++missing <= 5) fault(where + "record " + std::to_string(r) + " is missing");
        if (missing > 5) fault(where + std::to_string(missing) + " records are missing in all");
        if (wrongKeys > 5) fault(where + std::to_string(wrongKeys) + " keys do not match their records in all");
    }
    return faults;
}

}  // namespace dbase
