#!/usr/bin/env bash
# Builds the tests once more with sanitizers and runs them; any report fails the run.
#   scripts/sanitize.sh address   ASan + UBSan, every test (build-asan/)
#   scripts/sanitize.sh thread    TSan, the suites with worker threads (build-tsan/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
kind=${1:-address}
supp="$root/tests/sanitizers"
bash "$root/scripts/setup.sh"

case "$kind" in
  address)
    dir="$root/build-asan"
    sanitize="address,undefined"
    targets=()
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1"
    export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$supp/ubsan.supp"
    ;;
  thread)
    dir="$root/build-tsan"
    sanitize="thread"
    targets=(velomira_core_tests test_requests startup_refresh_tests mainwin_tests)
    export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$supp/tsan.supp"
    ;;
  *) echo "usage: $0 address|thread" >&2; exit 2 ;;
esac

# -O1 keeps the build quick; line tables are enough for reports.
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS="-O1 -g1" \
  -DVELOMIRA_SANITIZE="$sanitize" >/dev/null
cmake --build "$dir" ${targets[@]+--target "${targets[@]}"}
cd "$dir"
if ((${#targets[@]})); then
  # The suites' own programs, one after another: each stops at its first report.
  for target in "${targets[@]}"; do
    program=$(find tests -type f -name "$target" -perm -u+x | head -n1)
    echo "sanitize: $program"
    QT_QPA_PLATFORM=offscreen "$program" --gtest_brief=1
  done
else
  dbus-run-session -- ctest --output-on-failure --timeout 600 -j2
fi
