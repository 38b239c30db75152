// SPDX-License-Identifier: GPL-2.0-or-later
// Search and replace over the whole table.
#include <QElapsedTimer>
#include <QGuiApplication>

#include "app/main_window.h"
#include "dbase/error.h"
#include "find/windows/search_replace_window.h"
#include "ui/appearance.h"
#include "ui/seams/messages.h"

void TMain::DoSearchReplace()
{
    TSearchAndReplace* shown = nullptr;
    TSearchAndReplace window(db.fieldNames, factor, [&](const find::ReplaceRequest& r) { return runReplace(r, *shown); },
                             this);
    shown = &window;
    ui::dressWindow(&window, db, store::ConfigureColors);
    ui::fitWindow(&window, nullptr, factor, screen);
    window.exec();
    DisplayCount();
}

bool TMain::runReplace(const find::ReplaceRequest& r, TSearchAndReplace& window)
{
    // 6.
    MyTable.close();
    if (refuseWhenInUse(tr("Search and Replace requires exclusive use of the DBase File.  Make sure that "
                                       "the DBase File is not in use by another program  or that no other users are "
                                       "running the software or that no other copies of the software are in use.")))
        return false;
    // 7., 8.
    window.showCounts({});
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool searchWasOn = searchOn;
    auto filter = MyTable.filter();
    try {
        MyTable.setExclusive(true);
        MyTable.setIndexName({});
        MyTable.open();
        MyTable.table().deleteTag("NewIndex");
    } catch (const dbase::DatabaseError&) {
        QGuiApplication::restoreOverrideCursor();
        MyTable.close();
        MyTable.setExclusive(false);
        MyTable.setIndexName(sortExpression.isEmpty() ? QString() : QStringLiteral("NewIndex"));
        MyTable.open();
        SetViewerOptions();
        ui::showError(this, tr("Error in running search and replace.  Search and replace will be aborted."));
        return true;
    }
    // 9., 10. every record, in record order; the counts drawn at most every 50 ms
    SetViewerOptions();
    if (searchWasOn) DisableEndSearch();
    MyTable.table().setFilter(nullptr);
    QElapsedTimer drawn;
    drawn.start();
    QString failure;
    try {
        find::ReplaceCounts last = find::replaceAll(
            MyTable.table(), r,
            [this](const QString& title) {
                QGuiApplication::restoreOverrideCursor();
                bool yes = ui::askConfirm(this, tr("Item = \"%1\".  Change this record?").arg(title));
                QGuiApplication::setOverrideCursor(Qt::WaitCursor);
                return yes;
            },
            [&](const find::ReplaceCounts& c) {
                if (drawn.elapsed() >= 50) {
                    window.showCounts(c);
                    drawn.restart();
                }
            });
        window.showCounts(last);
    } catch (const dbase::DatabaseError& e) {
        failure = QString::fromLocal8Bit(e.what());
    }
    // 11.–13.
    QGuiApplication::restoreOverrideCursor();
    try {
        if (!sortExpression.isEmpty()) MyTable.table().addTag("NewIndex", sortExpression.toStdString());
    } catch (const dbase::DatabaseError& e) {
        if (failure.isEmpty()) failure = QString::fromLocal8Bit(e.what());
    }
    MyTable.close();
    MyTable.setExclusive(false);
    MyTable.setIndexName(sortExpression.isEmpty() ? QString() : QStringLiteral("NewIndex"));
    MyTable.open();
    if (searchWasOn) {
        MyTable.setFilter(filter);  // the criteria apply again to the changed records
        EnableEndSearch();
    }
    SetViewerOptions();
    if (!failure.isEmpty()) ui::showError(this, failure);
    // 14.
    ui::showNotice(this, tr("Finished"), tr("Global Search and Replace Complete."));
    return true;
}
