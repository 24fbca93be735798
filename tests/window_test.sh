#!/bin/sh
# Runs Corbisk in a real window on a virtual X display (Xvfb, 1920x1080): the
# menu shows; a waiting program uses (almost) no CPU at the menu and at a key
# wait; a page of figures shows within a bounded peak memory and no GL driver
# is mapped; the number field takes Delete and a full-width digit typed as text;
# typing 9 and Enter ends the program with status 0; the error screen takes the
# keys pressed at it and waits without CPU; closing the window ends the program
# with status 0.
#
# Usage: window_test.sh <corbisk program> <error-screen program> [peak MB]
#   The error-screen program is Corbisk with a fault raised at its first wait.
#   Peak MB bounds the peak memory with a page of figures shown; 0 skips that
#   check (sanitizer builds).
# Exits 77 (skipped) when Xvfb, xdotool, ImageMagick or python3 is missing.
set -u

program=${1:?usage: window_test.sh <corbisk program> <error-screen program> [peak MB]}
faulty=${2:?usage: window_test.sh <corbisk program> <error-screen program> [peak MB]}
peak_limit_mb=${3:-60}

for tool in xvfb-run xdotool import convert python3; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

# Start over inside a virtual display of our own.
if [ -z "${WINDOW_TEST_ON_XVFB:-}" ]; then
  WINDOW_TEST_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1920x1080x24" \
    sh "$0" "$program" "$faulty" "$peak_limit_mb"
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

# Starts a program (the one given, or Corbisk) and waits for its window.
start() {
  "${1:-$program}" >"$workdir/out" 2>&1 &
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

# Colours of the palette (framework/platform/palette.cpp): 10 the menu panel,
# 1 the water tank, 13 the error line.
panel='#104624'
tank='#6478FF'
pink='#FFBFE4'

# Takes screenshots until the colour covers more than `low` and less than
# `high` of the screen, for up to 10 s; f is the last fraction seen.
wait_for() {
  f=0
  for _ in $(seq 50); do
    import -window root "$workdir/shot.png" 2>/dev/null
    f=$(fraction_of "$1")
    awk "BEGIN { exit !($f > $2 && $f < $3) }" && return 0
    sleep 0.2
  done
  return 1
}

# A waiting program sleeps: over 5 s it uses at most 1 % of a core (the cursor
# dot blinks twice a second; a busy loop would take the whole 5 s).
# A program that ended while being measured has not waited: that fails too.
ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat" 2>/dev/null; }
expect_idle() {
  hz=$(getconf CLK_TCK)
  before=$(ticks)
  sleep 5
  after=$(ticks)
  [ -n "$before" ] && [ -n "$after" ] || fail "the program ended while waiting $1"
  used=$((after - before))
  [ "$used" -le $((hz * 5 / 100)) ] || fail "waiting $1 used $used CPU ticks in 5 s"
  echo "ok: waiting $1 uses $used CPU ticks in 5 s"
}

type_keys() {
  xdotool windowfocus --sync "$wid"
  xdotool key --delay 60 "$@"
}

# 1. The menu shows and waits quietly; a page of figures shows within the peak
# memory, with no GL driver mapped; its key wait is quiet too; closing the
# window ends the program.
start
# The panel is about 60 % of the canvas, less the menu's text.
wait_for "$panel" 0.3 0.7 ||
  fail "the window does not show the menu panel (panel colour covers $f of the screen)"
white=$(fraction_of '#FFFFFF')
awk "BEGIN { exit !($white > 0.1) }" || fail "no white page round the panel ($white)"
echo "ok: the menu shows (panel $f, white $white of the screen)"
expect_idle "at the menu"

type_keys 2 Return 1 Return
wait_for "$tank" 0.03 0.3 || fail "section 2 page 1 does not show the tank (tank colour $f)"
echo "ok: the tank page shows (tank colour $f of the screen)"
gl=$(grep -E 'libGL|libEGL|libLLVM|libgallium|/dri/' "/proc/$pid/maps" | awk '{ print $6 }' | sort -u)
[ -z "$gl" ] || fail "a GL driver is mapped: $gl"
peak_kb=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status")
if [ "$peak_limit_mb" -gt 0 ]; then
  [ "$peak_kb" -le $((peak_limit_mb * 1024)) ] ||
    fail "peak memory $((peak_kb / 1024)) MB with the page shown (at most $peak_limit_mb MB)"
fi
echo "ok: peak memory $((peak_kb / 1024)) MB with the page shown, no GL driver mapped"
expect_idle "at the page's key wait"
close_window "$wid" || fail "could not send WM_DELETE_WINDOW"
expect_exit "closing the window"

# 2. The number field: 1, then Delete clears it, then a full-width 9 typed as
# text (as a Japanese input method sends it) reads as 9; Enter chooses the
# menu's 9, which ends the program. Were Delete not the field's clear key, the
# field would read 19 and the menu would stay.
start
wait_for "$panel" 0.3 0.7 || fail "the menu does not show"
type_keys 1 Delete
xdotool type --delay 60 '９'
type_keys Return
expect_exit "typing 1, Delete, a full-width 9 and Enter"

# 3. The error screen: a key pressed at it is taken and dropped, the screen
# waits without CPU, and closing the window ends the program.
start "$faulty"
wait_for "$pink" 0.0005 0.1 || fail "the error screen does not show (error colour $f)"
[ "$(fraction_of "$panel")" = 0 ] || fail "the error screen still shows the menu panel"
echo "ok: the error screen shows"
type_keys 5 Return
sleep 0.5
expect_idle "at the error screen after keys"
close_window "$wid" || fail "could not send WM_DELETE_WINDOW"
expect_exit "closing the window at the error screen"
