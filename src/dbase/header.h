// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The table file's header and field descriptors.
#include <cstdint>
#include <string>
#include <vector>

namespace dbase {

struct FieldInfo {
    std::string name;      // as stored (other writers use mixed case)
    char type = 'C';       // C N F D L M B G
    int width = 0;
    int decimals = 0;
    std::uint32_t offset = 0;  // from the start of the record (the deletion flag is byte 0)
};

struct Date {
    int year = 0, month = 0, day = 0;
};

struct TableHeader {
    std::uint8_t version = 0x03;
    Date updated;
    std::uint32_t recordCount = 0;
    std::uint16_t headerLength = 0;
    std::uint16_t recordLength = 0;
    std::uint8_t mdxFlag = 0;
    std::uint8_t languageDriver = 0x57;
    std::vector<FieldInfo> fields;

    bool hasMemo() const;
    std::uint64_t recordOffset(std::uint32_t recno) const
    {
        return std::uint64_t(headerLength) + std::uint64_t(recno - 1) * recordLength;
    }
};

inline constexpr std::size_t kMaxHeader = 32 + 255 * 32 + 1 + 4096;

// Decodes and checks a header read from the start of a file of fileSize bytes.
// Throws DatabaseError naming file for anything a sound table cannot have.
TableHeader parseHeader(const std::string& file, const unsigned char* data, std::size_t len,
                        std::uint64_t fileSize);

// Whole records past the header's count when there are two or more (an append killed between
// its record and its count leaves at most one); 0 otherwise.
std::uint32_t recordsPastCount(const TableHeader& header, std::uint64_t fileSize);

// Encodes the full header (32 bytes, descriptors, terminator) of a new table.
std::vector<unsigned char> encodeHeader(const TableHeader& header);

// Writes the 8 bytes the header keeps for the record count and the update date.
void encodeCountAndDate(unsigned char* first8, const TableHeader& header);

Date today();

}  // namespace dbase
