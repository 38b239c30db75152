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
                {exclusive_, readOnly_, indexName_.toStdString()});
    emit opened();
}

void Dataset::close()
{
    if (!active()) return;
    table_.close();
    emit closed();
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
