// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The tips shown one at a time by the Tip of the Day.
#include <QString>
#include <functional>
#include <vector>

namespace ui {

struct Tip {
    QString text;
    QString command;  // the command the tip is about; empty when it is about none
};

const std::vector<Tip>& tipsOfTheDay();

// The tips to show, in turn, from the tip numbered next (counted round): those about a command
// that is not available are left out.
std::vector<int> tipOrder(int next, const std::function<bool(const QString& command)>& available);

}  // namespace ui
