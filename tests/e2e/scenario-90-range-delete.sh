# Starts the editor with a copy of the sample, grows a selection over the
# first five strokes with Shift+Down four times, deletes it after one question,
# saves and finds five strokes fewer; then takes the delete back with Ctrl+Z,
# saves again and finds the sample's strokes. A save writes today's date, so
# stroke times are compared as times of day.
FILE=$(sample_copy range)
STROKES=$(wc -l < "$WORK/range.before.txt")
start_app "$FILE"
MAIN=$(wait_window "^Quillmark - $FILE\$" "the main window showing the file")

keys "$MAIN" shift+Down shift+Down shift+Down shift+Down Delete
confirm_message "the question before deleting the selection"
keys "$MAIN" alt+f s
deadline=$((SECONDS + TIMEOUT))
until [ "$("$CLI" dump "$FILE" 2> /dev/null | wc -l)" -eq $((STROKES - 5)) ]; do
  [ "$SECONDS" -lt "$deadline" ] || fail "the saved file does not hold $((STROKES - 5)) strokes"
  sleep 0.3
done
"$CLI" dump "$FILE" | cut -f 3- | diff <(sed 1,5d "$WORK/range.before.txt" | cut -f 3-) - > /dev/null ||
  fail "the saved strokes are not the sample without its first five"

keys "$MAIN" ctrl+z
save_and_quit

# Local times of day of a dump's strokes, one a line.
times_of_day() {
  cut -f 2 "$1" | while read -r time; do date -d "@$time" +%T; done
}
"$CLI" dump "$FILE" > "$WORK/range.after.txt" || fail "quillmark-cli cannot read the saved file"
cmp -s <(cut -f 1,3- "$WORK/range.before.txt") <(cut -f 1,3- "$WORK/range.after.txt") ||
  fail "after delete and undo the saved strokes are not the sample's"
cmp -s <(times_of_day "$WORK/range.before.txt") <(times_of_day "$WORK/range.after.txt") ||
  fail "after delete and undo the times of day are not the sample's"
echo "e2e: ok: Shift+Down four times and Delete took five of $STROKES strokes, Ctrl+Z put them back"
