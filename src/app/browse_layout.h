// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Where the main window's parts go in each button-bar mode, and the screen-size presets.
#include <QRect>
#include <QString>

namespace app {

enum ButtonBar { SpeedButtons = 1, LetteredButtons = 2, NoButtons = 3 };

struct BrowseLayout {
    QRect navigator;
    int searchOnTop = 0;
    int countTop = 0, count2Top = 0;
    QRect bevel;
    int viewerLabelTop = 0;
    QRect grid;
    bool navigatorLabel = false;
};

// The positions for mode 1, 2 or 3 in a client area of width w and height h.
BrowseLayout layoutFor(int mode, int w, int h);

// The scale factor of a preset (640, 800, 1024, 1280).
double presetFactor(int preset);
// The preset chosen at start for the stored one on a screen of the given size.
int presetAtStart(int stored, int screenWidth, int screenHeight);
// Whether the screen can show a preset; when not, the message that says so.
QString presetRefusal(int preset, int screenWidth, int screenHeight);

}  // namespace app
