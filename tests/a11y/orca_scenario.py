#!/usr/bin/env python3
# What a blind user hears: the real program on a private desktop
# (tools/desktop_sandbox.py) read by Orca, each utterance taken from Orca's
# debug log as it is written, step by step, and laid against the sounds
# recorded: what the program has said comes once a send has been heard, never
# while one sounds. Usage: orca_scenario.py KORVANE

import os
import re
import sys
import time
from datetime import datetime
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tools"))
import morse_recording as mr  # noqa: E402
from desktop_sandbox import Sandbox, wait  # noqa: E402

# Orca's echo of a key ends with a blank; all else it says is an utterance.
SPEECH = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*[^ ])'"
                    r"(?: voice=\S+)?\{.*\}$", re.M)
# Each step: the keys ("type" and a name types it) and what Orca must say after
# them, in full and nothing more within two seconds; the utterance of a step
# marked comes of a send.
FILES = r"Code From File -- /"
SENDS = [("start", ["Korvane dialog.", "Slower push button."]),
         ("Tab", ["Faster push button."]),
         ("Tab", ["Speed read only text.", " 44 wpm."]),
         ("shift+Tab", ["Faster push button."]),
         ("space", ["45 WPM."], "send"),
         ("alt+r", []),
         ("Escape", [r"[A-Z0-9,./? -]+"], "send"),
         ("alt+q", [r"(\S+ ){20,}.*\?"], "send")]  # the whole QSO, which ends with a question
WINDOWS = [("alt+n", ["Korvane dialog.", "Learn Code lessons.", r"List with 43 items\."]),
           ("Down", [r"E, dit\. A, dit dah\."]),
           ("alt+o", ["Korvane dialog.", "Slower push button."]),
           ("alt+i", [FILES + r" dialog\.", r"Folders and practice files\.",
                      r"List with \d+ items\."]),
           ("type tmp", [r"tmp, folder\."]),
           ("alt+g", [FILES + r"tmp/ dialog", r"Folders and practice files\.",
                      r"List with \d+ items\.", r"parent folder\."])]


# (seconds of the day, text) of each utterance in Orca's log so far.
def utterances(log):
    return [(int(h) * 3600 + int(m) * 60 + float(s), text)
            for h, m, s, text in SPEECH.findall(log[0])]


def run(program):
    with Sandbox() as box:
        log = box.start_screen_reader()
        os.chdir(box.root / "home")
        Path("KORVANE.INI").write_bytes(b"\xbc\x02\x2c\x00")  # 700 Hz, 44 wpm

        def play(steps):
            said = []  # what a send made the program say
            for keys, expected, *send in steps:
                since = len(utterances(log))
                if keys == "start":  # with no window manager, the pointer keeps the focus
                    box.start_program(program)
                    window = box.window()
                    box.xdotool("mousemove", "--window", window, "20", "20", "windowfocus", window)
                else:
                    window = box.xdotool("search", "--onlyvisible", "--name",
                                         "^(Korvane|Code From File)$|^" + FILES).split()[0]
                    if keys.startswith("type "):
                        box.xdotool("windowfocus", "--sync", window, "type", "--delay", "100",
                                    keys[5:])
                    else:
                        box.press(window, keys)
                try:
                    wait(lambda: len(utterances(log)) >= since + len(expected), 150, "")
                except TimeoutError:
                    pass  # what was said is reported below
                time.sleep(2)
                heard = utterances(log)[since:]
                texts = [h for _, h in heard]
                if len(heard) != len(expected) or not all(map(re.fullmatch, expected, texts)):
                    raise AssertionError(f"after {keys}: {texts}, not {expected}")
                said += heard[:1] if send else []
            return said

        said = play(SENDS)
        # The sends heard: the steps are two seconds apart, a send's pauses shorter.
        samples, sends = box.samples(), [[]]
        for sound in mr.sounds(samples):
            sends += [[sound]] if sends[-1] and sound[0] - sends[-1][-1][1] > 1.5 * 44100 else []
            sends[-1].append(sound)
        now = datetime.now()
        at = lambda sample: (now.hour * 3600 + now.minute * 60 + now.second + now.microsecond / 1e6
                             - time.monotonic() + box.time_of(sample))
        for (when, text), send in zip(said, sends):
            if when < at(send[-1][1]) - 0.05:
                raise AssertionError(f"{text!r} said before its send was heard")
        for when, text in utterances(log):
            if any(at(s[0][0]) < when < at(s[-1][1]) for s in sends):
                raise AssertionError(f"{text!r} said while a send sounded")
        play(WINDOWS)

if __name__ == "__main__":
    run(*sys.argv[1:])
