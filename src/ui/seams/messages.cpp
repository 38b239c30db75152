// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/seams/messages.h"

#include <QCoreApplication>

namespace ui {

namespace {
class Silent : public Messages {
public:
    MsgButton show(const Message& m) override { return m.defaultButton; }
};
Silent silent;
Messages* installed = &silent;
}  // namespace

Messages& messages() { return *installed; }
void setMessages(Messages* m) { installed = m ? m : &silent; }

void showError(QObject* owner, const QString& text)
{
    messages().show({owner, QCoreApplication::translate("Messages", "Error"), text, MsgIcon::Error, Ok, Ok, false});
}

bool askConfirm(QObject* owner, const QString& text, MsgButton defaultButton)
{
    return messages().show({owner, QCoreApplication::translate("Messages", "Confirm"), text, MsgIcon::Question, Yes | No, defaultButton, false}) == Yes;
}

bool askWarning(QObject* owner, const QString& text)
{
    return messages().show({owner, QCoreApplication::translate("Messages", "Warning"), text, MsgIcon::Question, Yes | No, No, true}) == Yes;
}

void showNotice(QObject* owner, const QString& caption, const QString& text, MsgIcon icon)
{
    messages().show({owner, caption, text, icon, Ok, Ok, false});
}

}  // namespace ui
