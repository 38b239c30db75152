// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The regional formats of a report test: the first date format without leading zeros while the
// test runs, the program's own formats again after it.
#include "regional/regional.h"

namespace testing_support {

struct RegionalGuard {
    regional::Regional saved = regional::current();
    RegionalGuard() { regional::current().setDateFormat(1, false); }
    ~RegionalGuard() { regional::current() = saved; }
};

}  // namespace testing_support
