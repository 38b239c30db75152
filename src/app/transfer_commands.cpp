// SPDX-License-Identifier: GPL-2.0-or-later
// Export and import from the main window.
#include "app/main_window.h"
#include "transfer/windows/export_window.h"
#include "transfer/windows/import_format_window.h"
#include "ui/appearance.h"

class MainImportHost : public transfer::ImportHost {
public:
    explicit MainImportHost(TMain& main) : main_(main) {}
    dbase::Table& bookTable() override { return main_.MyTable.table(); }
    QString databasePath() const override { return main_.currentDatabase; }
    store::DatabaseSettings& databaseSettings() override { return main_.db; }
    void booksAdded() override
    {
        main_.MyTable.notifyRecordsChanged();
        main_.DisplayCount();
    }
    edit::DataLists* dataLists() override { return &main_.dataLists; }
    void listsChanged() override { main_.dataLists.SaveAllLists(main_.basePath); }
    double windowFactor() const override { return main_.factor; }
    QSize windowScreen() const override { return main_.screen; }

private:
    TMain& main_;
};

namespace {
// The configure colours and the program's fonts, fitted to the screen.
void dress(QWidget& window, const store::DatabaseSettings& db, double factor, QSize screen, bool higher)
{
    ui::dressWindow(&window, db, store::ConfigureColors);
    const QPoint at = ui::fitWindow(&window, nullptr, factor, screen);
    // ten pixels higher when it stands more than ten below the top of the screen
    if (higher && at.y() > 10) window.move(at.x(), at.y() - 10);
}
}  // namespace

void TMain::DoExport()
{
    TMyExport window(reportHost(), this);
    dress(window, db, factor, screen, true);
    window.exec();
    DisplayCount();
}

void TMain::DoImport()
{
    MainImportHost host(*this);
    TImportFormat window(host, this);
    dress(window, db, factor, screen, false);
    window.exec();
    DisplayCount();
}
