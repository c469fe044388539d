"""An independent decoder: multimon-ng's CW demodulator. It expects a dot of
about 60 ms (20 wpm) at 22,050 Hz, so the recording is handed over resampled
to 22050 × wpm / 20 Hz while multimon-ng still assumes 22,050 Hz: that
stretches any speed to 20 wpm. A second of silence (as multimon-ng counts it)
at the end lets it finish the last character."""

import subprocess
import tempfile
from pathlib import Path

import audio


def decode(samples, start, end, wpm, timeout=60):
    """multimon-ng's reading of samples[start:end], in capitals with single
    blanks; it writes a dash as "=", which is given back as "-"."""
    with tempfile.TemporaryDirectory(prefix="korvane-multimon-") as scratch:
        clip = Path(scratch) / "clip.wav"
        audio.write_wav(clip, samples[max(start, 0):end])
        sox = subprocess.Popen(
            ["sox", "-V1", str(clip), "-t", "raw", "-e", "signed-integer", "-b", "16",
             "-r", str(22050 * wpm // 20), "-", "vol", "0.5", "pad", "0", f"{20 / wpm:.3f}"],
            stdout=subprocess.PIPE)
        try:
            heard = subprocess.run(
                ["multimon-ng", "-q", "-t", "raw", "-a", "MORSE_CW", "-y", "-d", "60", "-g", "60",
                 "-"], stdin=sox.stdout, capture_output=True, text=True, timeout=timeout)
        finally:
            sox.stdout.close()
            sox.wait(timeout=timeout)
    return " ".join(heard.stdout.replace("=", "-").upper().split())


def normalized(text):
    """A text as multimon-ng can give it back: capitals, single blanks, and no
    characters without a code."""
    return " ".join("".join(c for c in text.upper() if c not in ":;<=>@").split())
