// SPDX-License-Identifier: GPL-2.0-or-later
#include "edit/data_lists.h"

#include <QSet>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "dbase/file.h"
#include "store/bounded_file.h"
#include "store/codepage.h"

namespace edit {

namespace {
constexpr ListInfo kInfo[kLists] = {
    {".001", "AUTHOR.LST", 2, "Author", 90},           {".002", "LOCATION.LST", 25, "Location", 30},
    {".003", "BOUGHT.LST", 6, "Purchased From", 30},    {".004", "CATEGORY.LST", 5, "Category", 20},
    {".005", "PUBLISH.LST", 4, "Publisher", 90},       {".006", "RATING.LST", 11, "Rating", 15},
    {".007", "BOOKTYPE.LST", 13, "Book Type", 30},      {".008", "CHECKOUT.LST", 19, "Check Out Person", 30},
    {".009", "CONDITION.LST", 26, "Condition", 20},
};

// A companion file of a database, found without regard to letter case.
QString companion(const QString& basePath, const char* suffix)
{
    QFileInfo base(basePath);
    auto found = dbase::findCaseless(QFile::encodeName(base.absolutePath()).toStdString(),
                                     QFile::encodeName(base.fileName() + QLatin1String(suffix)).toStdString());
    return QFile::decodeName(QByteArray::fromStdString(found.string()));
}
}  // namespace

const ListInfo& listInfo(int list) { return kInfo[list]; }

void DataLists::LoadList(QStringList& list, const QString& path, QString* problem)
{
    list.clear();
    const store::BoundedRead file = store::readBoundedFile(path, store::kSettingsFileLimit);
    if (problem) *problem = file.problem;
    for (QByteArray line : file.bytes.split('\n')) {
        line.truncate(255);  // then the line ends: a CR that the cut brings to the end goes too
        while (line.endsWith('\r')) line.chop(1);
        // blank as the user sees it: a line of non-breaking spaces (0xA0) is no entry either,
        // just as such a value is never added to a list
        const QString entry = store::fromCp1252(std::string_view(line.constData(), std::size_t(line.size())));
        if (entry.trimmed().isEmpty()) continue;
        list << entry;
    }
}

void DataLists::load(int list, const QString& path)
{
    QString problem;
    LoadList(lists_[std::size_t(list)], path, &problem);
    if (problem.isEmpty()) return;
    problems_ << problem;
    refused_ << QFileInfo(path).absoluteFilePath();
}

void DataLists::save(int list, const QString& path) const
{
    if (refused_.contains(QFileInfo(path).absoluteFilePath())) return;
    SaveList(lists_[std::size_t(list)], path);
}

void DataLists::SaveList(const QStringList& list, const QString& path)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return;
    for (const QString& item : list) {
        auto bytes = store::toCp1252(item);
        std::string b = bytes ? *bytes : item.toLatin1().toStdString();
        f.write(b.data(), qint64(b.size()));
        f.write("\r\n", 2);
    }
    f.commit();
}

void DataLists::LoadAllList(const QString& basePath, const QString& programDirectory)
{
    bool any = false;
    for (int list : {BookTypeList, CategoryList, RatingList})
        any = any || QFileInfo::exists(companion(basePath, kInfo[list].suffix));
    if (!any) return LoadDefaultList(programDirectory);
    problems_.clear();
    refused_.clear();
    for (int i = 0; i < kLists; ++i) load(i, companion(basePath, kInfo[i].suffix));
}

void DataLists::LoadDefaultList(const QString& programDirectory)
{
    problems_.clear();
    refused_.clear();
    for (int i = 0; i < kLists; ++i) load(i, QDir(programDirectory).filePath(QLatin1String(kInfo[i].defaultFile)));
}

void DataLists::SaveAllLists(const QString& basePath) const
{
    for (int i = 0; i < kLists; ++i) {
        QString path = companion(basePath, kInfo[i].suffix);
        if (!QFileInfo::exists(path)) path = basePath + QLatin1String(kInfo[i].suffix);
        save(i, path);
    }
}

void DataLists::SaveDefaultLists(const QString& programDirectory) const
{
    for (int i = 0; i < kLists; ++i)
        save(i, QDir(programDirectory).filePath(QLatin1String(kInfo[i].defaultFile)));
}

void DataLists::AddToList(int list, const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || lists_[std::size_t(list)].contains(t)) return;
    lists_[std::size_t(list)] << t;
}

int DataLists::AddAllToList(int list, const QStringList& values)
{
    QStringList& kept = lists_[std::size_t(list)];
    QSet<QString> there(kept.begin(), kept.end());
    int added = 0;
    for (const QString& value : values) {
        const QString t = value.trimmed();
        if (t.isEmpty() || there.contains(t)) continue;
        there.insert(t);
        kept << t;
        ++added;
    }
    return added;
}

}  // namespace edit
