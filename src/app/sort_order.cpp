// SPDX-License-Identifier: GPL-2.0-or-later
// Changing the sorting order of the open database.
#include <QFileInfo>
#include <QGuiApplication>

#include "app/main_window.h"
#include "dbase/error.h"
#include "find/windows/sort_order_window.h"
#include "ui/appearance.h"
#include "ui/seams/messages.h"

void TMain::DoSortOrder()
{
    TMySortOrder window(db.fieldNames, db.sortOrder, [this](const std::array<int, 4>& levels) { return applySortOrder(levels); },
                        this);
    ui::dressWindow(&window, db, store::ConfigureColors);
    ui::fitWindow(&window, nullptr, factor, screen);
    window.exec();
    DisplayCount();
}

bool TMain::applySortOrder(const std::array<int, 4>& levels)
{
    // 1., 2.
    MyTable.close();
    if (refuseWhenInUse(tr("Creating a new sort order requires exclusive use of the DBase File.  Make sure "
                                       "that the DBase File is not in use by another program  or that no other users "
                                       "are running the software or that no other copies of the software are in use.")))
        return false;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    struct RestoreCursor {
        ~RestoreCursor() { QGuiApplication::restoreOverrideCursor(); }
    } restore;
    // 3.–6.
    const std::array<int, 4> old = db.sortOrder;
    try {
        MyTable.setExclusive(true);
        MyTable.setIndexName({});
        MyTable.open();
        db.sortOrder = levels;
        sortExpression = BuildSortString();
        if (!sortExpression.isEmpty()) {
            MyTable.table().deleteTag("NewIndex");
            MyTable.table().addTag("NewIndex", sortExpression.toStdString());
        }
        store::writeDatabaseSettings(db, settingsPath);
        MyTable.close();
    } catch (const dbase::DatabaseError&) {
        db.sortOrder = old;
        sortExpression = BuildSortString();
        MyTable.close();
        MyTable.setExclusive(false);
        MyTable.setIndexName(sortExpression.isEmpty() ? QString() : QStringLiteral("NewIndex"));
        try {
            MyTable.open();
        } catch (const dbase::DatabaseError&) {
            MyTable.setIndexName({});
            MyTable.open();
        }
        SetViewerOptions();
        ui::showError(this, tr("Error in implementing sort order.  New sort order not implemented."));
        return false;
    }
    // 7.
    MyTable.setExclusive(false);
    MyTable.setIndexName(sortExpression.isEmpty() ? QString() : QStringLiteral("NewIndex"));
    MyTable.open();
    SetViewerOptions();
    return true;
}
