// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/command_line.h"

#include <QDir>
#include <QFileInfo>

#include "store/book_table.h"

namespace app {

bool browseRequested(const QStringList& parameters)
{
    if (parameters.isEmpty()) return false;
    const QString first = parameters.first().toUpper();
    return first == QLatin1String("/BROWSE") || first == QLatin1String("--BROWSE");
}

QString databaseRequested(const QStringList& parameters, const QString& startDirectory)
{
    const qsizetype at = browseRequested(parameters) ? 1 : 0;
    if (parameters.size() <= at || parameters.at(at).isEmpty()) return {};
    const QString path = QDir::cleanPath(QDir(startDirectory).absoluteFilePath(parameters.at(at)));
    // a switch of another program's ("/READONLY") is no file; a file of any name is one
    if (!store::hasTableSuffix(path) && !QFileInfo::exists(path)) return {};
    return path;
}

std::optional<QString> informationRequested(const QStringList& parameters)
{
    if (parameters.size() != 1) return std::nullopt;
    const QString& p = parameters.first();
    const QString version = QStringLiteral("Bindlow Books 97 3.2b\n");
    if (p == QLatin1String("--version") || p == QLatin1String("-v")) return version;
    if (p == QLatin1String("--help") || p == QLatin1String("-h"))
        return version + QStringLiteral(
                             "A catalogue of a private library of books.\n"
                             "\n"
                             "usage: bindlow [/BROWSE | --browse] [FILE.DBF]\n"
                             "       bindlow --report NAME --output FILE [--database FILE.DBF]\n"
                             "       bindlow --help | --version\n"
                             "\n"
                             "  /BROWSE, --browse  browse mode: the books can be viewed, searched, reported\n"
                             "                     and exported, but not changed\n"
                             "  FILE.DBF           opens that database instead of the one used last\n"
                             "  --report NAME      writes the report NAME over the books in the database's\n"
                             "                     sort order, without a window: --output FILE.pdf gives a\n"
                             "                     PDF file, FILE.txt the report's text file; --database\n"
                             "                     names the table (default: the one used last).  Exit\n"
                             "                     status 0, or 1 with the reason on standard error\n"
                             "  --help, -h         this text\n"
                             "  --version, -v      the program's name and version\n"
                             "\n"
                             "The program opens the database it used last, or MASTER.DBF in its folder.\n");
    return std::nullopt;
}

}  // namespace app
