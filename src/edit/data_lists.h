// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The nine data lists: the values offered for Author, Location, Where Purchased, Category,
// Publisher, Rating, Book Type, Check Out Person and Condition, and their list files (one set
// beside each database, one set of defaults in the program directory).
#include <QString>
#include <QStringList>
#include <array>

namespace edit {

enum ListId { AuthorList, LocationList, BoughtList, CategoryList, PublisherList, RatingList, BookTypeList,
              CheckNameList, ConditionList, kLists };

struct ListInfo {
    const char* suffix;       // of the database's list file
    const char* defaultFile;  // in the program directory
    int field;                // field number in the book table
    const char* title;        // for the list maintenance box
    int longest;              // longest entry the maintenance box takes
};
const ListInfo& listInfo(int list);

class DataLists {
public:
    QStringList& operator[](int list) { return lists_[std::size_t(list)]; }
    const QStringList& operator[](int list) const { return lists_[std::size_t(list)]; }

    // Loads from the database's list files (base path without extension), or from the defaults
    // when none of the ".007", ".004" and ".006" files exists.
    void LoadAllList(const QString& basePath, const QString& programDirectory);
    void LoadDefaultList(const QString& programDirectory);
    void SaveAllLists(const QString& basePath) const;
    void SaveDefaultLists(const QString& programDirectory) const;
    // Adds a value at the end unless it is empty (after trimming) or already there.
    void AddToList(int list, const QString& text);
    // The same for many values at once; returns how many joined the list.
    int AddAllToList(int list, const QStringList& values);

    // What kept list files from being read (a FIFO, a device, a file past 16 MB): one sentence a
    // file, from the last load. Such a file is left as it is: the saves pass it over.
    const QStringList& problems() const { return problems_; }

    // Reads a list file; a file that cannot be read leaves the list empty and says why in problem.
    static void LoadList(QStringList& list, const QString& path, QString* problem = nullptr);
    static void SaveList(const QStringList& list, const QString& path);

private:
    void load(int list, const QString& path);
    void save(int list, const QString& path) const;

    std::array<QStringList, kLists> lists_;
    QStringList problems_, refused_;  // refused_: the paths of files not read
};

}  // namespace edit
