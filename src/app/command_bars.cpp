// SPDX-License-Identifier: GPL-2.0-or-later
// The speed buttons, the lettered buttons and the button-bar modes.
#include <QAction>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

#include "app/browse_layout.h"
#include "app/main_window.h"
#include "ui/bevel.h"
#include "ui/glyphs.h"
#include "ui/navigator.h"

namespace {
struct Speed {
    int left;
    const char* name;
    const char* hint;
    const char* command;
};
constexpr Speed kSpeed[17] = {
    {0, "NewSpeed", QT_TRANSLATE_NOOP("TMain", "New Database"), "DoNew"},
    {24, "OpenSpeed", QT_TRANSLATE_NOOP("TMain", "Open Database"), "DoOpen"},
    {52, "AddSpeed", QT_TRANSLATE_NOOP("TMain", "Add Record"), "DoAdd"},
    {76, "EditSpeed", QT_TRANSLATE_NOOP("TMain", "Edit Record"), "DoEdit"},
    {100, "CopySpeed", QT_TRANSLATE_NOOP("TMain", "Copy Record"), "DoCopy"},
    {124, "DeleteSpeed", QT_TRANSLATE_NOOP("TMain", "Delete Record"), "DoDelete"},
    {148, "ImportSpeed", QT_TRANSLATE_NOOP("TMain", "Import Records"), "DoImport"},
    {172, "ExportSpeed", QT_TRANSLATE_NOOP("TMain", "Export Records"), "DoExport"},
    {200, "SearchSpeed", QT_TRANSLATE_NOOP("TMain", "Search Records"), "DoSearch"},
    {224, "EndSearchSpeed", QT_TRANSLATE_NOOP("TMain", "End Search"), "DoEndSearch"},
    {248, "LocateSpeed", QT_TRANSLATE_NOOP("TMain", "Locate Record"), "DoFind"},
    {272, "LocateNextSpeed", QT_TRANSLATE_NOOP("TMain", "Locate Next Record"), "DoFindNext"},
    {296, "ReportSpeed", QT_TRANSLATE_NOOP("TMain", "Reports"), "DoReports"},
    {320, "ViewerSpeed", QT_TRANSLATE_NOOP("TMain", "Viewer Configuration"), "DoViewer"},
    {344, "ColorSpeed", QT_TRANSLATE_NOOP("TMain", "Color Setup"), "Colors"},
    {368, "SpeedSetOrder", QT_TRANSLATE_NOOP("TMain", "Set Sorting Order"), "DoSortOrder"},
    {396, "HelpSpeed", QT_TRANSLATE_NOOP("TMain", "Help"), "DoHelp"},
};

struct Lettered {
    const char* name;
    const char* caption;
    int left, top;
    const char* command;
};
constexpr Lettered kLettered[10] = {
    {"AddButton", QT_TRANSLATE_NOOP("TMain", "&Add"), 8, 8, "DoAdd"},
    {"EditButton", QT_TRANSLATE_NOOP("TMain", "&Edit"), 8, 44, "DoEdit"},
    {"CopyButton", QT_TRANSLATE_NOOP("TMain", "&Copy"), 80, 8, "DoCopy"},
    {"DeleteButton", QT_TRANSLATE_NOOP("TMain", "&Delete"), 80, 44, "DoDelete"},
    {"SearchButton", QT_TRANSLATE_NOOP("TMain", "&Search"), 160, 8, "DoSearch"},
    {"EndSearchButton", QT_TRANSLATE_NOOP("TMain", "E&nd Srch"), 160, 44, "DoEndSearch"},
    {"ReportButton", QT_TRANSLATE_NOOP("TMain", "&Reports"), 240, 8, "DoReports"},
    {"ViewerButton", QT_TRANSLATE_NOOP("TMain", "&Viewer"), 240, 44, "DoViewer"},
    {"HelpButton", QT_TRANSLATE_NOOP("TMain", "He&lp"), 320, 8, "DoHelp"},
    {"ButtonExit", QT_TRANSLATE_NOOP("TMain", "E&xit"), 320, 44, "DoExit"},
};
}  // namespace

void TMain::buildSpeedButtons()
{
    for (const Speed& s : kSpeed) {
        auto* b = new QToolButton(SpeedPanel);
        b->setObjectName(QString::fromLatin1(s.name));
        b->setToolTip(tr(s.hint));
        b->setIcon(ui::speedGlyph(b->objectName()));
        b->setIconSize(QSize(20, 20));
        b->setGeometry(s.left, 2, 25, 25);
        b->setAutoRaise(false);
        b->setFocusPolicy(Qt::NoFocus);
        b->setProperty("command", QString::fromLatin1(s.command));
        connect(b, &QToolButton::clicked, this, [this, c = QString::fromLatin1(s.command)] { runCommand(c); });
        commandButtons_.insert(b->objectName(), b);
    }
}

void TMain::buildLetteredButtons()
{
    const QRect bevelRects[4] = {{4, 4, 149, 77}, {236, 4, 77, 77}, {156, 4, 77, 77}, {316, 4, 77, 77}};
    for (int i = 0; i < 4; ++i) {
        bevels_[std::size_t(i)] = new ui::TBevel(client_, true);
        bevels_[std::size_t(i)]->setObjectName(QStringLiteral("Bevel%1").arg(i + 1));
        bevels_[std::size_t(i)]->setGeometry(bevelRects[i]);
    }
    for (const Lettered& l : kLettered) {
        auto* b = new QPushButton(tr(l.caption), client_);
        b->setObjectName(QString::fromLatin1(l.name));
        b->setGeometry(l.left, l.top, 69, 33);
        b->setProperty("command", QString::fromLatin1(l.command));
        b->setProperty("lettered", true);
        connect(b, &QPushButton::clicked, this, [this, c = QString::fromLatin1(l.command)] { runCommand(c); });
        commandButtons_.insert(b->objectName(), b);
    }
}

void TMain::SetButtonBar()
{
    const int mode = settings.buttonBar;
    action(QStringLiteral("MenuSpeed"))->setChecked(mode == app::SpeedButtons);
    action(QStringLiteral("MenuButtons"))->setChecked(mode == app::LetteredButtons);
    action(QStringLiteral("MenuNoButtons"))->setChecked(mode == app::NoButtons);
    const bool lettered = mode == app::LetteredButtons;
    for (ui::TBevel* b : bevels_) b->setVisible(lettered);
    for (QWidget* b : commandButtons_)
        if (b->property("lettered").toBool()) b->setVisible(lettered);
    SpeedPanel->setVisible(mode == app::SpeedButtons);
    NavigatorLabel->setVisible(lettered);
    NavigatorLabel->move(NavigatorLabel->x(), 20);

    const int w = client_->width(), h = client_->height();
    const app::BrowseLayout l = app::layoutFor(mode, w, h);
    MyNavigator->setGeometry(l.navigator);
    MyNavigator->raise();
    SearchOnLabel->move(12, l.searchOnTop);
    CountLabel->move(140, l.countTop);
    Count2Label->move(140, l.count2Top);
    ViewerBevel->setGeometry(l.bevel);
    ViewerLabel->move(ViewerLabel->x(), l.viewerLabelTop);
    ViewerGrid->setGeometry(l.grid);
    updateCommands();
    FormResize();
}

void TMain::MenuSpeedClick()
{
    settings.buttonBar = app::SpeedButtons;
    SetButtonBar();
}

void TMain::MenuButtonsClick()
{
    settings.buttonBar = app::LetteredButtons;
    SetButtonBar();
}

void TMain::MenuNoButtonsClick()
{
    settings.buttonBar = app::NoButtons;
    SetButtonBar();
}
