#!/usr/bin/env bash
# Builds the Qt-free libraries' tests with clang and a sanitizer and runs them; the first
# report fails the run.
#   bash scripts/sanitize.sh address   AddressSanitizer and UndefinedBehaviorSanitizer, into
#                                      build-asan/: every Qt-free test and corpus replay, and
#                                      each fuzz target fuzzed for ILMO_FUZZ_SECONDS (3) seconds
#   bash scripts/sanitize.sh thread    ThreadSanitizer, into build-tsan/: the device, emulator,
#                                      presence, lighting, keyboard, mouse, headset and capture
#                                      tests, where the threads are
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
kind=${1:-}
case "$kind" in
  address) build="$top/build-asan" ;;
  thread) build="$top/build-tsan" ;;
  *) echo "usage: $0 address|thread" >&2; exit 2 ;;
esac
bash "$top/scripts/install-deps.sh"

options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DILMO_QT=OFF
         -DILMO_BUILD_BENCH=OFF -DILMO_SANITIZE="$kind")
# The fuzz build is itself an AddressSanitizer build, so it is this one: the libraries are
# compiled once for both the tests and the fuzzers.
[ "$kind" = address ] && options+=(-DILMO_FUZZ=ON)
cmake -S "$top" -B "$build" -G Ninja "${options[@]}" >/dev/null

# Reports stop the program and print where; leaks count as reports.
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:check_initialization_order=1:strict_init_order=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$top/scripts/tsan.supp"

if [ "$kind" = thread ]; then
  cmake --build "$build" -j "$(nproc)" --target test_device test_sim test_presence \
    test_lighting test_keyboard test_mouse test_headset test_capture test_ilmoctl_listen
  bash "$top/scripts/ctest.sh" "$build" --timeout 600 \
    -L '^(device|sim|presence|lighting|keyboard|mouse|headset|capture)$'
  exit
fi

cmake --build "$build" -j "$(nproc)"
# A short run of every fuzzer proves it still builds, starts and gets past its corpus. New
# inputs go to a scratch folder, so the saved corpus changes only by hand.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for fuzzer in "$build"/fuzz/fuzz_*; do
  name=${fuzzer##*/fuzz_}
  mkdir -p "$scratch/$name"
  echo "== fuzzing $name for ${ILMO_FUZZ_SECONDS:-3} s"
  "$fuzzer" -max_total_time="${ILMO_FUZZ_SECONDS:-3}" -print_final_stats=0 \
    "$scratch/$name" "$top/fuzz/corpus/$name" 2>"$scratch/$name.log" \
    || { cat "$scratch/$name.log" >&2; exit 1; }
done
bash "$top/scripts/ctest.sh" "$build" --timeout 600
