# Selects every stroke of a copy of the sample, shifts them by -01:00:00 in
# the Shift Times dialog and saves: every time of day is an hour earlier,
# every key time that is not 0 is 36,000,000,000 ticks (one hour of 100 ns)
# earlier, nothing else changed, and the file holds the same strokes as
# quillmark-cli shift makes of another copy.
FILE=$(sample_copy shift)
CLI_COPY=$(sample_copy shift-cli)
start_app "$FILE"
MAIN=$(wait_window "^Quillmark - $FILE\$" "the main window showing the file")

keys "$MAIN" ctrl+a alt+e s
DIALOG=$(wait_window '^Shift Times$' "the Shift Times dialog")
# The amount field has the focus, its text selected: typing replaces it.
keys "$DIALOG" minus 0 1 colon 0 0 colon 0 0 Return
wait_gone '^Shift Times$' "the Shift Times dialog"
save_and_quit
"$CLI" shift "$CLI_COPY" -01:00:00 || fail "quillmark-cli shift failed on the other copy"

"$CLI" dump "$FILE" > "$WORK/shift.after.txt" || fail "quillmark-cli cannot read the saved file"
"$CLI" dump "$CLI_COPY" > "$WORK/shift-cli.after.txt" || fail "quillmark-cli cannot read its copy"
cmp -s "$WORK/shift.after.txt" "$WORK/shift-cli.after.txt" ||
  fail "the editor's shift and quillmark-cli shift saved different strokes"

# Local times of day of a dump's strokes in seconds, one a line.
seconds_of_day() {
  cut -f 2 "$1" | while read -r time; do date -d "@$time" '+%H %M %S'; done |
    awk '{ print $1 * 3600 + $2 * 60 + $3 }'
}
paste <(seconds_of_day "$WORK/shift.before.txt") <(seconds_of_day "$WORK/shift.after.txt") |
  awk '$1 - 3600 != $2 { bad++ } END { exit bad > 0 }' ||
  fail "not every time of day is one hour earlier"
cmp -s <(cut -f 1,3-5 "$WORK/shift.before.txt") <(cut -f 1,3-5 "$WORK/shift.after.txt") ||
  fail "keys or key values changed"

# Key times are "low,high" halves of 64-bit counts, beyond awk's exact numbers.
KEY_TIMES=0
while IFS=$'\t' read -r before after; do
  read -ra old <<< "$before"
  read -ra new <<< "$after"
  for i in "${!old[@]}"; do
    o=$(((${old[$i]#*,} << 32) | (${old[$i]%,*} & 0xFFFFFFFF)))
    n=$(((${new[$i]#*,} << 32) | (${new[$i]%,*} & 0xFFFFFFFF)))
    if [ "$o" -eq 0 ]; then
      [ "$n" -eq 0 ] || fail "a key time of 0 moved"
    else
      [ $((o - n)) -eq 36000000000 ] || fail "a key time moved by $((o - n)) ticks"
      KEY_TIMES=$((KEY_TIMES + 1))
    fi
  done
done < <(paste <(cut -f 6 "$WORK/shift.before.txt") <(cut -f 6 "$WORK/shift.after.txt"))
[ "$KEY_TIMES" -gt 0 ] || fail "the sample has no key times to check"
echo "e2e: ok: Shift Times -01:00:00 on all strokes moved every time of day and $KEY_TIMES key times an hour back, as quillmark-cli shift does"
