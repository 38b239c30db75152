#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the fuzz targets with clang and runs one of them for the given number of seconds
# (default 600). TARGET is one of
#   table          the engine: a table with its production index (the default)
#   reports        the report definitions file and the earlier version's report file
#   ascii          the ASCII delimited text import
#   settings       the settings files
#   lists          the data list files
#   old_databases  the tables of the earlier versions and their conversion
# Each starts from seed inputs made as the tests make their files; the corpus grows in
# fuzz-corpus (table) or fuzz-corpus-TARGET.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
target=${2:-table}
case "$target" in
  table) max_len=300000 ;;
  reports) max_len=62000 ;;  # three records: the readers are slow under the sanitizers
  ascii | settings | lists | old_databases) max_len=20000 ;;
  *) echo "unknown target: $target" >&2; exit 2 ;;
esac
bash scripts/install-deps.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DBINDLOW_FUZZ=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-fuzz -j2
if [ "$target" != table ]; then
  corpus=fuzz-corpus-$target
  seeds=$(mktemp -d)
  trap 'rm -rf "$seeds"' EXIT
  build-fuzz/fuzz/fuzz_seeds "$seeds"
  mkdir -p "$corpus" fuzz-findings
  cp -n "$seeds/$target"/* "$corpus"/ || true  # seeds already in the corpus stay as they are
  exec build-fuzz/fuzz/"$target"_fuzz -max_total_time="$seconds" -max_len="$max_len" -rss_limit_mb=4096 \
    -print_final_stats=1 -artifact_prefix=fuzz-findings/"$target"- "$corpus"
fi
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
