#!/usr/bin/env bash
# End-to-end test of the editor: starts the real quillmark on a virtual X
# server, opens a copy of examples/sample.rtf through the File menu and the
# file dialog with keystrokes, deletes the fourth stroke, saves, quits, and
# checks the saved file with quillmark-cli.
#   tests/e2e/run-e2e.sh [BUILD_DIR]
set -euo pipefail
SOURCE_DIR="$(cd "$(dirname "$0")/../.." && pwd)"
SAMPLE="$SOURCE_DIR/examples/sample.rtf"
TIMEOUT=${QUILLMARK_E2E_TIMEOUT:-60}

fail() {
  echo "e2e: FAIL: $*" >&2
  exit 1
}

# The script runs twice: first to check the tools and start the virtual X
# server, then on that display.
if [ "${1:-}" != "--on-display" ]; then
  BUILD_DIR="$(cd "${1:-$SOURCE_DIR/build}" 2> /dev/null && pwd)" || fail "no build folder '${1:-build}'"
  APP="$BUILD_DIR/app/quillmark"
  CLI="$BUILD_DIR/cli/quillmark-cli"
  for tool in xvfb-run xdotool; do
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

FILE="$WORK/sample.rtf"
cp "$SAMPLE" "$FILE"
"$CLI" dump "$FILE" > "$WORK/before.txt" || fail "quillmark-cli cannot read the sample"
STROKES=$(wc -l < "$WORK/before.txt")

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

# Sends keys to a window once it has the keyboard.
keys() {
  local id="$1"
  shift
  xdotool windowfocus --sync "$id"
  xdotool key --clearmodifiers --delay 80 "$@"
}

"$APP" > "$WORK/app.log" 2>&1 &
APP_PID=$!

MAIN=$(wait_window '^Quillmark - No document$' "the main window")
sleep 0.5

# File menu, Open, then the path typed into the dialog's file name field.
keys "$MAIN" alt+f o
DIALOG=$(wait_window '^Open' "the Open dialog")
xdotool windowfocus --sync "$DIALOG"
sleep 0.3
xdotool type --delay 20 "$FILE"
xdotool key Return
wait_gone '^Open' "the Open dialog"
MAIN=$(wait_window "^Quillmark - $FILE\$" "the main window showing the file")

# Stroke 0 is current after loading: three steps down, then delete stroke 3.
keys "$MAIN" Down Down Down Delete
QUESTION=$(wait_window '^Quillmark$' "the delete question")
keys "$QUESTION" Return
wait_gone '^Quillmark$' "the delete question"

# Save, then Exit: nothing is left unsaved, so no question comes.
keys "$MAIN" alt+f s
sleep 0.5
keys "$MAIN" alt+f x

deadline=$((SECONDS + TIMEOUT))
while kill -0 "$APP_PID" 2> /dev/null; do
  [ "$SECONDS" -lt "$deadline" ] || { cat "$WORK/app.log" >&2; fail "the editor did not end after Exit"; }
  sleep 0.2
done
status=0
wait "$APP_PID" || status=$?
APP_PID=""
[ "$status" -eq 0 ] || { cat "$WORK/app.log" >&2; fail "the editor ended with status $status"; }

"$CLI" dump "$FILE" > "$WORK/after.txt" || fail "quillmark-cli cannot read the saved file"
AFTER=$(wc -l < "$WORK/after.txt")
[ "$AFTER" -eq $((STROKES - 1)) ] || fail "expected $((STROKES - 1)) strokes after deleting one, found $AFTER"
# Saving dates the file today, so the stroke times move to today's date; the
# keys, per-key values and per-key times must be the sample's without stroke 3.
sed "4d" "$WORK/before.txt" | cut -f 3- | diff - <(cut -f 3- "$WORK/after.txt") > "$WORK/diff.txt" ||
  { head -n 20 "$WORK/diff.txt" >&2; fail "the saved strokes are not the sample without its fourth stroke"; }
echo "e2e: ok: opened, deleted stroke 4 of $STROKES, saved and reread $AFTER strokes"
