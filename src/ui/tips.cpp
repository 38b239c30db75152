// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/tips.h"

namespace ui {

const QStringList& tipsOfTheDay()
{
    static const QStringList tips = {
        QStringLiteral("Double-click a book in the Book Viewer to open it in the record editor."),
        QStringLiteral("Press Ctrl+A to add a book and Ctrl+E to edit the one you are on."),
        QStringLiteral("Search (Ctrl+S) finds books by up to 75 criteria.  Criteria on one level must all "
                       "match; a book that matches any level is found."),
        QStringLiteral("While \"SEARCH ON\" shows, the viewer, reports and exports see only the books "
                       "found.  End Search (Ctrl+I) shows them all again."),
        QStringLiteral("Locate (Ctrl+L) jumps to a book by the value of one field; Locate Next (Ctrl+N) "
                       "finds the next one."),
        QStringLiteral("Sort Order (Ctrl+Q) orders the viewer and your reports by up to four fields."),
        QStringLiteral("The viewer's columns, their titles, widths and order are yours to choose under "
                       "Navigate, Viewer (Ctrl+V)."),
        QStringLiteral("Screen Size under Options makes every window larger for high screen "
                       "resolutions."),
        QStringLiteral("Options, Screen Access switches between speed buttons, lettered buttons and no "
                       "buttons at all."),
        QStringLiteral("Back up your books regularly with File, Back Up Data (Ctrl+B)."),
        QStringLiteral("Dates can be shown in twelve formats, with or without leading zeros: see Options, "
                       "Date Format."),
        QStringLiteral("Start the program with /BROWSE to let others look up books without changing "
                       "them."),
        QStringLiteral("The drop-down lists of authors, publishers and the like grow as you add books; "
                       "keep them tidy with Options, List Maintenance."),
    };
    return tips;
}

}  // namespace ui
