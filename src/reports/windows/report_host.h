// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the report windows need of the main window: the open table, its search and sort order,
// the database's settings and the files the program holds open.
#include <QString>
#include <QStringList>
#include <array>

#include "dbase/table.h"
#include "store/settings.h"

namespace reports {

class ReportHost {
public:
    virtual ~ReportHost() = default;
    virtual const dbase::Table& bookTable() const = 0;
    virtual bool searchActive() const = 0;
    // Shows every book for a run, keeping the search to bring back afterwards.
    virtual void suspendSearch() = 0;
    virtual void resumeSearch() = 0;
    // The open database's settings ("Reports" keys, display names, sort order, colours).
    virtual store::DatabaseSettings& databaseSettings() = 0;
    virtual QString programDirectory() const = 0;
    // The files the program holds open, which no report may be written over.
    virtual QStringList filesInUse() const = 0;
    virtual double windowFactor() const = 0;
    virtual QSize windowScreen() const = 0;
};

// Sets the search aside for as long as it lives, when on; it comes back however the work ends.
class SearchSetAside {
public:
    SearchSetAside(ReportHost& host, bool on) : host_(host), on_(on)
    {
        if (on_) host_.suspendSearch();
    }
    ~SearchSetAside()
    {
        if (on_) host_.resumeSearch();
    }
    SearchSetAside(const SearchSetAside&) = delete;
    SearchSetAside& operator=(const SearchSetAside&) = delete;

private:
    ReportHost& host_;
    bool on_;
};

}  // namespace reports
