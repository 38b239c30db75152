// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/appearance.h"

#include "render/fonts.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include "ui/dialogs.h"

namespace ui {

QColor toColor(int v) { return render::colorFromWindowsRgb(v); }
int fromColor(const QColor& c) { return render::windowsRgbFromColor(c); }

namespace {
void restyle(QWidget* w, const store::ProgramFont& p)
{
    QFont f = w->font();
    f.setFamily(p.name);
    f.setBold(p.bold);
    f.setItalic(p.italic);
    f.setUnderline(false);
    f.setStrikeOut(false);
    w->setFont(f);
}
}  // namespace

void applyProgramFonts(QWidget* window, const store::ProgramFont& label, const store::ProgramFont& edit,
                       const store::ProgramFont& button)
{
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(w))
            restyle(w, label);
        else if (qobject_cast<QListView*>(w))
            restyle(w, label);
        else if (qobject_cast<QTableView*>(w))
            restyle(w, edit);
        else if (qobject_cast<QCheckBox*>(w))
            restyle(w, label);
        else if (qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w->parentWidget()))
            restyle(w, edit);
        else if (qobject_cast<QRadioButton*>(w))
            restyle(w, label);
        else if (qobject_cast<QPushButton*>(w))
            restyle(w, button);
        else if (qobject_cast<QGroupBox*>(w))
            restyle(w, label);
        else if (qobject_cast<QComboBox*>(w))
            restyle(w, edit);
    }
}

void setColors(QWidget* w, const QColor& background, const QColor& text)
{
    QPalette p = w->palette();
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) p.setColor(role, background);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) p.setColor(role, text);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void setWindowBackground(QWidget* w, const store::ColorSet& set)
{
    QPalette p = w->palette();
    const QColor background = toColor(set[store::MainBackground]);
    p.setColor(QPalette::Window, background);
    // greyed-out captions stay readable on any background (the style's grey vanishes on silver)
    const QColor greyed = background.lightness() > 128 ? background.darker(170) : background.lighter(170);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, greyed);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

QFont toFont(const store::FontSetting& s)
{
    QFont f(s.name);
    f.setPointSize(s.size > 0 ? s.size : 10);
    f.setBold(s.bold);
    f.setItalic(s.italic);
    f.setUnderline(s.underline);
    f.setStrikeOut(s.strikeout);
    return f;
}

store::FontSetting fromFont(const QFont& f, int color)
{
    store::FontSetting s;
    s.name = f.family();
    s.size = f.pointSize();
    s.color = color;
    s.bold = f.bold();
    s.italic = f.italic();
    s.underline = f.underline();
    s.strikeout = f.strikeOut();
    return s;
}

std::optional<store::FontSetting> chooseFontSetting(QWidget* parent, const store::FontSetting& current)
{
    auto f = dialogs().chooseFont(parent, toFont(current), true);
    if (!f) return std::nullopt;
    int color = current.color;
    if (auto c = dialogs().chooseColor(parent, toColor(current.color))) color = fromColor(*c);
    return fromFont(*f, color);
}

}  // namespace ui
