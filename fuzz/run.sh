#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the fuzz target with clang and runs it for the given number of seconds (default 600),
# starting from the real tables of the test fixtures and a small book table of our own.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
bash scripts/install-deps.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DBINDLOW_FUZZ=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-fuzz -j2
seeds=$(mktemp -d)
trap 'rm -rf "$seeds"' EXIT
# a small book table with a three-level index, made by the engine itself
/usr/bin/python3 tests/tools/gen-books.py "$seeds/BOOKS.DBF" 300 --seed 1 >/dev/null
build/src/bindlow-dbf index "$seeds/BOOKS.DBF" NEWINDEX 'Upper(Left(Title,60))' 2>/dev/null || true
extra=()
[ -f "$seeds/BOOKS.MDX" ] && extra=("$seeds/BOOKS.DBF" "$seeds/BOOKS.MDX")
mkdir -p fuzz-corpus
/usr/bin/python3 fuzz/make_seeds.py tests/fixtures/dbase fuzz-corpus "${extra[@]}"
build-fuzz/fuzz/dbase_fuzz -max_total_time="$seconds" -max_len=300000 -rss_limit_mb=4096 -print_final_stats=1 fuzz-corpus
