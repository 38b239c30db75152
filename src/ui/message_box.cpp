// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/message_box.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
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
// The whole of a message's details, in a window of their own that scrolls.
void showDetails(QWidget* parent, const QString& caption, const QString& details)
{
    QDialog window(parent);
    window.setObjectName(QStringLiteral("MessageDetails"));
    window.setWindowTitle(caption);
    auto* text = new QPlainTextEdit(details, &window);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &window);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &window, &QDialog::accept);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(text);
    layout->addWidget(buttons);
    window.resize(640, 360);
    window.exec();
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
    QPushButton* details = m.details.isEmpty() ? nullptr : box.addButton(QCoreApplication::translate("Messages", "&Details"), QMessageBox::ActionRole);
    if (m.beep) QApplication::beep();
    int answer = box.exec();
    while (details && box.clickedButton() == details) {
        showDetails(&box, m.caption, m.details);
        answer = box.exec();
    }
    switch (answer) {
    case QMessageBox::Ok: return Ok;
    case QMessageBox::Yes: return Yes;
    case QMessageBox::No: return No;
    case QMessageBox::Cancel: return Cancel;
    case QMessageBox::Retry: return Retry;
    default: return (m.buttons & Cancel) ? Cancel : (m.buttons & No) ? No : Ok;
    }
}

}  // namespace ui
