// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Tables of the program's earlier versions, written byte by byte: a dBASE III header, the field
// descriptors, blank-padded records and the end mark.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace old_tables {

struct Field {
    std::string name;
    char type;
    int width;
    int decimals = 0;
};

// Values by field name (any letter case as written in the layout); missing ones are blank.
// A record whose "*" value is "*" is marked deleted.
using Record = std::map<std::string, std::string>;

// "B2LOG.DBF": an identifying first field, then the 25 fields of the 2.x layout.
inline std::vector<Field> layoutV2()
{
    return {{"BookID", 'N', 6},      {"Title", 'C', 100},     {"Author", 'C', 60},    {"YearPub", 'N', 4},
            {"Publisher", 'C', 40},  {"Category", 'C', 20},   {"WherePurch", 'C', 30}, {"Cost", 'N', 10, 2},
            {"Value", 'N', 10, 2},   {"Descriptio", 'C', 110}, {"ISBN", 'C', 20},      {"Rating", 'C', 15},
            {"PurchDate", 'D', 8},   {"BookType", 'C', 15},   {"CatalogNum", 'C', 15}, {"Sub1", 'C', 6},
            {"Sub2", 'C', 6},        {"CheckOut", 'C', 3},    {"CheckDate", 'D', 8},  {"CheckPerso", 'C', 30},
            {"Volume", 'C', 8},      {"Issue", 'C', 8},       {"Edition", 'C', 10},   {"KeyWords", 'C', 80},
            {"Pages", 'C', 6},       {"Location", 'C', 30}};
}

// "BLOG.DBF": the 1.x layout, its purchase date in three text fields.
inline std::vector<Field> layoutV1()
{
    return {{"BookNo", 'N', 6},     {"Title", 'C', 90},      {"Author", 'C', 60},     {"YearPub", 'N', 4},
            {"Publisher", 'C', 40}, {"Category", 'C', 20},   {"WherePurch", 'C', 30}, {"Cost", 'N', 10, 2},
            {"Value", 'N', 10, 2},  {"Descriptio", 'C', 100}, {"ISBN", 'C', 20},      {"Rating", 'C', 15},
            {"PurchDay", 'C', 2},   {"PurchMonth", 'C', 3},  {"PurchYear", 'C', 4}};
}

inline void put16(std::string& s, std::size_t at, unsigned v)
{
    s[at] = char(v & 0xFF);
    s[at + 1] = char((v >> 8) & 0xFF);
}

inline void put32(std::string& s, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) s[at + std::size_t(i)] = char((v >> (8 * i)) & 0xFF);
}

// The whole file; mdxFlag sets byte 28 as a table with a production index has it.
inline std::string tableBytes(const std::vector<Field>& fields, const std::vector<Record>& records,
                              bool mdxFlag = false)
{
    int recordLength = 1;
    for (const Field& f : fields) recordLength += f.width;
    const unsigned headerLength = unsigned(32 + 32 * fields.size() + 1);
    std::string out(headerLength, '\0');
    out[0] = 0x03;
    out[1] = char(96);  // last changed 1996-11-04
    out[2] = 11;
    out[3] = 4;
    put32(out, 4, std::uint32_t(records.size()));
    put16(out, 8, headerLength);
    put16(out, 10, unsigned(recordLength));
    out[28] = mdxFlag ? 1 : 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::size_t at = 32 + 32 * i;
        const Field& f = fields[i];
        for (std::size_t c = 0; c < f.name.size() && c < 10; ++c) out[at + c] = f.name[c];
        out[at + 11] = f.type;
        out[at + 16] = char(f.width);
        out[at + 17] = char(f.decimals);
    }
    out[headerLength - 1] = 0x0D;
    for (const Record& r : records) {
        const auto star = r.find("*");
        out += star != r.end() && star->second == "*" ? '*' : ' ';
        for (const Field& f : fields) {
            const auto v = r.find(f.name);
            std::string value = v == r.end() ? std::string() : v->second;
            value.resize(std::min(value.size(), std::size_t(f.width)));
            const std::string pad(std::size_t(f.width) - value.size(), ' ');
            out += f.type == 'N' ? pad + value : value + pad;
        }
    }
    out += char(0x1A);
    return out;
}

inline void write(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream o(file, std::ios::binary | std::ios::trunc);
    o.write(bytes.data(), std::streamsize(bytes.size()));
}

inline void writeTable(const std::filesystem::path& file, const std::vector<Field>& fields,
                       const std::vector<Record>& records, bool mdxFlag = false)
{
    write(file, tableBytes(fields, records, mdxFlag));
}

inline std::string readAll(const std::filesystem::path& file)
{
    std::ifstream i(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(i), {});
}

}  // namespace old_tables
