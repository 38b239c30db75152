// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Whether the program may change a book table, and why not.
#include <QString>

namespace store {

// The message that says why the table at path can only be read: its file or its index cannot be
// written, or it holds records past its header's count (which every change would lose). Empty
// when the table can be changed, and when it cannot be opened at all (opening it says why).
QString readOnlyReason(const QString& path);

}  // namespace store
