#!/usr/bin/env python3
"""Measures the four programs in their real windows on a virtual display.

For each program: the time from start to the menu shown on the screen, the CPU
used over some seconds of waiting at the menu and the threads it has then, a
page of figures opened by typing its keys, the peak memory (VmHWM) with that
page shown, the CPU used over some seconds of waiting at its key wait, and
whether a GL driver was mapped into the process.

With --steps: the time from a key press to the last update of the screen it
causes, for the heaviest page steps (the key opening the page and each key
wait after it), each measured --runs times; the cursor dot's blink, which comes
half a second after the last update, is left out.

Usage: scripts/window_probe.py [BUILD_DIR] [--wait SECONDS] [--steps [--runs N]]
  BUILD_DIR defaults to build/release (build it first: scripts/run.sh does).
Runs itself inside xvfb-run with a 1920x1080 screen; needs xdotool.
"""

import argparse
import ctypes
import os
import re
import select
import statistics
import subprocess
import sys
import time

SCREEN = (1920, 1080)
CANVAS = (1440, 900)
# Colour 10 of the palette: the menu panel. Canvas point (1200, 500) lies on the
# panel of every program's main menu, clear of its texts.
PANEL = (0x10, 0x46, 0x24)
PANEL_POINT = (1200, 500)

# The keys (xdotool key names) that open a page of figures ending at a key wait.
PAGES = {
    "corbisk": ["2", "Return", "1", "Return"],  # section 2 page 1: the water tank
    "pollvane": ["6", "Return", "1", "Return"],  # section 6 page 1: three lines
    "merrowin": ["1", "Return", "2", "Return"],  # section 1 page 2: a plane and line
    "tessarin": ["1", "Return", "1", "Return"],  # section 1 page 1: a plane
}
# The heaviest page steps: the program, the keys (xdotool key names) from the
# main menu up to the key opening the page, that key, and how many key waits
# of the page follow it, each answered with a space.
STEPS = [
    ("corbisk", "7⑤", ["7", "Return", "5"], "Return", 0),
    ("tessarin", "8③", ["8", "Return", "3"], "Return", 0),
    ("tessarin", "2②", ["2", "Return", "2"], "Return", 0),
    ("corbisk", "5④", ["5", "Return", "4"], "Return", 0),
    ("tessarin", "3①", ["3", "Return", "1"], "Return", 0),
    ("corbisk", "6①", ["6", "Return", "1"], "Return", 0),
    ("merrowin", "1⑤", ["1", "Return", "5"], "Return", 0),
    ("corbisk", "1②", ["1", "Return", "2"], "Return", 0),
    ("tessarin", "8②", ["8", "Return", "2"], "Return", 3),
    ("tessarin", "7③", ["7", "Return", "3"], "Return", 0),
]
# No update for this long after the last one: the step is on the screen. Less
# than the half second after which the cursor dot blinks.
QUIET_S = 0.3
GL_LIBRARIES = re.compile(r"libGL|libEGL|libGLX|libLLVM|libgallium|/dri/|_dri\.so|libvulkan")


class Screen:
    """Reads single pixels of the root window through Xlib."""

    def __init__(self):
        self.x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
        x11 = self.x11
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XDefaultRootWindow.restype = ctypes.c_ulong
        x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x11.XGetImage.restype = ctypes.c_void_p
        x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                  ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        x11.XGetPixel.restype = ctypes.c_ulong
        x11.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
        x11.XDestroyImage.argtypes = [ctypes.c_void_p]
        self.display = x11.XOpenDisplay(None)
        if not self.display:
            sys.exit("cannot open the display")
        self.root = x11.XDefaultRootWindow(self.display)

    def pixel(self, x, y):
        image = self.x11.XGetImage(self.display, self.root, x, y, 1, 1, 0xFFFFFFFF, 2)
        if not image:
            return None
        value = self.x11.XGetPixel(image, 0, 0)
        self.x11.XDestroyImage(image)
        return ((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF)


class XRectangle(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short),
                ("width", ctypes.c_ushort), ("height", ctypes.c_ushort)]


class XDamageNotifyEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                ("drawable", ctypes.c_ulong), ("damage", ctypes.c_ulong),
                ("level", ctypes.c_int), ("more", ctypes.c_int),
                ("timestamp", ctypes.c_ulong), ("area", XRectangle),
                ("geometry", XRectangle)]


class XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("damage", XDamageNotifyEvent),
                ("pad", ctypes.c_long * 24)]


class Updates:
    """Sees every update of a window (the DAMAGE extension) and presses keys
    into it (XTEST), on a display connection of its own."""

    def __init__(self, window):
        x11 = self.x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
        self.damage = ctypes.cdll.LoadLibrary("libXdamage.so.1")
        self.xtest = ctypes.cdll.LoadLibrary("libXtst.so.6")
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XConnectionNumber.argtypes = [ctypes.c_void_p]
        x11.XPending.argtypes = [ctypes.c_void_p]
        x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(XEvent)]
        x11.XFlush.argtypes = [ctypes.c_void_p]
        x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        x11.XStringToKeysym.restype = ctypes.c_ulong
        x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
        x11.XKeysymToKeycode.restype = ctypes.c_ubyte
        x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.damage.XDamageQueryExtension.argtypes = [
            ctypes.c_void_p, ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int)]
        self.damage.XDamageCreate.restype = ctypes.c_ulong
        self.damage.XDamageCreate.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int]
        self.xtest.XTestFakeKeyEvent.argtypes = [
            ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.display = x11.XOpenDisplay(None)
        if not self.display:
            sys.exit("cannot open the display")
        base, error = ctypes.c_int(), ctypes.c_int()
        if not self.damage.XDamageQueryExtension(self.display, ctypes.byref(base),
                                                 ctypes.byref(error)):
            sys.exit("the display has no DAMAGE extension")
        self.notify = base.value  # XDamageNotify is the extension's first event
        raw_rectangles = 0
        self.damage.XDamageCreate(self.display, window, raw_rectangles)
        x11.XSync(self.display, 0)
        self.fd = x11.XConnectionNumber(self.display)
        self.drain(0.1)

    def drain(self, quiet):
        """Reads updates until none has come for `quiet` seconds (at most 5 s);
        returns the time of the last one, or None."""
        last = None
        deadline = time.monotonic() + 5
        event = XEvent()
        while True:
            while self.x11.XPending(self.display):
                self.x11.XNextEvent(self.display, ctypes.byref(event))
                if event.type == self.notify:
                    last = time.monotonic()
            waited_from = last if last is not None else self.pressed_at
            left = min(waited_from + quiet, deadline) - time.monotonic()
            if left <= 0:
                return last
            select.select([self.fd], [], [], left)

    pressed_at = 0.0

    def press(self, name):
        """Presses and releases a key; returns the seconds from the press to
        the last update it caused, or None when nothing changed."""
        code = self.x11.XKeysymToKeycode(self.display, self.x11.XStringToKeysym(name.encode()))
        self.pressed_at = time.monotonic()
        self.xtest.XTestFakeKeyEvent(self.display, code, 1, 0)
        self.xtest.XTestFakeKeyEvent(self.display, code, 0, 0)
        self.x11.XFlush(self.display)
        last = self.drain(QUIET_S)
        return None if last is None else last - self.pressed_at

    def close(self):
        self.x11.XCloseDisplay(self.display)


def screen_point(canvas_point):
    # Without a window manager the window fills the screen, the canvas scaled to
    # fit and centred in it.
    scale = min(SCREEN[0] / CANVAS[0], SCREEN[1] / CANVAS[1])
    ox = (SCREEN[0] - CANVAS[0] * scale) / 2
    oy = (SCREEN[1] - CANVAS[1] * scale) / 2
    return int(ox + (canvas_point[0] + 0.5) * scale), int(oy + (canvas_point[1] + 0.5) * scale)


def cpu_ticks(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])  # utime + stime


def status_kb(pid, name):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith(name + ":"):
                return int(line.split()[1])
    return 0


def thread_names(pid):
    names = []
    for task in sorted(os.listdir(f"/proc/{pid}/task"), key=int):
        with open(f"/proc/{pid}/task/{task}/comm") as f:
            names.append(f.read().strip())
    return names


def gl_mapped(pid):
    with open(f"/proc/{pid}/maps") as f:
        return sorted({os.path.basename(line.split()[-1]) for line in f
                       if GL_LIBRARIES.search(line)})


def cpu_percent(pid, seconds):
    hz = os.sysconf("SC_CLK_TCK")
    before = cpu_ticks(pid)
    time.sleep(seconds)
    return 100.0 * (cpu_ticks(pid) - before) / hz / seconds


def probe(program, screen, wait):
    point = screen_point(PANEL_POINT)
    start = time.monotonic()
    proc = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    shown = None
    while time.monotonic() - start < 10:
        if proc.poll() is not None:
            sys.exit(f"{program} ended: {proc.stderr.read().decode()}")
        if screen.pixel(*point) == PANEL:
            shown = time.monotonic() - start
            break
        time.sleep(0.001)
    if shown is None:
        proc.kill()
        sys.exit(f"{program}: no menu shown within 10 s")
    time.sleep(0.5)
    menu_cpu = cpu_percent(proc.pid, wait)
    menu_hwm = status_kb(proc.pid, "VmHWM")
    menu_threads = thread_names(proc.pid)

    name = os.path.basename(program)
    wid = subprocess.run(["xdotool", "search", "--sync", "--pid", str(proc.pid)],
                         capture_output=True, text=True, timeout=10).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", wid], check=True)
    subprocess.run(["xdotool", "key", "--delay", "60"] + PAGES[name], check=True)
    deadline = time.monotonic() + 10
    while screen.pixel(*point) == PANEL and time.monotonic() < deadline:
        time.sleep(0.01)
    time.sleep(1.5)  # the page is drawn and waits for its key
    page_hwm = status_kb(proc.pid, "VmHWM")
    page_cpu = cpu_percent(proc.pid, wait)
    page_rss = status_kb(proc.pid, "VmRSS")
    gl = gl_mapped(proc.pid)
    proc.kill()
    proc.wait()
    return {
        "program": name,
        "menu_ms": shown * 1000,
        "menu_cpu": menu_cpu,
        "menu_hwm": menu_hwm / 1024,
        "menu_threads": menu_threads,
        "page_hwm": page_hwm / 1024,
        "page_rss": page_rss / 1024,
        "page_cpu": page_cpu,
        "gl": gl,
    }


def start_at_menu(program, screen):
    proc = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    point = screen_point(PANEL_POINT)
    deadline = time.monotonic() + 10
    while screen.pixel(*point) != PANEL:
        if proc.poll() is not None:
            sys.exit(f"{program} ended: {proc.stderr.read().decode()}")
        if time.monotonic() > deadline:
            proc.kill()
            sys.exit(f"{program}: no menu shown within 10 s")
        time.sleep(0.01)
    wid = subprocess.run(["xdotool", "search", "--sync", "--pid", str(proc.pid)],
                         capture_output=True, text=True, timeout=10).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", wid], check=True)
    return proc, int(wid)


def probe_steps(build_dir, screen, runs):
    """Key -> screen of each step in STEPS, `runs` times over; prints one line a step."""
    print(f"{'program':<9} {'page':<5} {'step':<9} key -> screen, ms (median; each run)")
    for name, page, keys, key, waits in STEPS:
        times = [[] for _ in range(waits + 1)]
        for _ in range(runs):
            proc, wid = start_at_menu(os.path.join(build_dir, name), screen)
            updates = Updates(wid)
            for k in keys:
                updates.press(k)
            times[0].append(updates.press(key))
            for i in range(waits):
                times[i + 1].append(updates.press("space"))
            updates.close()
            proc.kill()
            proc.wait()
        for i, step in enumerate(times):
            shown = [t * 1000 for t in step if t is not None]
            label = "opening" if i == 0 else f"wait {i}"
            if len(shown) < len(step):
                print(f"{name:<9} {page:<5} {label:<9} no update in {len(step) - len(shown)} runs")
            if shown:
                each = " ".join(f"{t:.1f}" for t in shown)
                print(f"{name:<9} {page:<5} {label:<9} {statistics.median(shown):6.1f}   ({each})",
                      flush=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser.add_argument("build_dir", nargs="?", default=os.path.join(root, "build", "release"))
    parser.add_argument("--wait", type=float, default=10, help="seconds of waiting measured")
    parser.add_argument("--steps", action="store_true", help="time key -> screen of page steps")
    parser.add_argument("--runs", type=int, default=3, help="runs of each step (with --steps)")
    args = parser.parse_args()
    if not os.environ.get("WINDOW_PROBE_ON_XVFB"):
        os.environ["WINDOW_PROBE_ON_XVFB"] = "1"
        screen_arg = f"-screen 0 {SCREEN[0]}x{SCREEN[1]}x24"
        os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", screen_arg, sys.executable,
                               os.path.abspath(__file__)] + sys.argv[1:])
    screen = Screen()
    if args.steps:
        probe_steps(args.build_dir, screen, args.runs)
        return
    print(f"{'program':<9} {'menu shown':>10} {'CPU menu':>9} {'CPU key':>8} "
          f"{'HWM menu':>9} {'HWM page':>9} {'RSS page':>9}  GL mapped; threads at the menu")
    for name in PAGES:
        r = probe(os.path.join(args.build_dir, name), screen, args.wait)
        print(f"{r['program']:<9} {r['menu_ms']:>7.0f} ms {r['menu_cpu']:>7.2f} % "
              f"{r['page_cpu']:>6.2f} % {r['menu_hwm']:>6.1f} MB {r['page_hwm']:>6.1f} MB "
              f"{r['page_rss']:>6.1f} MB  {', '.join(r['gl']) or 'none'}; "
              f"{len(r['menu_threads'])} ({', '.join(r['menu_threads'])})", flush=True)


if __name__ == "__main__":
    main()
