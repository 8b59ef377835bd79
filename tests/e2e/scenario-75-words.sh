# The words of the sample: with a list of one small dictionary, the stroke list
# shows a translation column (words in black from the column's left edge, the
# untranslated steno in red), and Options > Transcript shows the formatted
# words with the current translation highlighted, without taking the keyboard.
FILE=$(sample_copy words)
DICTIONARY="$WORK/words.json"
cat > "$DICTIONARY" << 'JSON'
{"KPA": "{}{-|}", "TP": "if", "WE": "we", "SHAL": "shall", "SPOS": "suppose", "HA": "that"}
JSON
mkdir -p "$HOME/.config/Quillmark"
printf '{"dictionaries": [{"path": "%s", "enabled": true}]}\n' "$DICTIONARY" \
  > "$HOME/.config/Quillmark/dictionaries.json"
start_app "$FILE"
MAIN=$(wait_window "^Quillmark - $FILE\$" "the main window showing the file")
sleep 0.5

# The window's pixels as "x y #RRGGBB" lines.
window_pixels() {
  import -window "$1" -depth 8 txt:- | sed -n 's/^\([0-9]*\),\([0-9]*\):.* \(#[0-9A-F]\{6\}\) .*/\1 \2 \3/p'
}
window_pixels "$MAIN" > "$WORK/main.txt"
# The untranslated steno starts at the column's left edge, as the words do.
COLUMN_LEFT=$(awk '$3 == "#C80000" { if (min == "" || $1 < min) min = $1 } END { print min }' "$WORK/main.txt")
[ -n "$COLUMN_LEFT" ] || fail "no untranslated stroke is drawn in red"
# Black from that edge on, in pixel rows the current row's black bar does not fill.
WORD_PIXELS=$(awk -v left="$COLUMN_LEFT" '
  $1 >= left && $1 < left + 150 { n[$2]++; if ($3 == "#000000") b[$2]++ }
  END { for (y in b) if (b[y] < n[y]) s += b[y]; print s + 0 }' "$WORK/main.txt")
[ "$WORD_PIXELS" -gt 100 ] || fail "no words in black in the translation column ($WORD_PIXELS pixels from x $COLUMN_LEFT)"

# On "we": its translation has words to highlight.
keys "$MAIN" Down Down alt+o r
TRANSCRIPT=$(wait_window '^Transcript$' "the transcript window")
sleep 0.5
[ "$(xdotool getactivewindow)" = "$MAIN" ] || fail "the transcript window took the keyboard"
window_pixels "$TRANSCRIPT" > "$WORK/transcript.txt"
HIGHLIGHT=$(grep -c ' #2C8C86$' "$WORK/transcript.txt" || true)
RED=$(grep -c ' #C80000$' "$WORK/transcript.txt" || true)
[ "$HIGHLIGHT" -gt 50 ] && [ "$RED" -gt 0 ] ||
  fail "the transcript shows no highlighted translation ($HIGHLIGHT pixels) or no red steno ($RED pixels)"
import -window root "${TMPDIR:-/tmp}/quillmark-e2e-words.png"
save_and_quit
echo "e2e: ok: the column showed words from x $COLUMN_LEFT ($WORD_PIXELS black pixels) and red steno; the transcript highlighted the current translation ($HIGHLIGHT pixels); screen in ${TMPDIR:-/tmp}/quillmark-e2e-words.png"
