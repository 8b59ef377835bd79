# Options > Statistics opens the statistics window over the sample: it
# computes without taking the keyboard from the list, draws the bars of the
# speed plot and marks the current stroke's minute, which follows the list.
FILE=$(sample_copy statistics)
start_app "$FILE"
MAIN=$(wait_window "^Quillmark - $FILE\$" "the main window showing the file")
keys "$MAIN" alt+o s
STATS=$(wait_window '^Statistics$' "the statistics window")
[ "$(xdotool getactivewindow)" = "$MAIN" ] || fail "the statistics window took the keyboard"

# How many pixels of the statistics window are of the colour (#RRGGBB).
statistics_pixels() {
  import -window "$STATS" -depth 8 txt:- | grep -cF " $1 " || true
}

BARS=0
deadline=$((SECONDS + TIMEOUT))
until [ "$BARS" -gt 500 ]; do
  [ "$SECONDS" -lt "$deadline" ] || fail "the statistics window drew no bars ($BARS bar pixels)"
  sleep 0.5
  BARS=$(statistics_pixels '#4D637E')
done
# The caret over the current stroke's minute is drawn in the accent colour.
MARK=$(statistics_pixels '#2C8C86')
[ "$MARK" -gt 0 ] || fail "the statistics window does not mark the current stroke's minute"
# Moving in the list to a stroke of another minute (the sample writes about 80
# strokes a minute) moves the mark: the picture changes.
BEFORE=$(import -window "$STATS" -depth 8 txt:- | md5sum)
xdotool windowfocus --sync "$MAIN"
xdotool key --clearmodifiers --delay 10 --repeat 100 Down
sleep 1
AFTER=$(import -window "$STATS" -depth 8 txt:- | md5sum)
[ "$BEFORE" != "$AFTER" ] || fail "the current stroke's mark did not follow the list"
save_and_quit
echo "e2e: ok: the statistics window drew $BARS bar pixels, marked the current minute and followed the list"
