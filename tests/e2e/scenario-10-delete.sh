# Opens a copy of the sample through the File menu and the file dialog,
# deletes the fourth stroke, saves, quits and checks the saved strokes.
FILE=$(sample_copy delete)
STROKES=$(wc -l < "$WORK/delete.before.txt")
start_app
open_file "$FILE"

# Stroke 0 is current after loading: three steps down, then delete stroke 3.
keys "$MAIN" Down Down Down Delete
confirm_message "the delete question"
save_and_quit

"$CLI" dump "$FILE" > "$WORK/delete.after.txt" || fail "quillmark-cli cannot read the saved file"
AFTER=$(wc -l < "$WORK/delete.after.txt")
[ "$AFTER" -eq $((STROKES - 1)) ] || fail "expected $((STROKES - 1)) strokes after deleting one, found $AFTER"
# Saving dates the file today, so the stroke times move to today's date; the
# keys, per-key values and per-key times must be the sample's without stroke 3.
sed "4d" "$WORK/delete.before.txt" | cut -f 3- | diff - <(cut -f 3- "$WORK/delete.after.txt") > "$WORK/diff.txt" ||
  { head -n 20 "$WORK/diff.txt" >&2; fail "the saved strokes are not the sample without its fourth stroke"; }
echo "e2e: ok: opened, deleted stroke 4 of $STROKES, saved and reread $AFTER strokes"
