#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; then builds the readers
# of outside data once more with the sanitizers and runs their tests there.
# Options: --full-sanitize builds and tests everything with the sanitizers too.
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"

status=0
(cd build && QT_QPA_PLATFORM=offscreen ctest -j "$jobs" --output-on-failure) || status=1

echo "== readers with AddressSanitizer and UBSan =="
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLON_SANITIZE=ON \
  -DQUILLON_READERS_ONLY=ON >/dev/null
cmake --build build-asan -j "$jobs"
(cd build-asan && ctest -j "$jobs" --output-on-failure) || status=1

if [ "${1:-}" = "--full-sanitize" ]; then
  echo "== everything with AddressSanitizer and UBSan =="
  cmake -S . -B build-asan-full -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLON_SANITIZE=ON >/dev/null
  cmake --build build-asan-full -j "$jobs"
  (cd build-asan-full && QT_QPA_PLATFORM=offscreen ctest -j "$jobs" --output-on-failure) || status=1
fi

exit $status
