#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the benchmarks and runs them on the common workload of BOOKS generated books (100,000
# unless given): the engine, start-up and paging, finding and ordering; then, unless --core is
# given, the same reads with python3-dbfread and Perl XBase, the reports, backup and restore,
# export and import.
#   bench/run.sh [--core] [BOOKS]
# The generated table is kept in $BINDLOW_BENCH_CACHE (/tmp/bindlow-bench unless set) and reused,
# as generating a million books takes minutes; every benchmark works on a fresh copy.
# BINDLOW_BENCH_NO_BUILD=1 skips the build.
set -euo pipefail
cd "$(dirname "$0")/.."
core=0
books=100000
for a in "$@"; do
    case "$a" in
    --core) core=1 ;;
    *[!0-9]* | '') echo "usage: bench/run.sh [--core] [BOOKS]" >&2; exit 2 ;;
    *) books=$a ;;
    esac
done
if [ "${BINDLOW_BENCH_NO_BUILD:-0}" != 1 ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBINDLOW_BENCH=ON >/dev/null
    cmake --build build -j2 --target bench_engine bench_startup bench_find bench_reports bench_backup bench_transfer >/dev/null
fi
cache=${BINDLOW_BENCH_CACHE:-/tmp/bindlow-bench}
mkdir -p "$cache"
source="$cache/BOOKS-$books.DBF"
if [ ! -f "$source" ]; then
    /usr/bin/python3 tests/tools/gen-books.py "$source.part" "$books" --seed 5
    mv "$source.part" "$source"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo "books: $books"
cp "$source" "$work/BOOKS.DBF"
build/bench/bench_engine "$work/BOOKS.DBF"
rm -f "$work"/BOOKS.*
if [ "$core" = 0 ]; then
    /usr/bin/python3 bench/read_dbfread.py "$source"
    perl bench/read_xbase.pl "$source"
fi
# the program itself: start-up and paging sorted by Author
mkdir -p "$work/program"
cp "$source" "$work/program/MASTER.DBF"
xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_startup "$work/program"
# finding and ordering (on the same files: the index is present)
xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_find "$work/program"
rm -rf "$work/program"
if [ "$core" = 0 ]; then
    # reports: text file, recorded pages, PDF
    cp "$source" "$work/REPORTS.DBF"
    build/bench/bench_reports "$work/REPORTS.DBF"
    # backup and restore against cp
    build/bench/bench_backup "$source"
    # export against pgdbf, and the text imported back
    build/bench/bench_transfer "$source"
fi
