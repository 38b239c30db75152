// SPDX-License-Identifier: GPL-2.0-or-later
// A second program for the conversion test: runs the start-up conversion of the old databases in
// PROGRAMDIR into the book table DATABASE, answering Yes, and prints "posted N" after each book,
// so that the test can kill it part-way.
//   convert_child PROGRAMDIR DATABASE
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

#include "conversion/old_databases.h"

namespace {
class AnswerYes : public conversion::ConversionHost {
public:
    bool askToConvert(const QString& question) override
    {
        say(question);
        return true;
    }
    void tellConverted(const QString& text, const QString&) override { say(text); }
    void tellFailure(const QString& text) override { say(text); }
    void posted(int books) override
    {
        std::printf("posted %d\n", books);
        std::fflush(stdout);
    }

private:
    static void say(const QString& text) { std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData()); }
};
}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) return 2;
    AnswerYes yes;
    const QFileInfo database(QString::fromLocal8Bit(argv[2]));
    store::Dataset table;
    table.setDatabaseName(database.absolutePath());
    table.setTableName(database.fileName());
    table.open();
    conversion::CheckForConversion(yes, QString::fromLocal8Bit(argv[1]), table, database.absoluteFilePath());
    return 0;
}
