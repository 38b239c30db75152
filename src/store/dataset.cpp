#include "store/dataset.h"

#include <QFile>

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

void Dataset::createTable()
{
    dbase::Table::create(toPath(databaseName_), QFile::encodeName(tableName_).toStdString(), fieldDefs_);
}

}  // namespace store
