#!/usr/bin/env bash
# Builds everything and runs every test. Tests that need a display get a private X
# server and session bus; widget tests choose the offscreen platform themselves.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/build.sh"
cd "$root/build"
xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- \
  ctest --output-on-failure --timeout 300 -j2
