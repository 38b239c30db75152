// SPDX-License-Identifier: GPL-2.0-or-later
#include "dbase/header.h"

#include <algorithm>

#include <cstring>
#include <ctime>

#include "dbase/bytes.h"
#include "dbase/error.h"

namespace dbase {

bool TableHeader::hasMemo() const
{
    if (version & 0x80) return true;
    for (const auto& f : fields)
        if (f.type == 'M' || f.type == 'B' || f.type == 'G') return true;
    return false;
}

Date today()
{
    std::time_t t = std::time(nullptr);
    std::tm tm {};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
}

namespace {

void checkField(const std::string& file, const FieldInfo& f, std::size_t index)
{
    auto bad = [&](const std::string& why) {
        fail(file, "field descriptor " + std::to_string(index + 1) + " (" + f.name + ") is broken: " + why);
    };
    if (f.name.empty()) bad("empty field name");
    for (unsigned char c : f.name)
        if (c < 0x20 || c >= 0x7F) bad("field name holds a non-printable byte");
    if (f.width <= 0) bad("zero width");
    switch (f.type) {
    case 'C': break;
    case 'N':
    case 'F':
        if (f.width > 32) bad("numeric width over 32");
        if (f.decimals > f.width) bad("more decimals than width");
        break;
    case 'D':
        if (f.width != 8) bad("date width is not 8");
        break;
    case 'L':
        if (f.width != 1) bad("logical width is not 1");
        break;
    case 'M':
    case 'B':
    case 'G':
        if (f.width != 10) bad("memo width is not 10");
        break;
    default: bad(std::string("unknown field type '") + char(f.type >= 0x20 && f.type < 0x7F ? f.type : '?') + "'");
    }
}

}  // namespace

TableHeader parseHeader(const std::string& file, const unsigned char* data, std::size_t len,
                        std::uint64_t fileSize)
{
    if (fileSize < 32 || len < 32) fail(file, "the file is too short to be a dBASE table");
    TableHeader h;
    h.version = data[0];
    if (h.version != 0x03 && h.version != 0x83 && h.version != 0x8B)
        fail(file, "is not a dBASE III or IV table (version byte " + std::to_string(h.version) + ")");
    if (data[15] != 0) fail(file, "the table is encrypted");
    int yy = data[1];
    h.updated = {yy < 80 ? 2000 + yy : 1900 + yy, data[2], data[3]};
    h.recordCount = get32(data + 4);
    h.headerLength = get16(data + 8);
    h.recordLength = get16(data + 10);
    h.mdxFlag = data[28];
    h.languageDriver = data[29];

    if (h.headerLength < 32 + 32 + 1) fail(file, "the header length " + std::to_string(h.headerLength) + " is too small");
    if (h.headerLength > fileSize)
        fail(file, "the header length " + std::to_string(h.headerLength) + " lies beyond the end of the file");
    if (h.headerLength > len) fail(file, "the header is longer than a dBASE IV header can be");

    std::uint32_t offset = 1;
    std::size_t pos = 32;
    bool terminated = false;
    while (pos < h.headerLength) {
        if (data[pos] == 0x0D) {
            terminated = true;
            break;
        }
        if (pos + 32 > h.headerLength) break;
        const unsigned char* d = data + pos;
        FieldInfo f;
        std::size_t n = 0;
        while (n < 11 && d[n] != 0) ++n;
        f.name.assign(reinterpret_cast<const char*>(d), n);
        f.type = char(d[11]);
        if (f.type >= 'a' && f.type <= 'z') f.type = char(f.type - 32);
        f.width = d[16];
        f.decimals = (f.type == 'N' || f.type == 'F') ? d[17] : 0;
        f.offset = offset;
        checkField(file, f, h.fields.size());
        offset += std::uint32_t(f.width);
        h.fields.push_back(f);
        if (h.fields.size() > 255) fail(file, "the header holds more than 255 field descriptors");
        pos += 32;
    }
    if (!terminated) fail(file, "the field descriptors are broken (no terminator within the header)");
    if (h.fields.empty()) fail(file, "the table has no fields");
    if (offset != h.recordLength)
        fail(file, "the record length " + std::to_string(h.recordLength) + " does not match the fields (" +
                       std::to_string(offset) + ")");
    std::uint64_t needed = std::uint64_t(h.headerLength) + std::uint64_t(h.recordCount) * h.recordLength;
    if (needed > fileSize) {
        std::uint64_t held = (fileSize - h.headerLength) / h.recordLength;
        fail(file, "the header says " + std::to_string(h.recordCount) + " records but the file holds only " +
                       std::to_string(held));
    }
    return h;
}

namespace {

bool allOf(const unsigned char* p, int n, const char* allowed)
{
    for (int i = 0; i < n; ++i)
        if (p[i] == 0 || !std::strchr(allowed, p[i])) return false;
    return true;
}

}  // namespace

bool slotReadsAsRecord(const TableHeader& h, const unsigned char* slot)
{
    if (slot[0] != ' ' && slot[0] != '*') return false;
    for (const FieldInfo& f : h.fields) {
        const unsigned char* p = slot + f.offset;
        const int w = f.width;
        switch (f.type) {
        case 'N':
        case 'F':
            if (!allOf(p, w, " 0123456789+-.eE*")) return false;
            break;
        case 'D':
            if (!allOf(p, w, " ") && !allOf(p, w, "0123456789")) return false;
            break;
        case 'L':
            if (!allOf(p, w, "TtFfYyNn? ")) return false;
            break;
        case 'M':
            if (!allOf(p, w, " 0123456789")) return false;
            break;
        default:
            break;  // text may hold any byte
        }
    }
    return true;
}

std::uint32_t recordsPastCount(const TableHeader& h, std::uint64_t fileSize, const SlotReader& read)
{
    const std::uint64_t whole = (fileSize - h.headerLength) / h.recordLength;
    if (whole <= std::uint64_t(h.recordCount) + 1) return 0;
    const std::uint64_t candidates = std::min<std::uint64_t>(whole - h.recordCount, 0xFFFFFFFFu - h.recordCount);
    // slots are read in runs of about 64 KB; the first that is no record ends the count
    const std::size_t perRun = std::max<std::size_t>(1, (std::size_t(1) << 16) / h.recordLength);
    std::vector<unsigned char> run(perRun * h.recordLength);
    std::uint64_t good = 0;
    while (good < candidates) {
        const std::size_t n = std::size_t(std::min<std::uint64_t>(perRun, candidates - good));
        read(h.recordOffset(std::uint32_t(h.recordCount + good + 1)), run.data(), n * h.recordLength);
        for (std::size_t i = 0; i < n; ++i, ++good)
            if (!slotReadsAsRecord(h, run.data() + i * h.recordLength)) return std::uint32_t(good);
    }
    return std::uint32_t(good);
}

std::vector<unsigned char> encodeHeader(const TableHeader& h)
{
    std::vector<unsigned char> out(32 + 32 * h.fields.size() + 1, 0);
    out[0] = h.version;
    encodeCountAndDate(out.data(), h);
    put16(&out[8], std::uint16_t(out.size()));
    put16(&out[10], h.recordLength);
    out[28] = h.mdxFlag;
    out[29] = h.languageDriver;
    for (std::size_t i = 0; i < h.fields.size(); ++i) {
        unsigned char* d = &out[32 + 32 * i];
        const auto& f = h.fields[i];
        for (std::size_t k = 0; k < f.name.size() && k < 10; ++k) d[k] = static_cast<unsigned char>(f.name[k]);
        d[11] = static_cast<unsigned char>(f.type);
        d[16] = static_cast<unsigned char>(f.width);
        d[17] = static_cast<unsigned char>(f.decimals);
    }
    out.back() = 0x0D;
    return out;
}

void encodeCountAndDate(unsigned char* first8, const TableHeader& h)
{
    first8[1] = static_cast<unsigned char>(h.updated.year - 1900);
    first8[2] = static_cast<unsigned char>(h.updated.month);
    first8[3] = static_cast<unsigned char>(h.updated.day);
    put32(first8 + 4, h.recordCount);
}

}  // namespace dbase
