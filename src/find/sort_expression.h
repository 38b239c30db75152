// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The sort expression: the dBASE key expression of the sort tag, built from up to four field
// numbers (0 for none).
#include <QString>
#include <array>

namespace find {

QString BuildSortString(const std::array<int, 4>& levels);

}  // namespace find
