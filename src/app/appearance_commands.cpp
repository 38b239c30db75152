// SPDX-License-Identifier: GPL-2.0-or-later
// The main window's colour and font commands.
#include "app/main_window.h"
#include "display/windows/color_config_window.h"
#include "ui/appearance.h"
#include "ui/seams/dialogs.h"

void TMain::DoColors(int target)
{
    const auto t = display::ColorTarget(std::clamp(target, 0, 5));
    TColorConfig window(t, db.colors, this);
    ui::applyProgramFonts(&window, db.labelFont, db.editFont, db.buttonFont);
    const QPoint at = ui::fitWindow(&window, nullptr, factor, screen);
    // ten pixels higher when it stands more than ten below the top of the screen
    if (at.y() > 10) window.move(at.x(), at.y() - 10);
    if (window.exec() == QDialog::Accepted && display::recoloursMainWindow(t)) SetColors();
}

void TMain::ChooseProgramFont(int which)
{
    store::ProgramFont* fonts[3] = {&db.labelFont, &db.editFont, &db.buttonFont};
    store::ProgramFont& font = *fonts[std::clamp(which, 0, 2)];
    QFont initial(font.name);
    initial.setBold(font.bold);
    initial.setItalic(font.italic);
    initial.setUnderline(font.underline);
    initial.setStrikeOut(font.strikeout);
    const auto chosen = ui::dialogs().chooseFont(this, initial, true);
    if (!chosen) return;
    // the size and colour of the dialog's choice are not the program fonts'
    font.name = chosen->family();
    font.bold = chosen->bold();
    font.italic = chosen->italic();
    font.underline = chosen->underline();
    font.strikeout = chosen->strikeOut();
    ui::applyProgramFonts(this, db.labelFont, db.editFont, db.buttonFont);
}
