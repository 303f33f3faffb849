#!/usr/bin/env bash
# Builds everything and runs every test. The run gets a private session bus; each test
# program that needs a display gets an X server of its own (tests/support/run-test.sh),
# widget tests choose the offscreen platform themselves.
# Then the checking runs: the packages installed into a read-only root, the tests
# again under ASan+UBSan and under TSan, the fuzz
# corpora replayed and every fuzz target for a short while.
#   scripts/test.sh --quick   the plain build and its tests only
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
started=$SECONDS
stage() { echo "test: $1 done at $((SECONDS - started)) s"; }

bash "$root/scripts/build.sh"
(cd "$root/build" && dbus-run-session -- ctest --output-on-failure --timeout 300 -j2)
stage "build and tests"
[[ "${1:-}" == --quick ]] && exit 0

bash "$root/scripts/package-test.sh"
stage "packages"

bash "$root/scripts/sanitize.sh" address
stage "address and undefined-behaviour sanitizers"
bash "$root/scripts/sanitize.sh" thread
stage "thread sanitizer"
bash "$root/scripts/fuzz.sh" --replay
bash "$root/scripts/fuzz.sh" 20
stage "fuzz corpora and 20 s of fuzzing per target"
