// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/tips.h"

#include <QCoreApplication>

namespace ui {

const std::vector<Tip>& tipsOfTheDay()
{
    static const std::vector<Tip> tips = {
        {QStringLiteral(QT_TRANSLATE_NOOP("Tips", "Double-click a book in the Book Viewer to open it in the record editor.")), QStringLiteral("DoEdit")},
        {QStringLiteral(QT_TRANSLATE_NOOP("Tips", "Press Ctrl+A to add a book and Ctrl+E to edit the one you are on.")), QStringLiteral("DoAdd")},
        {QStringLiteral(QT_TRANSLATE_NOOP("Tips", "Search (Ctrl+S) finds books by up to 75 criteria.  Criteria on one level must all "
                       "match; a book that matches any level is found.")), QStringLiteral("DoSearch")},
        {QStringLiteral(QT_TRANSLATE_NOOP("Tips", "While \"SEARCH ON\" shows, the viewer, reports and exports see only the books "
                       "found.  End Search (Ctrl+I) shows them all again.")), QStringLiteral("DoEndSearch")},
        {QStringLiteral(QT_TRANSLATE_NOOP("Tips", "Locate (Ctrl+L) jumps to a book by the value of one field; Locate Next (Ctrl+N) "
                       "finds the next one.")), QStringLiteral("DoFind")},
        {QStringLiteral(QT_TRANSLATE_NOOP("Tips", "Sort Order (Ctrl+Q) orders the viewer and your reports by up to four fields.")), QStringLiteral("DoSortOrder")},
        {QStringLiteral(QT_TRANSLATE_NOOP("Tips", "The viewer's columns, their titles, widths and order are yours to choose under "
                       "Navigate, Viewer (Ctrl+V).")), QStringLiteral("DoViewer")},
        {QStringLiteral(QT_TRANSLATE_NOOP("Tips", "Screen Size under Options makes every window larger for high screen "
                       "resolutions.")), QStringLiteral("ScreenSize")},
        {QStringLiteral(QT_TRANSLATE_NOOP("Tips", "Options, Screen Access switches between speed buttons, lettered buttons and no "
                       "buttons at all.")), QStringLiteral("ScreenAccess")},
        {QStringLiteral(QT_TRANSLATE_NOOP("Tips", "Back up your books regularly with File, Back Up Data (Ctrl+B).")), QStringLiteral("DoBackup")},
        {QStringLiteral(QT_TRANSLATE_NOOP("Tips", "Dates can be shown in twelve formats, with or without leading zeros: see Options, "
                       "Date Format.")), QStringLiteral("DateFormat")},
        {QStringLiteral(QT_TRANSLATE_NOOP("Tips", "Start the program with /BROWSE to let others look up books without changing "
                       "them.")), QString()},
        {QStringLiteral(QT_TRANSLATE_NOOP("Tips", "The drop-down lists of authors, publishers and the like grow as you add books; "
                       "keep them tidy with Options, List Maintenance.")), QStringLiteral("Maintain")},
    };
    return tips;
}

std::vector<int> tipOrder(int next, const std::function<bool(const QString& command)>& available)
{
    const int n = int(tipsOfTheDay().size());
    std::vector<int> order;
    const int start = ((next % n) + n) % n;
    for (int i = 0; i < n; ++i) {
        const int tip = (start + i) % n;
        const QString& command = tipsOfTheDay()[std::size_t(tip)].command;
        if (command.isEmpty() || (available && available(command))) order.push_back(tip);
    }
    return order;
}

}  // namespace ui
