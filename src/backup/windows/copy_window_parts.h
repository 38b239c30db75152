// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the backup and restore windows share: the group that says which kind of file to copy,
// and the busy cursor while a copy runs.
#include <QApplication>
#include <QElapsedTimer>
#include <array>

#include "backup/file_copy.h"

class QRadioButton;
class QWidget;

namespace backup {

// The busy cursor for as long as it lives, and a window that still repaints while a copy runs.
struct Busy {
    Busy() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Busy() { QApplication::restoreOverrideCursor(); }
    Progress progress()
    {
        clock.start();
        return [this](qint64, qint64) {
            if (clock.elapsed() < 100) return;
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            clock.restart();
        };
    }
    QElapsedTimer clock;
};

struct KindButton {
    const char* name;
    const char* caption;
};

// The framed group of the four kinds of file (database, data lists, settings, report
// definitions) at the window's top left, the first one chosen.
std::array<QRadioButton*, 4> kindGroup(QWidget* window, const QString& heading, const std::array<KindButton, 4>& buttons);

}  // namespace backup
