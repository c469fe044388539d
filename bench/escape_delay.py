#!/usr/bin/env python3
# Escape to silence, on the private real-time sink of tools/desktop_sandbox.py:
# random code is started and Escape pressed a second into its sound, ten times
# in one run of the program. Prints each delay from the key to the end of the
# last sound that began before it (negative: the recording was already silent),
# then their mean and largest. The key's time, taken right after xdotool sent
# it, goes onto the recording's clock by the recorder's mapping of arrival time
# to samples; the null sink renders a little ahead of real time, so the figures
# are early by up to that lead (about 20 ms here).
# Usage: escape_delay.py KORVANE

import os
import statistics
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tools"))
import morse_recording as mr  # noqa: E402
from desktop_sandbox import Sandbox  # noqa: E402

with Sandbox() as box:
    os.chdir(box.root / "home")
    box.program = box.start([sys.argv[1]])
    main = box.window()
    keys = []
    for _ in range(10):
        box.press(main, "alt+r", heard_ms=0)
        time.sleep(1)
        keys.append((box.press(main, "Escape") - box.time_of(0)) * 44100)
        time.sleep(0.5)
    box.press(main, "alt+x")
    box.program.wait(30)
    parts = mr.sounds(box.samples())
delays = [(max(last for first, last in parts if first < key) - key) / 44.1 for key in keys]
print("Escape to silence (ms):", " ".join(f"{delay:.1f}" for delay in delays))
print(f"mean {statistics.mean(delays):.1f} ms, largest {max(delays):.1f} ms")
