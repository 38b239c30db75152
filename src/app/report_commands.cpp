// SPDX-License-Identifier: GPL-2.0-or-later
// The report list from the main window: what the report windows need of it.
#include <QDir>
#include <QFileInfo>

#include "app/main_window.h"
#include "reports/report_file.h"
#include "reports/windows/report_list_window.h"
#include "ui/appearance.h"

class MainReportHost : public reports::ReportHost {
public:
    explicit MainReportHost(TMain& main) : main_(main) {}
    const dbase::Table& bookTable() const override { return main_.MyTable.table(); }
    bool searchActive() const override { return main_.searchOn; }
    void suspendSearch() override { main_.suspendSearch(); }
    void resumeSearch() override { main_.resumeSearch(); }
    store::DatabaseSettings& databaseSettings() override { return main_.db; }
    QString programDirectory() const override { return main_.programDirectory; }
    QStringList filesInUse() const override
    {
        QStringList files {main_.currentDatabase, main_.indexPath, main_.settingsPath, store::programSettingsPath(),
                           reports::reportFileIn(main_.programDirectory)};
        for (int n = 1; n <= 9; ++n) files << main_.basePath + QStringLiteral(".%1").arg(n, 3, 10, QChar(u'0'));
        return files;
    }
    double windowFactor() const override { return main_.factor; }
    QSize windowScreen() const override { return main_.screen; }

private:
    TMain& main_;
};

void TMain::suspendSearch()
{
    suspendedFilter_ = MyTable.filter();
    DoEndSearch();
}

void TMain::resumeSearch()
{
    MyTable.setFilter(suspendedFilter_);
    suspendedFilter_ = nullptr;
    EnableEndSearch();
    SetViewerOptions();
    DisplayCount();
}

reports::ReportHost& TMain::reportHost()
{
    if (!reportHost_) reportHost_ = std::make_unique<MainReportHost>(*this);
    return *reportHost_;
}

void TMain::DoReports()
{
    if (!MyReport) MyReport = new TMyReport(reportHost(), this);
    MyReport->loadNames();  // the designer or a restore may have changed the file
    MyReport->prepare();
    ui::dressWindow(MyReport, db, store::ReportColors);
    ui::fitWindow(MyReport, &MyReport->designed, factor, screen);
    MyReport->exec();
    DisplayCount();
}
