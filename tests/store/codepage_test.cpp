// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include "store/codepage.h"

using namespace store;

TEST(Codepage, Windows1252RoundTrips)
{
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(char(b));
    QString text = fromCp1252(all);
    EXPECT_EQ(text[0x80 - 1], QChar(0x20AC));  // the euro sign
    EXPECT_EQ(text[0x93 - 1], QChar(0x201C));
    EXPECT_EQ(text[0xE9 - 1], QChar(0xE9));
    EXPECT_EQ(toCp1252(text).value(), all);  // the five undefined bytes come back as they were
    EXPECT_EQ(toCp1252(QStringLiteral("Caf\u00e9 \u20ac5")).value(), "Caf\xE9 \x80" "5");
}

TEST(Codepage, TextWindows1252CannotHoldIsNamedNotReplaced)
{
    QString text = QStringLiteral("\u0412\u043e\u0439\u043d\u0430 and \u0412 \U0001F600");
    EXPECT_FALSE(toCp1252(text).has_value());
    EXPECT_EQ(unencodable(text), QStringLiteral("\u0412\u043e\u0439\u043d\u0430\U0001F600"));
    EXPECT_EQ(unencodable(QStringLiteral("plain \u00e9")), QString());
}

#include "dbase/error.h"
#include "store/dataset.h"
#include "support/temp_dir.h"

TEST(Codepage, TheTableObjectConvertsAtItsBoundary)
{
    testing_support::TempDir dir;
    dbase::Table::create(dir.path(), "T", {dbase::NewField::string("Title", 20)});
    Dataset d;
    d.setDatabaseName(QString::fromStdString(dir.path().string()));
    d.setTableName("t.dbf");
    d.open();
    EXPECT_EQ(d.fieldIndex("title"), 0);
    d.table().append();
    d.setText(0, QStringLiteral("Caf\u00e9 \u20ac"));
    try {
        d.setText(0, QStringLiteral("\u0412\u043e\u0439\u043d\u0430"));
        ADD_FAILURE() << "Cyrillic text was stored";
    } catch (const dbase::DatabaseError& e) {
        EXPECT_EQ(std::string(e.what()), "The characters \"\u0412\u043e\u0439\u043d\u0430\" cannot be stored in field TITLE.");
    }
    d.table().post();
    EXPECT_EQ(d.text(0), QStringLiteral("Caf\u00e9 \u20ac"));
    EXPECT_EQ(d.table().getText(0), "Caf\xE9 \x80");
}
