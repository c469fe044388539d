#!/usr/bin/env python3
# Escape to silence, on the private real-time sink of tools/desktop_sandbox.py:
# random code is started and Escape pressed a second into its sound, ten times
# in one run of the program. Prints each delay from the key to the end of the
# last sound that began before it (negative: the recording was already silent),
# then their mean and largest. The key's time is taken just before it went
# out; a sound's, when the recorder got its last sample.
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
        keys.append(box.press(main, "Escape"))
        time.sleep(0.5)
    box.press(main, "alt+x")
    box.program.wait(30)
    times = [(box.time_of(first), box.time_of(last)) for first, last in mr.sounds(box.samples())]
delays = [(max(last for first, last in times if first < key) - key) * 1000 for key in keys]
print("Escape to silence (ms):", " ".join(f"{delay:.1f}" for delay in delays))
print(f"mean {statistics.mean(delays):.1f} ms, largest {max(delays):.1f} ms")
