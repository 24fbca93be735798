#!/usr/bin/env python3
"""Measures the four programs in their real windows on a virtual display.

For each program: the time from start to the menu shown on the screen, the CPU
used over some seconds of waiting at the menu, a page of figures opened by
typing its keys, the peak memory (VmHWM) with that page shown, the CPU used
over some seconds of waiting at its key wait, and whether a GL driver was
mapped into the process.

Usage: scripts/window_probe.py [BUILD_DIR] [--wait SECONDS]
  BUILD_DIR defaults to build/release (build it first: scripts/run.sh does).
Runs itself inside xvfb-run with a 1920x1080 screen; needs xdotool.
"""

import argparse
import ctypes
import os
import re
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
        "page_hwm": page_hwm / 1024,
        "page_rss": page_rss / 1024,
        "page_cpu": page_cpu,
        "gl": gl,
    }


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser.add_argument("build_dir", nargs="?", default=os.path.join(root, "build", "release"))
    parser.add_argument("--wait", type=float, default=10, help="seconds of waiting measured")
    args = parser.parse_args()
    if not os.environ.get("WINDOW_PROBE_ON_XVFB"):
        os.environ["WINDOW_PROBE_ON_XVFB"] = "1"
        screen_arg = f"-screen 0 {SCREEN[0]}x{SCREEN[1]}x24"
        os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", screen_arg, sys.executable,
                               os.path.abspath(__file__), args.build_dir, "--wait", str(args.wait)])
    screen = Screen()
    print(f"{'program':<9} {'menu shown':>10} {'CPU menu':>9} {'CPU key':>8} "
          f"{'HWM menu':>9} {'HWM page':>9} {'RSS page':>9}  GL mapped")
    for name in PAGES:
        r = probe(os.path.join(args.build_dir, name), screen, args.wait)
        print(f"{r['program']:<9} {r['menu_ms']:>7.0f} ms {r['menu_cpu']:>7.2f} % "
              f"{r['page_cpu']:>6.2f} % {r['menu_hwm']:>6.1f} MB {r['page_hwm']:>6.1f} MB "
              f"{r['page_rss']:>6.1f} MB  {', '.join(r['gl']) or 'none'}", flush=True)


if __name__ == "__main__":
    main()
