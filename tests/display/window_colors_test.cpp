// SPDX-License-Identifier: GPL-2.0-or-later
// Every window of the program opened in a dark and a muted colour set at the smallest and a large
// screen-size preset: no caption may vanish into what lies behind it. With BINDLOW_WINDOW_SHOTS
// naming a folder, each window is also saved there as a PNG to be looked at.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QTabWidget>
#include <QTimer>
#include <cmath>
#include <functional>

#include "app/main_window.h"
#include "display/color_sets.h"
#include "display/windows/color_config_window.h"
#include "find/windows/search_window.h"
#include "reports/windows/report_layout_window.h"
#include "reports/windows/report_list_window.h"
#include "reports/windows/user_report_window.h"
#include "support/gui_env.h"
#include "transfer/windows/import_format_window.h"
#include "ui/appearance.h"

using testing_support::GuiEnv;

namespace {
// What lies behind a widget's text: its own background when it paints one, else its parent's.
QColor behind(const QWidget* w)
{
    if (qobject_cast<const QAbstractButton*>(w) && !w->autoFillBackground() &&
        !qobject_cast<const QCheckBox*>(w) && !qobject_cast<const QRadioButton*>(w))
        return w->palette().color(QPalette::Button);
    for (const QWidget* p = w; p; p = p->parentWidget()) {
        if (p->autoFillBackground() || p->isWindow()) return p->palette().color(p->backgroundRole());
        // a notebook page that paints nothing shows the style's tab frame, drawn in button colours
        if (qobject_cast<const QTabWidget*>(p)) return p->palette().color(QPalette::Button);
    }
    return Qt::white;
}

using ui::contrast;

class Shots {
public:
    // Midnight Black's own pairs are all far apart; Camouflage puts grey minor titles on olive by
    // design, so there a caption need only differ from what lies behind it.
    double minimumContrast = 1.01;

    explicit Shots(QString tag) : tag_(std::move(tag)), folder_(qEnvironmentVariable("BINDLOW_WINDOW_SHOTS")) {}

    // Checks (and saves) the window.
    void look(QWidget* window, const QString& name)
    {
        seen << name;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(window)) continue;
            QString text;
            if (auto* l = qobject_cast<QLabel*>(w)) text = l->text();
            else if (auto* b = qobject_cast<QAbstractButton*>(w)) text = b->text();
            else if (auto* g = qobject_cast<QGroupBox*>(w)) text = g->title();
            else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
                EXPECT_NE(bar->palette().color(QPalette::ButtonText).rgb(), bar->palette().color(QPalette::Window).rgb())
                    << qPrintable(tag_) << " " << qPrintable(name) << ": the menu bar";
                continue;
            }
            if (text.trimmed().isEmpty()) continue;
            const QPalette::ColorGroup group = w->isEnabled() ? QPalette::Active : QPalette::Disabled;
            const QColor fg = w->palette().color(group, w->foregroundRole());
            // greyed-out captions are meant to stand back, but must still show
            EXPECT_GE(contrast(fg, behind(w)), w->isEnabled() ? minimumContrast : std::min(minimumContrast, 1.3))
                << qPrintable(tag_) << " " << qPrintable(name) << ": \"" << qPrintable(text) << "\" ("
                << qPrintable(w->objectName()) << ")";
        }
        if (!folder_.isEmpty()) {
            QDir().mkpath(folder_);
            window->grab().save(QDir(folder_).filePath(tag_ + "-" + name + ".png"));
        }
    }

    // Opens a modal window with open(), looks at it, lets inside() open the windows it leads to,
    // and closes it.
    void modal(const QString& name, const std::function<void()>& open,
               const std::function<void(QWidget*)>& inside = {})
    {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w) return;
            shown = true;
            look(w, name);
            if (inside) inside(w);
            if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
            else w->close();
        });
        open();
        EXPECT_TRUE(shown) << qPrintable(name);
    }

    QStringList seen;

private:
    QString tag_;
    QString folder_;
};

void everyWindow(TMain& main, Shots& shots, const QString& textFile)
{
    main.show();
    shots.look(&main, "main");
    shots.modal("editor", [&] { main.DoAdd(); });
    shots.modal("search", [&] { main.DoSearch(); }, [&](QWidget* w) {
        auto* search = qobject_cast<TMySearch*>(w);
        ASSERT_NE(search, nullptr);
        shots.modal("search-options", [&] { search->OptionClick(1); });
    });
    shots.modal("locate", [&] { main.DoFind(); });
    shots.modal("sort-order", [&] { main.DoSortOrder(); });
    shots.modal("search-replace", [&] { main.DoSearchReplace(); });
    shots.modal("viewer", [&] { main.DoViewer(); });
    shots.modal("list-editor", [&] { main.EditAList(1); });
    shots.modal("export", [&] { main.DoExport(); });
    shots.modal("import-format", [&] { main.DoImport(); }, [&](QWidget* w) {
        auto* format = qobject_cast<TImportFormat*>(w);
        ASSERT_NE(format, nullptr);
        format->AsciiDelimited->setChecked(true);
        shots.modal("import", [&] { format->FileButtonClick(); });
    });
    shots.modal("backup", [&] { main.DoBackup(); });
    shots.modal("restore", [&] { main.DoRestore(); });
    shots.modal("reports", [&] { main.DoReports(); }, [&](QWidget* w) {
        auto* list = qobject_cast<TMyReport*>(w);
        ASSERT_NE(list, nullptr);
        shots.modal("printer-select", [&] { list->PrinterSetupClick(); });
        shots.modal("designer", [&] { list->NewButtonClick(); }, [&](QWidget* d) {
            auto* designer = qobject_cast<TUserReport*>(d);
            ASSERT_NE(designer, nullptr);
            shots.modal("report-fonts", [&] { designer->SetFontsClick(); });
            shots.modal("report-layout", [&] { designer->SpecifyButtonClick(); }, [&](QWidget* l) {
                auto* layout = qobject_cast<TRepLayout*>(l);
                ASSERT_NE(layout, nullptr);
                shots.modal("report-part", [&] { layout->editCell({1, 1}); });
            });
        });
    });
    shots.modal("colors", [&] { main.DoColors(5); });
    (void)textFile;
}
}  // namespace

TEST(WindowColors, EveryWindowStaysReadableInDarkAndMutedSetsAtSmallAndLargePresets)
{
    GuiEnv env;
    const QString textFile = QString::fromStdString((env.dir.path() / "books.txt").string());
    QFile f(textFile);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\"Title\",\"Author\"\r\n\"Dune\",\"Herbert, Frank\"\r\n");
    f.close();
    auto main = env.start();
    for (int combination : {3, 12}) {  // Midnight Black, Camouflage
        store::ColorSet set = main->db.colors[store::MainColors];
        display::applyCombination(set, combination);
        main->db.colors.fill(set);
        main->SetColors();
        for (int preset : {640, 1024}) {
            main->ChoosePreset(preset);
            env.dialogs.fileNames = {textFile};
            Shots shots(QStringLiteral("%1-%2").arg(QString::fromLatin1(display::colorCombinations()[combination - 1].name)
                                                        .remove(' '))
                            .arg(preset));
            if (combination == 3) shots.minimumContrast = 3;
            everyWindow(*main, shots, textFile);
            EXPECT_EQ(shots.seen.size(), 21);
        }
    }
}

// A radio button or check box that cannot be chosen must look it, in the default colours and in
// every predefined combination: its caption greyed, yet still showing on its background.
TEST(WindowColors, DisabledChoicesLookDisabledInEveryColourSet)
{
    std::vector<std::pair<QString, store::ColorSet>> sets {{QStringLiteral("default"), store::DatabaseSettings().colors[0]}};
    for (int item = 1; item <= display::kColorCombinations; ++item) {
        store::ColorSet set = sets.front().second;
        display::applyCombination(set, item);
        sets.emplace_back(QString::fromLatin1(display::colorCombinations()[std::size_t(item - 1)].name), set);
    }
    for (const auto& [name, set] : sets) {
        QWidget window;
        auto* radio = new QRadioButton(QStringLiteral("Export Search Criteria"), &window);
        auto* check = new QCheckBox(QStringLiteral("Print Search Criteria"), &window);
        ui::applyColorSet(&window, set);
        for (QAbstractButton* b : {static_cast<QAbstractButton*>(radio), static_cast<QAbstractButton*>(check)}) {
            b->setEnabled(false);
            const QColor on = b->palette().color(QPalette::Active, b->foregroundRole());
            const QColor off = b->palette().color(QPalette::Disabled, b->foregroundRole());
            // Camouflage's captions hardly stand out from its background even when they can be chosen
            if (contrast(on, behind(b)) < 2) continue;
            EXPECT_GE(contrast(on, off), 1.4) << qPrintable(name) << " " << qPrintable(b->text());
            EXPECT_GE(contrast(off, behind(b)), 1.3) << qPrintable(name) << " " << qPrintable(b->text());
        }
    }
}
