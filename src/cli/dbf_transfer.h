// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// bindlow-dbf's import and comma-separated export: thin callers of the program's own readers,
// pairing, conversion and writers, so that the command line and the windows make the same books
// and the same files.

namespace cli {

// bindlow-dbf import SOURCE TABLE.DBF [--csv | --ascii | --dbase] [--skip-first] [--dry-run]
//                    [--date-format FORMAT]
// argv[0] is "import". Exit status 0, 1 with the reason on standard error, 2 for wrong parameters.
int importCommand(int argc, char** argv);

// bindlow-dbf export TABLE.DBF OUT.csv --csv [--tag NAME]: the fields, order and headings the
// database's export settings give, as the export window writes them.
int exportCsvCommand(int argc, char** argv);

}  // namespace cli
