// SPDX-License-Identifier: GPL-2.0-or-later
// Export from the main window.
#include "app/main_window.h"
#include "transfer/export_window.h"
#include "ui/appearance.h"

void TMain::DoExport()
{
    TMyExport window(reportHost(), this);
    ui::applyProgramFonts(&window, db.labelFont, db.editFont, db.buttonFont);
    ui::setWindowBackground(&window, db.colors[store::ConfigureColors]);
    QPoint at = ui::fitWindow(&window, nullptr, factor, screen);
    // ten pixels higher when it stands more than ten below the top of the screen
    if (at.y() > 10) window.move(at.x(), at.y() - 10);
    window.exec();
    DisplayCount();
}
