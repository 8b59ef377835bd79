# Keys typed at full speed: twenty times Enter opens the stroke editor and,
# with no pause at all, Enter commits it unchanged and Down moves on. Every
# stroke must come out unchanged and the 21st be current: deleting the current
# stroke afterwards removes exactly that one.
FILE=$(sample_copy typeahead)
start_app "$FILE"
MAIN=$(wait_window "^Quillmark - $FILE\$" "the main window showing the file")
xdotool windowfocus --sync "$MAIN"
for _ in $(seq 20); do
  xdotool key --clearmodifiers Return
  sleep 0.3
  xdotool key --clearmodifiers --delay 0 Return Down
done
keys "$MAIN" alt+f s
sleep 0.5
"$CLI" dump "$FILE" > "$WORK/typeahead.after.txt" || fail "quillmark-cli cannot read the saved file"

# Saving dates the file today: strokes are compared by their local time of day.
time_of_day() {
  paste <(cut -f 2 "$1" | sed 's/^/@/' | date -f - +%T) <(cut -f 3- "$1")
}
diff <(time_of_day "$WORK/typeahead.before.txt") <(time_of_day "$WORK/typeahead.after.txt") \
  > "$WORK/diff.txt" ||
  { head -n 20 "$WORK/diff.txt" >&2; fail "a stroke changed while keys were typed ahead"; }

keys "$MAIN" Delete
confirm_message "the delete question"
save_and_quit
"$CLI" dump "$FILE" > "$WORK/typeahead.deleted.txt" || fail "quillmark-cli cannot read the saved file"
diff <(time_of_day "$WORK/typeahead.before.txt" | sed 21d) <(time_of_day "$WORK/typeahead.deleted.txt") \
  > "$WORK/diff.txt" ||
  { head -n 20 "$WORK/diff.txt" >&2; fail "the 21st stroke was not the current one after the typed-ahead keys"; }
echo "e2e: ok: 20 x Return, Return Down typed ahead left every stroke as it was and the 21st current"
