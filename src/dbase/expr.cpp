// SPDX-License-Identifier: GPL-2.0-or-later
#include "dbase/expr.h"

#include <cctype>
#include <cstring>

#include "dbase/error.h"
#include "dbase/values.h"

namespace dbase {

// Value kinds: 'C' text of a fixed length, 'N' number (field text), 'D' date (8 characters).
struct KeyExpression::Node {
    enum Op { Field, Literal, Upper, Left, Str, Dtos, Concat } op = Field;
    char kind = 'C';
    int length = 0;  // result length of character nodes; field width for N and D
    std::uint32_t offset = 0;
    int strLen = 10, strDec = 0;
    std::string literal;
    std::vector<std::unique_ptr<Node>> kids;
};

namespace {

using Node = KeyExpression::Node;

class Parser {
public:
    Parser(const std::string& file, const std::string& text, const std::vector<FieldInfo>& fields)
        : file_(file), s_(text), fields_(fields)
    {
    }

    std::unique_ptr<Node> parse()
    {
        auto n = sum();
        skip();
        if (pos_ != s_.size()) error("unexpected text at \"" + s_.substr(pos_) + "\"");
        return n;
    }

private:
    [[noreturn]] void error(const std::string& why) { fail(file_, "key expression \"" + s_ + "\": " + why); }

    void skip()
    {
        while (pos_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[pos_]))) ++pos_;
    }
    bool take(char c)
    {
        skip();
        if (pos_ < s_.size() && s_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    void expect(char c)
    {
        if (!take(c)) error(std::string("'") + c + "' expected");
    }
    std::string word()
    {
        skip();
        std::size_t start = pos_;
        while (pos_ < s_.size() && (std::isalnum(static_cast<unsigned char>(s_[pos_])) || s_[pos_] == '_')) ++pos_;
        std::string w = s_.substr(start, pos_ - start);
        for (auto& c : w) c = char(std::toupper(static_cast<unsigned char>(c)));
        return w;
    }
    int number()
    {
        skip();
        std::size_t start = pos_;
        while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) ++pos_;
        if (start == pos_ || pos_ - start > 4) error("a whole number expected");
        return std::stoi(s_.substr(start, pos_ - start));
    }

    std::unique_ptr<Node> sum()
    {
        auto first = term();
        if (!take('+')) return first;
        auto cat = std::make_unique<Node>();
        cat->op = Node::Concat;
        cat->kind = 'C';
        cat->kids.push_back(std::move(first));
        do cat->kids.push_back(term());
        while (take('+'));
        for (auto& k : cat->kids) {
            if (k->kind != 'C') error("only character values can be joined with '+'");
            cat->length += k->length;
        }
        if (cat->length > 1024) error("the joined value is too long");
        return cat;
    }

    std::unique_ptr<Node> term()
    {
        skip();
        if (pos_ < s_.size() && (s_[pos_] == '"' || s_[pos_] == '\'')) {
            char q = s_[pos_++];
            std::size_t end = s_.find(q, pos_);
            if (end == std::string::npos) error("unterminated text");
            auto n = std::make_unique<Node>();
            n->op = Node::Literal;
            n->literal = s_.substr(pos_, end - pos_);
            n->length = int(n->literal.size());
            pos_ = end + 1;
            return n;
        }
        std::string name = word();
        if (name.empty()) error("a field or function expected");
        if (take('(')) return function(name);
        return field(name);
    }

    std::unique_ptr<Node> field(const std::string& name)
    {
        for (const auto& f : fields_) {
            std::string upper = f.name;
            for (auto& c : upper) c = char(std::toupper(static_cast<unsigned char>(c)));
            if (upper != name) continue;
            auto n = std::make_unique<Node>();
            n->op = Node::Field;
            n->offset = f.offset;
            n->length = f.width;
            switch (f.type) {
            case 'C': n->kind = 'C'; break;
            case 'N':
            case 'F': n->kind = 'N'; break;
            case 'D': n->kind = 'D'; break;
            default: error("field " + f.name + " cannot be part of a key");
            }
            return n;
        }
        error("unknown field " + name);
    }

    std::unique_ptr<Node> function(const std::string& name)
    {
        auto n = std::make_unique<Node>();
        n->kind = 'C';
        if (name == "UPPER") {
            n->op = Node::Upper;
            n->kids.push_back(sum());
            if (n->kids[0]->kind != 'C') error("UPPER needs a character value");
            n->length = n->kids[0]->length;
        } else if (name == "LEFT") {
            n->op = Node::Left;
            n->kids.push_back(sum());
            expect(',');
            int count = number();
            if (n->kids[0]->kind != 'C') error("LEFT needs a character value");
            n->length = std::min(count, n->kids[0]->length);  // LEFT never pads
        } else if (name == "STR") {
            n->op = Node::Str;
            n->kids.push_back(sum());
            if (n->kids[0]->kind != 'N') error("STR needs a numeric value");
            if (take(',')) {
                n->strLen = number();
                if (take(',')) n->strDec = number();
            }
            if (n->strLen < 1 || n->strLen > 100 || n->strDec < 0 || n->strDec > n->strLen)
                error("STR length or decimals out of range");
            n->length = n->strLen;
        } else if (name == "DTOS") {
            n->op = Node::Dtos;
            n->kids.push_back(sum());
            if (n->kids[0]->kind != 'D') error("DTOS needs a date value");
            n->length = 8;
        } else {
            error("unknown function " + name);
        }
        expect(')');
        return n;
    }

    const std::string& file_;
    const std::string& s_;
    const std::vector<FieldInfo>& fields_;
    std::size_t pos_ = 0;
};

// Writes a character node's value.
void evalChar(const Node& n, const unsigned char* rec, unsigned char* out)
{
    switch (n.op) {
    case Node::Field:
        if (n.kind == 'C') {
            std::memcpy(out, rec + n.offset, std::size_t(n.length));
            for (int i = 0; i < n.length; ++i)
                if (out[i] == 0) out[i] = ' ';
        }
        break;
    case Node::Literal: std::memcpy(out, n.literal.data(), n.literal.size()); break;
    case Node::Upper:
        evalChar(*n.kids[0], rec, out);
        for (int i = 0; i < n.length; ++i) out[i] = upper1252(out[i]);
        break;
    case Node::Left: {
        const Node& k = *n.kids[0];
        if (k.length == n.length) {
            evalChar(k, rec, out);
        } else {
            unsigned char tmp[1024];
            evalChar(k, rec, tmp);
            std::memcpy(out, tmp, std::size_t(n.length));
        }
        break;
    }
    case Node::Str: {
        const Node& k = *n.kids[0];
        strFromText(std::string_view(reinterpret_cast<const char*>(rec + k.offset), std::size_t(k.length)), n.strLen,
                    n.strDec, reinterpret_cast<char*>(out));
        break;
    }
    case Node::Dtos: {
        const Node& k = *n.kids[0];
        const unsigned char* d = rec + k.offset;
        bool real = parseDate(std::string_view(reinterpret_cast<const char*>(d), 8)).has_value();
        if (real)
            std::memcpy(out, d, 8);
        else
            std::memset(out, ' ', 8);
        break;
    }
    case Node::Concat:
        for (const auto& k : n.kids) {
            evalChar(*k, rec, out);
            out += k->length;
        }
        break;
    }
}

// dBASE IV numeric key: exponent byte, sign and digit count, 10 bytes of packed decimal digits.
void numericKey(std::string_view text, unsigned char* out)
{
    std::memset(out, 0, 12);
    std::string_view t = trimBoth(text);
    bool negative = false;
    if (!t.empty() && (t.front() == '-' || t.front() == '+')) {
        negative = t.front() == '-';
        t.remove_prefix(1);
    }
    char digits[40];
    int nd = 0, exponent = 0;
    bool seenPoint = false, seenDigit = false;
    for (char c : t) {
        if (c == '.') {
            seenPoint = true;
            continue;
        }
        if (c < '0' || c > '9') {
            nd = 0;
            break;
        }
        if (!seenDigit && c == '0') {
            if (seenPoint) --exponent;
            continue;
        }
        seenDigit = true;
        if (!seenPoint) ++exponent;
        if (nd < 20) digits[nd++] = c;
    }
    while (nd > 0 && digits[nd - 1] == '0') --nd;
    if (nd == 0) {
        out[0] = 0x34;
        out[1] = 0x01;
        return;
    }
    out[0] = static_cast<unsigned char>(0x34 + exponent);
    out[1] = static_cast<unsigned char>((negative ? 0x80 : 0) | ((nd & 0x1F) << 2) | 0x01);
    for (int i = 0; i < nd; ++i) {
        unsigned char v = static_cast<unsigned char>(digits[i] - '0');
        out[2 + i / 2] |= (i % 2 == 0) ? static_cast<unsigned char>(v << 4) : v;
    }
}

}  // namespace

KeyExpression::KeyExpression(const std::string& file, const std::string& text, const std::vector<FieldInfo>& fields)
    : text_(text)
{
    if (text.size() > 219) fail(file, "key expression longer than 219 characters");
    root_ = Parser(file, text, fields).parse();
    if (root_->kind == 'C') {
        type_ = 'C';
        length_ = root_->length;
    } else if (root_->kind == 'N') {
        type_ = 'N';
        length_ = 12;
    } else {
        type_ = 'D';
        length_ = 8;
    }
    if (length_ < 1 || length_ > 100) fail(file, "key expression \"" + text + "\" gives a key of " + std::to_string(length_) + " bytes (1 to 100 allowed)");
}

KeyExpression::~KeyExpression() = default;
KeyExpression::KeyExpression(KeyExpression&&) noexcept = default;
KeyExpression& KeyExpression::operator=(KeyExpression&&) noexcept = default;

void KeyExpression::evaluate(const unsigned char* record, unsigned char* key) const
{
    if (type_ == 'C') {
        evalChar(*root_, record, key);
    } else if (type_ == 'N') {
        numericKey(std::string_view(reinterpret_cast<const char*>(record + root_->offset), std::size_t(root_->length)),
                   key);
    } else {
        auto d = parseDate(std::string_view(reinterpret_cast<const char*>(record + root_->offset), 8));
        double j = d ? julianDay(*d) : 0.0;
        std::memcpy(key, &j, 8);  // little-endian hosts only, as the format is
    }
}

namespace {
int signOf(const unsigned char* k) { return (k[1] & 0x80) ? -1 : 1; }
bool isZero(const unsigned char* k)
{
    for (int i = 2; i < 12; ++i)
        if (k[i]) return false;
    return true;
}
int compareMagnitude(const unsigned char* a, const unsigned char* b)
{
    if (a[0] != b[0]) return a[0] < b[0] ? -1 : 1;
    int c = std::memcmp(a + 2, b + 2, 10);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}
}  // namespace

int compareKeys(char type, const unsigned char* a, const unsigned char* b, int len)
{
    if (type == 'C') {
        int c = std::memcmp(a, b, std::size_t(len));
        return c < 0 ? -1 : c > 0 ? 1 : 0;
    }
    if (type == 'D') {
        double x, y;
        std::memcpy(&x, a, 8);
        std::memcpy(&y, b, 8);
        return x < y ? -1 : x > y ? 1 : 0;
    }
    bool za = isZero(a), zb = isZero(b);
    int sa = za ? 0 : signOf(a), sb = zb ? 0 : signOf(b);
    if (sa != sb) return sa < sb ? -1 : 1;
    if (sa == 0) return 0;
    int m = compareMagnitude(a, b);
    return sa > 0 ? m : -m;
}

}  // namespace dbase
