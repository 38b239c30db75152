// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/duplicate_books.h"

#include <string_view>

#include "dbase/values.h"

namespace transfer {

namespace {

// FNV-1a over the bytes, with a tag byte so that an ISBN never meets a title
std::uint64_t fingerprint(char tag, std::string_view a, std::string_view b = {})
{
    std::uint64_t h = 14695981039346656037ull;
    auto add = [&h](unsigned char c) {
        h ^= c;
        h *= 1099511628211ull;
    };
    add(static_cast<unsigned char>(tag));
    for (char c : a) add(static_cast<unsigned char>(c));
    add(0);
    for (char c : b) add(static_cast<unsigned char>(c));
    return h;
}

// An ISBN's digits and X, upper case; empty when it has no digit.
std::string isbnKey(std::string_view raw)
{
    std::string key;
    bool digit = false;
    for (char c : raw) {
        if (c >= '0' && c <= '9') {
            key += c;
            digit = true;
        } else if (c == 'x' || c == 'X') {
            key += 'X';
        }
    }
    return digit ? key : std::string();
}

// Text without blanks around it, letters of Windows-1252 in lower case.
std::string textKey(std::string_view raw)
{
    std::string key(dbase::trimBoth(raw));
    for (char& c : key) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) c = char(u + 32);
    }
    return key;
}

struct Keys {
    std::uint64_t isbn = 0, titleAuthor = 0;  // 0: none
};

Keys keysOf(std::string_view isbn, std::string_view title, std::string_view author)
{
    Keys k;
    if (const std::string i = isbnKey(isbn); !i.empty()) k.isbn = fingerprint('I', i) | 1;
    if (const std::string t = textKey(title); !t.empty()) k.titleAuthor = fingerprint('T', t, textKey(author)) | 1;
    return k;
}

std::string_view textOf(const StoredBook& book, int field)
{
    const StoredValue& v = book[field];
    return v.kind == StoredValue::Text ? std::string_view(v.text) : std::string_view();
}

}  // namespace

DuplicateBooks::DuplicateBooks(const dbase::Table& table)
{
    const FieldPlaces places = fieldPlaces(table);
    const int title = places[1], author = places[2], isbn = places[10];
    auto raw = [](const dbase::RecordView& r, int i) { return i < 0 ? std::string_view() : r.raw(i); };
    table.forEachRecord([&](const dbase::RecordView& r) {
        if (r.deleted()) return;
        const Keys k = keysOf(raw(r, isbn), raw(r, title), raw(r, author));
        if (k.isbn) database_.insert(k.isbn);
        if (k.titleAuthor) database_.insert(k.titleAuthor);
    });
}

DuplicateBooks::Found DuplicateBooks::check(const StoredBook& book)
{
    const Keys k = keysOf(textOf(book, 10), textOf(book, 1), textOf(book, 2));
    Found found = New;
    if ((k.isbn && database_.count(k.isbn)) || (k.titleAuthor && database_.count(k.titleAuthor)))
        found = InDatabase;
    else if ((k.isbn && file_.count(k.isbn)) || (k.titleAuthor && file_.count(k.titleAuthor)))
        found = InFile;
    if (k.isbn) file_.insert(k.isbn);
    if (k.titleAuthor) file_.insert(k.titleAuthor);
    return found;
}

}  // namespace transfer
