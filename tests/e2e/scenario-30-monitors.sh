# The stroke monitor shows the current stroke of the sample, and the
# configuration dialog hides it.
FILE=$(sample_copy monitors)
start_app
MONITOR=$(wait_window '^Stroke Monitor$' "the stroke monitor")

# How many pixels of the monitor window are of the colour (#RRGGBB).
monitor_pixels() {
  import -window "$MONITOR" -depth 8 txt:- | grep -cF " $1 " || true
}

# Without a document the panel is blank: no value is drawn.
[ "$(monitor_pixels '#0000FF')" -eq 0 ] || fail "the stroke monitor shows values without a stroke"
open_file "$FILE"
# Stroke 2 has keys down with values of 2 and more: their halves stand above
# the letters, blue over odd keys and dark green over even ones.
keys "$MAIN" Down Down
sleep 0.5
BLUE=$(monitor_pixels '#0000FF')
GREEN=$(monitor_pixels '#005A00')
[ "$BLUE" -gt 0 ] && [ "$GREEN" -gt 0 ] ||
  fail "the stroke monitor does not show the values of stroke 3 ($BLUE blue, $GREEN green pixels)"

keys "$MAIN" alt+o c
CONFIG=$(wait_window '^Configuration$' "the configuration dialog")
keys "$CONFIG" alt+m Return
wait_gone '^Configuration$' "the configuration dialog"
wait_gone '^Stroke Monitor$' "the stroke monitor"
save_and_quit
echo "e2e: ok: the stroke monitor showed the values of stroke 3 ($BLUE blue, $GREEN green pixels); the configuration dialog hid it"
