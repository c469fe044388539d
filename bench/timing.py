#!/usr/bin/env python3
"""The timing benchmark, on one private real-time sink (tools/desktop_sandbox.py):

- the real program: the delay from a key press (Lower or Higher) to the first
  sample of its "V", and a minute of random code at 45 wpm and 700 Hz;
- the classic timing for comparison: the same text with the program's own
  sender and images, but each element a blocking playback of its own and each
  pause a thread sleep (bench_classic_playback);

then prints, side by side, how far the pauses and the whole send are from the
millisecond schedule.

Usage: timing.py KORVANE ELEMENT_IMAGES BENCH_CLASSIC_PLAYBACK"""

import os
import statistics
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tools"))
import morse_recording as mr  # noqa: E402
from desktop_sandbox import Sandbox  # noqa: E402

WPM, PITCH = 45, 700
# Lower and Higher in turn from 720 Hz, ending at 700 Hz; then Random Code and Exit.
KEYS = ["alt+l", "alt+h"] * 3 + ["alt+l"]


def measure_program(program, images):
    """The key-to-sound delays (ms), and the random code as heard."""
    with Sandbox() as box:
        os.chdir(box.root / "home")
        Path("KORVANE.INI").write_bytes(b"\xd0\x02\x2d\x00")  # 720 Hz, 45 wpm
        box.program = box.start([program])
        main = box.window()
        presses = [(box.position, box.press(main, key, heard_ms=300)) for key in KEYS]
        since = box.position
        box.press(main, "alt+r", heard_ms=1500)
        box.press(main, "alt+x")
        box.program.wait(30)
        samples = box.samples()
        sounds = mr.sounds(samples)
        onsets = [first for first, _ in sounds]
        delays = [(box.time_of(min(f for f in onsets if f >= at)) - pressed) * 1000
                  for at, pressed in presses]
    code = [s for s in sounds if s[0] >= since][:-10]  # the last ten are "73"
    return delays, mr.Send(samples, code, WPM, images, filler=":", exact=False)


def measure_classic(classic, images, text):
    """The delay from the start of the send to its first sample (ms), and the send as heard."""
    with Sandbox() as box:
        run = subprocess.run([classic, str(WPM), str(PITCH)], input=text, env=box.env,
                             capture_output=True, text=True, timeout=600, check=True)
        samples = box.samples()
        send = mr.Send(samples, mr.sounds(samples), WPM, images, text, exact=False)
        return (box.time_of(send.start) - float(run.stdout.split()[0])) * 1000, send


def figures(send):
    errors = abs(send.errors) / 44.1
    return errors.max(), errors.mean(), send.drift[-1] / 44.1


def main(program, images_tool, classic):
    images = mr.images(images_tool, WPM, PITCH)
    # Silence that the sound server inserted under load can cut an element or
    # leave a pause that is no text: such a minute is measured again.
    for attempt in range(3):
        try:
            delays, stream = measure_program(program, images)
            break
        except mr.Mismatch as silence:
            print(f"measuring again: {silence}", file=sys.stderr)
    else:
        sys.exit("the sound server kept inserting silence")
    start_delay, old = measure_classic(classic, images, stream.text)
    print(f"{len(stream.text)} characters ({len(stream.errors) + 1} elements) of random code at "
          f"{WPM} wpm and {PITCH} Hz, {(stream.end - stream.start) / 44100:.1f} s of sound")
    print(f"{'':34}{'shared stream':>15}{'classic':>12}{'ratio':>8}")
    names = ("largest pause error (ms)", "mean pause error (ms)", "drift over the send (ms)")
    for name, new, classic in zip(names, figures(stream), figures(old)):
        ratio = f"{abs(classic / new):.0f}x" if abs(new) >= 0.0005 else "-"
        print(f"{name:34}{new:15.3f}{classic:12.3f}{ratio:>8}")
    print(f"{'send start to first sample (ms)':34}{'':15}{start_delay:12.1f}")
    print(f"key press to first sample of V (ms): mean {statistics.fmean(delays):.1f}, "
          f"smallest {min(delays):.1f}, largest {max(delays):.1f} over {len(delays)} presses")


if __name__ == "__main__":
    main(*sys.argv[1:])
