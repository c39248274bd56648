#!/usr/bin/env bash
# Builds Ringvale with its tests and runs every test, windows included, on Qt's
# offscreen platform.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$here/build"
export QT_QPA_PLATFORM=offscreen
cd "$here/build"
ctest --output-on-failure -j "$(nproc)"
