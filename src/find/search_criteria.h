// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The search: criteria typed per field, AND within a level, OR between levels, evaluated by the
// program for every record.
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "dbase/record.h"
#include "store/field_table.h"

namespace find {

enum SearchOperator { Equal = 1, Greater = 2, Less = 3, Range = 4, Contains = 5, AnyWord = 6 };

struct Criterion {
    QString text;  // character criteria: trimmed, upper case, at most 110 characters
    double numberValue = 0;
    double dateValue = 0;  // days since 30 December 1899
    int fieldIndex = 1;    // 1..36
    int op = Equal;
    bool endsLevel = false;
    bool isDate = false;
    std::string bytes;                 // character criteria in Windows-1252, upper case
    std::vector<std::string> words;    // any-word criteria, word by word
};

inline constexpr int kMaxCriteria = 75;
inline constexpr int kMaxLevels = 10;

// What saving one page of the grid gave.
enum class SaveResult { Saved, NothingEntered, Refused, TooMany };

class SearchCriteria {
public:
    // Adds the page (one text per field row, the operators of the rows) as a new level.
    // On Refused the page's criteria are dropped and refusedRow tells the row (1..36);
    // on TooMany every criterion is dropped.
    SaveResult SaveFields(const std::array<QString, store::kFieldCount>& page,
                          const std::array<int, store::kFieldCount>& operators, int* refusedRow = nullptr);
    void clear() { criteria_.clear(); }
    int count() const { return int(criteria_.size()); }
    const std::vector<Criterion>& criteria() const { return criteria_; }
    bool empty() const { return criteria_.empty(); }

    // Does the record pass (some level holds all its criteria)?
    bool BuildFilter(const dbase::RecordView& record) const;

private:
    std::vector<Criterion> criteria_;
};

// The kind of search a field row offers: 'N' numbers, 'D' dates, 'C' text.
char searchKind(int field);
// Days since 30 December 1899 of a date, as the criteria hold dates.
double serialDate(int year, int month, int day);

}  // namespace find
