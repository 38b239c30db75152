// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The main window: the Book Viewer grid over the open database, its menus, command bars and
// navigator, and the commands every other window is opened from.
#include <QLabel>
#include <QMainWindow>
#include <QMap>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

#include "backup/windows/backup_host.h"
#include "edit/data_lists.h"
#include "find/search_criteria.h"
#include "find/search_replace.h"
#include "find/windows/locate_window.h"
#include "regional/regional.h"
#include "reports/windows/report_host.h"
#include "store/book_table.h"
#include "store/dataset.h"
#include "store/settings.h"
#include "ui/window_fit.h"

class QAction;
class QActionGroup;
class QPushButton;
class QTableView;
class QToolButton;
class TSearchAndReplace;
class TMySearch;

namespace edit {
class TMyEdit;
}
namespace ui {
class BookGridModel;
class TBevel;
class TNavigator;
class CellDelegate;
}  // namespace ui

struct StartOptions {
    QStringList arguments;  // the command-line parameters, without the program's name
    QString programDirectory;  // empty: the executable's folder, or the user's data folder when it is read-only
    QString executableDirectory;  // empty: the folder of the running executable
    QString startDirectory;    // empty: the current directory
};

class TMyReport;

class TMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TMain(const StartOptions& options = {}, QWidget* parent = nullptr);
    ~TMain() override;

    // False when start-up could not give the program a database; the program then ends.
    bool started() const { return started_; }

    // Components other windows work through
    store::Dataset MyTable;
    ui::BookGridModel* MyDataSource = nullptr;
    store::Dataset& MyCreateTable;
    store::Dataset& MyCheckTable;

    // Program-wide state
    QString programDirectory, startDirectory;
    QString currentDatabase, indexPath, settingsPath, basePath, sortExpression;
    bool searchOn = false;
    bool browseMode = false;
    // Why the open table can only be read (its files cannot be written, its index could not be
    // rebuilt, it holds records past its count); empty when it can be changed.
    QString readOnlyReason;
    // Browse mode, or a table that can only be read: the commands that change books are off.
    bool changesRefused() const { return browseMode || !readOnlyReason.isEmpty(); }
    int editorMode = 1;
    double factor = 1.0;
    int preset = 640;
    QSize screen;
    store::ProgramSettings settings;
    store::DatabaseSettings db;
    edit::DataLists dataLists;  // the nine data lists of the open database

    // Operations other windows call
    void DisableEndSearch();
    void EnableEndSearch();
    void DisplayCount();
    void DoFileSpecific();
    void SetViewerOptions();
    void SetButtonBar();
    void SetColors();
    QString BuildSortString() const;
    // The book table's file operations, telling the user what the store refused.
    bool MakeNewDB(const QString& path);
    bool CheckDBaseFormat(QWidget* owner, const QString& path, bool clearIndexFlag = true);
    void RemoveMDXByte(const QString& path) { store::BookTableFiles::RemoveMDXByte(path); }
    bool DBaseInUse(const QString& path) { return files_.DBaseInUse(path); }

    // Window events
    void FormShow();
    void FormActivate();
    void FormResize();
    void FormClose();

    // Commands
    void DoHelp();
    void DoEndSearch();
    void DoOpen();
    void DoNew();
    void OpenSaveFile(const QString& path);
    void MenuUpdateDatabaseClick();
    void DoLastFiles(const QString& oldPath, const QString& newPath);
    void SetMenuLastFiles();
    void DoViewer();
    void DoSortOrder();
    void DoReports();
    // What the report and export windows work through: the table, its search, the settings.
    reports::ReportHost& reportHost();
    void DoExport();
    void DoImport();
    friend class MainImportHost;
    void DoBackup();
    void DoRestore();
    backup::BackupHost& backupHost();  // what the backup and restore windows work through
    TMyReport* MyReport = nullptr;  // made at the first use, kept for the run
    void DoSearchReplace();
    // "&Start Search" of the search and replace window, once its values are checked
    bool runReplace(const find::ReplaceRequest& r, TSearchAndReplace& window);
    void DoSearch();
    bool Doit(const find::SearchCriteria& criteria);
    TMySearch* MySearch = nullptr;
    bool DoFind();
    bool DoFindNext();
    TMyLocateDialog locateSettings;  // the last locate, kept for the run
    bool applySortOrder(const std::array<int, 4>& levels);
    void DoAdd();
    void DoEdit();
    void DoCopy();
    void DoDelete();
    void MenuPackClick();
    void MenuUndoImportClick();
    void MenuRebuildClick();
    void EditAList(int list);
    void MenuSaveDefaultsClick();
    void MenuLoadDefaultsClick();
    edit::TMyEdit* MyEdit = nullptr;
    void DoExit();
    void ShowTips();
    void ShowAbout();
    void MenuSpeedClick();
    void MenuButtonsClick();
    void MenuNoButtonsClick();
    void ChoosePreset(int preset);
    void ChooseDateFormat(int code);
    void MenuDateLeadingZerosClick();
    void ChooseCurrencyFormat(int code);
    void ChooseNumericFormat(int code);
    // The colour configuration for one colour set (0 main .. 4 configure) or all five (5).
    void DoColors(int target);
    // The font dialog for the label (0), edit (1) or button (2) font.
    void ChooseProgramFont(int which);

    QAction* action(const QString& name) const { return actions_.value(name); }
    QTableView* ViewerGrid = nullptr;
    ui::TNavigator* MyNavigator = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void FormCreate(const StartOptions& options);
    void buildWidgets();
    void buildMenus();
    void buildSpeedButtons();
    void buildLetteredButtons();
    QAction* addAction(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& key,
                       const QString& command);
    void runCommand(const QString& command);
    bool commandBuilt(const QString& command) const;
    void updateCommands();
    void openDatabase(const QString& path);
    void ensureReportDefinitions();
    // Once: where an installed program keeps its files when books stay in its own folder.
    void noticeDataFolder(const QString& executableFolder);
    void createEditor();
    // After closing MyTable: when another program holds the file, reopen it and say why not.
    bool refuseWhenInUse(const QString& message);
    void createSearchWindow();
    find::LocateResult runLocate(const find::LocateRequest& r, bool fromStart);
    void openChosen(const QString& path);
    bool chooseDatabaseAtStart();
    bool takeRequestedDatabase(const QString& path);
    bool passesOpenChecks(const QString& path);
    enum class StartCheck { Valid, Invalid, InUse };
    StartCheck checkDatabaseAtStart(const QString& path);
    void applyTableAccess();
    friend class MainReportHost;
    friend class MainBackupHost;
    std::unique_ptr<backup::BackupHost> backupHost_;
    std::unique_ptr<reports::ReportHost> reportHost_;
    dbase::Table::Filter suspendedFilter_;  // a search set aside while a report or a copy takes every book
    void suspendSearch();
    void resumeSearch();
    // False when the sort order's index could not be built: the table is then open unsorted.
    bool switchDatabase(const QString& path, bool created);
    // Tells over owner that the open database's books are shown unsorted: its index could not be built.
    void sayUnsorted(QWidget* owner);
    void showEditor(int mode);
    void exclusiveWork(const QString& question, const QString& failure,
                       const std::function<void(dbase::Table&)>& work, bool withoutIndex = false);
    // Offers the tables of earlier versions found in the program directory for conversion.
    void CheckForConversion();
    void applyFormats();
    void checkPresetItems();
    void syncGridToTable();
    void syncTableToGrid(const QModelIndex& current);
    void countWhenDrawn();
    bool eventFilter(QObject* watched, QEvent* e) override;

    store::BookTableFiles files_;
    bool started_ = false;
    bool activated_ = false;
    bool shownOnce_ = false;
    bool closing_ = false;
    bool syncing_ = false;
    bool refocusGrid_ = false;  // the grid had the focus when its model was reset
    int gridColumn_ = 0;  // the grid's current column, kept across the model's resets
    // the count of a large table is worked out once the grid's first screen is drawn
    static constexpr std::size_t kCountLater = 200000;
    bool gridPainted_ = false;
    bool countWaiting_ = false;
    QMap<QString, QAction*> actions_;
    QMap<QString, QWidget*> commandButtons_;
    QLabel* ViewerLabel = nullptr;
    QLabel* NavigatorLabel = nullptr;
    QLabel* SearchOnLabel = nullptr;
    QLabel* CountLabel = nullptr;
    QLabel* Count2Label = nullptr;
    QWidget* SpeedPanel = nullptr;
    ui::TBevel* ViewerBevel = nullptr;
    std::array<ui::TBevel*, 4> bevels_ {};
    std::vector<QObject*> delegates_;  // the grid's cell editors of the last SetViewerOptions
    QWidget* client_ = nullptr;
};
