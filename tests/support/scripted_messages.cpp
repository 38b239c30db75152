// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

namespace testing_support {

ScriptedMessages::ScriptedMessages() { ui::setMessages(this); }

ScriptedMessages::~ScriptedMessages()
{
    ui::setMessages(nullptr);
    EXPECT_TRUE(script_.empty()) << script_.size() << " expected message(s) never came";
}

ui::MsgButton ScriptedMessages::show(const ui::Message& message)
{
    shown.push_back(message);
    if (onShow) onShow(message);
    if (script_.empty()) {
        ADD_FAILURE() << "unexpected message: [" << message.caption.toStdString() << "] " << message.text.toStdString();
        return message.defaultButton;
    }
    ui::MsgButton answer = script_.front();
    script_.pop_front();
    return answer;
}

}  // namespace testing_support
