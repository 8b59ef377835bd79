# A save that fails and is cancelled loses nothing: closing (Yes to saving)
# and opening another file (Yes to saving) both keep the window and the
# changed document when the file's folder has gone; once the folder is back,
# Save writes the document with its change.
mkdir -p "$WORK/gone"
FILE=$(sample_copy failed-save)
mv "$FILE" "$WORK/gone/day.rtf"
FILE="$WORK/gone/day.rtf"
OTHER=$(sample_copy failed-save-other)
start_app "$FILE"
MAIN=$(wait_window "^Quillmark - $FILE\$" "the main window showing the file")

# Answers a message box whose answer opens the next box (same title) at once.
answer_box() {
  local box
  box=$(wait_window '^Quillmark$' "$2")
  keys "$box" "$1"
  sleep 1
}

# Expects the window still open on FILE.
still_open() {
  sleep 0.5
  kill -0 "$APP_PID" 2> /dev/null || fail "the editor ended after a failed save ($1)"
  MAIN=$(wait_window "^Quillmark - $FILE\$" "the main window still showing the file ($1)")
}

keys "$MAIN" Down Down Delete
confirm_message "the delete question"
rm -rf "$WORK/gone"

keys "$MAIN" alt+f x
answer_box Return "the close question" # Yes: save
answer_box Escape "the save failure"   # Cancel
wait_gone '^Quillmark$' "the save failure"
still_open "close"

keys "$MAIN" alt+f o
DIALOG=$(wait_window '^Open' "the Open dialog")
wait_active "$DIALOG" "the Open dialog"
sleep 0.5
xdotool type --delay 20 "$OTHER"
xdotool key Return
sleep 1
xdotool search --onlyvisible --name '^Open' > /dev/null 2>&1 && xdotool key Return
wait_gone '^Open' "the Open dialog"
answer_box Return "the question to save before opening"
answer_box Escape "the save failure"
wait_gone '^Quillmark$' "the save failure"
still_open "open"

mkdir -p "$WORK/gone"
save_and_quit
"$CLI" dump "$FILE" | cut -f 3- > "$WORK/failed-save.after.txt" || fail "quillmark-cli cannot read the saved file"
diff <(cut -f 3- "$WORK/failed-save.before.txt" | sed 3d) "$WORK/failed-save.after.txt" > "$WORK/diff.txt" ||
  { head -n 20 "$WORK/diff.txt" >&2; fail "the saved file is not the sample without its third stroke"; }
echo "e2e: ok: two cancelled failed saves kept the window and the change; the later save wrote it"
