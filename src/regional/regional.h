// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Dates, numbers and money as the user chose to see them: the twelve date formats, the plain,
// grouped and money number formatters, and the operating system's regional values.
#include <QChar>
#include <QString>
#include <optional>

#include "dbase/header.h"

namespace regional {

struct RegionalValues {
    QChar decimal = u'.';
    QChar thousand = u',';
    int digits = 2;
    int currDigits = 2;
};

// Reads the operating system's values from the C locale data of the user's locale.
RegionalValues systemRegionalValues();

struct DateFormatRow {
    const char* caption;
    const char* menuName;
    QChar separator;
    const char* withZeros;
    const char* withoutZeros;
};
inline constexpr int kDateFormats = 12;
const DateFormatRow& dateFormatRow(int code);  // 1..12

class Regional {
public:
    // The date format in force: separator and short date pattern ("m/d/yy" and the like).
    void setDateFormat(int code, bool leadingZeros);
    // The operating system's own short date format.
    void setSystemDateFormat();
    // A short date pattern of day, month and year ("yyyy.mm.dd") with its separator.
    void setDatePattern(QChar separator, const QString& pattern);
    QChar dateSeparator() const { return separator_; }
    const QString& datePattern() const { return pattern_; }
    // The date in the format in force; fullYear writes the year with four digits whatever the
    // pattern, in the pattern's order and with its separator (so that it reads back exactly).
    QString formatDate(const dbase::Date& d, bool fullYear = false) const;
    // Reads a date typed in the format in force; two-digit years fall in the century window
    // that ends ten years after today (97 is 1997, 05 is 2005).
    std::optional<dbase::Date> parseDate(const QString& text) const;

    int numericFormat = 1;   // 1 U.S., 2 operating system
    int currencyFormat = 1;  // 1 U.S., 2 operating system
    RegionalValues system;

    QString plain(int width, int decimals, double value) const;
    QString grouped(int width, int decimals, double value) const;
    QString money(int width, double value) const;
    // Reads money typed in the currency format in force; nullopt when it is no number.
    std::optional<double> readMoney(const QString& text) const;

private:
    QString groupedWith(int width, int decimals, double value, QChar thousand, QChar decimal) const;
    QChar separator_ = u'/';
    QString pattern_ = QStringLiteral("m/d/yy");
};

// The program's regional settings.
Regional& current();

// The formats the user chose (KAVBOOK.INI) and the operating system's values, into current().
void applyProgramFormats(int dateFormat, bool leadingZeros, int currencyFormat, int numericFormat);

}  // namespace regional
