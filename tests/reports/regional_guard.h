// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The regional formats of a report test: the first date format without leading zeros while the
// test runs, the program's own formats again after it.
#include "regional/regional.h"

namespace testing_support {

struct RegionalGuard {
    app::Regional saved = app::regional();
    RegionalGuard() { app::regional().setDateFormat(1, false); }
    ~RegionalGuard() { app::regional() = saved; }
};

}  // namespace testing_support
