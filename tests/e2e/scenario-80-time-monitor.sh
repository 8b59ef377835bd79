# The stroke time monitor stays reachable with the stroke monitor hidden:
# Options > Stroke Times maps it above the full-screen main window.
FILE=$(sample_copy time-monitor)
start_app "$FILE"
MAIN=$(wait_window "^Quillmark - $FILE\$" "the main window showing the file")
wait_window '^Stroke Monitor$' "the stroke monitor" > /dev/null
keys "$MAIN" alt+o c
CONFIG=$(wait_window '^Configuration$' "the configuration dialog")
keys "$CONFIG" alt+m Return
wait_gone '^Stroke Monitor$' "the stroke monitor"

keys "$MAIN" alt+o t
TIMES=$(wait_window '^Stroke Times$' "the stroke time monitor")
# Bottom to top: the time monitor must stand after the main window.
STACK=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/, /\n/g' | xargs -n 1 printf '%d\n')
MAIN_AT=$(grep -nx "$MAIN" <<< "$STACK" | cut -d: -f1)
TIMES_AT=$(grep -nx "$TIMES" <<< "$STACK" | cut -d: -f1)
[ -n "$MAIN_AT" ] && [ -n "$TIMES_AT" ] && [ "$TIMES_AT" -gt "$MAIN_AT" ] ||
  fail "the stroke time monitor is not above the main window (stacking: $(tr '\n' ' ' <<< "$STACK"))"
[ "$(xdotool getactivewindow)" = "$MAIN" ] || fail "the stroke time monitor took the keyboard"
save_and_quit
echo "e2e: ok: with the stroke monitor hidden, Stroke Times mapped its monitor above the main window"
