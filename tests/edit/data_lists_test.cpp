// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "edit/data_lists.h"
#include "support/temp_dir.h"

using namespace edit;

namespace {
QString q(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }
void spit(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}
QByteArray slurp(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}
}  // namespace

TEST(DataLists, TheDefaultsServeWhenTheKeyListFilesAreMissing)
{
    testing_support::TempDir dir;
    const QString program = q(dir.path()), base = q(dir / "MASTER");
    spit(program + "/AUTHOR.LST", "Austen\r\n  \r\nDickens\r\n");
    spit(program + "/RATING.LST", "*****\n");
    spit(base + ".001", "Only here\r\n");  // the database has an author list but none of .007, .004, .006
    DataLists lists;
    lists.LoadAllList(base, program);
    EXPECT_EQ(lists[AuthorList], (QStringList {"Austen", "Dickens"}));
    EXPECT_EQ(lists[RatingList], QStringList {"*****"});
    EXPECT_TRUE(lists[ConditionList].isEmpty());

    spit(base + ".004", "Fiction\r\n");
    lists.LoadAllList(base, program);
    EXPECT_EQ(lists[AuthorList], QStringList {"Only here"});
    EXPECT_EQ(lists[CategoryList], QStringList {"Fiction"});
    EXPECT_TRUE(lists[RatingList].isEmpty());
}

TEST(DataLists, SavedWithCrLfAndLongLinesCut)
{
    testing_support::TempDir dir;
    const QString base = q(dir / "BOOKS");
    DataLists lists;
    lists[PublisherList] = {QString(300, u'p'), QStringLiteral("Caf\u00e9")};
    lists.SaveAllLists(base);
    EXPECT_EQ(slurp(base + ".005"), QByteArray(300, 'p') + "\r\nCaf\xE9\r\n");
    EXPECT_EQ(slurp(base + ".001"), "");
    DataLists again;
    DataLists::LoadList(again[PublisherList], base + ".005");
    EXPECT_EQ(again[PublisherList][0].size(), 255);
    EXPECT_EQ(again[PublisherList][1], QStringLiteral("Caf\u00e9"));
    lists.AddToList(PublisherList, "  Caf\u00e9 ");
    lists.AddToList(PublisherList, "   ");
    EXPECT_EQ(lists[PublisherList].size(), 2);
}

// A line that shows nothing (spaces, tabs, non-breaking spaces in any mix) is no entry; one
// with something between its spaces is kept as it stands. Found fuzzing the list files.
TEST(DataLists, LinesThatShowNothingAreNoEntries)
{
    testing_support::TempDir dir;
    const QString path = q(dir / "BOOKS.005");
    spit(path, "\xA0\r\n \xA0\t\r\nPenguin\r\r\n\xA0x\xA0\r\n\t\n  Tor  \r\n\xA0\xA0");
    QStringList list;
    DataLists::LoadList(list, path);
    EXPECT_EQ(list, (QStringList{QStringLiteral("Penguin"), QStringLiteral("\u00a0x\u00a0"), QStringLiteral("  Tor  ")}));
}

// A line cut to 255 characters ends there: a CR the cut leaves at its end is no part of the entry,
// so that the list reads back the same once saved. Found fuzzing the list files.
TEST(DataLists, ALongLineCutAtACarriageReturnReadsBackTheSameOnceSaved)
{
    testing_support::TempDir dir;
    const QString path = q(dir / "BOOKS.005");
    spit(path, QByteArray(254, 'p') + "\r\rmore\r\n" + QByteArray(255, 'q') + "\r\r\n");
    QStringList list;
    DataLists::LoadList(list, path);
    EXPECT_EQ(list, (QStringList{QString(254, u'p'), QString(255, u'q')}));
    DataLists::SaveList(list, path);
    QStringList again;
    DataLists::LoadList(again, path);
    EXPECT_EQ(again, list);
}
