// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// How the record editor reads its boxes: money, whole numbers, dates, blanks.
#include <QString>
#include <optional>

#include "regional/regional.h"

namespace edit {

// A money box: blank is 0; separators of the currency format removed; then a plain decimal
// number (optional sign, digits, point and digits, exponent). nullopt when it is no number.
std::optional<double> readMoneyBox(const QString& text, const regional::Regional& r);

// YearPub and Pages: blank is no value; otherwise a whole number that fits the box.
bool validWholeNumber(const QString& text);

// A date box's text is blank when, trimmed, it is only the two separators ("/  /" and the like).
bool blankDate(const QString& text);

// The text a date box shows for a date: day, month and year in the order of the date format,
// with leading zeros and four-digit years so that it fills the mask.
QString dateBoxText(const dbase::Date& d, const regional::Regional& r);

}  // namespace edit
