#!/usr/bin/env bash
# Builds and runs the benchmarks; ./bench.sh NAME runs one group.
# Each prints: BENCH <name> <value> <unit> baseline=<value> ratio=<value>
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh pcre2-utils  # the search benchmark compares with pcre2grep
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLON_BUILD_BENCH=ON >/dev/null
cmake --build build-bench -j "$(nproc)"
shopt -s nullglob
ran=0
for exe in build-bench/bench/bench_*; do
  name=$(basename "$exe"); name=${name#bench_}
  if [ -z "${1:-}" ] || [ "$1" = "$name" ]; then "$exe"; ran=1; fi
done
[ $ran -eq 1 ] || { echo "no benchmark group ${1:-}" >&2; exit 1; }
