#!/usr/bin/env python3
# The real program on a private desktop (tools/desktop_sandbox.py), driven by
# its access keys. Every sound of a run must be the program's own dot or dash
# with each pause on the millisecond schedule (tools/morse_recording.py), and
# the settings file must hold the new record when "73" starts to sound.
# Usage: scenarios.py KORVANE SCENARIO [SOUND_SERVER]  (see desktop_sandbox.py)

import os
import re
import sys
import time
from pathlib import Path

import numpy as np

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tools"))
import morse_recording as mr  # noqa: E402
from desktop_sandbox import Sandbox  # noqa: E402


# Exit must end the program well, having saved `settings` before "73" sounds;
# with `during`, Exit is pressed while that key's "V" sounds.
def exit_saving(box, window, settings, during=()):
    box.press(window, *during, "alt+x", heard_ms=0)
    time.sleep(0.3 if during else 0)  # past the "V", into the "73"
    if (at_73 := Path("KORVANE.INI").read_bytes()) != settings:
        raise AssertionError(f"KORVANE.INI {at_73.hex(' ')} as 73 sounds")
    saved(box, 30, settings)


# These sounds must be these sends (wpm, pitch, text) and nothing else; a text
# None (one at most) is decoded. Returns the texts.
def heard(samples, part, sends):
    sizes = [len(mr.schedule(text)[0]) if text else 0 for _, _, text in sends]
    if 0 in sizes:
        sizes[sizes.index(0)] = max(1, len(part) - sum(sizes))  # what the known sends leave
    # In order, so that a fault is reported with the send it belongs to.
    texts = [mr.Send(samples, part[end - size:end], wpm, pitch, text).text
             for (wpm, pitch, text), size, end in zip(sends, sizes, np.cumsum(sizes))]
    if sum(sizes) != len(part):
        raise AssertionError(f"{len(part)} elements heard, {sizes} expected")
    return texts


# A send that starts while another sounds keeps its distance: it starts the
# four dots that one owed after its last element, and at most 120 ms later.
def kept_distance(last, first, wpm):
    gap_ms = (first[0] - last[1]) / 44.1
    if not 4 * (1200 // wpm) <= gap_ms <= 4 * (1200 // wpm) + 120:
        raise AssertionError(f"{gap_ms:.1f} ms between two sends at {wpm} wpm")


# No settings file: Faster, the Learn Code window, whose lesson the sound
# server's restart cuts short, a file picked in the Code From File window, Exit.
def first_run(box):
    main = box.window()
    box.press(main, "alt+f", heard_ms=400)
    box.press(main, "alt+n")
    lessons = box.window()
    box.press(lessons, "Down", "Up", "alt+l")
    time.sleep(0.3)
    box.restart_sound()
    restarted = box.position
    time.sleep(1.5)
    box.press(lessons, "alt+o")
    box.press(box.window(), "alt+i")
    caption = "Code From File -- /"
    files = box.window(caption)
    # A list takes what is typed as the start of a line until 400 ms pass without a key.
    for name in ("tmp", box.root.name, "home", "practice"):
        box.xdotool("windowfocus", "--sync", files, "sleep", "0.5", "type", name)
        box.press(files, "alt+g", heard_ms=400 if name == "practice" else None)
        if name != "practice":
            box.window(caption := caption + name + "/")
    box.press(files, "alt+u")
    exit_saving(box, box.window(), b"\xb0\x04\x0b\x00")
    samples = box.samples()
    parts = mr.sounds(samples)
    heard(samples, parts[:4], [(11, 1200, "V")])
    heard(samples, [p for p in parts if p[0] >= restarted],
          [(11, 1200, PRACTICE_HEARD), (11, 1200, "73")])


# Stored 700 Hz and 80 wpm, and two more bytes: Higher, QSO Practice, Lower,
# Slower (79 and 78 wpm have the dot of 80), Faster (above 45 wpm a "V" at the
# same speed) and Slower at once, then Random Code, which Escape must silence
# within 50 ms of the key (and PipeWire's cycle), and Faster and Exit at once,
# which still sends "73".
def stored_settings(box):
    main = box.window()
    for keys in (["alt+h"], ["alt+q"], ["alt+l"], ["alt+s"], ["alt+f", "alt+s"]):
        box.press(main, *keys, heard_ms=1500)
    since = box.position
    box.press(main, "alt+r", heard_ms=0)
    time.sleep(5)
    key = box.press(main, "Escape")
    time.sleep(0.5)
    farewell_from = box.position
    exit_saving(box, main, b"\xbc\x02\x4e\x00\xaa\xbb", during=["alt+f"])
    samples = box.samples()
    parts = mr.sounds(samples)
    before, code, farewell = ([p for p in parts if start <= p[0] < end] for start, end in
                              ((0, since), (since, farewell_from), (farewell_from, len(samples))))
    _, qso, *_ = heard(samples, before, [(80, 720, "V"), (80, 720, None), (80, 700, "V"),
                                         (79, 700, "V"), (79, 700, "V"), (78, 700, "V")])
    kept_distance(before[-5], before[-4], 79)
    if not re.fullmatch(r"VVV  VVV      .*\?", qso):
        raise AssertionError(f"not a QSO: {qso}")
    # What was sent before the character Escape cut into: up to its last pause of 3 dots.
    whole = max(i for i in range(1, len(code)) if code[i][0] - code[i - 1][1] > 2 * 15 * 44.1)
    mr.Send(samples, code[:whole], 78, 700, None, ":")
    heard(samples, farewell, [(78, 700, "V"), (78, 700, "73")])
    kept_distance(farewell[3], farewell[4], 78)
    if box.time_of(code[-1][1]) > key + 0.05 + box.cycle:
        raise AssertionError(f"sound {(box.time_of(code[-1][1]) - key) * 1000:.1f} ms after Escape")


# Faster, then SIGTERM, which ends the program within 1 s with its settings
# saved and no farewell.
def terminated(box):
    box.press(box.window(), "alt+f", heard_ms=400)
    farewell_from = box.position
    box.program.terminate()
    saved(box, 1, b"\xb0\x04\x0b\x00")
    if box.samples()[farewell_from:].any():
        raise AssertionError("a farewell after SIGTERM")


# The program ends well within `seconds`, having saved `settings`.
def saved(box, seconds, settings):
    if box.program.wait(seconds) != 0 or Path("KORVANE.INI").read_bytes() != settings:
        raise AssertionError(f"status {box.program.returncode}, "
                             f"KORVANE.INI {Path('KORVANE.INI').read_bytes().hex(' ')}")


# The settings file each scenario starts with.
SCENARIOS = {"first_run": (None, first_run),
             "stored_settings": (b"\xbc\x02\x50\x00\xaa\xbb", stored_settings),
             "terminated": (None, terminated)}
# A practice file whose name is not UTF-8, and what is heard of its bytes.
PRACTICE_NAME, PRACTICE, PRACTICE_HEARD = b"practice-\xe9t\xe9.txt", b"e\r\n k\xc3\xa9[t]", "E  KT"


def run(program, name, sound="pulseaudio"):
    settings, scenario = SCENARIOS[name]
    with Sandbox(sound) as box:
        os.chdir(box.root / "home")
        if settings:
            Path("KORVANE.INI").write_bytes(settings)
        Path(os.fsdecode(PRACTICE_NAME)).write_bytes(PRACTICE)
        # The program takes no arguments: Qt's own options must not reach Qt.
        box.start_program(program, "-platform", "none", "-reverse")
        try:
            scenario(box)
        except mr.InsertedSilence as fault:
            if program.endswith(".exe"):
                raise AssertionError(f"{fault}; {wine_or_program(box, fault.places)}") from None
            raise


# Under Wine, silence is either Wine's, where its stream ran dry in the sound
# server while it held the program's sound, or the program's, handed over late.
def wine_or_program(box, places):
    wine = box.wine_dried(places)
    program = [place for place in places if place not in wine]
    return (f"inserted by Wine, not by the program, at {wine}" if wine else "") + \
        (" and " if wine and program else "") + \
        (f"by the program at {program}" if program else "")


if __name__ == "__main__":
    run(*sys.argv[1:])
