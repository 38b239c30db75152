// SPDX-License-Identifier: GPL-2.0-or-later
#include "regional/regional.h"

#include <atomic>
#include <ctime>

#include <QDate>
#include <QStringList>
#include <algorithm>
#include <QLocale>
#include <clocale>
#include <cstring>
#include <cwchar>
#include <cmath>

namespace regional {

namespace {
// The current year, asked of the clock at most once a minute: an import reads thousands of dates.
int thisYear()
{
    static std::atomic<long long> minute {-1};
    static std::atomic<int> year {0};
    const long long now = std::time(nullptr) / 60;
    if (now != minute.load()) {
        year = QDate::currentDate().year();
        minute = now;
    }
    return year;
}
}  // namespace


namespace {
constexpr DateFormatRow kRows[kDateFormats] = {
    {"mm/dd/yy", "MenuDateMDYSlash", u'/', "mm/dd/yy", "m/d/yy"},
    {"mm-dd-yy", "MenuDateMDYDash", u'-', "mm-dd-yy", "m-d-yy"},
    {"mm.dd.yy", "MenuDateMDYDot", u'.', "mm.dd.yy", "m.d.yy"},
    {"dd/mm/yy", "MenuDateDMYSlash", u'/', "dd/mm/yy", "d/m/yy"},
    {"dd-mm-yy", "MenuDateDMYDash", u'-', "dd-mm-yy", "d-m-yy"},
    {"dd.mm.yy", "MenuDateDMYDot", u'.', "dd.mm.yy", "d.m.yy"},
    {"mm/dd/yyyy", "MenuDateMDYSlashYr", u'/', "mm/dd/yyyy", "m/d/yyyy"},
    {"mm-dd-yyyy", "MenuDateMDYDashYr", u'-', "mm-dd-yyyy", "m-d-yyyy"},
    {"mm.dd.yyyy", "MenuDateMDYDotYr", u'.', "mm.dd.yyyy", "m.d.yyyy"},
    {"dd/mm/yyyy", "MenuDateDMYSlashYr", u'/', "dd/mm/yyyy", "d/m/yyyy"},
    {"dd-mm-yyyy", "MenuDateDMYDashYr", u'-', "dd-mm-yyyy", "d-m-yyyy"},
    {"dd.mm.yyyy", "MenuDateDMYDotYr", u'.', "dd.mm.yyyy", "d.m.yyyy"},
};

// The first character of a C locale string, however many bytes it takes in the locale's
// encoding (the no-break space of fr_FR.UTF-8 takes two or three).
QChar separatorOf(const char* text, QChar fallback)
{
    if (!text || !*text) return fallback;
    std::mbstate_t state {};
    wchar_t wc = 0;
    const std::size_t n = std::mbrtowc(&wc, text, std::strlen(text), &state);
    if (n != std::size_t(-1) && n != std::size_t(-2) && n > 0 && wc > 0 && wc <= 0xFFFF) return QChar(char16_t(wc));
    const QString utf8 = QString::fromUtf8(text);
    if (!utf8.isEmpty() && utf8[0] != QChar::ReplacementCharacter) return utf8[0];
    return QChar::fromLatin1(*text);
}
}  // namespace

const DateFormatRow& dateFormatRow(int code) { return kRows[std::clamp(code, 1, kDateFormats) - 1]; }

RegionalValues systemRegionalValues()
{
    RegionalValues v;
    const std::lconv* lc = std::localeconv();
    if (!lc) return v;
    // an empty separator counts as a space
    v.decimal = separatorOf(lc->decimal_point, u' ');
    v.thousand = separatorOf(lc->thousands_sep, u' ');
    v.currDigits = (lc->frac_digits >= 0 && lc->frac_digits < 10) ? lc->frac_digits : 2;
    v.digits = 2;
    return v;
}

Regional& current()
{
    static Regional r;
    return r;
}

void Regional::setDateFormat(int code, bool leadingZeros)
{
    const DateFormatRow& row = dateFormatRow(code);
    separator_ = row.separator;
    pattern_ = QString::fromLatin1(leadingZeros ? row.withZeros : row.withoutZeros);
}

void Regional::setSystemDateFormat()
{
    QString p;
    for (QChar c : QLocale::system().dateFormat(QLocale::ShortFormat)) {
        if (c == u'M') c = u'm';
        if (c == u'd' || c == u'm' || c == u'y') {
            p += c;
        } else if (!c.isLetter() && !p.isEmpty() && p.back() != separator_) {
            if (!p.contains(separator_)) separator_ = c;
            p += separator_;
        }
    }
    if (p.count(separator_) == 2) pattern_ = p;
}

void Regional::setDatePattern(QChar separator, const QString& pattern)
{
    separator_ = separator;
    pattern_ = pattern;
}

QString Regional::formatDate(const dbase::Date& d, bool fullYear) const
{
    QString out;
    const QString& p = pattern_;
    for (int i = 0; i < p.size();) {
        QChar c = p[i];
        int run = 1;
        while (i + run < p.size() && p[i + run] == c) ++run;
        if (c == u'm' || c == u'd') {
            int v = c == u'm' ? d.month : d.day;
            out += run >= 2 ? QStringLiteral("%1").arg(v, 2, 10, QChar(u'0')) : QString::number(v);
        } else if (c == u'y') {
            out += run >= 4 || fullYear ? QStringLiteral("%1").arg(d.year, 4, 10, QChar(u'0'))
                            : QStringLiteral("%1").arg(d.year % 100, 2, 10, QChar(u'0'));
        } else {
            out += QString(run, c);
        }
        i += run;
    }
    return out;
}

std::optional<dbase::Date> Regional::parseDate(const QString& text) const
{
    const QStringList parts = text.trimmed().split(separator_);
    if (parts.size() != 3) return std::nullopt;
    // the order of day, month and year comes from the pattern
    QString order;
    for (QChar c : pattern_)
        if ((c == u'd' || c == u'm' || c == u'y') && !order.contains(c)) order += c;
    int values[3];
    int yearDigits = 0;
    for (int i = 0; i < 3; ++i) {
        const QString t = parts[i].trimmed();
        bool ok = false;
        values[i] = t.toInt(&ok);
        if (!ok || t.isEmpty() || t.size() > 4 || t.startsWith(u'-') || t.startsWith(u'+')) return std::nullopt;
        if (order[i] == u'y') yearDigits = int(t.size());
    }
    dbase::Date d;
    for (int i = 0; i < 3; ++i) {
        if (order[i] == u'd') d.day = values[i];
        if (order[i] == u'm') d.month = values[i];
        if (order[i] == u'y') d.year = values[i];
    }
    if (yearDigits <= 2) {
        int pivot = (thisYear() + 10) % 100;
        d.year += d.year <= pivot ? 2000 : 1900;
    }
    if (!QDate::isValid(d.year, d.month, d.day)) return std::nullopt;
    return d;
}

QString Regional::plain(int width, int decimals, double value) const
{
    QString s = QString::number(value, 'f', std::max(decimals, 0));
    if (numericFormat == 2) {
        int dot = s.indexOf(u'.');
        if (dot >= 0) s[dot] = system.decimal;
    }
    return s.rightJustified(width, u' ');
}

QString Regional::groupedWith(int width, int decimals, double value, QChar thousand, QChar decimal) const
{
    QString s = QString::number(value, 'f', std::max(decimals, 0));
    int dot = s.indexOf(u'.');
    if (dot >= 0) s[dot] = decimal;
    int k = decimals > 0 ? decimals + 4 : 3;
    while (k < s.size()) {
        s.insert(s.size() - k, thousand);
        k += 4;
    }
    if (value < 0 && s.size() > 1 && s[1] == thousand) s.remove(1, 1);
    return s.rightJustified(width, u' ');
}

QString Regional::grouped(int width, int decimals, double value) const
{
    if (numericFormat == 2) return groupedWith(width, decimals, value, system.thousand, system.decimal);
    return groupedWith(width, decimals, value, u',', u'.');
}

QString Regional::money(int width, double value) const
{
    if (currencyFormat == 2) return groupedWith(width, system.currDigits, value, system.thousand, system.decimal);
    return groupedWith(width, 2, value, u',', u'.');
}

std::optional<double> Regional::readMoney(const QString& text) const
{
    QString t = text.trimmed();
    if (currencyFormat == 2) {
        t.remove(system.thousand);
        int at = t.indexOf(system.decimal);
        if (at >= 0) t[at] = u'.';
    } else {
        t.remove(u',');
    }
    bool ok = false;
    double v = QLocale::c().toDouble(t, &ok);
    if (!ok) return std::nullopt;
    return v;
}

void applyProgramFormats(int dateFormat, bool leadingZeros, int currencyFormat, int numericFormat)
{
    Regional& reg = current();
    reg.system = systemRegionalValues();
    if (dateFormat >= 1 && dateFormat <= kDateFormats) reg.setDateFormat(dateFormat, leadingZeros);
    else reg.setSystemDateFormat();
    reg.currencyFormat = currencyFormat;
    reg.numericFormat = numericFormat;
}

}  // namespace regional
