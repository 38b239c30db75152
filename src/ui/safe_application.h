// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program's application object: an error that no command caught is shown to the user, and
// the program goes on instead of ending with the user's work.
#include <QApplication>

namespace ui {

class SafeApplication : public QApplication {
public:
    // Every window is drawn in the Fusion style, which honours the colour sets' palettes (some
    // platform styles draw buttons, boxes and lists in their own colours whatever is set).
    SafeApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace ui
