#!/usr/bin/env bash
# Builds and runs the benchmarks; each prints its figures and ratios.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/build.sh"
for b in "$top"/build/bench/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b"
done
