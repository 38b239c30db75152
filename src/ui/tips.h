// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The tips shown one at a time by the Tip of the Day.
#include <QStringList>

namespace ui {

const QStringList& tipsOfTheDay();

}  // namespace ui
