#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds and runs the engine benchmark on the common workload (100,000 generated books), and
# the same reads with python3-dbfread and Perl XBase for comparison.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh -DBINDLOW_BENCH=ON
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
/usr/bin/python3 tests/tools/gen-books.py "$work/BOOKS.DBF" 100000 --seed 5
cp "$work/BOOKS.DBF" "$work/COPY.DBF"
build/bench/bench_engine "$work/BOOKS.DBF"
/usr/bin/python3 bench/read_dbfread.py "$work/COPY.DBF"
perl bench/read_xbase.pl "$work/COPY.DBF"
# the program itself: start-up and paging with 100,000 books sorted by Author
mkdir -p "$work/program"
cp "$work/COPY.DBF" "$work/program/MASTER.DBF"
xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_startup "$work/program"
# finding and ordering
xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_find "$work/program"
# reports: text file, recorded pages, PDF
cp "$work/COPY.DBF" "$work/REPORTS.DBF"
build/bench/bench_reports "$work/REPORTS.DBF"
# backup and restore against cp
build/bench/bench_backup "$work/COPY.DBF"
# export against pgdbf
build/bench/bench_transfer "$work/COPY.DBF"
