#!/usr/bin/env python3
"""Escape to silence. On a private real-time sink (a PulseAudio null sink
recorded as it plays), random code is started and Escape pressed a second into
it, ten times in one run of the program; prints each delay from the key to the
end of the last sound (negative: the recording was silent before the key), and
their mean and largest. The key's time is the monotonic time right after
xdotool sent it, put on the recording's clock by the recorder, which maps each
sample to the earliest time a sample reached it: the null sink renders ahead
of real time, so the figures are early by up to that lead (about 20 ms here).

Usage: escape_delay.py --program KORVANE"""

import argparse
import statistics
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tests" / "e2e"))

from sandbox import Sandbox  # noqa: E402
from scenarios import Check, escape_delay_ms, exit_from, press_escape_in_random_code  # noqa: E402

TRIES = 10


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", type=Path, required=True)
    args = parser.parse_args()
    with Sandbox() as box:
        check = Check(box, args.program.resolve(), None)
        program = check.start(check.workdir("work"))
        window = program.window()
        keys = [press_escape_in_random_code(check, program, window) for _ in range(TRIES)]
        exit_from(program, window)
        delays = [escape_delay_ms(check.samples(), key) for key in keys]
    print("Escape to silence (ms):", " ".join(f"{d:.1f}" for d in delays))
    print(f"mean {statistics.mean(delays):.1f} ms, largest {max(delays):.1f} ms over {TRIES} tries")


if __name__ == "__main__":
    sys.exit(main())
