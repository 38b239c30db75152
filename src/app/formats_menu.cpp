// SPDX-License-Identifier: GPL-2.0-or-later
// Screen-size presets and the date, currency and numeric format items.
#include <QAction>

#include "app/browse_layout.h"
#include "app/main_window.h"
#include "ui/seams/messages.h"

void TMain::checkPresetItems()
{
    const int presets[4] = {640, 800, 1024, 1280};
    const char* names[4] = {"N640x480", "N800x600", "N1024x768", "N1280x1024"};
    for (int i = 0; i < 4; ++i) action(QString::fromLatin1(names[i]))->setChecked(presets[i] == preset);
}

void TMain::ChoosePreset(int chosen)
{
    if (chosen == settings.windowSize) {
        checkPresetItems();  // the item keeps the check it had
        return;
    }
    const QString refusal = app::presetRefusal(chosen, screen.width(), screen.height());
    if (!refusal.isEmpty()) {
        ui::showError(this, refusal);
        checkPresetItems();
        return;
    }
    preset = chosen;
    settings.windowSize = chosen;
    factor = app::presetFactor(chosen);
    checkPresetItems();
}

void TMain::applyFormats()
{
    const int code = settings.dateFormat;
    if (code >= 1 && code <= regional::kDateFormats)
        regional::current().setDateFormat(code, settings.dateLeadingZeros);
    else
        regional::current().setSystemDateFormat();
    for (int c = 1; c <= regional::kDateFormats; ++c)
        action(QString::fromLatin1(regional::dateFormatRow(c).menuName))->setChecked(c == code);
    action(QStringLiteral("MenuDateLeadingZeros"))->setChecked(settings.dateLeadingZeros);
    action(QStringLiteral("MenuCurrencyUS"))->setChecked(settings.currencyFormat == 1);
    action(QStringLiteral("MenuCurrencyWin"))->setChecked(settings.currencyFormat == 2);
    action(QStringLiteral("MenuNumericUS"))->setChecked(settings.numericFormat == 1);
    action(QStringLiteral("MenuNumericWin"))->setChecked(settings.numericFormat == 2);
    regional::current().currencyFormat = settings.currencyFormat;
    regional::current().numericFormat = settings.numericFormat;
}

void TMain::ChooseDateFormat(int code)
{
    if (code == settings.dateFormat) {
        action(QString::fromLatin1(regional::dateFormatRow(code).menuName))->setChecked(true);
        return;  // already in force: nothing to redraw
    }
    settings.dateFormat = code;
    applyFormats();
    if (MyTable.active()) MyTable.refresh();
}

void TMain::MenuDateLeadingZerosClick()
{
    settings.dateLeadingZeros = !settings.dateLeadingZeros;
    applyFormats();
    if (MyTable.active()) MyTable.refresh();
}

void TMain::ChooseCurrencyFormat(int code)
{
    settings.currencyFormat = code;
    applyFormats();
}

void TMain::ChooseNumericFormat(int code)
{
    settings.numericFormat = code;
    applyFormats();
}
