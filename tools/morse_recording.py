# A recording of the program's sound read back into elements, pauses and text,
# for the end-to-end tests and the timing benchmark. Silence the program writes
# arrives as exact zeros and the sink passes samples unchanged, so each element
# must equal one of the program's own images (element_images.cpp) and each pause
# is measured in samples against the millisecond schedule: a dot of 1200 / wpm ms
# (taken down) after every element, three more after a character, seven for a
# blank, at 44.1 samples a millisecond.

import subprocess

import numpy as np

CODES = dict(zip("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789,-./?", """.- -... -.-. -.. . ..-. --.
    .... .. .--- -.- .-.. -- -. --- .--. --.- .-. ... - ..- ...- .-- -..- -.-- --.. ----- .----
    ..--- ...-- ....- ..... -.... --... ---.. ----. --..-- -...- .-.-.- -..-. ..--..""".split()))
CHARACTERS = {code: char for char, code in CODES.items()}


# The recording is not what the program should have sent.
class Mismatch(AssertionError):
    pass


# The program's own dot and dash for a speed and pitch.
def images(tool, wpm, pitch):
    out = subprocess.run([str(tool), str(wpm), str(pitch)], check=True, capture_output=True).stdout
    size = int.from_bytes(out[40:44], "little")
    return np.frombuffer(out[44:44 + size], "<i2"), np.frombuffer(out[88 + size:], "<i2")


# (first, last) sample of every sound. An element opens with a zero sample and
# holds no more than two zeros in a row.
def sounds(samples):
    loud = np.flatnonzero(samples)
    cut = np.flatnonzero(np.diff(loud) > 3) + 1
    return list(zip(loud[np.r_[0, cut]] - 1, loud[np.r_[cut - 1, -1]])) if len(loud) else []


# The elements of a text and the pause after each but the last, in dots; a
# character without a code only adds its three dots.
def schedule(text):
    kinds, dots = "", []
    for char in text:
        kinds += CODES.get(char, "")
        dots += [1] * len(CODES.get(char, ""))
        dots[-1] += 7 if char == " " else 3
    return kinds, dots[:-1]


# The text of elements and their pauses: after a character's 4 dots, every 7
# (filler " ") or 3 (":", a character without a code) stand for a filler.
def decode(kinds, dots, filler):
    text, code, step = "", "", 7 if filler == " " else 3
    for kind, pause in zip(kinds, [*dots, 4]):
        code += kind
        if pause != 1 and (code not in CHARACTERS or pause < 4 or (pause - 4) % step):
            raise Mismatch(f"{text!r} goes on with {code} and a pause of {pause} dots")
        if pause != 1:
            text, code = text + CHARACTERS[code] + filler * ((pause - 4) // step), ""
    return text


# One send as heard: its sounds must be the dot and dash of `images`; its text
# is decoded when not given. errors: each pause minus its schedule; drift: each
# element's start minus its schedule; in samples. places: where a sound is no
# element or a pause is more than a sample off, that is where silence was
# inserted; unless `exact` is False, there must be none, and no drift either.
class Send:
    def __init__(self, samples, part, wpm, images, text=None, filler=" ", exact=True):
        kinds, ends, self.places = "", [], []
        for first, last in part:
            kind = [k for k, i in zip(".-", images) if last < first + len(i)
                    and np.array_equal(samples[first:first + len(i)], i)] or ["?"]
            self.places += [first] if kind == ["?"] else []
            kinds += kind[0]
            ends.append(last + 1 if kind == ["?"] else first + len(images[kind == ["-"]]))
        if text is not None and schedule(text)[0] != kinds:
            raise Mismatch(f"{text!r}: heard {kinds}")
        pauses = np.array([f for f, _ in part[1:]]) - ends[:-1]
        dot = 1200 // wpm * 44.1
        dots = np.rint(pauses / dot) if text is None else np.array(schedule(text)[1])
        self.errors = pauses - dots * dot
        self.drift = np.cumsum(self.errors)
        self.places += [f for (f, _), error in zip(part[1:], self.errors) if abs(error) > 1]
        if exact and (self.places or abs(np.r_[self.drift, 0]).max() > 1):
            raise Mismatch(f"{text!r}: silence inserted at samples {self.places[:5]}, "
                           f"drift up to {abs(np.r_[self.drift, 0]).max():.1f}")
        self.text = text or (None if self.places else decode(kinds, dots.astype(int), filler))
        self.start, self.end = part[0][0], ends[-1]
