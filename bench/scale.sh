#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Runs the core benchmarks at 100,000 and 1,000,000 books (or the two sizes given) and prints
# each operation's figure at both sizes and how much it grew.
#   bench/scale.sh [SMALL LARGE]
set -euo pipefail
cd "$(dirname "$0")/.."
small=${1:-100000}
large=${2:-1000000}
if [ "${BINDLOW_BENCH_NO_BUILD:-0}" != 1 ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBINDLOW_BENCH=ON >/dev/null
    cmake --build build -j2 --target bench_engine bench_startup bench_find >/dev/null
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
BINDLOW_BENCH_NO_BUILD=1 bash bench/run.sh --core "$small" | tee "$out/small"
BINDLOW_BENCH_NO_BUILD=1 bash bench/run.sh --core "$large" | tee "$out/large"
/usr/bin/python3 - "$out/small" "$out/large" "$small" "$large" <<'PY'
import re, sys
line = re.compile(r"^(\S.*?)\s{2,}(-?[0-9.]+) (ms|MB)\b")
def figures(path):
    got = {}
    for text in open(path):
        m = line.match(text.rstrip())
        if m:
            got[m.group(1).strip()] = (float(m.group(2)), m.group(3))  # a repeated run: the last counts
    return got
a, b = figures(sys.argv[1]), figures(sys.argv[2])
print()
print(f"{'operation':<56} {int(sys.argv[3]):>12,} {int(sys.argv[4]):>12,}  growth")
for name, (x, unit) in a.items():
    if name not in b:
        continue
    y = b[name][0]
    growth = f"{y / x:6.1f}x" if x > 0 else "     -"
    print(f"{name:<56} {x:>9.3f} {unit:<2} {y:>9.3f} {unit:<2}  {growth}")
PY
