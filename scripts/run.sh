#!/usr/bin/env bash
# Builds Ringvale and starts the desktop application. Arguments go to ringvale.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$here/build" --target ringvale ringvale-cli
exec "$here/build/app/ringvale" "$@"
