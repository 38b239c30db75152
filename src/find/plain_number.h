// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Numbers typed for a search, a replace or a locate: the same in every locale.
#include <QString>
#include <optional>

namespace find {

// "." as the decimal point, optional sign and exponent, blanks around; no group separators
// ("1,000" is no number). nullopt for an empty text or anything else.
std::optional<double> plainNumber(const QString& text);

}  // namespace find
