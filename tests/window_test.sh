#!/bin/sh
# Runs the programs in a real window on a virtual X display (Xvfb, 1920x1080).
#
# What the window shows and how the programs end ("shows"): the menu shows; a
# page of figures shows with no GL driver mapped; digits typed into the number
# field at short gaps, through the cursor dot's blink, show on the screen as
# the replay tool draws them, and so does a page a space bar answered; the
# number field takes Delete and a full-width digit typed as text; typing 9 and
# Enter ends the program with status 0; a long practice in one section ends
# cleanly; the error screen takes the keys pressed at it; closing the window,
# or another program destroying it, ends the program with status 0.
#
# What the programs cost ("bounds"): a waiting program uses (almost) no CPU at
# the menu, at a key wait, at the blinking number field after a long practice
# and at the error screen, and waits at the menu on its one thread; a page of
# figures shows within a bounded peak memory, and the long practice leaves
# the program small. These figures mean something only for the build users
# run and on a machine that is otherwise quiet, so this part is run alone and
# only in the plain build.
#
# Usage: window_test.sh <build dir> shows
#        window_test.sh <build dir> bounds <peak MB> <practice MB>
#   The build dir holds corbisk, merrowin, lesson-replay and
#   error_screen_program (Corbisk with a fault raised at its first wait).
#   Peak MB bounds the peak memory with a page of figures shown, practice MB
#   the resident memory after a long practice.
# Exits 77 (skipped) when Xvfb, xdotool, ImageMagick or python3 is missing.
set -u

usage="usage: window_test.sh <build dir> shows | <build dir> bounds <peak MB> <practice MB>"
bin=${1:?$usage}
checks=${2:?$usage}
case "$checks" in
  shows) peak_limit_mb=0 practice_limit_mb=0 ;;
  bounds)
    peak_limit_mb=${3:?$usage}
    practice_limit_mb=${4:?$usage}
    ;;
  *)
    echo "$usage" >&2
    exit 2
    ;;
esac
program="$bin/corbisk"
faulty="$bin/error_screen_program"
replay="$bin/lesson-replay"

for tool in xvfb-run xdotool import convert compare python3; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

# Start over inside a virtual display of our own.
if [ -z "${WINDOW_TEST_ON_XVFB:-}" ]; then
  WINDOW_TEST_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1920x1080x24" \
    sh "$0" "$@"
fi

workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
pid=
wid=

# A failure names the build it was seen in.
fail() {
  echo "FAIL ($checks, $bin): $*"
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  exit 1
}

# Starts a program (the one given, or Corbisk) and waits for its window,
# titled as given (or Corbisk).
start() {
  "${1:-$program}" >"$workdir/out" 2>&1 &
  pid=$!
  title=${2:-Corbisk}
  wid=$(timeout 20 xdotool search --sync --name "^$title\$" 2>/dev/null | head -n 1)
  [ -n "$wid" ] || fail "no window titled $title appeared: $(cat "$workdir/out")"
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

# A waiting program sleeps: over 5 s (or the seconds given) it uses at most
# 1 % of a core (or the thousandths given); the cursor dot blinks twice a
# second, a busy loop would take the whole time. A program that ended while
# being measured has not waited: that fails too.
ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat" 2>/dev/null; }
expect_idle() {
  seconds=${2:-5}
  permille=${3:-10}
  hz=$(getconf CLK_TCK)
  before=$(ticks)
  sleep "$seconds"
  after=$(ticks)
  [ -n "$before" ] && [ -n "$after" ] || fail "the program ended while waiting $1"
  used=$((after - before))
  [ "$used" -le $((hz * seconds * permille / 1000)) ] ||
    fail "waiting $1 used $used CPU ticks in $seconds s"
  echo "ok: waiting $1 uses $used CPU ticks in $seconds s"
}

# The program's memory of one kind (VmHWM, VmRSS) is at most the MB given:
# expect_memory FIELD MB WHAT WHEN.
expect_memory() {
  kb=$(awk "/^$1:/ { print \$2 }" "/proc/$pid/status")
  [ -n "$kb" ] || fail "the program ended before its $3 was read"
  [ "$kb" -le $(($2 * 1024)) ] || fail "$3 $((kb / 1024)) MB $4 (at most $2 MB)"
  echo "ok: $3 $((kb / 1024)) MB $4"
}

# Waits (up to 60 s) until the program has used no CPU for half a second: it
# has taken every key typed and drawn what they ask.
settle() {
  last=$(ticks)
  for _ in $(seq 120); do
    sleep 0.5
    now=$(ticks)
    [ -n "$now" ] || fail "the program ended while $1"
    [ "$now" = "$last" ] && return 0
    last=$now
  done
  fail "the program is still busy after $1"
}

# Compares the window with the replay tool's picture of the same keys, drawn
# at the window's size (1920x1080 unless given). The cursor dot (the last
# circle of radius 4 the replay drew) is shown or not by its blink: a square
# round it is left out of both.
same_as_replay() {
  size=${3:-1920x1080}
  "$replay" corbisk --keys "$1" --size "$size" --png "$workdir/replay.png" \
    --trace "$workdir/replay.jsonl" || fail "the replay tool failed on $2"
  import -window "$wid" "$workdir/shot.png"
  dot=$(python3 - "$workdir/replay.jsonl" "$size" <<'EOF'
import json
import sys

width, height = (int(n) for n in sys.argv[2].split("x"))
# The canvas (1440 x 900) scaled to fit the window and centred.
scale = min(width / 1440, height / 900)
left, top = (width - 1440 * scale) / 2, (height - 900 * scale) / 2
dot = "point -1,-1"
for line in open(sys.argv[1]):
    op = json.loads(line)
    if op["op"] == "circle" and op["r"] == 4:
        x, y, r = left + op["x"] * scale, top + op["y"] * scale, 10 * scale
        dot = "rectangle %d,%d %d,%d" % (x - r, y - r, x + r + 1, y + r + 1)
print(dot)
EOF
)
  for picture in shot replay; do
    convert "$workdir/$picture.png" -alpha off -fill black -draw "$dot" "$workdir/$picture-masked.png"
  done
  differ=$(compare -metric AE "$workdir/shot-masked.png" "$workdir/replay-masked.png" null: 2>&1)
  if [ "$differ" != 0 ]; then
    [ -n "${WINDOW_TEST_KEEP:-}" ] && cp "$workdir/shot.png" "$workdir/replay.png" "$WINDOW_TEST_KEEP"
    fail "$2: $differ pixels of the window differ from the replay tool's picture"
  fi
  echo "ok: $2 shows as the replay tool draws it"
}

# True when this run checks the bounds.
measuring() { [ "$checks" = bounds ]; }

type_keys() {
  xdotool windowfocus --sync "$wid"
  xdotool key --delay 60 "$@"
}

# The menu shows (and waits quietly); a page of figures shows with no GL
# driver mapped (within the peak memory, and its key wait is quiet too);
# closing the window ends the program.
menu_and_figure_page() {
  start
  # The panel is about 60 % of the canvas, less the menu's text.
  wait_for "$panel" 0.3 0.7 ||
    fail "the window does not show the menu panel (panel colour covers $f of the screen)"
  white=$(fraction_of '#FFFFFF')
  awk "BEGIN { exit !($white > 0.1) }" || fail "no white page round the panel ($white)"
  echo "ok: the menu shows (panel $f, white $white of the screen)"
  if measuring; then
    expect_idle "at the menu"
    # The program draws on its one thread; SDL's X11 driver starts none.
    threads=$(ls "/proc/$pid/task" | wc -l)
    [ "$threads" -eq 1 ] || fail "$threads threads while waiting at the menu (1 expected)"
    echo "ok: 1 thread while waiting at the menu"
  fi

  type_keys 2 Return 1 Return
  wait_for "$tank" 0.03 0.3 || fail "section 2 page 1 does not show the tank (tank colour $f)"
  echo "ok: the tank page shows (tank colour $f of the screen)"
  gl=$(grep -E 'libGL|libEGL|libLLVM|libgallium|/dri/' "/proc/$pid/maps" | awk '{ print $6 }' | sort -u)
  [ -z "$gl" ] || fail "a GL driver is mapped: $gl"
  echo "ok: no GL driver mapped"
  if measuring; then
    expect_memory VmHWM "$peak_limit_mb" "peak memory" "with the page shown"
    expect_idle "at the page's key wait"
  fi
  close_window "$wid" || fail "could not send WM_DELETE_WINDOW"
  expect_exit "closing the window"
}

# The number field: 1, then Delete clears it, then a full-width 9 typed as
# text (as a Japanese input method sends it) reads as 9; Enter chooses the
# menu's 9, which ends the program. Were Delete not the field's clear key, the
# field would read 19 and the menu would stay.
number_field() {
  start
  wait_for "$panel" 0.3 0.7 || fail "the menu does not show"
  type_keys 1 Delete
  xdotool type --delay 60 '９'
  type_keys Return
  expect_exit "typing 1, Delete, a full-width 9 and Enter"
}

# What the window shows is what the replay tool draws: digits typed into
# the menu's number field 0.3 s and 0.1 s apart, arriving while the cursor dot
# is shown or while it is off, all show; a space bar answers a page's key wait;
# a resized window shows the page as drawn afresh at its new size.
window_as_replay() {
  start
  wait_for "$panel" 0.3 0.7 || fail "the menu does not show"
  xdotool windowfocus --sync "$wid"
  xdotool key --delay 300 1 2 3 4 5 6 7 8
  settle "typing digits"
  same_as_replay "1 2 3 4 5 6 7 8" "digits typed 0.3 s apart"
  xdotool key --delay 100 Delete 8 7 6 5 4 3 2 1
  settle "typing digits"
  same_as_replay "1 2 3 4 5 6 7 8 Clear 8 7 6 5 4 3 2 1" "digits typed 0.1 s apart"
  type_keys Delete 2 Return 1 Return
  settle "opening the tank page"
  xdotool type --delay 60 ' '
  settle "answering the key wait with a space"
  page="1 2 3 4 5 6 7 8 Clear 8 7 6 5 4 3 2 1 Clear 2 Enter 1 Enter Space"
  same_as_replay "$page" "the tank page after a space bar"
  # Made smaller and larger, the window renders the page afresh at its new size.
  for size in 1000x700 1600x1000; do
    xdotool windowsize --sync "$wid" "${size%x*}" "${size#*x}"
    settle "resizing the window"
    same_as_replay "$page" "the tank page in a window of $size" "$size"
  done
  close_window "$wid" || fail "could not send WM_DELETE_WINDOW"
  expect_exit "closing the window"
}

# A long practice in one section: 150 new random examples of Merrowin's
# section 3 item 1 (each "2" asks for another) leave the program as small and
# as quiet at its blinking number field as the first one did; closing the
# window then ends it.
long_practice() {
  start "$bin/merrowin" Merrowin
  wait_for "$panel" 0.3 0.7 || fail "Merrowin's menu does not show"
  type_keys 3 Return 1 Return
  settle "opening the practice page"
  examples=""
  for _ in $(seq 150); do examples="$examples 2 Return"; done
  # One key name a word.
  # shellcheck disable=SC2086
  xdotool key --delay 15 $examples
  settle "drawing 150 examples"
  if measuring; then
    expect_memory VmRSS "$practice_limit_mb" "resident memory" "after 150 examples"
    expect_idle "at the number field after 150 examples" 10 5
  fi
  close_window "$wid" || fail "could not send WM_DELETE_WINDOW"
  expect_exit "closing the window after a long practice"
}

# The error screen: a key pressed at it is taken and dropped (the screen
# stays, and waits without CPU), and closing the window ends the program.
error_screen() {
  start "$faulty"
  wait_for "$pink" 0.0005 0.1 || fail "the error screen does not show (error colour $f)"
  [ "$(fraction_of "$panel")" = 0 ] || fail "the error screen still shows the menu panel"
  echo "ok: the error screen shows"
  type_keys 5 Return
  sleep 0.5
  if measuring; then
    expect_idle "at the error screen after keys"
  else
    settle "pressing keys at the error screen"
    wait_for "$pink" 0.0005 0.1 || fail "the error screen is gone after keys (error colour $f)"
    [ "$(fraction_of "$panel")" = 0 ] || fail "keys at the error screen brought the menu panel back"
    echo "ok: the error screen stays after keys"
  fi
  close_window "$wid" || fail "could not send WM_DELETE_WINDOW"
  expect_exit "closing the window at the error screen"
}

# Another program destroying the window (xdotool's windowclose does) ends
# the program as closing it does, at the menu and at a page's key wait.
window_destroyed() {
  start
  wait_for "$panel" 0.3 0.7 || fail "the menu does not show"
  xdotool windowclose "$wid"
  expect_exit "the window destroyed at the menu"
  start
  wait_for "$panel" 0.3 0.7 || fail "the menu does not show"
  type_keys 2 Return 1 Return
  settle "opening the tank page"
  xdotool windowclose "$wid"
  expect_exit "the window destroyed at a key wait"
}

if measuring; then
  menu_and_figure_page
  long_practice
  error_screen
else
  menu_and_figure_page
  number_field
  window_as_replay
  long_practice
  error_screen
  window_destroyed
fi
