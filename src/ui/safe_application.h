// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program's application object: an error that no command caught is shown to the user, and
// the program goes on instead of ending with the user's work.
#include <QApplication>

namespace ui {

class SafeApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace ui
