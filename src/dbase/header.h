// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The table file's header and field descriptors.
#include <cstdint>
#include <functional>
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

// Whether the bytes of one record slot read as a record: a deletion flag of blank or "*", and
// every field blank or holding what its type holds (digits of a number, a date, a logical).
bool slotReadsAsRecord(const TableHeader& header, const unsigned char* slot);

// Reads len bytes at offset of the table's file.
using SlotReader = std::function<void(std::uint64_t offset, unsigned char* buffer, std::size_t len)>;

// Whole records past the header's count when there are two or more (an append killed between
// its record and its count leaves at most one); 0 otherwise. Only slots that read as records
// count, up to the first one that does not: zeros or junk that a power cut or a faulty copy left
// after the table are not books.
std::uint32_t recordsPastCount(const TableHeader& header, std::uint64_t fileSize, const SlotReader& read);

// Encodes the full header (32 bytes, descriptors, terminator) of a new table.
std::vector<unsigned char> encodeHeader(const TableHeader& header);

// Writes the 8 bytes the header keeps for the record count and the update date.
void encodeCountAndDate(unsigned char* first8, const TableHeader& header);

Date today();

}  // namespace dbase
