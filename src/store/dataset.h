// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The table object the windows work through: where and how to open a table, the open table
// itself, and the field definitions for creating one. Tells its watchers when its records or
// its current record change.
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "dbase/table.h"

namespace store {

class Dataset : public QObject {
    Q_OBJECT
public:
    explicit Dataset(QObject* parent = nullptr);
    ~Dataset() override;

    QString databaseName() const { return databaseName_; }  // the folder
    void setDatabaseName(const QString& folder) { databaseName_ = folder; }
    QString tableName() const { return tableName_; }
    void setTableName(const QString& name) { tableName_ = name; }
    bool exclusive() const { return exclusive_; }
    void setExclusive(bool on) { exclusive_ = on; }
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool on) { readOnly_ = on; }
    QString indexName() const { return indexName_; }
    void setIndexName(const QString& tag) { indexName_ = tag; }
    // Opens without reading the production index (looking at the header only).
    bool skipIndex() const { return skipIndex_; }
    void setSkipIndex(bool on) { skipIndex_ = on; }

    void open();  // throws dbase::DatabaseError
    void close();
    bool active() const { return table_.isOpen(); }
    dbase::Table& table() { return table_; }
    const dbase::Table& table() const { return table_; }

    int fieldCount() const { return table_.fieldCount(); }
    QString fieldName(int i) const;  // upper case
    int fieldIndex(const QString& name) const;  // without regard to case; -1 when none

    // Text of a field of the current record, Windows-1252 decoded.
    QString text(int field) const;
    // Stores text in a field of the record being edited. Text that Windows-1252 cannot hold is
    // refused with a DatabaseError naming the characters, never replaced.
    void setText(int field, const QString& text);

    // Moves and changes that tell the watchers; the table object itself stays reachable for
    // reads and for work that tells them itself.
    std::size_t recordCount() const { return active() ? table_.recordCount() : 0; }
    // No book to show; unlike the count, known without looking at every record.
    bool isEmpty() const { return !active() || table_.isEmpty(); }
    std::size_t row() const { return table_.position(); }
    void first();
    void last();
    void next();
    void prior();
    void goToRow(std::size_t row);
    void append();
    void edit();
    void post();
    void cancel();
    void deleteRecord();
    void refresh();
    void setFilter(dbase::Table::Filter filter);
    const dbase::Table::Filter& filter() const { return filter_; }
    // Tells the watchers that records or the current record changed behind their back.
    void notifyRecordsChanged() { emit recordsChanged(); }

    void clearFieldDefs() { fieldDefs_.clear(); }
    void addFieldDef(const dbase::NewField& field) { fieldDefs_.push_back(field); }
    // Creates the table named by the folder and table name; an existing file is replaced.
    void createTable();

signals:
    void opened();
    void closed();
    void recordsChanged();  // records added, removed, reordered or filtered; state changes
    void currentChanged();  // another record became current

private:
    QString databaseName_, tableName_, indexName_;
    bool exclusive_ = false, readOnly_ = false, skipIndex_ = false;
    std::vector<dbase::NewField> fieldDefs_;
    dbase::Table::Filter filter_;  // kept across closing and opening
    dbase::Table table_;
};

std::filesystem::path toPath(const QString& path);

}  // namespace store
