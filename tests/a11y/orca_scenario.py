#!/usr/bin/env python3
# What a blind user hears: the real program on a private desktop
# (tools/desktop_sandbox.py) read by Orca, each utterance taken from Orca's
# debug log as it is written, step by step, and laid against the sounds
# recorded: nothing the program causes may be said while a send sounds.
# Usage: orca_scenario.py KORVANE

import os
import re
import shutil
import subprocess
import sys
import threading
import time
import tty
from datetime import datetime
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tools"))
import morse_recording as mr  # noqa: E402
from desktop_sandbox import Sandbox, wait  # noqa: E402

# Orca's own echo of a key ends with a blank; everything else it says is an utterance.
SPEECH = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*[^ ])'(?: voice=\S+)?\{.*\}$",
                    re.M)


# Orca's log, read as Orca writes it: Orca writes line by line only to a
# terminal, so it writes to a pseudo-terminal whose other end is read here.
class Log:
    def __init__(self):
        self._master, slave = os.openpty()
        tty.setraw(slave)
        self.path, self.text = os.ttyname(slave), ""
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        while chunk := os.read(self._master, 65536):
            self.text += chunk.decode(errors="replace")

    # (seconds of the day, text) of each utterance.
    def utterances(self):
        return [(int(h) * 3600 + int(m) * 60 + float(s), text)
                for h, m, s, text in SPEECH.findall(self.text)]


# The accessibility bus, a speech server that speaks into nothing and Orca, on
# the sandbox's desktop with a session bus of its own.
def start_orca(box):
    run, home = box.root / "run", box.root / "home"
    box.env.update(XDG_CONFIG_HOME=f"{home}/.config", XDG_DATA_HOME=f"{home}/.local/share",
                   XDG_CACHE_HOME=f"{home}/.cache", GSETTINGS_BACKEND="memory",
                   DBUS_SESSION_BUS_ADDRESS=f"unix:path={run}/bus",
                   SPEECHD_ADDRESS=f"unix_socket:{run}/speech",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    quiet = dict(stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    box.start(["dbus-daemon", "--session", "--nofork", "--nopidfile",
               f"--address=unix:path={run}/bus"], **quiet)
    wait((run / "bus").exists, 20, "the session bus")
    box.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], **quiet)
    wait(lambda: subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                                 "/org/a11y/bus", "org.freedesktop.DBus.Properties.Set",
                                 "string:org.a11y.Status", "string:IsEnabled",
                                 "variant:boolean:true"],
                                env=box.env, capture_output=True).returncode == 0,
         20, "the accessibility bus")
    shutil.copytree("/etc/speech-dispatcher", conf := box.root / "speechd")
    with open(conf / "speechd.conf", "a") as f:
        f.write('AudioOutputMethod "alsa"\nDefaultModule espeak-ng\n')
    (box.root / "silence.conf").write_text("pcm.!default { type null }\n")
    box.start(["env", f"ALSA_CONFIG_PATH={box.root}/silence.conf", "speech-dispatcher", "-s",
               "-t", "0", "-C", str(conf), "-c", "unix_socket", "-S", f"{run}/speech"], **quiet)
    wait((run / "speech").exists, 20, "the speech server")
    (box.root / "orca").mkdir()
    box.log = Log()
    box.start(["orca", "-u", f"{box.root}/orca", f"--debug-file={box.log.path}"], **quiet)
    # Orca listens from its last word before its main loop.
    wait(lambda: "ORCA: Starting ATSPI registry." in box.log.text, 60, "Orca")


# Presses `keys` (or types them, with `typed`) and returns what Orca says
# after them: the utterances must match `said` in full, in order, and
# nothing more may come within a second.
def step(box, window, keys, said, typed=False, seconds=30):
    since = len(box.log.utterances())
    if typed:
        box.xdotool("windowfocus", "--sync", window, "type", "--delay", "100", keys)
    else:
        box.press(window, *keys.split())
    wait(lambda: len(box.log.utterances()) >= since + len(said), seconds, f"{said} after {keys}")
    time.sleep(1)
    heard = box.log.utterances()[since:]
    if len(heard) != len(said) or not all(re.fullmatch(s, h) for s, (_, h) in zip(said, heard)):
        raise AssertionError(f"after {keys}: {[h for _, h in heard]}, not {said}")
    return heard


# The seconds of the day when the recording's sample was at hand.
def clock(box, sample):
    now = datetime.now()
    day = now.hour * 3600 + now.minute * 60 + now.second + now.microsecond / 1e6
    return day - (time.monotonic() - box.time_of(sample))


def run(program):
    with Sandbox() as box:
        start_orca(box)
        os.chdir(box.root / "home")
        Path("KORVANE.INI").write_bytes(b"\xbc\x02\x2c\x00")  # 700 Hz, 44 wpm
        box.start_program(program)
        main = box.window()
        wait(lambda: len(box.log.utterances()) >= 3, 30, "the main window read")
        said = [t for _, t in box.log.utterances()[1:]]
        if said != ["Korvane dialog.", "Slower push button."]:
            raise AssertionError(f"at start: {said}")
        step(box, main, "Tab", ["Faster push button."])
        step(box, main, "Tab", ["Speed read only text.", " 44 wpm."])
        step(box, main, "shift+Tab", ["Faster push button."])
        program_said = step(box, main, "space", ["45 WPM."])
        since = box.position
        box.press(main, "alt+r", heard_ms=0)
        time.sleep(2)
        program_said += step(box, main, "Escape", [r"[A-Z0-9,./? -]+"])
        qso_from = box.position
        program_said += step(box, main, "alt+q", [r".*\?"], seconds=150)
        samples = box.samples()
        sends = [[p for p in mr.sounds(samples) if start <= p[0] < end]
                 for start, end in ((0, since), (since, qso_from), (qso_from, len(samples)))]
        qso = mr.Send(samples, sends[2], 45, 700, exact=False).text
        # The whole text shown, which follows the lead-in "VVV VVV" that is only heard.
        if program_said[-1][1].upper().split() != qso.split()[2:]:
            raise AssertionError(f"QSO heard as {qso!r}, said as {program_said[-1][1]!r}")
        # Each utterance the program caused comes once its send's last element has been heard.
        for (at, text), send in zip(program_said, sends):
            if not clock(box, send[-1][1]) - 0.05 <= at:
                raise AssertionError(f"{text!r} said while its send sounded")
        for at, text in box.log.utterances():
            if any(clock(box, s[0][0]) < at < clock(box, s[-1][1]) for s in sends if s):
                raise AssertionError(f"{text!r} said while a send sounded")
        step(box, main, "alt+n", ["Korvane dialog.", "Learn Code lessons.", r"List with 43 items\."])
        lessons = box.window()
        step(box, lessons, "Down", [r"E, dit\. A, dit dah\."])
        step(box, lessons, "alt+o", ["Korvane dialog.", "Slower push button."])
        step(box, box.window(), "alt+i", [r"Code From File -- / dialog\.",
                                          r"Folders and practice files\.", r"List with \d+ items\."])
        files = box.window("Code From File -- /")
        step(box, files, "tmp", [r"tmp, folder\."], typed=True)
        step(box, files, "alt+g", [r"Code From File -- /tmp/ dialog", r"Folders and practice files\.",
                                   r"List with \d+ items\.", r"parent folder\."])


if __name__ == "__main__":
    run(*sys.argv[1:])
