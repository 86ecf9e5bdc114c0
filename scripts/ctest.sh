#!/usr/bin/env bash
# Runs CTest in the build folder given first, with the other arguments added, and prints its
# summary line ("100% tests passed, 0 tests failed out of N") last: CTest follows it with the
# run time and the lists of failed and skipped tests, and a run's output should end with its
# count. The exit status is CTest's; finding no tests at all is a failure.
set -euo pipefail
build=$1
shift
ctest --test-dir "$build" --output-on-failure --no-label-summary --no-tests=error \
  -j "$(nproc)" "$@" |
  awk '/% tests passed, / { summary = $0; next }
       { print; fflush() }
       END { if (summary != "") print summary }'
