#!/usr/bin/env bash
# Installs what is missing, then configures and builds into build/: everything, or
# only the targets named on the command line.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if (($#)); then
  cmake --build "$root/build" --target "$@"
else
  cmake --build "$root/build"
fi
