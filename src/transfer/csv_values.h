// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Values of comma-separated files as exports write them, brought to the form the import's
// conversion reads: amounts with currency signs and group separators ("$1,234.50", "12,50 €"),
// dates as 2024/03/15 or with a time after them, a year given as a whole date, ISBNs in brackets,
// a rating of 0 meaning "not rated". A value that stays ambiguous is refused, never guessed.
#include <QChar>
#include <QString>
#include <optional>

namespace transfer {

// An amount as "1234.50" (a "." decimal mark, no group separators); nullopt when it is no number
// or could be read two ways ("1.234" where "." groups thousands and "," marks decimals). decimal
// and group are the user's marks; a "." is always taken as a decimal mark where it can be one.
// whole: the field holds whole numbers, so a single mark before three digits groups them.
std::optional<QString> plainAmount(const QString& value, QChar decimal, QChar group, bool whole);

// The value of a comma-separated file for book field `field`, ready for the import's conversion;
// nullopt when it cannot be read (it is then left empty and counted).
std::optional<QString> csvFieldValue(int field, const QString& value, QChar decimal, QChar group);

}  // namespace transfer
