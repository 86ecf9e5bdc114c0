#!/usr/bin/env bash
# Builds the tray program and runs it. With a supported device connected it drives the real
# hardware; with none it runs against the built-in emulator (every product attached) and
# opens the emulator's panel to plug and unplug them. Without a display it renders the main
# window with the emulated devices to a PNG and says where it is.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/build.sh"
ilmo="$top/build/apps/ilmo/ilmo"
ilmoctl="$top/build/apps/ilmoctl/ilmoctl"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  shot="$top/build/ilmo-main-window.png"
  echo "No display: rendering the main window with the emulated devices."
  QT_QPA_PLATFORM=offscreen "$ilmo" --demo --screenshot "$shot"
  exit 0
fi

if "$ilmoctl" detect >/dev/null 2>&1; then
  exec "$ilmo"
fi
echo "No supported device is connected: running with the built-in device emulator."
exec "$ilmo" --demo --emulator-panel
