// SPDX-License-Identifier: GPL-2.0-or-later
#include "store/book_table.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "dbase/error.h"
#include "dbase/file.h"
#include "dbase/header.h"
#include "dbase/mdx.h"
#include "store/field_table.h"

namespace store {

namespace {
// Points a table object at the file of path, without opening it.
void aim(Dataset& table, const QString& path)
{
    QFileInfo info(path);
    table.setDatabaseName(info.absolutePath());
    table.setTableName(info.fileName());
}
}  // namespace

bool hasTableSuffix(const QString& path) { return path.endsWith(QLatin1String(".DBF"), Qt::CaseInsensitive); }

QString withoutTableSuffix(const QString& path) { return hasTableSuffix(path) ? path.chopped(4) : path; }

bool BookTableFiles::MakeNewDB(const QString& path, QString* refusal)
{
    if (QFileInfo::exists(path) && DBaseInUse(path)) {
        if (refusal)
            *refusal = QCoreApplication::translate("Messages", "The table \"%1\" is currently in use by another program.  New "
                                                               "table creation will be aborted.")
                           .arg(path);
        return false;
    }
    MyCreateTable.close();
    aim(MyCreateTable, path);
    MyCreateTable.clearFieldDefs();
    for (const FieldDef& f : fieldTable()) {
        switch (f.kind) {
        case FieldKind::Text: MyCreateTable.addFieldDef(dbase::NewField::string(f.name, f.width)); break;
        case FieldKind::WholeNumber: MyCreateTable.addFieldDef(dbase::NewField::integer(f.name)); break;
        case FieldKind::Money: MyCreateTable.addFieldDef(dbase::NewField::floating(f.name)); break;
        case FieldKind::Date: MyCreateTable.addFieldDef(dbase::NewField::date(f.name)); break;
        }
    }
    try {
        MyCreateTable.createTable();
    } catch (const dbase::DatabaseError&) {
        return false;
    }
    return QFileInfo::exists(path);
}

bool BookTableFiles::CheckDBaseFormat(const QString& path, bool clearIndexFlag, QString* refusal)
{
    QFileInfo info(QFileInfo(path).absoluteFilePath());
    MyCheckTable.close();
    aim(MyCheckTable, info.absoluteFilePath());
    // only the header and the fields are looked at: nothing is written, and a damaged index is
    // no reason to refuse the books (opening the table rebuilds it)
    MyCheckTable.setReadOnly(true);
    MyCheckTable.setExclusive(false);
    MyCheckTable.setIndexName({});
    MyCheckTable.setSkipIndex(true);
    struct Restore {
        Dataset& t;
        ~Restore() { t.setSkipIndex(false); }
    } restore {MyCheckTable};
    MyCheckTable.open();
    bool valid = MyCheckTable.fieldCount() == kFieldCount;
    for (int i = 0; valid && i < kFieldCount; ++i)
        valid = MyCheckTable.fieldName(i) == QString::fromLatin1(fieldTable()[std::size_t(i)].name).toUpper();
    MyCheckTable.close();
    if (!valid) {
        if (refusal)
            *refusal = QCoreApplication::translate("Messages", "This DBase file was not created with Bindlow Books 97.  It cannot be "
                                                               "opened.  You may, however, import data from this file using the "
                                                               "import function.");
        return false;
    }
    if (!clearIndexFlag) return true;
    // a book table copied without its index: its flag is cleared, so that it opens in record order
    const QString base = info.completeBaseName();
    if (!dbase::existsCaseless(toPath(info.absolutePath()), QFile::encodeName(base + QStringLiteral(".MDX")).toStdString()))
        RemoveMDXByte(info.absoluteFilePath());
    return true;
}

void BookTableFiles::RemoveMDXByte(const QString& path)
{
    QFile f(path);
    if (!QFileInfo(path).isFile() || !f.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) return;
    // only a dBASE table's own header byte is ever cleared
    const QByteArray head = f.read(qint64(dbase::kMaxHeader));
    try {
        dbase::parseHeader(QFile::encodeName(path).toStdString(), reinterpret_cast<const unsigned char*>(head.constData()),
                           std::size_t(head.size()), std::uint64_t(f.size()));
    } catch (const dbase::DatabaseError&) {
        return;
    }
    if (head[28] != 0 && f.seek(28)) f.write("\0", 1);
}

bool BookTableFiles::HasSortTag(const QString& path)
{
    QFile f(path);
    if (!QFileInfo(path).isFile() || !f.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = f.read(32);
    if (head.size() < 32 || head[28] == 0) return false;  // no production index belongs to the table
    QFileInfo info(path);
    const auto mdx = dbase::findCaseless(toPath(info.absolutePath()),
                                         QFile::encodeName(info.completeBaseName() + QStringLiteral(".MDX")).toStdString());
    try {
        return dbase::Mdx(mdx, false).findTag("NEWINDEX") != nullptr;
    } catch (const dbase::DatabaseError&) {
        return false;
    }
}

bool BookTableFiles::DBaseInUse(const QString& path)
{
    QFileInfo info(QFileInfo(path).absoluteFilePath());
    MyCheckTable.close();
    aim(MyCheckTable, info.absoluteFilePath());
    // only the locks decide: a damaged or missing file is not in use, and whoever opens it next
    // reports what is wrong; the records are not read
    const std::string name = QFile::encodeName(info.fileName()).toStdString();
    const auto file = dbase::findCaseless(toPath(info.absolutePath()),
                                          std::filesystem::path(name).extension().empty() ? name + ".DBF" : name);
    return dbase::Table::heldElsewhere(file);
}

}  // namespace store
