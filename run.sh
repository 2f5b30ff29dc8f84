#!/usr/bin/env bash
# Installs what is missing, builds Quillon in Release and starts it on the
# optional file given.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

"$here/tools/install-deps.sh"
cmake -S "$here" -B "$here/build-release" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$here/build-release" -j "$(nproc)" --target quillon

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: set DISPLAY, or QT_QPA_PLATFORM=offscreen to run without one." >&2
fi
exec "$here/build-release/quillon" "$@"
