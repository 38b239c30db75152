// SPDX-License-Identifier: GPL-2.0-or-later
// Locate and locate next.
#include <QGuiApplication>

#include "app/main_window.h"
#include "find/windows/locate_window.h"
#include "store/field_table.h"
#include "ui/appearance.h"
#include "ui/seams/messages.h"

find::LocateResult TMain::runLocate(const find::LocateRequest& r, bool fromStart)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const find::LocateResult result = find::locate(MyTable, r, fromStart);
    QGuiApplication::restoreOverrideCursor();
    if (result == find::LocateResult::NoSuchField)
        ui::showNotice(this, tr("Warning"), tr("Field %1 not found.").arg(r.field),
                       ui::MsgIcon::Warning);
    return result;
}

bool TMain::DoFind()
{
    if (!MyTable.active()) {
        ui::showError(this, tr("DataSource does not reference an active DataSet"));
        return false;
    }
    std::vector<TMyLocateDlg::Field> fields;
    for (int i = 0; i < MyTable.fieldCount() && i < store::kFieldCount; ++i) {
        QString label = db.displayFields[std::size_t(i)] ? db.fieldNames[std::size_t(i)] : MyTable.fieldName(i);
        label.replace(u'~', u' ');
        fields.push_back({label, QString::fromLatin1(store::fieldTable()[std::size_t(i)].name)});
    }
    TMyLocateDlg window(locateSettings, fields,
                        [this](const find::LocateRequest& r, bool fromStart) { return runLocate(r, fromStart); }, this);
    ui::dressWindow(&window, db, store::ConfigureColors);
    ui::fitWindow(&window, nullptr, factor, screen);
    window.exec();
    DisplayCount();
    return window.found();
}

bool TMain::DoFindNext()
{
    if (!MyTable.active()) {
        ui::showNotice(this, tr("Warning"), tr("DataSource does not refer to an active table!"),
                       ui::MsgIcon::Warning);
        return false;
    }
    if (locateSettings.FieldValue.isEmpty()) {
        locateSettings.DefaultButtonNext = true;
        return DoFind();
    }
    find::LocateRequest r {locateSettings.SearchField, locateSettings.FieldValue, locateSettings.MatchType,
                           locateSettings.CaseSensitive};
    const find::LocateResult result = runLocate(r, false);
    if (result == find::LocateResult::NotFound && locateSettings.ShowMessages)
        ui::showNotice(this, tr("Information"), tr("No more matches found"));
    return result == find::LocateResult::Found;
}
