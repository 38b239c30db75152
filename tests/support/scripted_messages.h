// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A message seam for tests: records every message, answers from a script, and fails the test
// on a message nobody expected.
#include <QList>
#include <deque>
#include <functional>

#include "ui/seams/messages.h"

namespace testing_support {

class ScriptedMessages : public ui::Messages {
public:
    ScriptedMessages();   // installs itself
    ~ScriptedMessages() override;  // uninstalls itself; fails on answers nobody asked for

    // The next message must come; it is answered with answer.
    void expect(ui::MsgButton answer = ui::Ok) { script_.push_back(answer); }
    ui::MsgButton show(const ui::Message& message) override;

    QList<ui::Message> shown;
    // Called with each message as it comes, to look at the program while it is on screen.
    std::function<void(const ui::Message&)> onShow;

private:
    std::deque<ui::MsgButton> script_;
};

}  // namespace testing_support
