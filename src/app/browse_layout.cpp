// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/browse_layout.h"

#include <QCoreApplication>
#include <algorithm>

namespace app {

BrowseLayout layoutFor(int mode, int w, int h)
{
    BrowseLayout l;
    switch (mode) {
    case LetteredButtons:
        l.navigator = QRect(400, 47, 221, 25);
        l.searchOnTop = 96;
        l.countTop = 90;
        l.count2Top = 105;
        l.bevel = QRect(4, 86, w - 6, h - 89);
        l.viewerLabelTop = 90;
        l.grid = QRect(4, 122, w - 14, h - 129);
        l.navigatorLabel = true;
        break;
    case NoButtons:
        l.navigator = QRect(w - 207, 8, 201, 25);
        l.searchOnTop = 14;
        l.countTop = 8;
        l.count2Top = 23;
        l.bevel = QRect(4, 4, w - 6, h - 7);
        l.viewerLabelTop = 8;
        l.grid = QRect(4, 40, w - 14, h - 47);
        break;
    default:
        l.navigator = QRect(424, 3, 241, 25);
        l.searchOnTop = 44;
        l.countTop = 38;
        l.count2Top = 52;
        l.bevel = QRect(4, 34, w - 6, h - 37);
        l.viewerLabelTop = 38;
        l.grid = QRect(4, 70, w - 14, h - 77);
        break;
    }
    // a narrow window narrows the navigator rather than cutting its last buttons off
    const int room = w - l.navigator.left() - 2;
    if (room < l.navigator.width()) l.navigator.setWidth(std::max(room, 0));
    return l;
}

double presetFactor(int preset)
{
    switch (preset) {
    case 800: return 1.25;
    case 1024: return 1.6;
    case 1280: return 2.0;
    default: return 1.0;
    }
}

namespace {
bool fits(int preset, int w, int h)
{
    switch (preset) {
    case 800: return w >= 800 && h >= 600;
    case 1024: return w >= 1024 && h >= 768;
    case 1280: return w >= 1280 && h >= 1024;
    case 640: return true;
    default: return false;
    }
}
}  // namespace

int presetAtStart(int stored, int screenWidth, int screenHeight)
{
    return (stored != 640 && fits(stored, screenWidth, screenHeight)) ? stored : 640;
}

QString presetRefusal(int preset, int screenWidth, int screenHeight)
{
    if (preset == 640 || fits(preset, screenWidth, screenHeight)) return {};
    const char* size = preset == 800 ? "800 x 600" : preset == 1024 ? "1024 x 768" : "1280 x 1024";
    return QCoreApplication::translate("Messages", "Your current screen resolution does not support %1 pixels.").arg(QLatin1String(size));
}

}  // namespace app
