# Opens a copy of the sample, corrects the third stroke in the stroke editor
# (hour 10, keys KA), saves, quits and checks the saved strokes.
FILE=$(sample_copy edit)
start_app
open_file "$FILE"

# Stroke 0 is current after loading. Enter opens the editor in the time field
# on the hour: 1 then 0 make it 10. Tab goes to the keys field, Delete clears
# it, K and A are typed on the left side; Enter commits both.
keys "$MAIN" Down Down Return 1 0 Tab Delete k a Return
save_and_quit

"$CLI" dump "$FILE" > "$WORK/edit.after.txt" || fail "quillmark-cli cannot read the saved file"

# Each stroke as its local time of day and everything after the time: saving
# dates the file today, so only the time of day of a stroke is kept.
time_of_day() {
  paste <(cut -f 2 "$1" | sed 's/^/@/' | date -f - +%T) <(cut -f 3- "$1")
}
time_of_day "$WORK/edit.before.txt" > "$WORK/edit.before.tod"
time_of_day "$WORK/edit.after.txt" > "$WORK/edit.after.tod"

# The third stroke keeps its minutes, seconds and half of the day, takes hour
# 10 of that half and the keys KA; its raw keys and the rest stay.
IFS=$'\t' read -r TIME _ RAW REST < <(sed -n 3p "$WORK/edit.before.tod")
HOUR=$((10#${TIME%%:*} >= 12 ? 22 : 10))
EXPECTED=$(printf '%02d:%s\tKA\t%s\t%s' "$HOUR" "${TIME#*:}" "$RAW" "$REST")
sed "3c\\
$EXPECTED" "$WORK/edit.before.tod" | diff - "$WORK/edit.after.tod" > "$WORK/diff.txt" ||
  { head -n 20 "$WORK/diff.txt" >&2; fail "the saved strokes are not the sample with its third stroke corrected"; }
echo "e2e: ok: edited stroke 3 to $(printf '%02d' "$HOUR"):${TIME#*:} KA, saved and reread"
