#!/usr/bin/env bash
# Builds the program and runs it. Until the windows exist this shows the command-line view:
# the HID interfaces seen and the devices found, against real hardware where a supported
# device is connected and against the built-in emulator otherwise.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/build.sh"
ilmoctl="$top/build/apps/ilmoctl/ilmoctl"
if "$ilmoctl" detect >/dev/null 2>&1; then
  mode=()
else
  echo "No supported device is connected: using the built-in device emulator."
  mode=(--demo)
fi
"$ilmoctl" "${mode[@]}" list
"$ilmoctl" "${mode[@]}" info
