// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// An event filter on the whole application, installed once whatever the number of calls: what
// every window of the program should do as it is shown or as its focus moves.
#include <QApplication>

namespace ui {

template <typename Filter>
void installApplicationFilterOnce()
{
    static Filter* filter = nullptr;
    if (filter || !qApp) return;
    filter = new Filter(qApp);
    qApp->installEventFilter(filter);
}

}  // namespace ui
