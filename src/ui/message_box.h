// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The message seam's real implementation: a modal QMessageBox.
#include "ui/seams/messages.h"

namespace ui {

class MessageBoxMessages : public Messages {
public:
    MsgButton show(const Message& message) override;
};

}  // namespace ui
