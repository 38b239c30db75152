// SPDX-License-Identifier: GPL-2.0-or-later
// Search: showing the search window and putting a search in force.
#include <QGuiApplication>

#include "app/main_window.h"
#include "find/windows/search_window.h"

void TMain::createSearchWindow()
{
    TMySearch::Host host;
    host.settings = &db;
    host.factor = [this] { return factor; };
    host.optionList = [this](int field) {
        for (int list = 0; list < edit::kLists; ++list)
            if (edit::listInfo(list).field == field) return dataLists[list];
        return QStringList();
    };
    host.Doit = [this](const find::SearchCriteria& c) { return Doit(c); };
    MySearch = new TMySearch(host, this);
}

void TMain::DoSearch()
{
    MySearch->FormShow();
    MySearch->exec();
    DisplayCount();
}

bool TMain::Doit(const find::SearchCriteria& criteria)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    // the criteria in force are a copy: the window's next page never changes them
    MyTable.setFilter([c = criteria](const dbase::RecordView& r) { return c.BuildFilter(r); });
    EnableEndSearch();
    SetViewerOptions();
    const bool any = MyTable.recordCount() > 0;
    if (!any) DoEndSearch();
    QGuiApplication::restoreOverrideCursor();
    DisplayCount();
    return any;
}
