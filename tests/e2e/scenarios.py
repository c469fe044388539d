#!/usr/bin/env python3
"""End-to-end scenarios: the real program in a private desktop (Xvfb, a
PulseAudio null sink recorded in real time), driven by its access keys.
Each scenario checks what was heard sample by sample against the program's
own element images, measures every pause, decodes the sound back to text,
has multimon-ng decode it independently, and checks the settings file.

Usage: scenarios.py --program KORVANE --images E2E_ELEMENT_IMAGES
                    [--artifacts DIR] SCENARIO"""

import argparse
import os
import re
import sys
import time
from pathlib import Path

import audio
import morse
import multimon
from sandbox import Program, Sandbox

SCENARIOS = {}
RUN_TIMEOUT = 150  # seconds for one run of the program, the longest being a minute of code


def scenario(function):
    SCENARIOS[function.__name__] = function
    return function


def record(pitch, wpm, tail=b""):
    """A settings record: pitch then speed, signed 16-bit little-endian."""
    return pitch.to_bytes(2, "little", signed=True) + wpm.to_bytes(2, "little", signed=True) + tail


class Check:
    """What a scenario needs: the sandbox, working directories, the program,
    element images, and the recording once every run has ended."""

    def __init__(self, box, program, images_tool):
        self.box = box
        self._program = program
        self._images_tool = images_tool
        self._images = {}
        self._samples = None

    def workdir(self, name, settings=None):
        path = self.box.root / name
        path.mkdir()
        if settings is not None:
            (path / "KORVANE.INI").write_bytes(settings)
        return path

    def start(self, workdir):
        return Program(self.box, self._program, workdir)

    def images(self, wpm, pitch):
        if (wpm, pitch) not in self._images:
            scratch = self.box.root / f"images-{wpm}-{pitch}"
            scratch.mkdir()
            self._images[wpm, pitch] = audio.Images.build(self._images_tool, wpm, pitch, scratch)
        return self._images[wpm, pitch]

    def samples(self):
        """The whole recording; the recorder stops at the first call."""
        if self._samples is None:
            self._samples = self.box.recorder.stop()
            audio.write_wav(self.box.root / "recording.wav", self._samples)
        return self._samples

    def heard(self, sends, position=0):
        """Checks that the recording from `position` holds exactly these
        sends, each (wpm, pitch, text), one after the other, and nothing
        after them; each is also decoded by multimon-ng. Returns the sends."""
        samples = self.samples()
        found = []
        for wpm, pitch, text in sends:
            send = audio.check_known(samples, position, self.images(wpm, pitch), text)
            cross_check(samples, send, text, since=position)
            found.append(send)
            position = send.end
        require_silence_after(samples, position)
        return found


def cross_check(samples, send, text, since=0, ignore_blanks=False):
    """multimon-ng must hear `text` in the send, given a quarter of a second
    around it but nothing of the sounds before `since` or after it."""
    margin = audio.RATE // 4
    following = audio.next_onset(samples, send.end)
    end = send.end + margin if following is None else min(send.end + margin, following)
    got = multimon.decode(samples, max(send.start - margin, since), end, send.images.wpm)
    want = multimon.normalized(text)
    if ignore_blanks:
        got, want = got.replace(" ", ""), want.replace(" ", "")
    if got != want:
        raise audio.Mismatch(f"multimon-ng heard {got!r} where {want!r} was sent")


def require_silence_after(samples, position):
    onset = audio.next_onset(samples, position)
    if onset is not None:
        raise audio.Mismatch(f"an unexpected sound at {onset / audio.RATE:.3f} s")


def require_settings(workdir, expected):
    got = (workdir / "KORVANE.INI").read_bytes()
    if got != expected:
        raise AssertionError(f"KORVANE.INI holds {got.hex(' ')}, expected {expected.hex(' ')}")


def exit_from(program, window):
    program.press(window, "alt+x")
    status = program.wait_exit(RUN_TIMEOUT)
    if status != 0:
        raise AssertionError(f"the program ended with status {status}")


def press_and_hear(check, program, window, key, quiet_ms=400):
    """Presses a key whose click sends something short, and waits until it has been heard."""
    since = check.box.recorder.position
    program.press(window, key)
    check.box.recorder.wait_until_quiet(since, quiet_ms, timeout=30)


def press_escape_in_random_code(check, program, window):
    """Starts random code, presses Escape a second into its sound and gives the
    program half a second; returns the key's sample on the recording's clock
    (the monotonic time right after xdotool sent it, less the time the
    recorder gives sample 0)."""
    since = check.box.recorder.position
    program.press(window, "alt+r")
    check.box.recorder.wait_for_sound(since, 30, "the random code")
    time.sleep(1)
    key = round((program.press(window, "Escape") - check.box.recorder.time_of(0)) * audio.RATE)
    time.sleep(0.5)
    return key


def escape_delay_ms(samples, key):
    """From the key to the end of the last sound before half a second after it;
    negative when the sound had ended before the key (within a second)."""
    start = key - audio.RATE
    heard = [i for i, sample in enumerate(samples[start:key + audio.RATE // 2]) if sample]
    return (start + heard[-1] + 1 - key) / audio.SAMPLES_PER_MS if heard else -1000.0


@scenario
def first_run(check):
    """No settings file: "73" at 10 wpm and 1200 Hz, and the default record is written."""
    work = check.workdir("work")
    program = check.start(work)
    exit_from(program, program.window())
    check.heard([(10, 1200, "73")])
    require_settings(work, b"\xB0\x04\x0A\x00")


@scenario
def stored_settings(check):
    """A 3-byte record gives 600 Hz at 20 wpm; a 6-byte file keeps its bytes 4 and 5."""
    short = check.workdir("short", b"\x58\x02\x14")
    program = check.start(short)
    exit_from(program, program.window())
    longer = check.workdir("longer", record(700, 25, b"\xAA\xBB"))
    program = check.start(longer)
    exit_from(program, program.window())
    check.heard([(20, 600, "73"), (25, 700, "73")])
    require_settings(short, record(600, 20))
    require_settings(longer, record(700, 25, b"\xAA\xBB"))


@scenario
def speed_and_pitch(check):
    """Each change of speed or pitch sends "V" with the new values; exit saves them."""
    work = check.workdir("work", record(700, 20))
    program = check.start(work)
    window = program.window()
    steps = [("alt+f", 21, 700), ("alt+h", 21, 720), ("alt+s", 20, 720), ("alt+s", 19, 720),
             ("alt+l", 19, 700)]
    for key, _, _ in steps:
        press_and_hear(check, program, window, key)
    exit_from(program, window)
    check.heard([(wpm, pitch, "V") for _, wpm, pitch in steps] + [(19, 700, "73")])
    require_settings(work, record(700, 19))


@scenario
def random_code(check):
    """A minute of random code at 5 wpm: 25 characters, some of them without a
    code (heard only as a longer pause), then Higher and Exit."""
    work = check.workdir("work", record(1200, 5))
    program = check.start(work)
    window = program.window()
    since = check.box.recorder.position
    pressed = program.press(window, "alt+r")
    check.box.recorder.wait_for_sound(since, 30, "the random code")
    program.press(window, "alt+h")
    exit_from(program, window)

    # Higher changes every sample of the images: the unknown text ends where
    # its images stop matching.
    samples = check.samples()
    code = audio.decode(samples, 0, check.images(5, 1200), filler=":")
    v, _ = check.heard([(5, 1220, "V"), (5, 1220, "73")], position=code.end)
    cross_check(samples, code, code.text, ignore_blanks=True)
    # Characters without a code at either end of the minute show only in the
    # pauses around it: after the lead-in of 1.5 s, and before the "V".
    three_dots = 3 * morse.dot_ms(5)
    lead_in_ms = (check.box.recorder.time_of(code.start) - pressed) * 1000 - 1500
    leading = int(lead_in_ms // three_dots)
    trailing_ms = (v.start - code.end) / audio.SAMPLES_PER_MS - 4 * morse.dot_ms(5)
    trailing = int(trailing_ms // three_dots)
    characters = len(code.text) + leading + trailing
    if characters != 25:
        raise AssertionError(f"{characters} characters ({code.text!r} with {leading} silent "
                             f"ones before and {trailing} after), expected 25")
    require_settings(work, record(1220, 5))


@scenario
def qso_practice(check):
    """A QSO at 45 wpm: the preamble, then six lines, five ending in "." and
    the last, which hands over, in "?"; then Lower and Exit."""
    work = check.workdir("work", record(700, 45))
    program = check.start(work)
    window = program.window()
    since = check.box.recorder.position
    program.press(window, "alt+q")
    check.box.recorder.wait_for_sound(since, 30, "the QSO")
    program.press(window, "alt+l")
    exit_from(program, window)

    samples = check.samples()
    qso = audio.decode(samples, 0, check.images(45, 700), filler=" ")
    check.heard([(45, 680, "V"), (45, 680, "73")], position=qso.end)
    cross_check(samples, qso, qso.text)
    preamble = "VVV  VVV      "
    if not qso.text.startswith(preamble):
        raise AssertionError(f"the QSO does not start with the preamble: {qso.text[:30]!r}")
    lines = re.split(r"(?<=[.?])  (?=\S)", qso.text[len(preamble):])
    endings = "".join(line[-1] for line in lines)
    if endings != ".....?":
        raise AssertionError(f"the QSO's lines end in {endings!r}: {lines}")
    require_settings(work, record(680, 45))


@scenario
def learn_code(check):
    """The first lesson line, "E" and "A", listened to in the Learn Code window."""
    work = check.workdir("work", record(800, 20))
    program = check.start(work)
    program.press(program.window(), "alt+n")
    lessons = program.window()
    program.press(lessons, "Down", "Up")
    press_and_hear(check, program, lessons, "alt+l")
    program.press(lessons, "alt+o")
    exit_from(program, program.window())
    check.heard([(20, 800, "EA"), (20, 800, "73")])
    require_settings(work, record(800, 20))


@scenario
def escape(check):
    """Escape during random code: the recording is silent within 50 ms of the
    key; Alt+X then still sends "73" whole, and the program ends with status 0."""
    program = check.start(check.workdir("work"))
    window = program.window()
    key = press_escape_in_random_code(check, program, window)
    exit_from(program, window)
    if (delay := escape_delay_ms(check.samples(), key)) > 50:
        raise AssertionError(f"the sound went on for {delay:.1f} ms after Escape")
    check.heard([(10, 1200, "73")], position=key + audio.RATE // 2)


# Every kind of byte of a practice file; what is heard of it is written out by hand.
PRACTICE_FILE = b"cq CQ de K1ABC\r\n  599, ok?\tname: al  [x] #1 caf\xc3\xa9 {end}."
PRACTICE_HEARD = "CQ CQ DE K1ABC  599, OK?NAME: AL X 1 CAF END."
# A file name is bytes: this one is not even UTF-8, and must still be opened.
PRACTICE_NAME = os.fsdecode(b"practice-\xe9t\xe9.txt")


@scenario
def code_from_file(check):
    """A practice file picked by walking from "/" to the working directory
    (typing names into the sorted list), sent at 45 wpm, then Quit and Exit."""
    work = check.workdir("work", record(900, 45))
    (work / PRACTICE_NAME).write_bytes(PRACTICE_FILE)
    program = check.start(work)
    program.press(program.window(), "alt+i")
    caption = "Code From File -- /"
    files = program.window(caption)
    for name in ("tmp", check.box.root.name, "work"):
        program.type(files, name)
        program.press(files, "alt+g")
        caption += name + "/"
        program.wait_caption(files, caption)
    program.type(files, "practice")
    press_and_hear(check, program, files, "alt+g")
    program.press(files, "alt+u")
    exit_from(program, program.window())
    check.heard([(45, 900, PRACTICE_HEARD), (45, 900, "73")])
    if (work / PRACTICE_NAME).read_bytes() != PRACTICE_FILE:
        raise AssertionError("the practice file was changed")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", type=Path, required=True)
    parser.add_argument("--images", type=Path, required=True)
    parser.add_argument("--artifacts", type=Path, help="where a failed scenario's files go")
    parser.add_argument("scenario", choices=sorted(SCENARIOS))
    args = parser.parse_args()
    kept = args.artifacts / args.scenario if args.artifacts else None
    began = time.monotonic()
    # The program is deterministic, the machine's load is not: silence that
    # the sound server inserted while it was kept from running gets one more
    # run; a fault of the program fails again.
    for attempt in (1, 2):
        try:
            with Sandbox(keep_on_failure=kept) as box:
                SCENARIOS[args.scenario](Check(box, args.program.resolve(),
                                               args.images.resolve()))
            break
        except audio.Underrun as underrun:
            if attempt == 2:
                raise
            print(f"{args.scenario}: {underrun}; running it once more", flush=True)
    print(f"{args.scenario}: passed in {time.monotonic() - began:.1f} s")


if __name__ == "__main__":
    sys.exit(main())
