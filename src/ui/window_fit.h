// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Screen-size presets: a window records its designed dimensions once, and each time it is
// shown it restores them, is scaled by the preset's factor and is centred on the screen.
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <vector>

namespace ui {

struct ComponentDimensions {
    QPointer<QWidget> widget;
    QRect geometry;
    double fontSize = 0;  // points; 0 for bevels
};

struct WindowDimensions {
    QSize client;
    double fontSize = 0;
    std::vector<ComponentDimensions> components;
};

inline constexpr int kMaxRecordedComponents = 121;

// Records the window as designed: its client size and, for each of its first 121 components of
// the recorded kinds, their geometry and font size. A 122nd component gives the message
// "Too many compenents to save dimensions." and ends the recording.
WindowDimensions recordWindowDimensions(QWidget* window);

// Restores the recorded dimensions (when there is a record), scales the window and all its
// controls by the factor, and centres it on the screen of the given size.
void fitWindow(QWidget* window, const WindowDimensions* record, double factor, QSize screen);

// The size of the screen the program runs on (tests may pretend another).
QSize screenSize();
void setScreenSizeForTests(QSize size);

}  // namespace ui
