// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program's command line.
#include <QString>
#include <QStringList>
#include <optional>

namespace app {

// True when the first parameter starts browse mode: "/BROWSE" in any letter case, or its
// "--browse" spelling.
bool browseRequested(const QStringList& parameters);

// The database named on the command line ("bindlow FILE.DBF", "bindlow /BROWSE FILE.DBF", as a file
// manager starts the program): its path made absolute against the start folder; empty when none is
// named (a parameter is a database when its name ends in .DBF or it names a file that exists).
QString databaseRequested(const QStringList& parameters, const QString& startDirectory);

// The text "--help" or "--version" (also "-h", "-v") asks for, printed without opening a window;
// nothing for every other command line. Parameters exclude the program's name.
std::optional<QString> informationRequested(const QStringList& parameters);

}  // namespace app
