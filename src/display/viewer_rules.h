// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The rules the viewer configuration applies when it closes.
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "store/field_table.h"

namespace display {

// A width cell: a whole number from its leading digits (blanks and a sign allowed before them,
// no digits read as 0); anything outside 1 to 255 becomes 10.
int readWidth(const QString& cell);

// The first name that two rows share (exact, case-sensitive), if any.
std::optional<QString> duplicateName(const QStringList& names);

// New order numbers: each field takes the row (plus 1) of the order list whose text equals its
// name as it was when the window opened; a field found nowhere keeps its order.
std::array<int, store::kFieldCount> matchOrder(const QStringList& orderRows,
                                               const std::array<QString, store::kFieldCount>& namesAtOpen,
                                               const std::array<int, store::kFieldCount>& order);

}  // namespace display
