// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

#include "app/browse_layout.h"
#include "app/command_line.h"
#include "backup/file_copy.h"
#include "conversion/old_databases.h"
#include "dbase/error.h"
#include "find/sort_expression.h"
#include "paths/program_paths.h"
#include "reports/report_file.h"
#include "store/profile.h"
#include "ui/about_box.h"
#include "ui/accessible_names.h"
#include "ui/appearance.h"
#include "ui/bevel.h"
#include "ui/book_grid_model.h"
#include "ui/keyboard_focus.h"
#include "ui/navigator.h"
#include "ui/seams/dialogs.h"
#include "ui/seams/help.h"
#include "ui/seams/messages.h"
#include "ui/tip_dialog.h"
#include "ui/tips.h"
#include "ui/translations.h"

namespace {
const QString kTitle = QStringLiteral("Bindlow Books 97");

QFont arialPixels(int pixels, bool bold = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

}  // namespace

TMain::TMain(const StartOptions& options, QWidget* parent)
    : QMainWindow(parent), MyCreateTable(files_.MyCreateTable), MyCheckTable(files_.MyCheckTable)
{
    setObjectName(QStringLiteral("Main"));
    ui::nameControlsOfEveryWindow();
    ui::followFocusInEveryWindow();
    buildWidgets();
    buildMenus();
    buildSpeedButtons();
    buildLetteredButtons();
    FormCreate(options);
}

TMain::~TMain() = default;

void TMain::buildWidgets()
{
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("Client"));
    setCentralWidget(client_);
    setFont(arialPixels(17));

    SpeedPanel = new QWidget(client_);
    SpeedPanel->setObjectName(QStringLiteral("SpeedPanel"));
    ViewerBevel = new ui::TBevel(client_, false);
    ViewerBevel->setObjectName(QStringLiteral("ViewerBevel"));

    ViewerLabel = new QLabel(tr("Book Viewer"), client_);
    ViewerLabel->setObjectName(QStringLiteral("ViewerLabel"));
    ViewerLabel->setFont(arialPixels(23, true));
    ViewerLabel->setAlignment(Qt::AlignCenter);
    ViewerLabel->resize(201, 29);

    NavigatorLabel = new QLabel(tr("Navigation Controls"), client_);
    NavigatorLabel->setObjectName(QStringLiteral("NavigatorLabel"));
    NavigatorLabel->setAlignment(Qt::AlignCenter);
    NavigatorLabel->setGeometry(420, 20, 189, 22);

    SearchOnLabel = new QLabel(tr("SEARCH ON"), client_);
    SearchOnLabel->setObjectName(QStringLiteral("SearchOnLabel"));
    SearchOnLabel->setFont(arialPixels(18, true));
    SearchOnLabel->setStyleSheet(QStringLiteral("color: #c00000;"));
    SearchOnLabel->setGeometry(12, 44, 109, 22);

    CountLabel = new QLabel(QStringLiteral("0"), client_);
    CountLabel->setObjectName(QStringLiteral("CountLabel"));
    Count2Label = new QLabel(tr("Books"), client_);
    Count2Label->setObjectName(QStringLiteral("Count2Label"));
    for (QLabel* l : {CountLabel, Count2Label}) {
        l->setFont(arialPixels(13));
        l->setAlignment(Qt::AlignCenter);
        l->resize(57, 16);
    }

    ViewerGrid = new QTableView(client_);
    ViewerGrid->setObjectName(QStringLiteral("ViewerGrid"));
    ViewerGrid->setAccessibleName(ViewerLabel->text());  // the heading above it, not the count beside
    MyDataSource = new ui::BookGridModel(MyTable, this);
    MyDataSource->setObjectName(QStringLiteral("MyDataSource"));
    ViewerGrid->setModel(MyDataSource);
    ViewerGrid->viewport()->installEventFilter(this);
    ViewerGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ViewerGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ViewerGrid->setWordWrap(false);
    ViewerGrid->setTabKeyNavigation(true);
    connect(ViewerGrid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& now, const QModelIndex&) { syncTableToGrid(now); });
    connect(&MyTable, &store::Dataset::currentChanged, this, &TMain::syncGridToTable);
    connect(&MyTable, &store::Dataset::recordsChanged, this, &TMain::syncGridToTable);
    connect(&MyTable, &store::Dataset::recordsChanged, this, &TMain::updateCommands);
    connect(&MyTable, &store::Dataset::opened, this, &TMain::updateCommands);
    connect(&MyTable, &store::Dataset::closed, this, &TMain::updateCommands);
    connect(ViewerGrid, &QTableView::doubleClicked, this, [this] { runCommand(QStringLiteral("DoEdit")); });
    // a value written from a cell's editor resets the model, which takes the editor and the focus
    // with it: the focus goes back to the grid, so that the arrows and F2 go on working
    connect(MyDataSource, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        const QWidget* f = QApplication::focusWidget();
        refocusGrid_ = f && (f == ViewerGrid || ViewerGrid->isAncestorOf(f));
    });
    connect(MyDataSource, &QAbstractItemModel::modelReset, this, [this] {
        if (refocusGrid_ && isVisible()) ViewerGrid->setFocus(Qt::OtherFocusReason);
        refocusGrid_ = false;
    });

    MyNavigator = new ui::TNavigator(client_);
    connect(MyNavigator, &ui::TNavigator::clicked, this, [this] { DisplayCount(); });
}

void TMain::syncGridToTable()
{
    if (syncing_ || !MyTable.active()) return;
    syncing_ = true;
    int row = MyTable.table().state() == dbase::TableState::Insert ? MyDataSource->insertRow()
              : !MyTable.isEmpty()                                 ? int(MyTable.row())
                                                                   : -1;
    if (row >= 0) {
        // A reset of the model forgets the current cell, and while a cell's value is written the
        // grid's current cell is the one its reset left: the column is the one last current.
        const QModelIndex now = ViewerGrid->currentIndex();
        const int column = now.isValid() && !MyDataSource->writing() ? now.column()
                                                                       : std::min(gridColumn_, MyDataSource->columnCount() - 1);
        ViewerGrid->setCurrentIndex(MyDataSource->index(row, column));
        ViewerGrid->scrollTo(MyDataSource->index(row, column));
    }
    syncing_ = false;
}

void TMain::syncTableToGrid(const QModelIndex& current)
{
    // the cell the grid falls back on while its model is reset under a written value is not the user's
    if (MyDataSource->writing()) return;
    if (current.isValid()) gridColumn_ = current.column();
    if (syncing_ || !current.isValid() || !MyTable.active()) return;
    if (current.row() == MyDataSource->insertRow()) return;
    syncing_ = true;
    try {
        MyTable.goToRow(std::size_t(current.row()));
    } catch (const dbase::DatabaseError& e) {
        ui::showError(this, QString::fromLocal8Bit(e.what()));
    }
    syncing_ = false;
    DisplayCount();
}

void TMain::FormCreate(const StartOptions& options)
{
    // 1. the report buffer belongs to the reports; 2. search off
    DisableEndSearch();
    // 3.
    setWindowTitle(kTitle);
    ViewerLabel->setText(tr("Book Viewer"));
    // 4.
    const QString executableFolder = options.executableDirectory.isEmpty() ? QCoreApplication::applicationDirPath()
                                                                          : options.executableDirectory;
    programDirectory = options.programDirectory.isEmpty()
                           ? paths::programDirectoryFor(executableFolder, QStandardPaths::writableLocation(
                                                                            QStandardPaths::AppDataLocation))
                           : QDir::cleanPath(options.programDirectory);
    startDirectory = QDir::cleanPath(options.startDirectory.isEmpty() ? QDir::currentPath() : options.startDirectory);
    if (startDirectory.size() == 3 && startDirectory.endsWith(QStringLiteral(":/"))) startDirectory.chop(1);
    ui::setHelpFile(paths::helpFileFor(options.programDirectory.isEmpty() ? executableFolder : programDirectory,
                                     ui::uiLanguage()));
    // what restores killed part-way left behind (browse mode changes no file)
    if (!app::browseRequested(options.arguments)) backup::removeLeftovers(programDirectory);
    // 5.
    ViewerLabel->move((client_->width() - ViewerLabel->width()) / 2, ViewerLabel->y());
    // 6. the shared fonts are the settings' font records; 7. the report definitions file
    ensureReportDefinitions();
    // 8., 9.
    settings = store::readProgramSettings(startDirectory);
    if (!settings.problem.isEmpty()) ui::showNotice(this, tr("Error"), paths::unreadFileNotice({settings.problem}),
                                                    ui::MsgIcon::Warning);
    // a size from the settings file fits the screen; the place keeps the title bar on it
    const QSize screenNow = ui::screenSize();
    resize(std::clamp(settings.width, 200, std::max(200, screenNow.width())),
           std::clamp(settings.height, 200, std::max(200, screenNow.height())));
    move(ui::keptOnScreen(QPoint(settings.left, settings.top), size(), ui::screenSize()));  // where its frame goes
    if (options.programDirectory.isEmpty()) noticeDataFolder(executableFolder);
    // 10.
    applyFormats();
    // 11.
    currentDatabase = settings.lastDatabase;
    // a table named on the command line takes the last one's place when it passes Open's tests
    if (const QString requested = app::databaseRequested(options.arguments, startDirectory); !requested.isEmpty())
        takeRequestedDatabase(requested);
    if (currentDatabase.isEmpty() || !QFileInfo(currentDatabase).isFile()) {  // missing, or a folder
        currentDatabase = QDir(programDirectory).filePath(QStringLiteral("MASTER.DBF"));
        if (!QFileInfo::exists(currentDatabase) && !MakeNewDB(currentDatabase)) return;  // the program ends
    }
    // 12., 13.
    const StartCheck check = checkDatabaseAtStart(currentDatabase);
    if (check != StartCheck::Valid) {
        if (check == StartCheck::Invalid)
            ui::showError(this, tr("The last database used as recorded in the INI file is not a valid "
                                               "Bindlow Books 97 file.  You will need to choose a new file."));
        if (!chooseDatabaseAtStart()) return;  // no database chosen: the program ends
    }
    openDatabase(currentDatabase);
    // 14.
    SetButtonBar();
    // 15.
    screen = ui::screenSize();
    preset = app::presetAtStart(settings.windowSize, screen.width(), screen.height());
    factor = app::presetFactor(preset);
    checkPresetItems();
    // 16.
    regional::current().system = regional::systemRegionalValues();
    // 17., 18.
    SetMenuLastFiles();
    if (!app::browseRequested(options.arguments)) CheckForConversion();  // browse mode changes no file
    // 20.
    if (app::browseRequested(options.arguments)) {
        // field editing is masked where the grid is set up; the stored setting stays as it is
        browseMode = true;
        MyNavigator->setVisibleButtons({true, true, true, true, false, false, false, false, false, false});
    }
    updateCommands();
    createEditor();
    createSearchWindow();
    started_ = true;
}

void TMain::ensureReportDefinitions() { reports::ensureReportFile(programDirectory); }

void TMain::noticeDataFolder(const QString& executableFolder)
{
    const QStringList left = paths::tablesLeftBehind(executableFolder, programDirectory);
    if (left.isEmpty()) return;
    store::ProfileFile ini(store::programSettingsPath());
    if (ini.read(QStringLiteral("Misc"), QStringLiteral("Data Folder Notice"), {}, 3) == QLatin1String("Yes")) return;
    ui::showNotice(this, tr("Information"), paths::dataFolderNotice(executableFolder, programDirectory, left));
    ini.write(QStringLiteral("Misc"), QStringLiteral("Data Folder Notice"), QStringLiteral("Yes"));
    ini.save();
}

namespace {
// The conversion's offers and reports as message boxes, the busy cursor around its work.
class ConversionPrompts : public conversion::ConversionHost {
public:
    explicit ConversionPrompts(QObject* owner) : owner_(owner) {}
    bool askToConvert(const QString& question) override
    {
        ui::Message m;
        m.owner = owner_;
        m.caption = QCoreApplication::translate("Conversion", "Convert");
        m.text = question;
        m.icon = ui::MsgIcon::Question;
        m.buttons = ui::Yes | ui::No;
        m.defaultButton = ui::Yes;
        return ui::messages().show(m) == ui::Yes;
    }
    void tellConverted(const QString& text, const QString& details) override
    {
        ui::Message m;
        m.owner = owner_;
        m.caption = QCoreApplication::translate("Conversion", "Convert");
        m.text = text;
        m.icon = ui::MsgIcon::Information;
        m.details = details;
        ui::messages().show(m);
    }
    void tellFailure(const QString& text) override { ui::showError(owner_, text); }
    void busy(bool on) override
    {
        if (on)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    }

private:
    QObject* owner_;
};
}  // namespace

void TMain::CheckForConversion()
{
    if (changesRefused()) return;  // a table that can only be read takes no books
    ConversionPrompts prompts(this);
    conversion::CheckForConversion(prompts, programDirectory, MyTable, currentDatabase);
}

QString TMain::BuildSortString() const { return find::BuildSortString(db.sortOrder); }

void TMain::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (!shownOnce_) {
        shownOnce_ = true;
        FormShow();
        // without a window manager the window may never be activated: start-up goes on anyway
        QTimer::singleShot(0, this, [this] {
            if (!activated_ && !closing_) FormActivate();
        });
    }
}

void TMain::changeEvent(QEvent* e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && !activated_) FormActivate();
}

void TMain::FormShow()
{
    MyNavigator->setDataSource(&MyTable);
    DoFileSpecific();
}

void TMain::DoFileSpecific()
{
    ui::applyProgramFonts(this, db.labelFont, db.editFont, db.buttonFont);
    SetViewerOptions();
    SetColors();
    DisplayCount();
}

void TMain::FormActivate()
{
    activated_ = true;
    MyNavigator->setDataSource(&MyTable);
    if (settings.showTips) ShowTips();
}

void TMain::ShowTips()
{
    // from the tip after the last one shown, leaving out those about commands not built yet
    ui::TTipDialog tip(settings.showTips, ui::tipOrder(settings.nextTip, [this](const QString& c) { return commandBuilt(c); }),
                       this);
    tip.adjustSize();
    ui::fitWindow(&tip, nullptr, factor, screen.isValid() ? screen : ui::screenSize());
    tip.exec();
    settings.showTips = tip.showAtStartup();
    settings.nextTip = (tip.tip() + 1) % int(ui::tipsOfTheDay().size());
}

void TMain::ShowAbout()
{
    ui::TAboutBox about(this);
    ui::fitWindow(&about, nullptr, factor, screen.isValid() ? screen : ui::screenSize());
    about.exec();
}

void TMain::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    FormResize();
}

void TMain::FormResize()
{
    if (!client_) return;
    const int w = client_->width(), h = client_->height();
    const app::BrowseLayout l = app::layoutFor(settings.buttonBar, w, h);
    ViewerBevel->setGeometry(l.bevel);
    ViewerLabel->move((w - ViewerLabel->width()) / 2, l.viewerLabelTop);
    ViewerGrid->setGeometry(l.grid);
    MyNavigator->setGeometry(l.navigator);
    SpeedPanel->setGeometry(0, 0, w, 31);
}

void TMain::DisableEndSearch()
{
    searchOn = false;
    SearchOnLabel->hide();
    updateCommands();
}

void TMain::EnableEndSearch()
{
    searchOn = true;
    SearchOnLabel->show();
    updateCommands();
}

void TMain::DisplayCount()
{
    // Counting a large table looks at every record: at start-up that waits until the grid's
    // first screen is drawn, and the label shows no number until it is known.
    if (MyTable.active() && !gridPainted_ && !MyTable.table().countKnown() &&
        MyTable.table().estimatedCount() >= kCountLater) {
        if (!countWaiting_) {
            countWaiting_ = true;
            QTimer::singleShot(250, this, [this] { countWhenDrawn(); });  // should no paint come
        }
        CountLabel->clear();
        Count2Label->setText(tr("Books"));
        return;
    }
    countWaiting_ = false;
    CountLabel->setText(QString::number(MyTable.recordCount()));
    Count2Label->setText(tr("Books"));
    MyDataSource->settleCount();
}

void TMain::countWhenDrawn()
{
    gridPainted_ = true;
    if (countWaiting_) DisplayCount();
}

bool TMain::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == ViewerGrid->viewport() && e->type() == QEvent::Paint && !gridPainted_ && countWaiting_)
        QTimer::singleShot(0, this, [this] { countWhenDrawn(); });  // once this paint is done
    return QMainWindow::eventFilter(watched, e);
}

void TMain::DoEndSearch()
{
    DisableEndSearch();
    try {
        MyTable.setFilter(nullptr);  // every book again
    } catch (const dbase::DatabaseError& e) {
        ui::showError(this, QString::fromLocal8Bit(e.what()));
    }
    SetViewerOptions();
    DisplayCount();
}

void TMain::DoHelp() { ui::help().showContents(this); }

void TMain::DoExit() { close(); }

void TMain::closeEvent(QCloseEvent* e)
{
    FormClose();
    QMainWindow::closeEvent(e);
}

void TMain::FormClose()
{
    if (closing_ || !started_) return;
    closing_ = true;
    searchOn = false;
    const QRect g = geometry();
    settings.left = x();  // the frame's corner, as it is placed at the next start
    settings.top = y();
    settings.width = g.width();
    settings.height = g.height();
    settings.lastDatabase = currentDatabase;
    store::writeProgramSettings(settings);
    store::writeDatabaseSettings(db, settingsPath);
    MyTable.close();
}
