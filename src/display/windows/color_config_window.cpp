// SPDX-License-Identifier: GPL-2.0-or-later
#include "display/windows/color_config_window.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <tuple>

#include "ui/appearance.h"
#include "ui/seams/dialogs.h"
#include "ui/window_fit.h"

namespace {
QGroupBox* group(QWidget* parent, const char* name, const QString& heading, QRect at)
{
    auto* g = new QGroupBox(heading, parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setAlignment(Qt::AlignHCenter);
    g->setGeometry(at);
    return g;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect at)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(at);
    return b;
}

// The Text and Background buttons under a group's sample.
std::pair<QPushButton*, QPushButton*> textAndBackground(QGroupBox* g, const char* text, const char* back, int y = 58)
{
    return {button(g, text, QCoreApplication::translate("TColorConfig", "Text"), QRect(35, y, 90, 28)),
            button(g, back, QCoreApplication::translate("TColorConfig", "Background"), QRect(145, y, 90, 28))};
}

// A group's sample control, centred above its buttons.
template <typename Sample>
Sample* sample(QGroupBox* g, const char* name, int x, int width, int y = 24, int height = 24)
{
    auto* w = new Sample(g);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(x, y, width, height);
    return w;
}

void textOn(QWidget* w, const QColor& text)
{
    QPalette p = w->palette();
    for (auto role : {QPalette::WindowText, QPalette::Text}) p.setColor(role, text);
    w->setPalette(p);
}
}  // namespace

TColorConfig::TColorConfig(display::ColorTarget target, std::array<store::ColorSet, store::kColorSets>& sets,
                           QWidget* parent)
    : QDialog(parent), target_(target), sets_(sets), working_(display::startingSet(sets, target))
{
    setObjectName(QStringLiteral("ColorConfig"));
    setWindowTitle(tr("Color Configuration"));
    ui::makeFixedDialog(this);

    // two columns of three framed groups, each with its sample above its buttons
    const int col[2] = {10, 290};
    const int row[3] = {8, 118, 228};
    const QSize box(270, 102);
    auto at = [&](int c, int r) { return QRect(QPoint(col[c], row[r]), box); };

    QGroupBox* window = group(this, "WindowGroup", tr("Window"), at(0, 0));
    MainBack = button(window, "MainBack", tr("Background"), QRect(8, 40, 80, 28));
    MajorTitles = button(window, "MajorTitles", tr("Major Titles"), QRect(95, 40, 80, 28));
    MinorTitles = button(window, "MinorTitles", tr("Minor Titles"), QRect(182, 40, 80, 28));

    QGroupBox* radio = group(this, "RadioGroup", tr("Radio Button"), at(1, 0));
    RadioSample = sample<QRadioButton>(radio, "RadioSample", 70, 130);
    RadioSample->setText(tr("Radio Button"));
    RadioSample->setChecked(true);
    std::tie(RadioText, RadioBack) = textAndBackground(radio, "RadioText", "RadioBack");

    QGroupBox* check = group(this, "CheckGroup", tr("Check Box"), at(0, 1));
    CheckSample = sample<QCheckBox>(check, "CheckSample", 80, 110);
    CheckSample->setText(tr("Check Box"));
    CheckSample->setChecked(true);
    std::tie(CheckText, CheckBack) = textAndBackground(check, "CheckText", "CheckBack");

    QGroupBox* edit = group(this, "EditGroup", tr("Edit Box"), at(1, 1));
    EditSample = sample<QLineEdit>(edit, "EditSample", 55, 160);
    EditSample->setText(tr("Sample Text"));
    std::tie(EditBoxText, EditBoxBack) = textAndBackground(edit, "EditBoxText", "EditBoxBack");

    QGroupBox* combo = group(this, "ComboGroup", tr("Combo Box"), at(0, 2));
    ComboSample = sample<QComboBox>(combo, "ComboSample", 55, 160);
    ComboSample->addItem(QStringLiteral("ComboBox"));
    std::tie(ComboText, ComboBack) = textAndBackground(combo, "ComboText", "ComboBack");

    QGroupBox* list = group(this, "ListGroup", tr("List Box"), at(1, 2));
    ListSample = sample<QListWidget>(list, "ListSample", 55, 160, 20, 36);
    ListSample->addItems({tr("Sample Text"), tr("Sample Text")});
    std::tie(ListText, ListBack) = textAndBackground(list, "ListText", "ListBack", 64);
    headings = {window, radio, check, edit, combo, list};

    PredefinedGroup = group(this, "PredefinedGroup", tr("Predefined Color Combinations"),
                            QRect(10, 338, 550, 58));
    ColorSets = new QComboBox(PredefinedGroup);
    ColorSets->setObjectName(QStringLiteral("ColorSets"));
    ColorSets->addItem(QString());
    for (const display::ColorCombination& c : display::colorCombinations()) ColorSets->addItem(QString::fromLatin1(c.name));
    ColorSets->setMaxVisibleItems(13);
    ColorSets->setGeometry(170, 22, 210, 26);

    QPushButton* ok = button(this, "OkButton", tr("&Ok"), QRect(170, 406, 100, 32));
    ok->setDefault(true);
    QPushButton* cancel = button(this, "CancelButton", tr("&Cancel"), QRect(300, 406, 100, 32));
    resize(570, 448);

    const std::pair<QPushButton*, store::ColorEntry> entries[] = {
        {MainBack, store::MainBackground},   {MajorTitles, store::MajorTitle},    {MinorTitles, store::MinorTitle},
        {RadioText, store::RadioText},       {RadioBack, store::RadioBackground}, {CheckText, store::CheckText},
        {CheckBack, store::CheckBackground}, {EditBoxText, store::EditText},      {EditBoxBack, store::EditBackground},
        {ComboText, store::ComboText},       {ComboBack, store::ComboBackground}, {ListText, store::ListBoxText},
        {ListBack, store::ListBoxBackground},
    };
    for (const auto& [b, entry] : entries)
        connect(b, &QPushButton::clicked, this, [this, e = entry] { chooseEntry(e); });
    connect(ColorSets, qOverload<int>(&QComboBox::activated), this, &TColorConfig::ColorSetsChange);
    connect(ok, &QPushButton::clicked, this, &TColorConfig::OkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    paintSamples();
}

void TColorConfig::paintSamples()
{
    const auto color = [this](store::ColorEntry e) { return ui::toColor(working_[std::size_t(e)]); };
    ui::setWindowBackground(this, working_);
    for (QGroupBox* g : headings) textOn(g, color(store::MajorTitle));
    textOn(PredefinedGroup, color(store::MinorTitle));
    ui::setColors(RadioSample, color(store::RadioBackground), color(store::RadioText));
    ui::setColors(CheckSample, color(store::CheckBackground), color(store::CheckText));
    ui::setColors(EditSample, color(store::EditBackground), color(store::EditText));
    for (QComboBox* c : {ComboSample, ColorSets}) {
        ui::setColors(c, color(store::ComboBackground), color(store::ComboText));
        ui::setColors(c->view(), color(store::ComboBackground), color(store::ComboText));
    }
    ui::setColors(ListSample, color(store::ListBoxBackground), color(store::ListBoxText));
}

void TColorConfig::ColorSetsChange(int item)
{
    if (item < 1) return;  // the empty first item
    display::applyCombination(working_, item);
    paintSamples();
}

void TColorConfig::chooseEntry(store::ColorEntry entry)
{
    const auto chosen = ui::dialogs().chooseColor(this, ui::toColor(working_[std::size_t(entry)]));
    if (!chosen) return;
    working_[std::size_t(entry)] = ui::fromColor(*chosen);
    paintSamples();
}

void TColorConfig::OkClick()
{
    display::confirmColors(sets_, target_, working_);
    accept();
}
