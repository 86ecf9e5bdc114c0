#!/usr/bin/env bash
# Installs what the build needs, then configures and builds into build/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/install-deps.sh"
# ILMO_WERROR=ON in the environment turns every warning into an error (CI's build).
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DILMO_WERROR="${ILMO_WERROR:-OFF}" >/dev/null
cmake --build "$top/build" -j "$(nproc)"
