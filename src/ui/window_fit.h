// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Screen-size presets: a window records its designed dimensions once, and each time it is
// shown it restores them, is scaled by the preset's factor and is centred on the screen.
#include <QMargins>
#include <QPoint>
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

// A window kept between showings must be fitted with its record: without one, each showing
// scales the last showing's size again.
// Restores the recorded dimensions (when there is a record), scales the window and all its
// controls by the factor, and centres it by its frame on the screen of the given size. A window
// with the fixed-size dialog hint keeps its fitted size fixed. Returns where the frame went: a
// window that moves on from there starts from it, since x() and y() of a hidden window can
// disagree with move() about the frame.
QPoint fitWindow(QWidget* window, const WindowDimensions* record, double factor, QSize screen);

// A dialog with a fixed border: a title and a close button, no minimise or maximise, and no
// resizing (fitWindow fixes its size at each showing).
void makeFixedDialog(QWidget* dialog);

// The frame the window manager puts round the window: its own once shown, else that of another
// visible window of the program (none known: no frame).
QMargins frameMargins(const QWidget* window);
// Where the frame of a window of this client size goes to centre it on the screen (never above
// or left of it).
QPoint centredFramePosition(QSize client, QMargins frame, QSize screen);

// A stored position for a window's frame moved, when need be, so that the frame's top left corner
// is on the screen and the window as much as it can be.
QPoint keptOnScreen(QPoint frame, QSize client, QSize screen);

// The size of the screen the program runs on (tests may pretend another).
QSize screenSize();
void setScreenSizeForTests(QSize size);

}  // namespace ui
