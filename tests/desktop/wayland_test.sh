#!/usr/bin/env bash
# Runs the Wayland window tests under weston: its X11 backend on an Xvfb of its own, which gives
# the compositor a seat with a keyboard (the headless backend has none, so no window could hold
# the keyboard there), on a socket of its own; then stops both again.
#   wayland_test.sh APP_TESTS WORK
set -euo pipefail
app_tests="$1"
work="$2"
mkdir -p "$work"
rm -f "$work/display"
# A socket's path may hold at most 107 bytes: the runtime folder is a short one of its own, not
# one below the build folder, whose path can be as long as a checkout's.
XDG_RUNTIME_DIR="$(mktemp -d /tmp/kalmotre-wl.XXXXXX)"
export XDG_RUNTIME_DIR
chmod 700 "$XDG_RUNTIME_DIR"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT

Xvfb -displayfd 5 -screen 0 1400x1100x24 -nolisten tcp 5>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "Xvfb did not come up" >&2; cat "$work/xvfb.log" >&2; exit 1; }

socket="kalmotre-test-$$"
DISPLAY=":$(cat "$work/display")" weston --backend=x11-backend.so --use-pixman --width=1280 \
  --height=1024 --socket="$socket" --idle-time=0 --no-config >"$work/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 200); do
  [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
  sleep 0.05
done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || { echo "weston did not come up" >&2; cat "$work/weston.log" >&2; exit 1; }

# Under the sanitizers the leak check stays with the other window tests: Qt's Wayland plugin
# leaves blocks of libwayland-client behind at exit, which are not the game's.
if [ -n "${ASAN_OPTIONS+set}" ]; then export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"; fi
status=0
env -u DISPLAY WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland "$app_tests" \
  --gtest_filter='Wayland.*' >"$work/tests.log" 2>&1 || status=$?
cat "$work/tests.log"
if [ "$status" -eq 0 ] && ! grep -q '^\[       OK \] Wayland\.' "$work/tests.log"; then
  echo "no Wayland test ran to its end" >&2
  exit 1
fi
exit "$status"
