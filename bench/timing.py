#!/usr/bin/env python3
"""The timing benchmark. On one real-time sink (a private PulseAudio null
sink recorded as it plays), it measures:

- the real program: the delay from a key press (Lower or Higher) to the first
  sample of its "V", and a minute of random code at 45 wpm and 700 Hz;
- the classic timing for comparison: the same text with the program's own
  sender and images, but each element a blocking playback of its own and
  each pause a thread sleep (bench_classic_playback);

and prints, side by side, how far the pauses and the whole minute are from
the millisecond schedule.

Usage: timing.py --program KORVANE --images E2E_ELEMENT_IMAGES --classic BENCH_CLASSIC_PLAYBACK"""

import argparse
import statistics
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tests" / "e2e"))

import audio  # noqa: E402
from sandbox import Sandbox  # noqa: E402
from scenarios import Check, exit_from, record  # noqa: E402

WPM = 45
PITCH = 700
KEY_PRESSES = 7  # Lower and Higher in turn, from 720 Hz, ending at 700 Hz


def measure_program(check):
    """Key-to-sound delays (ms) and the minute of random code as heard."""
    recorder = check.box.recorder
    program = check.start(check.workdir("work", record(PITCH + 20, WPM)))
    window = program.window()
    presses = []
    for i in range(KEY_PRESSES):
        since = recorder.position
        lower = i % 2 == 0
        pressed = program.press(window, "alt+l" if lower else "alt+h")
        recorder.wait_until_quiet(since, 300, timeout=30)
        presses.append((since, pressed, PITCH if lower else PITCH + 20))
    since = recorder.position
    program.press(window, "alt+r")
    recorder.wait_for_sound(since, 30, "the random code")
    program.press(window, "alt+h")  # a "V" at another pitch marks the end of the minute
    exit_from(program, window)

    samples = check.samples()
    delays = []
    for position, pressed, pitch in presses:
        v = audio.check_known(samples, position, check.images(WPM, pitch), "V", tolerance=None)
        delays.append((recorder.time_of(v.start) - pressed) * 1000)
    code = audio.decode(samples, since, check.images(WPM, PITCH), filler=":", tolerance=None)
    return delays, code


def measure_classic(check, classic, text):
    """The delay from the start of the send to its first sample (ms), and the send as heard."""
    recorder = check.box.recorder
    since = recorder.position
    run = subprocess.run([str(classic), str(WPM), str(PITCH)], input=text, env=check.box.env,
                         capture_output=True, text=True, timeout=600, check=True)
    began = float(run.stdout.split()[0])
    send = audio.check_known(check.samples(), since, check.images(WPM, PITCH), text,
                             tolerance=None)
    return (recorder.time_of(send.start) - began) * 1000, send


def figures(send):
    errors = [abs(e) / audio.SAMPLES_PER_MS for e in send.pause_errors]
    return max(errors), statistics.fmean(errors), send.drift / audio.SAMPLES_PER_MS


def ratio(classic, stream):
    return f"{abs(classic) / abs(stream):.0f}x" if abs(stream) >= 0.0005 else "-"


def report(delays, stream, start_delay, classic):
    minute = (stream.end - stream.start) / audio.RATE
    print(f"{len(stream.text)} characters ({len(stream.elements)} elements, "
          f"{len(stream.pause_errors)} pauses) of random code at {WPM} wpm and {PITCH} Hz, "
          f"{minute:.1f} s of sound")
    print(f"{'':34}{'shared stream':>15}{'classic':>12}{'ratio':>8}")
    names = ("largest pause error (ms)", "mean pause error (ms)", "drift over the send (ms)")
    for name, s, c in zip(names, figures(stream), figures(classic)):
        print(f"{name:34}{s:15.3f}{c:12.3f}{ratio(c, s):>8}")
    print(f"{'send start to first sample (ms)':34}{'':15}{start_delay:12.1f}")
    print(f"key press to first sample of V (ms): mean {statistics.fmean(delays):.1f}, "
          f"smallest {min(delays):.1f}, largest {max(delays):.1f} over {len(delays)} presses")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", type=Path, required=True)
    parser.add_argument("--images", type=Path, required=True)
    parser.add_argument("--classic", type=Path, required=True)
    args = parser.parse_args()
    with Sandbox() as box:
        check = Check(box, args.program.resolve(), args.images.resolve())
        delays, stream = measure_program(check)
        # The recorder stopped with the program; the classic run gets a fresh sandbox.
    with Sandbox() as box:
        check = Check(box, args.program.resolve(), args.images.resolve())
        start_delay, classic = measure_classic(check, args.classic.resolve(), stream.text)
    report(delays, stream, start_delay, classic)


if __name__ == "__main__":
    main()
