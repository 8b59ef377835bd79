#!/usr/bin/env bash
# End-to-end tests of the editor: the real quillmark on a virtual X server
# under a real window manager, driven by keystrokes and mouse clicks, its
# saved files checked with quillmark-cli. Every tests/e2e/scenario-*.sh runs
# in turn, in the order of its name, with the helpers below.
#   [QUILLMARK_E2E_ONLY=NN] tests/e2e/run-e2e.sh [BUILD_DIR]
set -euo pipefail
SOURCE_DIR="$(cd "$(dirname "$0")/../.." && pwd)"
SAMPLE="$SOURCE_DIR/examples/sample.rtf"
TIMEOUT=${QUILLMARK_E2E_TIMEOUT:-60}

fail() {
  echo "e2e: FAIL: $*" >&2
  # What the screen showed, for whoever reads the failure.
  if [ -n "${DISPLAY:-}" ] && command -v import > /dev/null; then
    import -window root "${TMPDIR:-/tmp}/quillmark-e2e-failure.png" 2> /dev/null &&
      echo "e2e: the screen at the failure: ${TMPDIR:-/tmp}/quillmark-e2e-failure.png" >&2
  fi
  exit 1
}

# The script runs twice: first to check the tools and start the virtual X
# server, then on that display.
if [ "${1:-}" != "--on-display" ]; then
  BUILD_DIR="$(cd "${1:-$SOURCE_DIR/build}" 2> /dev/null && pwd)" || fail "no build folder '${1:-build}'"
  APP="$BUILD_DIR/app/quillmark"
  CLI="$BUILD_DIR/cli/quillmark-cli"
  for tool in xvfb-run xdotool openbox xprop; do
    command -v "$tool" > /dev/null || fail "$tool is not installed (scripts/setup installs it)"
  done
  [ -x "$APP" ] || fail "no editor at $APP: build first"
  [ -x "$CLI" ] || fail "no quillmark-cli at $CLI: build first"
  [ -f "$SAMPLE" ] || fail "no sample file at $SAMPLE"
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --on-display "$BUILD_DIR"
fi
BUILD_DIR="$2"
APP="$BUILD_DIR/app/quillmark"
CLI="$BUILD_DIR/cli/quillmark-cli"

WORK="$(mktemp -d)"
APP_PID=""
cleanup() {
  if [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2> /dev/null; then
    kill "$APP_PID" 2> /dev/null || true
  fi
  [ -n "${OPENBOX_PID:-}" ] && kill "$OPENBOX_PID" 2> /dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

# A home of its own: the documents folder and Qt's settings stay in the sandbox.
export HOME="$WORK/home"
mkdir -p "$HOME"
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
# Qt and fontconfig keep caches for the life of the process; only our own
# leaks count.
export LSAN_OPTIONS="suppressions=$SOURCE_DIR/tests/e2e/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

# A real window manager: moving, maximising and window types behave as on a desktop.
openbox --sm-disable > "$WORK/openbox.log" 2>&1 &
OPENBOX_PID=$!
for _ in $(seq 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q 'window id' && break
  sleep 0.1
done

# Waits for a window whose title matches the pattern; prints its id.
wait_window() {
  local pattern="$1" what="$2" id
  id=$(timeout "$TIMEOUT" xdotool search --sync --onlyvisible --name "$pattern" 2> /dev/null | head -n 1) ||
    fail "timed out after ${TIMEOUT}s waiting for $what (window title '$pattern')"
  [ -n "$id" ] || fail "no window for $what"
  echo "$id"
}

# Waits until no visible window matches the pattern.
wait_gone() {
  local pattern="$1" what="$2" deadline=$((SECONDS + TIMEOUT))
  while xdotool search --onlyvisible --name "$pattern" > /dev/null 2>&1; do
    [ "$SECONDS" -lt "$deadline" ] || fail "timed out after ${TIMEOUT}s waiting for $what to close"
    sleep 0.2
  done
}

# Waits until the window is the active one, so typed text reaches it.
wait_active() {
  local id="$1" what="$2" deadline=$((SECONDS + TIMEOUT))
  xdotool windowactivate "$id" 2> /dev/null || true
  until [ "$(xdotool getactivewindow 2> /dev/null)" = "$id" ]; do
    [ "$SECONDS" -lt "$deadline" ] || fail "timed out after ${TIMEOUT}s waiting for $what to take the keyboard"
    sleep 0.1
  done
}

# Sends keys to a window once it has the keyboard.
keys() {
  local id="$1"
  shift
  xdotool windowfocus --sync "$id"
  xdotool key --clearmodifiers --delay 80 "$@"
}

# Starts the editor (with any arguments) and waits for its main window; sets MAIN.
start_app() {
  "$APP" "$@" > "$WORK/app.log" 2>&1 &
  APP_PID=$!
  MAIN=$(wait_window '^Quillmark - ' "the main window")
  sleep 0.5
}

# Opens FILE through the File menu and the Open dialog; sets MAIN.
open_file() {
  local file="$1" dialog
  keys "$MAIN" alt+f o
  dialog=$(wait_window '^Open' "the Open dialog")
  wait_active "$dialog" "the Open dialog"
  sleep 0.5
  xdotool type --delay 20 "$file"
  xdotool key Return
  # A completion list that popped up under the name takes the first Return.
  sleep 1
  xdotool search --onlyvisible --name '^Open' > /dev/null 2>&1 && xdotool key Return
  wait_gone '^Open' "the Open dialog"
  MAIN=$(wait_window "^Quillmark - $file\$" "the main window showing the file")
}

# Answers the open message box with its default button.
confirm_message() {
  local box
  box=$(wait_window '^Quillmark$' "$1")
  keys "$box" Return
  wait_gone '^Quillmark$' "$1"
}

# Saves through the File menu, then Exit; checks that the editor ended well.
save_and_quit() {
  keys "$MAIN" alt+f s
  sleep 0.5
  keys "$MAIN" alt+f x
  local deadline=$((SECONDS + TIMEOUT)) status=0
  while kill -0 "$APP_PID" 2> /dev/null; do
    [ "$SECONDS" -lt "$deadline" ] || { cat "$WORK/app.log" >&2; fail "the editor did not end after Exit"; }
    sleep 0.2
  done
  wait "$APP_PID" || status=$?
  APP_PID=""
  [ "$status" -eq 0 ] || { cat "$WORK/app.log" >&2; fail "the editor ended with status $status"; }
}

# A fresh copy of the sample in the work folder, and its dump; prints the copy's path.
sample_copy() {
  local file="$WORK/$1.rtf"
  cp "$SAMPLE" "$file"
  "$CLI" dump "$file" > "$WORK/$1.before.txt" || fail "quillmark-cli cannot read the sample"
  echo "$file"
}

# QUILLMARK_E2E_ONLY=70 runs only the scenarios whose number starts so.
for scenario in "$SOURCE_DIR"/tests/e2e/scenario-"${QUILLMARK_E2E_ONLY:-}"*.sh; do
  # shellcheck source=/dev/null
  source "$scenario"
done
