// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/appearance.h"

#include <cmath>

#include "render/fonts.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QFontInfo>
#include <QProgressBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeView>
#include <QTableWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

#include "ui/seams/dialogs.h"

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
    f.setUnderline(p.underline);
    f.setStrikeOut(p.strikeout);
    w->setFont(f);
}

// The inside of a combo box (its line edit, its drop-down list) goes with the combo box.
bool insideComboBox(const QWidget* w)
{
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<const QComboBox*>(p)) return true;
    return false;
}

// Greyed-out captions stay readable on any background (the style's grey vanishes on silver):
// halfway between the background and black on a light one, white on a dark one.
QColor greyedOn(const QColor& background)
{
    const QColor toward = background.lightness() > 128 ? QColor(Qt::black) : QColor(Qt::white);
    return QColor((background.red() + toward.red()) / 2, (background.green() + toward.green()) / 2,
                  (background.blue() + toward.blue()) / 2);
}

// The grey whose brightness, as the eye sees it, lies midway between two colours': as far (in
// contrast ratio) from the one as from the other.
QColor greyBetween(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double mid = std::sqrt((luminance(a) + 0.05) * (luminance(b) + 0.05)) - 0.05;
    const double v = mid <= 0.0031308 ? 12.92 * mid : 1.055 * std::pow(mid, 1 / 2.4) - 0.055;
    const int grey = std::clamp(int(std::lround(v * 255)), 0, 255);
    return QColor(grey, grey, grey);
}

// The style's own colours, set on the widget so that the window's colours do not reach it.
void keepStyleColors(QWidget* w)
{
    const QPalette style = QApplication::palette(w);
    QPalette p;
    for (int g = 0; g < QPalette::NColorGroups; ++g)
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const auto group = QPalette::ColorGroup(g);
            const auto role = QPalette::ColorRole(r);
            p.setBrush(group, role, style.brush(group, role));
        }
    w->setPalette(p);
}
}  // namespace

void applyProgramFonts(QWidget* window, const store::ProgramFont& label, const store::ProgramFont& edit,
                       const store::ProgramFont& button)
{
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (insideComboBox(w)) continue;
        if (qobject_cast<QLabel*>(w))
            restyle(w, label);
        else if (qobject_cast<QListView*>(w) || qobject_cast<QTreeView*>(w))  // folder lists are list boxes
            restyle(w, label);
        else if (qobject_cast<QTableWidget*>(w))  // the plain grids; the book grid keeps its own font
            restyle(w, edit);
        else if (qobject_cast<QCheckBox*>(w))
            restyle(w, label);
        else if (qobject_cast<QLineEdit*>(w))
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

void setTextColor(QWidget* w, const QColor& text)
{
    QPalette p = w->palette();
    for (auto role : {QPalette::WindowText, QPalette::Text}) {
        p.setColor(QPalette::Active, role, text);
        p.setColor(QPalette::Inactive, role, text);
    }
    w->setPalette(p);
    w->setAutoFillBackground(false);
}

double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void setColors(QWidget* w, const QColor& background, const QColor& text)
{
    QPalette p = w->palette();
    // the focus mark and the selection are drawn in the highlight colour: where it hardly shows on
    // the chosen background, they take the text colour, or black or white where that hardly shows
    if (contrast(p.color(QPalette::Highlight), background) < 3.0) {
        const QColor plain = contrast(Qt::black, background) > contrast(Qt::white, background) ? Qt::black : Qt::white;
        const QColor mark = contrast(text, background) >= 3.0 ? text : plain;
        p.setColor(QPalette::Highlight, mark);
        p.setColor(QPalette::HighlightedText, contrast(background, mark) >= 3.0 ? background
                                              : mark == QColor(Qt::black)  ? QColor(Qt::white)
                                                                             : QColor(Qt::black));
    }
    if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
        // the caption's colours; the box or circle keeps the style's, so that it shows on any
        // background. A disabled one greys its caption midway between its own colour and the
        // background, so that it stands apart from both whatever the two colours are
        const QColor faded = greyBetween(text, background);
        for (auto role : {QPalette::Window, QPalette::Button}) p.setColor(role, background);
        for (auto role : {QPalette::WindowText, QPalette::ButtonText}) {
            p.setColor(QPalette::Active, role, text);
            p.setColor(QPalette::Inactive, role, text);
            p.setColor(QPalette::Disabled, role, faded);
        }
    } else {
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) p.setColor(role, background);
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) p.setColor(role, text);
    }
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void setWindowBackground(QWidget* w, const store::ColorSet& set)
{
    QPalette p = w->palette();
    const QColor background = toColor(set[store::MainBackground]);
    p.setColor(QPalette::Window, background);
    const QColor greyed = greyedOn(background);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, greyed);
    w->setPalette(p);
    w->setAutoFillBackground(true);
    // the pages of a notebook are panels of the window: without a background of their own they
    // show the style's light tab frame behind captions meant for the window's background
    for (QTabWidget* notebook : w->findChildren<QTabWidget*>())
        for (int i = 0; i < notebook->count(); ++i) notebook->widget(i)->setAutoFillBackground(true);
    // a window's own menu keeps the style's colours (black on black otherwise)
    for (QMenuBar* bar : w->findChildren<QMenuBar*>()) keepStyleColors(bar);
}

void applyColorSet(QWidget* window, const store::ColorSet& set)
{
    setWindowBackground(window, set);
    const auto color = [&set](store::ColorEntry e) { return toColor(set[std::size_t(e)]); };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->isWindow() || insideComboBox(w)) continue;  // windows of their own dress themselves
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            setColors(combo, color(store::ComboBackground), color(store::ComboText));
            setColors(combo->view(), color(store::ComboBackground), color(store::ComboText));
        } else if (qobject_cast<QGroupBox*>(w)) {
            setTextColor(w, color(store::MajorTitle));
        } else if (qobject_cast<QLabel*>(w)) {
            setTextColor(w, color(store::MinorTitle));
        } else if (qobject_cast<QLineEdit*>(w)) {
            setColors(w, color(store::EditBackground), color(store::EditText));
        } else if (qobject_cast<QListView*>(w) || qobject_cast<QTreeView*>(w) || qobject_cast<QTableWidget*>(w)) {
            setColors(w, color(store::ListBoxBackground), color(store::ListBoxText));
        } else if (qobject_cast<QRadioButton*>(w)) {
            setColors(w, color(store::RadioBackground), color(store::RadioText));
        } else if (qobject_cast<QCheckBox*>(w)) {
            setColors(w, color(store::CheckBackground), color(store::CheckText));
        } else if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QTabBar*>(w) ||
                   qobject_cast<QProgressBar*>(w) || qobject_cast<QAbstractSpinBox*>(w)) {
            keepStyleColors(w);
        }
    }
}

void dressWindow(QWidget* window, const store::DatabaseSettings& s, store::ColorSetId set)
{
    applyProgramFonts(window, s.labelFont, s.editFont, s.buttonFont);
    applyColorSet(window, s.colors[std::size_t(set)]);
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

QFont fontForDialog(const QFont& font)
{
    QFont shown = font;
    shown.setFamily(QFontInfo(font).family());
    return shown;
}

std::optional<store::FontSetting> chooseFontSetting(QWidget* parent, const store::FontSetting& current)
{
    const QFont shown = fontForDialog(toFont(current));
    auto f = dialogs().chooseFont(parent, shown, true);
    if (!f) return std::nullopt;
    int color = current.color;
    if (auto c = dialogs().chooseColor(parent, toColor(current.color))) color = fromColor(*c);
    store::FontSetting chosen = fromFont(*f, color);
    // the family the system drew the stored one with stands for the stored name
    if (f->family() == shown.family()) chosen.name = current.name;
    return chosen;
}

}  // namespace ui
