#!/bin/sh
# Runs Corbisk in a real window on a virtual X display (Xvfb): the menu shows,
# a waiting program uses no CPU, typing 9 and Enter ends it with status 0, and
# closing the window ends it with status 0.
#
# Usage: window_test.sh <path of the corbisk program>
# Exits 77 (skipped) when Xvfb, xdotool, ImageMagick or python3 is missing.
set -u

program=${1:?usage: window_test.sh <corbisk program>}

for tool in xvfb-run xdotool import convert python3; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

# Start over inside a virtual display of our own.
if [ -z "${WINDOW_TEST_ON_XVFB:-}" ]; then
  WINDOW_TEST_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x800x24" sh "$0" "$program"
fi

# In sanitizer builds, leaks inside the desktop libraries SDL loads (D-Bus,
# modules it unloads again) would turn every exit status into 1.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
pid=
wid=

fail() {
  echo "FAIL: $*"
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  exit 1
}

# Starts the program and waits for its window.
start() {
  "$program" >"$workdir/out" 2>&1 &
  pid=$!
  wid=$(timeout 20 xdotool search --sync --name '^Corbisk$' 2>/dev/null | head -n 1)
  [ -n "$wid" ] || fail "no window titled Corbisk appeared: $(cat "$workdir/out")"
}

# Waits up to 10 s for the program to end and checks its exit status.
expect_exit() {
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "the program is still running after $1"
  wait "$pid"
  status=$?
  pid=
  [ "$status" -eq 0 ] || fail "exit status $status after $1: $(cat "$workdir/out")"
  echo "ok: exit status 0 after $1"
}

# The fraction of the screen in one colour.
fraction_of() {
  convert "$workdir/shot.png" -alpha off -fill black +opaque "$1" -fill white -opaque "$1" \
    -format '%[fx:mean]' info:
}

# Sends WM_DELETE_WINDOW, as a window manager does when the close button is
# clicked (no window manager runs on the virtual display, and xdotool's
# windowclose destroys the window instead of asking it to close).
close_window() {
  python3 - "$1" <<'EOF'
import ctypes, sys

x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XInternAtom.restype = ctypes.c_ulong
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XFlush.argtypes = [ctypes.c_void_p]
x11.XCloseDisplay.argtypes = [ctypes.c_void_p]


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class XEvent(ctypes.Union):
    _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]


x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                           ctypes.POINTER(XEvent)]
display = x11.XOpenDisplay(None)
if not display:
    sys.exit("cannot open the display")
window = int(sys.argv[1])
event = XEvent()
event.xclient.type = 33  # ClientMessage
event.xclient.window = window
event.xclient.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
event.xclient.format = 32
event.xclient.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
x11.XSendEvent(display, window, 0, 0, ctypes.byref(event))
x11.XFlush(display)
x11.XCloseDisplay(display)
EOF
}

# Colour 10 of the palette (framework/platform/palette.cpp): the menu panel.
panel='#104624'

# 1. The menu shows; typing 9 and Enter ends the program.
start
shown=0
for _ in $(seq 50); do
  import -window root "$workdir/shot.png" 2>/dev/null
  f=$(fraction_of "$panel")
  # The panel is about 60 % of the canvas, less the menu's text.
  if awk "BEGIN { exit !($f > 0.3 && $f < 0.7) }"; then
    shown=1
    break
  fi
  sleep 0.2
done
[ "$shown" -eq 1 ] || fail "the window does not show the menu panel (panel colour covers $f of the screen)"
white=$(fraction_of '#FFFFFF')
awk "BEGIN { exit !($white > 0.1) }" || fail "no white page round the panel ($white)"
echo "ok: the menu shows (panel $f, white $white of the screen)"

# A program waiting for a key sleeps: under a tenth of a second of CPU in 2 s.
ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
if [ -r "/proc/$pid/stat" ]; then
  before=$(ticks)
  sleep 2
  used=$(($(ticks) - before))
  hz=$(getconf CLK_TCK)
  [ "$used" -le $((hz / 10)) ] || fail "the waiting program used $used CPU ticks in 2 s"
  echo "ok: waiting uses $used CPU ticks in 2 s"
fi

xdotool windowfocus --sync "$wid"
xdotool type --delay 50 9
xdotool key Return
expect_exit "typing 9 and Enter"

# 2. Closing the window ends the program.
start
sleep 0.5
close_window "$wid" || fail "could not send WM_DELETE_WINDOW"
expect_exit "closing the window"
