// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Texts and checks of the report list window that need no window.
#include <QString>
#include <QStringList>
#include <array>

namespace reports {

// The display names of the sort levels in use, joined by ", "; "No Sort Order Selected" when none.
QString sortOrderText(const std::array<int, 4>& levels, const std::array<QString, 36>& displayNames);
// True when path names one of the files (the same file under another name or letter case too),
// so that a report written there would destroy it.
bool isOneOf(const QString& path, const QStringList& files);
// Why a file the program holds open is refused as the output of a report or an export.
QString inUseMessage(const QString& path);

}  // namespace reports
