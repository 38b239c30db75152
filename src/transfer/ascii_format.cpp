// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/ascii_format.h"

namespace transfer {

void appendValue(std::string& line, std::string_view value)
{
    std::string text;
    text.reserve(value.size() + 4);
    for (char c : value) {
        if (c == '"') text += "\"\"";
        else if (c == '\r' || c == '\n') text += ' ';
        else text += c;
    }
    std::size_t a = 0, b = text.size();
    while (a < b && text[a] == ' ') ++a;
    while (b > a && text[b - 1] == ' ') --b;
    std::size_t len = std::min(b - a, kMaxValue);
    // a cut between the two quotes of a pair would leave a lone quote that ends the value early
    if (len < b - a) {
        std::size_t quotes = 0;
        while (quotes < len && text[a + len - 1 - quotes] == '"') ++quotes;
        if (quotes % 2 == 1) --len;
    }
    line += '"';
    line.append(text, a, len);
    line += '"';
}

void appendLine(std::string& out, const std::vector<std::string>& values)
{
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i) out += ',';
        appendValue(out, values[i]);
    }
    out += "\r\n";
}

}  // namespace transfer
