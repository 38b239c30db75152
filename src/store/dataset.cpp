// SPDX-License-Identifier: GPL-2.0-or-later
#include "store/dataset.h"

#include <QFile>

#include "dbase/error.h"
#include "store/codepage.h"

namespace store {

std::filesystem::path toPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

Dataset::Dataset(QObject* parent) : QObject(parent) {}
Dataset::~Dataset() = default;

void Dataset::open()
{
    if (active()) return;
    table_.open(toPath(databaseName_), QFile::encodeName(tableName_).toStdString(),
                {exclusive_, readOnly_, indexName_.toStdString(), skipIndex_});
    if (filter_) table_.setFilter(filter_);  // a search in force outlives closing and opening
    emit opened();
    emit recordsChanged();
}

void Dataset::close()
{
    if (!active()) return;
    table_.close();
    emit closed();
    emit recordsChanged();
}

QString Dataset::fieldName(int i) const { return QString::fromStdString(table_.fieldName(i)); }

int Dataset::fieldIndex(const QString& name) const { return table_.fieldIndex(name.toStdString()); }

QString Dataset::text(int field) const { return fromCp1252(table_.getText(field)); }

void Dataset::setText(int field, const QString& text)
{
    auto bytes = toCp1252(text);
    if (!bytes) {
        throw dbase::DatabaseError("The characters \"" + unencodable(text).toStdString() + "\" cannot be stored in field " +
                                   table_.fieldName(field) + ".");
    }
    table_.setText(field, *bytes);
}

void Dataset::createTable()
{
    dbase::Table::create(toPath(databaseName_), QFile::encodeName(tableName_).toStdString(), fieldDefs_);
}

}  // namespace store

namespace store {

void Dataset::first()
{
    table_.first();
    emit currentChanged();
}

void Dataset::last()
{
    table_.last();
    emit currentChanged();
}

void Dataset::next()
{
    table_.next();
    emit currentChanged();
}

void Dataset::prior()
{
    table_.prior();
    emit currentChanged();
}

void Dataset::goToRow(std::size_t row)
{
    if (row == table_.position() && table_.state() == dbase::TableState::Browse) return;
    bool pending = table_.state() != dbase::TableState::Browse;
    table_.goToPosition(row);
    if (pending) emit recordsChanged();
    emit currentChanged();
}

void Dataset::append()
{
    table_.append();
    emit recordsChanged();
}

void Dataset::edit()
{
    table_.edit();
    emit recordsChanged();
}

void Dataset::post()
{
    table_.post();
    emit recordsChanged();
    emit currentChanged();
}

void Dataset::cancel()
{
    table_.cancel();
    emit recordsChanged();
    emit currentChanged();
}

void Dataset::deleteRecord()
{
    table_.deleteRecord();
    emit recordsChanged();
    emit currentChanged();
}

void Dataset::refresh()
{
    table_.refresh();
    emit recordsChanged();
    emit currentChanged();
}

void Dataset::setFilter(dbase::Table::Filter filter)
{
    filter_ = filter;
    table_.setFilter(std::move(filter));
    emit recordsChanged();
    emit currentChanged();
}

}  // namespace store
