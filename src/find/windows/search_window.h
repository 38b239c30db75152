// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The search window: criteria typed per field, one page per level.
#include <QDialog>
#include <array>
#include <functional>

#include "find/search_criteria.h"
#include "store/settings.h"
#include "ui/window_fit.h"

class QPushButton;
class QTableWidget;

class TMySearch : public QDialog {
    Q_OBJECT
public:
    struct Host {
        const store::DatabaseSettings* settings = nullptr;
        std::function<QStringList(int field)> optionList;  // the data list offered for a field, if any
        std::function<bool(const find::SearchCriteria&)> Doit;  // puts the search in force; false: nothing passes
        std::function<double()> factor;
    };
    explicit TMySearch(Host host, QWidget* parent = nullptr);

    void FormShow();
    void OkButtonClick();
    void MoreButtonClick();
    void ExitButtonClick();
    void ClearSearch();
    void HelpButtonClick();
    // The options window of a row: true when something was chosen.
    bool OptionClick(int row);
    // Applies a choice of the options window (operator 1..4, or a list value) to a row.
    void applyOption(int row, int choice, const QString& value);
    bool SaveFields();

    int level() const { return level_; }
    int op(int row) const { return operators_[std::size_t(row)]; }
    const find::SearchCriteria& pending() const { return pending_; }

    QTableWidget* SearchGrid = nullptr;
    QPushButton* MoreButton = nullptr;

private:
    void setHeader();
    bool hasOptions(int row) const;
    QStringList optionItems(int row) const;

    Host host_;
    ui::WindowDimensions design_;  // as built, restored before each showing is scaled
    std::array<int, store::kFieldCount> operators_ {};
    find::SearchCriteria pending_;  // the levels of the search being put together
    int level_ = 1;
};
