// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Every message box of the program goes through this interface. The program installs one that
// shows a real message box; tests install a scripted one that records each message and gives
// scripted answers.
#include <QObject>
#include <QString>

namespace ui {

enum class MsgIcon { None, Information, Warning, Error, Question };

enum MsgButton : int { NoButton = 0, Ok = 1, Cancel = 2, Yes = 4, No = 8, Retry = 16 };

struct Message {
    QObject* owner = nullptr;
    QString caption;
    QString text;
    MsgIcon icon = MsgIcon::None;
    int buttons = Ok;
    MsgButton defaultButton = Ok;
    bool beep = false;
    // When not empty, a "&Details" button shows this text whole, and the message comes back.
    QString details = {};
};

class Messages {
public:
    virtual ~Messages() = default;
    // Shows the message modally; returns the button pressed.
    virtual MsgButton show(const Message& message) = 0;
};

// The installed implementation; the program installs its own at start.
Messages& messages();
// Installs m (not owned); nullptr restores the default, which shows nothing and answers the
// default button, for code that runs without windows.
void setMessages(Messages* m);

// The common kinds of message.
// A failure: caption "Error", one OK button.
void showError(QObject* owner, const QString& text);
// A question: caption "Confirm", Yes and No; true for Yes.
bool askConfirm(QObject* owner, const QString& text, MsgButton defaultButton = Yes);
// A warning about losing changes: caption "Warning", question icon and beep, No the default.
bool askWarning(QObject* owner, const QString& text);
// Any other caption: one OK button.
void showNotice(QObject* owner, const QString& caption, const QString& text, MsgIcon icon = MsgIcon::Information);

}  // namespace ui
