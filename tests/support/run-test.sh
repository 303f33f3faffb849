#!/usr/bin/env bash
# Runs one test program (ctest puts this in front of every test command) in a session of
# its own, so that whatever the test leaves running can be found afterwards: a test that
# leaves a process behind fails, and the process is ended.
#   run-test.sh [--display] PROGRAM [ARG ...]
# --display: the program gets an X server of its own for its whole life. A server shared
# by the whole run resets whenever its last client goes, and a test connecting just then
# is refused; one per program, kept from resetting, is always there to be reached.
set -u

display=0
if [[ "${1:-}" == --display ]]; then
  display=1
  shift
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/velomira-test.XXXXXX")
xserver=""
session=""

finish() {
  [[ -n "$session" ]] && pkill -KILL -s "$session" 2>/dev/null
  if [[ -n "$xserver" ]]; then
    kill "$xserver" 2>/dev/null
    wait "$xserver" 2>/dev/null
  fi
  rm -rf "$work"
}
trap finish EXIT
trap 'exit 143' TERM
trap 'exit 130' INT

if ((display)); then
  Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x1024x24 \
    3>"$work/display" 2>"$work/xvfb.log" &
  xserver=$!
  for _ in $(seq 200); do
    [[ -s "$work/display" ]] && break
    kill -0 "$xserver" 2>/dev/null || break
    sleep 0.05
  done
  if [[ ! -s "$work/display" ]]; then
    echo "run-test: the X server did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
  fi
  export DISPLAY=":$(tr -d '[:space:]' <"$work/display")"
  unset XAUTHORITY
else
  # Nothing reaches a display by chance: widgets draw offscreen.
  unset DISPLAY XAUTHORITY
  export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
fi

# Without a session bus, libdbus would start one of its own for the display and leave it
# running; tests that need a bus get the test command's.
export DBUS_SESSION_BUS_ADDRESS=${DBUS_SESSION_BUS_ADDRESS:-disabled:}

# Started in the background, setsid does not fork: its process ID is the new session's.
setsid "$@" &
session=$!
wait "$session"
status=$?

# Zombies are already gone; only what still runs counts.
left=$(ps -o pid=,stat=,args= -s "$session" 2>/dev/null | awk '$2 !~ /^Z/')
if [[ -n "$left" ]]; then
  echo "run-test: the test left these processes running (now ended):" >&2
  echo "$left" >&2
  ((status)) || status=1
fi
exit "$status"
