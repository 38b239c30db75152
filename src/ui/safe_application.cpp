// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/safe_application.h"

#include <QStyle>
#include <QStyleFactory>

#include <exception>

#include "ui/seams/messages.h"

namespace ui {

SafeApplication::SafeApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) setStyle(fusion);
}

bool SafeApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        showError(nullptr, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        showError(nullptr, QCoreApplication::translate("SafeApplication", "An unexpected error occurred.  The last command was not completed."));
    }
    return false;
}

}  // namespace ui
