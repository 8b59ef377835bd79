# Opens a copy of the sample, replaces the keys W with WA in every stroke
# through the Replace dialog, saves, and checks the result against
# quillmark-cli replace on another copy.
FILE=$(sample_copy replace)
CLI_FILE=$(sample_copy replace-cli)
MATCHES=$(awk -F '\t' '$3 == "W"' "$WORK/replace.before.txt" | wc -l)
[ "$MATCHES" -gt 1 ] || fail "the sample has no strokes W to replace"
start_app
open_file "$FILE"

keys "$MAIN" alt+e r
REPLACE=$(wait_window '^Replace$' "the Replace dialog")
# Both fields open with the first stroke's keys: Delete clears a field, Left
# picks its left side, and letters type chords (w is W-, a is -A).
keys "$REPLACE" Delete Left w Tab Delete Left w a alt+a
confirm_message "the count of replaced strokes"
keys "$REPLACE" Escape
wait_gone '^Replace$' "the Replace dialog"
save_and_quit

"$CLI" replace "$CLI_FILE" W WA > /dev/null || fail "quillmark-cli replace failed"
"$CLI" dump "$FILE" > "$WORK/replace.after.txt" || fail "quillmark-cli cannot read the saved file"
"$CLI" dump "$CLI_FILE" > "$WORK/replace-cli.after.txt" || fail "quillmark-cli cannot read its own file"
# Saving dates the file today, so only the keys, raw keys, per-key values and
# per-key times are compared.
cut -f 3- "$WORK/replace-cli.after.txt" | diff - <(cut -f 3- "$WORK/replace.after.txt") > "$WORK/diff.txt" ||
  { head -n 20 "$WORK/diff.txt" >&2; fail "the editor's Replace All differs from quillmark-cli replace"; }
CHANGED=$(diff <(cut -f 3- "$WORK/replace.before.txt") <(cut -f 3- "$WORK/replace.after.txt") | grep -c '^>' || true)
[ "$CHANGED" -eq "$MATCHES" ] || fail "expected $MATCHES strokes changed, found $CHANGED"
awk -F '\t' '$3 == "W"' "$WORK/replace.after.txt" | grep -q . && fail "strokes W are left after Replace All"
echo "e2e: ok: replaced W with WA in $MATCHES strokes through the Replace dialog, as quillmark-cli does"
