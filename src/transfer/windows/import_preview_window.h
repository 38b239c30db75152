// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// "Import Preview": the first books as they will be stored, every value that will not be stored as
// it came, and the books already in the database; "&Import" posts, "&Cancel" posts nothing.
#include <QDialog>
#include <array>

#include "regional/regional.h"
#include "store/field_table.h"
#include "transfer/import_preview.h"

class QCheckBox;
class QLabel;
class QTableView;
class QTableWidget;

class TImportPreview : public QDialog {
    Q_OBJECT
public:
    // names: the database's display names of the fields.
    TImportPreview(const transfer::ImportPreview& preview, const transfer::Pairing& pairing,
                   const std::array<QString, store::kFieldCount>& names, const regional::Regional& regional,
                   QWidget* parent = nullptr);
    bool skipDuplicates() const;

    QTableWidget* BooksGrid = nullptr;
    QTableView* ProblemGrid = nullptr;
    QLabel* SummaryLabel = nullptr;
    QCheckBox* SkipDuplicates = nullptr;
};
