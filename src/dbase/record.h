// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Read access to one record's bytes, as the table and its record filter see them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "dbase/header.h"

namespace dbase {

class RecordView {
public:
    RecordView(const TableHeader& header, const unsigned char* data, std::uint32_t recno)
        : header_(&header), data_(data), recno_(recno)
    {
    }

    std::uint32_t recordNumber() const { return recno_; }
    bool deleted() const { return data_[0] == '*'; }
    const unsigned char* data() const { return data_; }

    // The field's bytes as stored, padding included.
    std::string_view raw(int field) const
    {
        const FieldInfo& f = header_->fields[std::size_t(field)];
        return {reinterpret_cast<const char*>(data_ + f.offset), std::size_t(f.width)};
    }
    // Text without trailing blanks; numbers as written; dates YYYYMMDD or empty; logicals T, F or empty.
    std::string text(int field) const;
    std::optional<double> number(int field) const;
    std::optional<Date> date(int field) const;
    bool blank(int field) const;

private:
    const TableHeader* header_;
    const unsigned char* data_;
    std::uint32_t recno_;
};

}  // namespace dbase
