# The main window under the window manager: an ordinary top-level window (not
# a dialog), and a double-click on its title band switches between the
# full-screen and the normal window in both directions.
start_app

type=$(xprop -id "$MAIN" _NET_WM_WINDOW_TYPE)
case "$type" in
  *_NET_WM_WINDOW_TYPE_NORMAL*) ;;
  *) fail "the main window is not a normal window: $type" ;;
esac
state=$(xprop -id "$MAIN" _NET_WM_STATE)
case "$state" in
  *_NET_WM_STATE_MODAL*) fail "the main window announces itself as modal: $state" ;;
esac

window_width() {
  xdotool getwindowgeometry "$MAIN" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p'
}

# Double-clicks the title band and waits for the width to change.
double_click_title() {
  local before deadline=$((SECONDS + TIMEOUT))
  before=$(window_width)
  xdotool mousemove --window "$MAIN" 300 15 click --repeat 2 --delay 60 1
  while [ "$(window_width)" = "$before" ]; do
    [ "$SECONDS" -lt "$deadline" ] || fail "a double-click on the title band left the width at $before"
    sleep 0.2
  done
}

SCREEN_WIDTH=$(xdotool getdisplaygeometry | cut -d' ' -f1)
[ "$(window_width)" -eq "$SCREEN_WIDTH" ] || fail "the window does not start across the screen"
double_click_title
[ "$(window_width)" -lt "$SCREEN_WIDTH" ] || fail "the double-click did not restore the normal window"
double_click_title
[ "$(window_width)" -eq "$SCREEN_WIDTH" ] || fail "the double-click did not maximise the normal window"

keys "$MAIN" alt+f x
wait_gone '^Quillmark - ' "the main window"
wait "$APP_PID" || fail "the editor ended with an error"
APP_PID=""
echo "e2e: ok: a normal top-level window; the title double-click restores and maximises"
