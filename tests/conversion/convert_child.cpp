// SPDX-License-Identifier: GPL-2.0-or-later
// A second program for the conversion test: runs the start-up conversion of the old databases in
// PROGRAMDIR into the book table DATABASE, answering Yes, and prints "posted N" after each book,
// so that the test can kill it part-way.
//   convert_child PROGRAMDIR DATABASE
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

#include "conversion/old_databases.h"
#include "ui/seams/messages.h"

namespace {
class AnswerYes : public ui::Messages {
public:
    ui::MsgButton show(const ui::Message& m) override
    {
        std::fprintf(stderr, "%s\n", m.text.toLocal8Bit().constData());
        return m.buttons & ui::Yes ? ui::Yes : ui::Ok;
    }
};
}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) return 2;
    AnswerYes yes;
    ui::setMessages(&yes);
    const QFileInfo database(QString::fromLocal8Bit(argv[2]));
    store::Dataset table;
    table.setDatabaseName(database.absolutePath());
    table.setTableName(database.fileName());
    table.open();
    app::ConversionHooks hooks;
    hooks.posted = [](int posted) {
        std::printf("posted %d\n", posted);
        std::fflush(stdout);
    };
    app::CheckForConversion(nullptr, QString::fromLocal8Bit(argv[1]), table, database.absoluteFilePath(), hooks);
    return 0;
}
