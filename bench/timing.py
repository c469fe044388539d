#!/usr/bin/env python3
"""The timing benchmark, on one private sink (tools/desktop_sandbox.py) run as a
desktop runs its sound server (PulseAudio, or another of the sandbox's):

- the real program, at normal priority (it may not raise its own), twice: on a
  quiet machine, then with two CPU hogs and a disk writer running. Each run
  measures the delay from a key press (Lower or Higher) to the first sample of
  its "V"; the program's wake-ups between sends; a minute of random code at
  45 wpm and 700 Hz; when its text reaches the screen; and when the window has
  gone after the "73" of Exit;
- the classic timing for comparison: the quiet run's text with the program's
  own sender and images, but each element a blocking playback of its own and
  each pause a thread sleep (bench_classic_playback);
- when given, the Windows program under Wine (WINELOADER), measured as the
  real program is, quiet and loaded;

then prints the figures side by side. A sample's time is when the recorder got
it; a key's, the moment before it went out.

Usage: timing.py --sound=SERVER KORVANE BENCH_CLASSIC_PLAYBACK [KORVANE.EXE]"""

import ctypes
import os
import statistics
import subprocess
import sys
import threading
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tools"))
import morse_recording as mr  # noqa: E402
from desktop_sandbox import Sandbox  # noqa: E402

WPM, PITCH = 45, 700
SOUND = "pulseaudio"  # the sandbox's sound server, as --sound gives it
# Lower and Higher in turn from 720 Hz, ending at 700 Hz; then Random Code and Exit.
KEYS = ["alt+l", "alt+h"] * 5 + ["alt+l"]
# Busy for a minute or two: two cores' worth of work and a disk kept writing.
LOAD = [["/usr/bin/python3", "-c", "while True: pass"]] * 2 + [["sh", "-c", (
    "while :; do dd if=/dev/zero of=load bs=1M count=256 conv=fsync status=none; done")]]


class _Image(ctypes.Structure):
    _fields_ = [(name, ctypes.c_int) for name in ("width", "height", "xoffset", "format")] + [
        ("data", ctypes.c_void_p)] + [(name, ctypes.c_int) for name in (
            "byte_order", "bitmap_unit", "bitmap_bit_order", "bitmap_pad", "depth", "line")]


_x11 = ctypes.CDLL("libX11.so.6")
_x11.XInitThreads()  # the screen is read from a thread of its own
_x11.XOpenDisplay.restype = ctypes.c_void_p
_x11.XGetImage.restype = ctypes.POINTER(_Image)
_x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_int] * 2 + [
    ctypes.c_uint] * 2 + [ctypes.c_ulong, ctypes.c_int]
_x11.XDestroyImage.argtypes = [ctypes.POINTER(_Image)]
_x11.XDefaultRootWindow.restype = ctypes.c_ulong
_x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]


# The first lines of the main window's text panel (50, 25 in a window of 500 by
# 350 dialog units), read off the screen every 2 ms from a thread: `shown` is
# when they first changed (a new text, or the window gone), at the latest;
# `before` when they were last seen unchanged.
class Screen:
    def __init__(self, box, window):
        shell = dict(line.split("=") for line in box.xdotool(
            "getwindowgeometry", "--shell", window).split())
        x, y, width, height = (int(shell[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))
        region = (x + width // 10, y + height * 25 // 350, width * 8 // 10, height * 20 // 350)
        self._display = _x11.XOpenDisplay(box.env["DISPLAY"].encode())
        self.shown = None
        threading.Thread(target=self._watch, args=[region], daemon=True).start()

    def _grab(self, region):
        image = _x11.XGetImage(self._display, _x11.XDefaultRootWindow(self._display), *region,
                               0xFFFFFFFF, 2).contents
        pixels = ctypes.string_at(image.data, image.line * image.height)
        _x11.XDestroyImage(image)
        return pixels

    def _watch(self, region):
        first = self._grab(region)
        while self.shown is None:
            self.before = time.monotonic()
            if self._grab(region) != first:
                self.shown = time.monotonic()
            time.sleep(0.002)


# The times the program's threads went to sleep over `seconds` of quiet: each is a wake-up.
def wakeups(pid, seconds):
    def count():
        return sum(int(line.split()[1]) for status in Path(f"/proc/{pid}/task").glob("*/status")
                   for line in status.read_text().splitlines() if line.startswith("voluntary"))
    before = count()
    time.sleep(seconds)
    return count() - before


def measure_program(program, loaded):
    with Sandbox(SOUND) as box:
        os.chdir(box.root / "home")
        Path("KORVANE.INI").write_bytes(b"\xd0\x02\x2d\x00")  # 720 Hz, 45 wpm
        box.start_program(program, wrapper=["setpriv", "--bounding-set=-sys_nice"])
        main = box.window()
        for command in LOAD if loaded else []:
            box.start(command)
        presses = [(box.position, box.press(main, key, heard_ms=300)) for key in KEYS]
        idle = wakeups(box.program.pid, 5)
        since, screen = box.position, Screen(box, main)
        box.press(main, "alt+r", heard_ms=1500)
        window = Screen(box, main)
        box.press(main, "alt+x")
        box.program.wait(30)
        samples = box.samples()
        sounds = mr.sounds(samples)
        onsets = [first for first, _ in sounds]
        delays = [(box.time_of(min(f for f in onsets if f >= at)) - pressed) * 1000
                  for at, pressed in presses]
        code = [s for s in sounds if s[0] >= since][:-10]  # the last ten are "73"
        return dict(delays=delays, idle=idle, seconds=(code[-1][1] - code[0][0]) / 44100,
                    send=mr.Send(samples, code, WPM, PITCH, None, ":", False),
                    text=after(screen, box.time_of(code[-1][1])),
                    exit=after(window, box.time_of(sounds[-1][1])))


# From a sound's last sample to a change on the screen (ms): between the last read
# that did not see it and the first that did.
def after(screen, heard):
    return (screen.before - heard) * 1000, (screen.shown - heard) * 1000


def measure_classic(classic, text):
    with Sandbox(SOUND) as box:
        subprocess.run([classic, str(WPM), str(PITCH)], input=text, env=box.env,
                       capture_output=True, text=True, timeout=600, check=True)
        samples = box.samples()
        return mr.Send(samples, mr.sounds(samples), WPM, PITCH, text, exact=False)


def column(run):
    send = run["send"]
    errors = abs(send.errors) / 44.1
    cells = [f"{errors.max():.3f}", f"{errors.mean():.3f}", f"{send.drift[-1] / 44.1:.3f}"]
    if "delays" not in run:  # the classic way: every pause is off, silence inserted or not
        return ["-", *cells] + ["-"] * 5
    return [len(send.places), *cells, f"{statistics.fmean(run['delays']):.1f}",
            f"{max(run['delays']):.1f}", "{:.0f} to {:.0f}".format(*run["text"]),
            "{:.0f} to {:.0f}".format(*run["exit"]), run["idle"]]


def main(program, classic, windows=None):
    quiet, loaded = (measure_program(program, load) for load in (False, True))
    send = quiet["send"]
    columns = [("quiet", quiet), ("loaded", loaded),
               ("classic", dict(send=measure_classic(classic, send.text)))]
    columns += [(name, measure_program(windows, load)) for name, load in
                (("windows", False), ("win+load", True)) if windows]
    print(f"{len(send.text)} characters ({len(send.errors) + 1} elements) of random code at "
          f"{WPM} wpm and {PITCH} Hz, {quiet['seconds']:.1f} s of sound; "
          f"{len(quiet['delays'])} key presses")
    names = ["places with inserted silence", "largest pause error (ms)", "mean pause error (ms)",
             "drift over the send (ms)", "key press to first sample, mean (ms)",
             "key press to first sample, largest (ms)", "text on screen after last element (ms)",
             "window gone after last element of 73 (ms)", "wake-ups in 5 s between sends"]
    for row in zip(["", *names], *([name, *column(run)] for name, run in columns)):
        print(f"{row[0]:44}" + "".join(f"{cell:>14}" for cell in row[1:]))


if __name__ == "__main__":
    SOUND = sys.argv[1].removeprefix("--sound=")
    main(*sys.argv[2:])
