// SPDX-License-Identifier: GPL-2.0-or-later
#include "dbase/values.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace dbase {

std::string_view trimRight(std::string_view s)
{
    while (!s.empty() && (s.back() == ' ' || s.back() == '\0')) s.remove_suffix(1);
    return s;
}

std::string_view trimBoth(std::string_view s)
{
    s = trimRight(s);
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    return s;
}

std::optional<double> parseNumber(std::string_view field)
{
    std::string_view t = trimBoth(field);
    if (t.empty()) return std::nullopt;
    if (t.front() == '+') t.remove_prefix(1);
    double v = 0;
    const char* end = t.data() + t.size();
    auto [p, ec] = std::from_chars(t.data(), end, v, std::chars_format::fixed);
    if (ec != std::errc() || p != end) {
        // dBASE tolerates a number written with a trailing point ("12.")
        if (ec == std::errc() && p + 1 == end && *p == '.') return v;
        return std::nullopt;
    }
    return v;
}

std::optional<std::string> formatNumber(double value, int width, int decimals)
{
    if (!std::isfinite(value)) return std::nullopt;
    char buf[400];
    auto [p, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    if (ec != std::errc()) return std::nullopt;
    std::string s(buf, p);
    // no negative zero on disk
    if (!s.empty() && s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    if (int(s.size()) > width) return std::nullopt;
    return std::string(std::size_t(width) - s.size(), ' ') + s;
}

std::optional<std::string> formatInteger(std::int64_t value, int width, int decimals)
{
    char buf[64];
    auto [p, ec] = std::to_chars(buf, buf + sizeof buf, value);
    std::string s(buf, p);
    if (decimals > 0) s += "." + std::string(std::size_t(decimals), '0');
    if (int(s.size()) > width) return std::nullopt;
    return std::string(std::size_t(width) - s.size(), ' ') + s;
}

void strFromText(std::string_view text, int len, int dec, char* out)
{
    std::string_view t = trimBoth(text);
    bool negative = false;
    if (!t.empty() && (t.front() == '-' || t.front() == '+')) {
        negative = t.front() == '-';
        t.remove_prefix(1);
    }
    // digits before and after the point; anything that is not a number counts as 0
    std::string_view whole = t, frac;
    if (auto dot = t.find('.'); dot != std::string_view::npos) {
        whole = t.substr(0, dot);
        frac = t.substr(dot + 1);
    }
    bool ok = true;
    for (char c : whole) ok = ok && c >= '0' && c <= '9';
    for (char c : frac) ok = ok && c >= '0' && c <= '9';
    if (!ok) whole = frac = {};

    char digits[256];  // at most 100 whole digits, 100 decimals and a carry
    int nd = 0;
    for (char c : whole)
        if (nd < 100) digits[nd++] = c;
    dec = std::min(dec, 100);
    if (whole.size() > 100) {  // more digits than any field or key holds
        std::memset(out, '*', std::size_t(len));
        return;
    }
    for (int i = 0; i < dec; ++i) digits[nd++] = i < int(frac.size()) ? frac[std::size_t(i)] : '0';
    bool roundUp = int(frac.size()) > dec && frac[std::size_t(dec)] >= '5';
    if (roundUp) {
        int i = nd - 1;
        while (i >= 0 && digits[i] == '9') digits[i--] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            std::memmove(digits + 1, digits, std::size_t(nd));
            digits[0] = '1';
            ++nd;
        }
    }
    // drop leading zeros of the whole part, keep at least one digit before the point
    int start = 0;
    while (start < nd - dec - 1 && digits[start] == '0') ++start;
    bool zero = true;
    for (int i = start; i < nd; ++i) zero = zero && digits[i] == '0';
    char buf[320];
    int n = 0;
    if (negative && !zero) buf[n++] = '-';
    int wholeDigits = nd - dec;
    if (wholeDigits <= 0) buf[n++] = '0';
    for (int i = start; i < nd; ++i) {
        if (i == nd - dec && dec > 0) {
            if (wholeDigits <= 0 && n == 0) buf[n++] = '0';
            buf[n++] = '.';
        }
        buf[n++] = digits[i];
    }
    if (n > len) {
        std::memset(out, '*', std::size_t(len));
        return;
    }
    std::memset(out, ' ', std::size_t(len - n));
    std::memcpy(out + (len - n), buf, std::size_t(n));
}

bool validDate(const Date& d)
{
    if (d.year < 1 || d.year > 9999 || d.month < 1 || d.month > 12 || d.day < 1) return false;
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int max = days[d.month - 1];
    bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
    if (d.month == 2 && leap) max = 29;
    return d.day <= max;
}

std::optional<Date> parseDate(std::string_view field)
{
    if (field.size() < 8) return std::nullopt;
    int v[8];
    for (int i = 0; i < 8; ++i) {
        char c = field[std::size_t(i)];
        if (c < '0' || c > '9') return std::nullopt;
        v[i] = c - '0';
    }
    Date d {v[0] * 1000 + v[1] * 100 + v[2] * 10 + v[3], v[4] * 10 + v[5], v[6] * 10 + v[7]};
    if (!validDate(d)) return std::nullopt;
    return d;
}

std::string formatDate(const Date& d)
{
    char buf[9];
    int y = d.year;
    for (int i = 3; i >= 0; --i) {
        buf[i] = char('0' + y % 10);
        y /= 10;
    }
    buf[4] = char('0' + d.month / 10);
    buf[5] = char('0' + d.month % 10);
    buf[6] = char('0' + d.day / 10);
    buf[7] = char('0' + d.day % 10);
    return std::string(buf, 8);
}

double julianDay(const Date& d)
{
    int a = (14 - d.month) / 12;
    int y = d.year + 4800 - a;
    int m = d.month + 12 * a - 3;
    return double(d.day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045);
}

}  // namespace dbase
