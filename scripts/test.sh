#!/usr/bin/env bash
# Builds everything and runs every test.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
bash "$top/scripts/ctest.sh" "$top/build" --timeout 300
