// SPDX-License-Identifier: GPL-2.0-or-later
// The main window's menu tree and the commands' enabled state.
#include <QAction>
#include <QActionGroup>
#include <QMenuBar>

#include "app/browse_layout.h"
#include "app/main_window.h"
#include "regional/regional.h"

namespace {
// Commands that are built; every other one stays in the menus and bars, disabled.
const QStringList kBuilt = {
    QStringLiteral("DoExit"), QStringLiteral("DoHelp"), QStringLiteral("DoEndSearch"), QStringLiteral("Tips"), QStringLiteral("About"),
    QStringLiteral("ScreenSize"), QStringLiteral("ScreenAccess"), QStringLiteral("DateFormat"),
    QStringLiteral("CurrencyFormat"), QStringLiteral("NumericFormat"), QStringLiteral("DoAdd"), QStringLiteral("DoEdit"),
    QStringLiteral("DoCopy"), QStringLiteral("DoDelete"), QStringLiteral("Pack"), QStringLiteral("Rebuild"),
    QStringLiteral("Maintain"), QStringLiteral("DoOpen"), QStringLiteral("DoNew"), QStringLiteral("UpdateDatabase"),
    QStringLiteral("LastFile"), QStringLiteral("DoViewer"), QStringLiteral("DoSortOrder"),
    QStringLiteral("DoFind"), QStringLiteral("DoFindNext"), QStringLiteral("SearchReplace"),
    QStringLiteral("DoSearch"), QStringLiteral("DoReports"), QStringLiteral("DoBackup"), QStringLiteral("DoRestore"),
    QStringLiteral("DoExport"), QStringLiteral("DoImport"), QStringLiteral("UndoImport"), QStringLiteral("Colors"), QStringLiteral("SetColors"),
    QStringLiteral("Fonts"),
};
// Commands that browse mode takes away.
const QStringList kNotInBrowse = {
    QStringLiteral("DoAdd"), QStringLiteral("DoCopy"), QStringLiteral("DoDelete"), QStringLiteral("DoBackup"),
    QStringLiteral("DoRestore"), QStringLiteral("DoViewer"), QStringLiteral("DoImport"), QStringLiteral("UndoImport"),
    QStringLiteral("Maintain"),
    QStringLiteral("SearchReplace"),
};
// Commands that work on the current book: nothing to do while the table (or the search) shows none.
const QStringList kNeedABook = {QStringLiteral("DoEdit"), QStringLiteral("DoCopy"), QStringLiteral("DoDelete")};
}  // namespace

QAction* TMain::addAction(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& key,
                          const QString& command)
{
    auto* a = menu->addAction(caption);
    a->setObjectName(name);
    if (!key.isEmpty()) a->setShortcut(key);
    a->setProperty("command", command);
    connect(a, &QAction::triggered, this, [this, command] { runCommand(command); });
    actions_.insert(name, a);
    return a;
}

bool TMain::commandBuilt(const QString& command) const { return kBuilt.contains(command); }

void TMain::updateCommands()
{
    auto enabled = [this](const QString& command) {
        if (!commandBuilt(command)) return false;
        if (changesRefused() && kNotInBrowse.contains(command)) return false;
        // a table that can only be read cannot take a new sort tag, a pack or a new index either
        if (!readOnlyReason.isEmpty() && (command == QLatin1String("DoSortOrder") || command == QLatin1String("Pack") ||
                                          command == QLatin1String("Rebuild")))
            return false;
        if (command == QLatin1String("DoEndSearch")) return searchOn;
        if (kNeedABook.contains(command)) return !MyTable.isEmpty();
        return true;
    };
    for (QAction* a : actions_) a->setEnabled(enabled(a->property("command").toString()));
    if (QMenu* m = findChild<QMenu*>(QStringLiteral("MenuMaintain"))) m->setEnabled(enabled(QStringLiteral("Maintain")));
    for (QWidget* b : commandButtons_) {
        bool hiddenBar = b->property("lettered").toBool() ? settings.buttonBar != app::LetteredButtons
                                                          : settings.buttonBar != app::SpeedButtons;
        b->setEnabled(!hiddenBar && enabled(b->property("command").toString()));
    }
}

void TMain::runCommand(const QString& command)
{
    if (!commandBuilt(command)) return;
    if (command == QLatin1String("DoExit")) DoExit();
    else if (command == QLatin1String("DoHelp")) DoHelp();
    else if (command == QLatin1String("DoEndSearch")) DoEndSearch();
    else if (command == QLatin1String("DoOpen")) DoOpen();
    else if (command == QLatin1String("DoNew")) DoNew();
    else if (command == QLatin1String("UpdateDatabase")) MenuUpdateDatabaseClick();
    else if (command == QLatin1String("DoViewer")) DoViewer();
    else if (command == QLatin1String("DoSortOrder")) DoSortOrder();
    else if (command == QLatin1String("DoReports")) DoReports();
    else if (command == QLatin1String("DoBackup")) DoBackup();
    else if (command == QLatin1String("DoExport")) DoExport();
    else if (command == QLatin1String("DoImport")) DoImport();
    else if (command == QLatin1String("UndoImport")) MenuUndoImportClick();
    else if (command == QLatin1String("DoRestore")) DoRestore();
    else if (command == QLatin1String("Colors")) DoColors(5);
    else if (command == QLatin1String("DoFind")) DoFind();
    else if (command == QLatin1String("DoSearch")) DoSearch();
    else if (command == QLatin1String("SearchReplace")) DoSearchReplace();
    else if (command == QLatin1String("DoFindNext")) DoFindNext();
    else if (command == QLatin1String("DoAdd")) DoAdd();
    else if (command == QLatin1String("DoEdit")) DoEdit();
    else if (command == QLatin1String("DoCopy")) DoCopy();
    else if (command == QLatin1String("DoDelete")) DoDelete();
    else if (command == QLatin1String("Pack")) MenuPackClick();
    else if (command == QLatin1String("Rebuild")) MenuRebuildClick();
}

void TMain::buildMenus()
{
    QMenuBar* bar = menuBar();
    auto menu = [bar](const QString& name, const QString& caption) {
        QMenu* m = bar->addMenu(caption);
        m->setObjectName(name);
        return m;
    };
    auto sub = [](QMenu* parent, const QString& name, const QString& caption) {
        QMenu* m = parent->addMenu(caption);
        m->setObjectName(name);
        return m;
    };
    const auto C = [](int key) { return QKeySequence(Qt::CTRL | Qt::Key(key)); };
    const auto S = [](int key) { return QKeySequence(Qt::SHIFT | Qt::Key(key)); };

    QMenu* file = menu(QStringLiteral("MenuFile"), tr("&File"));
    addAction(file, "MenuNew", tr("&New Database"), C(Qt::Key_W), "DoNew");
    addAction(file, "MenuOpen", tr("&Open Database"), C(Qt::Key_O), "DoOpen");
    addAction(file, "MenuUpdateDatabase", tr("&Update Database"), C(Qt::Key_Z), "UpdateDatabase");
    file->addSeparator();
    addAction(file, "MenuBackup", tr("&Back Up Data"), C(Qt::Key_B), "DoBackup");
    addAction(file, "MenuRestore", tr("&Restore Data"), C(Qt::Key_Y), "DoRestore");
    file->addSeparator();
    addAction(file, "MenuPrint", tr("&Print"), C(Qt::Key_P), "DoReports");
    file->addSeparator();
    addAction(file, "MenuExit", tr("E&xit"), C(Qt::Key_X), "DoExit");
    QAction* exitSep = file->addSeparator();
    exitSep->setObjectName(QStringLiteral("MenuExitSep"));
    exitSep->setVisible(false);
    for (int i = 1; i <= 5; ++i) {
        QAction* a = addAction(file, QStringLiteral("MenuLastFile%1").arg(i), QStringLiteral("&%1").arg(i), {}, "LastFile");
        a->setVisible(false);
        connect(a, &QAction::triggered, this, [this, i] { OpenSaveFile(settings.lastFiles[std::size_t(i - 1)]); });
    }

    QMenu* records = menu(QStringLiteral("MenuRecords"), tr("&Records"));
    addAction(records, "MenuAdd", tr("&Add"), C(Qt::Key_A), "DoAdd");
    addAction(records, "MenuEdit", tr("&Edit"), C(Qt::Key_E), "DoEdit");
    addAction(records, "MenuCopy", tr("&Copy"), C(Qt::Key_C), "DoCopy");
    addAction(records, "MenuDelete", tr("&Delete"), C(Qt::Key_D), "DoDelete");
    records->addSeparator();
    addAction(records, "MenuImport", tr("&Import"), C(Qt::Key_M), "DoImport");
    addAction(records, "MenuUndoImport", tr("&Undo Last Import"), {}, "UndoImport");
    addAction(records, "MenuExport", tr("E&xport"), C(Qt::Key_T), "DoExport");

    QMenu* navigate = menu(QStringLiteral("MenuNavigate"), tr("Navi&gate"));
    addAction(navigate, "MenuSearch", tr("&Search (Query)"), C(Qt::Key_S), "DoSearch");
    addAction(navigate, "MenuEndSearch", tr("&End Search"), C(Qt::Key_I), "DoEndSearch");
    addAction(navigate, "MenuFind", tr("&Locate"), C(Qt::Key_L), "DoFind");
    addAction(navigate, "MenuFindNext", tr("Locate &Next"), C(Qt::Key_N), "DoFindNext");
    addAction(navigate, "MenuReports", tr("&Reports"), C(Qt::Key_R), "DoReports");
    addAction(navigate, "MenuViewer", tr("&Viewer"), C(Qt::Key_V), "DoViewer");

    QMenu* options = menu(QStringLiteral("MenuOptions"), tr("&Options"));
    addAction(options, "MenuSortOrder", tr("Sort &Order"), C(Qt::Key_Q), "DoSortOrder");
    QMenu* size = sub(options, QStringLiteral("MenuScreenSize"), tr("Screen Si&ze"));
    const int presets[4] = {640, 800, 1024, 1280};
    const char* sizeNames[4] = {"N640x480", "N800x600", "N1024x768", "N1280x1024"};
    const char* sizeCaptions[4] = {"640 x 480", "800 x 600", "1024 x 768", "1280 x 1024"};
    for (int i = 0; i < 4; ++i) {
        QAction* a = addAction(size, sizeNames[i], sizeCaptions[i], S(Qt::Key_F1 + i), "ScreenSize");
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, p = presets[i]] { ChoosePreset(p); });
    }
    QMenu* access = sub(options, QStringLiteral("MenuAccess"), tr("&Screen Access"));
    QAction* speed = addAction(access, "MenuSpeed", tr("&Speed Buttons"), C(Qt::Key_F1), "ScreenAccess");
    QAction* lettered = addAction(access, "MenuButtons", tr("&Lettered Buttons"), C(Qt::Key_F2), "ScreenAccess");
    QAction* none = addAction(access, "MenuNoButtons", tr("&None"), C(Qt::Key_F3), "ScreenAccess");
    for (QAction* a : {speed, lettered, none}) a->setCheckable(true);
    connect(speed, &QAction::triggered, this, &TMain::MenuSpeedClick);
    connect(lettered, &QAction::triggered, this, &TMain::MenuButtonsClick);
    connect(none, &QAction::triggered, this, &TMain::MenuNoButtonsClick);
    QMenu* color = sub(options, QStringLiteral("MenuColor"), tr("&Color"));
    const char* colorNames[5] = {"MenuMainColor", "MenuEditColor", "MenuSearchColor", "MenuReportColor",
                                 "MenuConfigColor"};
    const char* colorCaptions[5] = {QT_TR_NOOP("&Main Window Color"), QT_TR_NOOP("&Edit Window Color"), QT_TR_NOOP("&Search Window Color"),
                                    QT_TR_NOOP("&Report Window Color"), QT_TR_NOOP("&Configure Window Color")};
    for (int i = 0; i < 5; ++i)  // "Colors" itself is the whole set of five, as the speed button
        connect(addAction(color, colorNames[i], tr(colorCaptions[i]), C(Qt::Key_F4 + i), "SetColors"), &QAction::triggered,
                this, [this, i] { DoColors(i); });
    color->addSeparator();
    addAction(color, "MenuAllColor", tr("&ALL Windows Color"), C(Qt::Key_F9), "Colors");
    QMenu* maintain = sub(options, QStringLiteral("MenuMaintain"), tr("List &Maintenance"));
    connect(addAction(maintain, "MenuSaveDefaults", tr("&Save As Defaults"), {}, "Maintain"), &QAction::triggered, this,
            &TMain::MenuSaveDefaultsClick);
    connect(addAction(maintain, "MenuLoadDefaults", tr("Load In &Defaults"), {}, "Maintain"), &QAction::triggered, this,
            &TMain::MenuLoadDefaultsClick);
    maintain->addSeparator();
    struct ListItem {
        const char* name;
        const char* caption;
        int list;
    };
    const ListItem lists[9] = {{"MenuMaintainAuthor", QT_TR_NOOP("&Author"), edit::AuthorList},
                               {"MenuMaintainLocation", QT_TR_NOOP("&Location"), edit::LocationList},
                               {"MenuMaintainPurchase", QT_TR_NOOP("&Where Purchased"), edit::BoughtList},
                               {"MenuMaintainCategory", QT_TR_NOOP("&Category"), edit::CategoryList},
                               {"MenuMaintainPublisher", QT_TR_NOOP("&Publisher"), edit::PublisherList},
                               {"MenuMaintainBookType", QT_TR_NOOP("&Book Type"), edit::BookTypeList},
                               {"MenuMaintainRating", QT_TR_NOOP("&Rating"), edit::RatingList},
                               {"MenuMaintainCheckOut", QT_TR_NOOP("Chec&k Out Person"), edit::CheckNameList},
                               {"MenuMaintainCondition", QT_TR_NOOP("C&ondition"), edit::ConditionList}};
    for (const ListItem& l : lists)
        connect(addAction(maintain, l.name, tr(l.caption), {}, "Maintain"), &QAction::triggered, this,
                [this, list = l.list] { EditAList(list); });
    QMenu* currency = sub(options, QStringLiteral("MenuCurrency"), tr("C&urrency Format"));
    QAction* curUs = addAction(currency, "MenuCurrencyUS", tr("&U.S. Dollars"), {}, "CurrencyFormat");
    QAction* curWin = addAction(currency, "MenuCurrencyWin", tr("&Windows Setting"), {}, "CurrencyFormat");
    QMenu* numeric = sub(options, QStringLiteral("MenuNumeric"), tr("&Numeric Format"));
    QAction* numUs = addAction(numeric, "MenuNumericUS", tr("&U.S. Format"), {}, "NumericFormat");
    QAction* numWin = addAction(numeric, "MenuNumericWin", tr("&Windows Setting"), {}, "NumericFormat");
    for (QAction* a : {curUs, curWin, numUs, numWin}) a->setCheckable(true);
    connect(curUs, &QAction::triggered, this, [this] { ChooseCurrencyFormat(1); });
    connect(curWin, &QAction::triggered, this, [this] { ChooseCurrencyFormat(2); });
    connect(numUs, &QAction::triggered, this, [this] { ChooseNumericFormat(1); });
    connect(numWin, &QAction::triggered, this, [this] { ChooseNumericFormat(2); });
    QMenu* date = sub(options, QStringLiteral("MenuDateFormat"), tr("&Date Format"));
    QAction* zeros = addAction(date, "MenuDateLeadingZeros", tr("&Leading Zeros"), {}, "DateFormat");
    zeros->setCheckable(true);
    connect(zeros, &QAction::triggered, this, &TMain::MenuDateLeadingZerosClick);
    date->addSeparator();
    for (int code = 1; code <= regional::kDateFormats; ++code) {
        const auto& row = regional::dateFormatRow(code);
        QAction* a = addAction(date, row.menuName, row.caption, {}, "DateFormat");
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, code] { ChooseDateFormat(code); });
    }
    options->addSeparator();
    const char* fontNames[3] = {"MenuLabelFont", "MenuEditFont", "MenuButtonFont"};
    const char* fontCaptions[3] = {QT_TR_NOOP("&Label Font"), QT_TR_NOOP("&Edit Font"), QT_TR_NOOP("&Button Font")};
    for (int i = 0; i < 3; ++i)
        connect(addAction(options, fontNames[i], tr(fontCaptions[i]), S(Qt::Key_F8 + i), "Fonts"), &QAction::triggered,
                this, [this, i] { ChooseProgramFont(i); });

    QMenu* tools = menu(QStringLiteral("MenuTools"), tr("&Tools"));
    addAction(tools, "MenuSearchReplace", tr("&Search and Replace"), C(Qt::Key_F), "SearchReplace");
    addAction(tools, "MenuRebuild", tr("&Rebuild Indexes"), {}, "Rebuild");
    addAction(tools, "MenuPack", tr("&Pack Database"), {}, "Pack");

    QMenu* helpMenu = menu(QStringLiteral("MenuHelp"), tr("&Help"));
    addAction(helpMenu, "MenuContents", tr("&Contents"), C(Qt::Key_H), "DoHelp");
    connect(addAction(helpMenu, "MenuTips", tr("&Review \"Tips of the Day\""), {}, "Tips"), &QAction::triggered, this,
            &TMain::ShowTips);
    connect(addAction(helpMenu, "MenuAbout", tr("&About"), {}, "About"), &QAction::triggered, this, &TMain::ShowAbout);
}
