// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Drives the designer window a test opens from the report list with what step does to it.
#include <functional>

#include "reports/windows/report_list_window.h"
#include "reports/windows/user_report_window.h"

namespace testing_support {

inline void onDesigner(TMyReport& list, std::function<void(TUserReport&)> step)
{
    list.execModal = [step](QDialog& d) {
        if (auto* designer = qobject_cast<TUserReport*>(&d)) step(*designer);
        return int(d.result());
    };
}

}  // namespace testing_support
