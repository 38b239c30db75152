// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace ui {

namespace {
QMessageBox::StandardButton toQt(int b)
{
    switch (b) {
    case Ok: return QMessageBox::Ok;
    case Cancel: return QMessageBox::Cancel;
    case Yes: return QMessageBox::Yes;
    case No: return QMessageBox::No;
    case Retry: return QMessageBox::Retry;
    default: return QMessageBox::NoButton;
    }
}
}  // namespace

MsgButton MessageBoxMessages::show(const Message& m)
{
    QWidget* parent = qobject_cast<QWidget*>(m.owner);
    if (!parent) parent = QApplication::activeWindow();
    QMessageBox box(parent);
    box.setWindowTitle(m.caption);
    box.setText(m.text);
    switch (m.icon) {
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Error: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::None: break;
    }
    QMessageBox::StandardButtons buttons;
    for (int b : {Ok, Retry, Yes, No, Cancel})
        if (m.buttons & b) buttons |= toQt(b);
    box.setStandardButtons(buttons);
    box.setDefaultButton(toQt(m.defaultButton));
    if (m.beep) QApplication::beep();
    switch (box.exec()) {
    case QMessageBox::Ok: return Ok;
    case QMessageBox::Yes: return Yes;
    case QMessageBox::No: return No;
    case QMessageBox::Cancel: return Cancel;
    case QMessageBox::Retry: return Retry;
    default: return (m.buttons & Cancel) ? Cancel : (m.buttons & No) ? No : Ok;
    }
}

}  // namespace ui
