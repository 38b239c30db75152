// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Index key expressions in the dBASE expression language: field names, UPPER, LEFT, STR, DTOS,
// string literals, joined by "+". A compiled expression writes its key of a fixed length
// straight from a record buffer, allocating nothing.
#include <memory>
#include <string>
#include <vector>

#include "dbase/header.h"

namespace dbase {

class KeyExpression {
public:
    // Compiles text against the fields; throws DatabaseError naming file for anything else.
    KeyExpression(const std::string& file, const std::string& text, const std::vector<FieldInfo>& fields);
    ~KeyExpression();
    KeyExpression(KeyExpression&&) noexcept;
    KeyExpression& operator=(KeyExpression&&) noexcept;

    const std::string& text() const { return text_; }
    char keyType() const { return type_; }  // 'C', 'N' or 'D'
    int keyLength() const { return length_; }
    // Writes keyLength() bytes for the record (deletion flag at byte 0).
    void evaluate(const unsigned char* record, unsigned char* key) const;

    struct Node;

private:
    std::string text_;
    char type_ = 'C';
    int length_ = 0;
    std::unique_ptr<Node> root_;
};

// Orders two keys of a tag: bytes for character keys, numbers for BCD and date keys.
int compareKeys(char type, const unsigned char* a, const unsigned char* b, int len);

}  // namespace dbase
