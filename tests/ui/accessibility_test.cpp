// SPDX-License-Identifier: GPL-2.0-or-later
// Every window opened in turn and walked as a screen reader walks it: each control that can take
// the focus, or that a user clicks, has a name to say; a grid's column headings are named.  Then
// Tab goes once round it: every enabled control is reached exactly once.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTextBrowser>
#include <QTest>
#include <QTimer>
#include <QComboBox>
#include <QAbstractSpinBox>
#include <QRadioButton>
#include <QToolButton>
#include <map>

#include "app/main_window.h"
#include "dbase/table.h"
#include "find/windows/search_window.h"
#include "render/page_device.h"
#include "render/report_engine.h"
#include "reports/fake_report_host.h"
#include "reports/report_definition.h"
#include "reports/report_run.h"
#include "reports/windows/preview_window.h"
#include "reports/windows/print_range_window.h"
#include "reports/windows/printer_select_window.h"
#include "reports/windows/report_fonts_window.h"
#include "reports/windows/report_layout_window.h"
#include "reports/windows/report_part_window.h"
#include "reports/windows/user_report_window.h"
#include "support/gui_env.h"
#include "support/scripted_dialogs.h"
#include "ui/accessible_names.h"
#include "ui/help_window.h"
#include "ui/keyboard_focus.h"
#include "ui/navigator.h"

using testing_support::GuiEnv;

namespace {

QString describe(QAccessibleInterface* iface)
{
    QObject* o = iface->object();
    QString where = o ? QString::fromLatin1(o->metaObject()->className()) + ' ' + o->objectName() : QString("item");
    if (o && o->isWidgetType()) {
        const QRect r = static_cast<QWidget*>(o)->geometry();
        where += QStringLiteral(" at %1,%2").arg(r.x()).arg(r.y());
    }
    return where + QStringLiteral(" (role %1)").arg(int(iface->role()));
}

// The controls of window a screen reader would reach without a name to say.
void walk(QAccessibleInterface* iface, QStringList& unnamed, int depth = 0)
{
    if (!iface || depth > 40) return;
    const QAccessible::State state = iface->state();
    if (state.invisible) return;
    const QAccessible::Role role = iface->role();
    const bool acted = role == QAccessible::PushButton || role == QAccessible::CheckBox ||
                       role == QAccessible::RadioButton || role == QAccessible::ButtonMenu;
    if ((state.focusable || acted) && !state.disabled && iface->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << describe(iface);
    if (role == QAccessible::Table || role == QAccessible::Tree || role == QAccessible::List) {
        // the cells are the data; only the headings need names of their own
        const int n = std::min(iface->childCount(), 64);
        for (int i = 0; i < n; ++i) {
            QAccessibleInterface* c = iface->child(i);
            if (c && c->role() == QAccessible::ColumnHeader && !c->state().invisible &&
                c->text(QAccessible::Name).trimmed().isEmpty())
                unnamed << "heading " + QString::number(i) + " of " + describe(iface);
        }
        return;
    }
    for (int i = 0; i < iface->childCount(); ++i) walk(iface->child(i), unnamed, depth + 1);
}

QStringList unnamedControls(QWidget* window)
{
    QStringList unnamed;
    walk(QAccessible::queryAccessibleInterface(window), unnamed);
    return unnamed;
}

bool tabStop(QWidget* w, QWidget* window)
{
    if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisible() || !w->isEnabled() || w->focusProxy() ||
        w->window() != window)
        return false;
    for (QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
        if (qobject_cast<QComboBox*>(p) || qobject_cast<QAbstractSpinBox*>(p) || qobject_cast<QAbstractItemView*>(p))
            return false;  // part of its owner
    return true;
}

// A group of radio buttons is one stop (at its chosen button): its first button stands for it.
QWidget* unit(QWidget* w)
{
    if (auto* r = qobject_cast<QRadioButton*>(w); r && r->autoExclusive())
        for (QRadioButton* b : r->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
            if (b->autoExclusive() && b->isVisible()) return b;
    return w;
}

// Tab from the first stop round the window (Ctrl+Tab out of a grid, where Tab moves between cells):
// the stops reached more than once or never.
QStringList tabFaults(QWidget* window)
{
    QList<QWidget*> stops;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (tabStop(w, window) && !stops.contains(unit(w))) stops << unit(w);
    if (stops.isEmpty()) return {};
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) return {"the window never became active"};
    QWidget* first = stops.first();
    if (auto* r = qobject_cast<QRadioButton*>(first))  // a group is entered at its chosen button
        for (QRadioButton* b : r->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
            if (b->isChecked()) first = b;
    first->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QList<QWidget*> reached;
    for (int i = 0; i < stops.size() * 2 + 4; ++i) {
        QWidget* f = QApplication::focusWidget();
        if (!f || f->window() != window)
            return {"the focus left the window after " + QString::number(reached.size()) + " stops"};
        for (QWidget* p = f; p && p != window; p = p->parentWidget())
            if (stops.contains(unit(p))) f = unit(p);  // an editor inside a grid or box counts as its owner
        if (!reached.isEmpty() && f == reached.first()) break;
        reached << f;
        const bool grid = qobject_cast<QAbstractItemView*>(f) != nullptr;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, grid ? Qt::ControlModifier : Qt::NoModifier);
        QApplication::processEvents();
    }
    QStringList faults;
    for (QWidget* w : stops) {
        const auto n = reached.count(w);
        if (n != 1) faults << QStringLiteral("%1 %2 reached %3 times").arg(w->metaObject()->className(), w->objectName()).arg(n);
    }
    return faults;
}

// Walks each window as it is shown, then closes it, so that a command's modal window returns.
class WindowWalker : public QObject {
public:
    explicit WindowWalker(QWidget* main) : main_(main) { qApp->installEventFilter(this); }
    ~WindowWalker() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::Show || !o->isWidgetType()) return false;
        auto* w = static_cast<QWidget*>(o);
        if (!w->isWindow() || w == main_ || qobject_cast<QMenu*>(w) || w->windowType() == Qt::ToolTip) return false;
        QTimer::singleShot(0, w, [this, w] { visit(w); });
        return false;
    }

    void visit(QWidget* w)
    {
        if (!w->isVisible()) return;
        const QString window = command + ": " + w->metaObject()->className() + QStringLiteral(" \"") + w->windowTitle() + '"';
        found[window] = unnamedControls(w);
        tabs[window] = tabFaults(w);
        if (auto* d = qobject_cast<QDialog*>(w))
            d->reject();
        else
            w->close();
    }

    // the windows that stay open (not modal) after their command
    void visitOpenWindows()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != main_ && w->isVisible() && !qobject_cast<QMenu*>(w)) visit(w);
    }

    std::map<QString, QStringList> found;
    std::map<QString, QStringList> tabs;  // each control once round the window
    QString command;

private:
    QWidget* main_;
};


}  // namespace

TEST(Accessibility, EveryControlOfEveryWindowHasAName)
{
    GuiEnv env;
    auto main = env.start();
    ASSERT_TRUE(main->started());
    for (const char* title : {"Alpha", "Beta", "Gamma"}) {
        main->MyTable.table().append();
        main->MyTable.table().setText(0, title);
        main->MyTable.table().post();
    }
    main->MyTable.refresh();
    main->show();
    QApplication::processEvents();

    WindowWalker walker(main.get());
    walker.found["TMain"] = unnamedControls(main.get());
    EXPECT_EQ(ui::spokenName(main->ViewerGrid), "Book Viewer");
    EXPECT_EQ(ui::spokenName(main->MyNavigator->button(ui::TNavigator::Next)), "Next record");
    for (const char* name : {"MenuViewer", "MenuSortOrder", "MenuReports", "MenuBackup", "MenuRestore", "MenuExport",
                             "MenuAdd", "MenuEdit", "MenuSearch", "MenuFind", "MenuAllColor", "MenuSearchReplace",
                             "MenuTips", "MenuAbout", "MenuMaintainCategory", "MenuImport"}) {
        SCOPED_TRACE(name);
        QAction* a = main->action(name);
        ASSERT_TRUE(a) << name;
        const std::size_t before = walker.found.size();
        walker.command = name;
        a->trigger();
        QApplication::processEvents();
        walker.visitOpenWindows();
        QApplication::processEvents();
        EXPECT_GT(walker.found.size(), before) << name << " opened no window";
    }
    walker.command = "Search Options";
    main->MySearch->FormShow();
    main->MySearch->OptionClick(6);  // Cost: the operators
    EXPECT_TRUE(walker.found.count("Search Options: QDialog \"Search Options\""));

    walker.command = "Help";
    ui::THelpWindow help;
    help.show();
    EXPECT_EQ(ui::spokenName(help.findChild<QTextBrowser*>()), help.windowTitle());
    QApplication::processEvents();  // walked and closed

    for (const auto& [window, unnamed] : walker.found)
        EXPECT_TRUE(unnamed.isEmpty()) << window.toStdString() << ": " << unnamed.join("; ").toStdString();
    for (const auto& [window, faults] : walker.tabs)
        EXPECT_TRUE(faults.isEmpty()) << "Tab in " << window.toStdString() << ": " << faults.join("; ").toStdString();
}

// The names come from what a sighted user reads: a hint, the label to the left, the label above.
TEST(Accessibility, ControlsAreNamedByTheTextBesideThem)
{
    QDialog d;
    auto* label = new QLabel("&Title:", &d);
    label->setGeometry(10, 10, 60, 20);
    auto* title = new QLineEdit(&d);
    title->setGeometry(80, 10, 100, 20);
    auto* heading = new QLabel("Books", &d);
    heading->setGeometry(10, 40, 100, 20);
    auto* grid = new QTableView(&d);
    grid->setGeometry(10, 62, 200, 100);
    auto* far = new QLineEdit(&d);  // nothing beside it
    far->setGeometry(400, 300, 50, 20);
    auto* hinted = new QToolButton(&d);
    hinted->setGeometry(300, 10, 20, 20);
    hinted->setToolTip("Open Database");
    auto* captioned = new QPushButton("&Ok", &d);
    captioned->setGeometry(300, 100, 60, 20);
    d.resize(500, 400);
    ui::nameControls(&d);
    EXPECT_EQ(ui::spokenName(title), "Title");
    EXPECT_EQ(ui::spokenName(grid), "Books");
    EXPECT_EQ(ui::spokenName(hinted), "Open Database");
    EXPECT_EQ(ui::spokenName(captioned), "Ok");
    EXPECT_EQ(captioned->accessibleName(), "");  // its caption is read already
    EXPECT_EQ(ui::spokenName(far), "");
}

// The windows opened from other windows, each shown on its own: named, and Tab once round.
TEST(Accessibility, TheReportWindowsNameTheirControlsToo)
{
    ui::nameControlsOfEveryWindow();  // as the main window does
    ui::followFocusInEveryWindow();
    testing_support::FakeHost host;
    testing_support::ScriptedDialogs dialogs;
    std::array<QString, 36> names;
    for (int i = 0; i < 36; ++i) names[std::size_t(i)] = QStringLiteral("Name %1").arg(i + 1);
    reports::ReportDefinition r = reports::builtInReports()[4];
    render::ReportEngine engine;
    render::StreamDevice pages;
    reports::RunInput in;
    in.report = &r;
    in.table = &host.table;
    reports::runReport(in, engine, pages);

    std::vector<std::unique_ptr<QWidget>> windows;
    windows.push_back(std::make_unique<TUserReport>(r, false, 2, names, QStringLiteral("/nowhere/KAVBOOK.URP"), 1.0));
    windows.push_back(std::make_unique<TRepLayout>(r, 90, true, names, 1.0));
    windows.push_back(std::make_unique<TReportPart>(r.body[0], 1, 2, 90, names));
    windows.push_back(std::make_unique<TReportFonts>(r));
    windows.push_back(std::make_unique<TPrintSelect>());
    windows.push_back(std::make_unique<TPrintRange>(12));
    windows.push_back(std::make_unique<TMyPreview>(pages, r.name, nullptr));
    for (auto& w : windows) {
        w->show();
        const QStringList unnamed = unnamedControls(w.get());
        EXPECT_TRUE(unnamed.isEmpty()) << w->metaObject()->className() << ": " << unnamed.join("; ").toStdString();
        const QStringList tabs = tabFaults(w.get());
        EXPECT_TRUE(tabs.isEmpty()) << "Tab in " << w->metaObject()->className() << ": " << tabs.join("; ").toStdString();
        w->hide();
    }
}
