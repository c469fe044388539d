# A recording of the program's sound read back into elements, pauses and text,
# for the end-to-end tests and the timing benchmark. Silence the program writes
# arrives as exact zeros and the sink passes samples unchanged, so each element
# must equal one of the program's own images sample for sample and each pause
# is measured in samples against the millisecond schedule: a dot of 1200 / wpm ms
# (taken down) after every element, three more after a character, seven for a
# blank, at 44.1 samples a millisecond.

import hashlib

import numpy as np

CODES = dict(zip("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789,-./?", """.- -... -.-. -.. . ..-. --.
    .... .. .--- -.- .-.. -- -. --- .--. --.- .-. ... - ..- ...- .-- -..- -.-- --.. ----- .----
    ..--- ...-- ....- ..... -.... --... ---.. ----. --..-- -...- .-.-.- -..-. ..--..""".split()))
CHARACTERS = {code: char for char, code in CODES.items()}


# The program's own dot and dash, by the length of a dot (ms) and the pitch:
# their lengths in samples and the first 16 hex digits of their samples' SHA-256.
IMAGES = {(109, 1200): ((4810, "b112b00d933a524e"), (14504, "cc9a67635edce5be")),
          (15, 720): ((620, "f044f4a6f2299b20"), (1984, "5a147180eeffa802")),
          (15, 700): ((630, "fd73b34481ce206a"), (1953, "ad20ec0015c7195d")),
          (26, 700): ((1134, "53b440eeefbc8c6f"), (3402, "6ff89708f85cc167"))}


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
            raise AssertionError(f"{text!r} goes on with {code} and a pause of {pause} dots")
        if pause != 1:
            text, code = text + CHARACTERS[code] + filler * ((pause - 4) // step), ""
    return text


# Silence in a send where the program's schedule has none: the first sample of
# each sound that is no element, or that starts off its schedule.
class InsertedSilence(AssertionError):
    def __init__(self, message, places):
        super().__init__(message)
        self.places = places


# One send as heard: its sounds must be the program's dot and dash; its text
# is decoded when not given. errors: each pause minus its schedule; drift: each
# element's start minus its schedule; in samples. places: where a sound is no
# element or a pause is more than a sample off, that is where silence was
# inserted; unless `exact` is False, there must be none, and no drift either.
class Send:
    def __init__(self, samples, part, wpm, pitch, text=None, filler=" ", exact=True):
        kinds, ends, self.places, images = "", [], [], IMAGES[1200 // wpm, pitch]
        for first, last in part:
            kind = [(k, n) for k, (n, sha) in zip(".-", images) if last < first + n
                    and hashlib.sha256(samples[first:first + n]).hexdigest()[:16] == sha]
            self.places += [] if kind else [first]
            kinds += kind[0][0] if kind else "?"
            ends.append(first + kind[0][1] if kind else last + 1)
        if text is not None and schedule(text)[0] != kinds:
            raise AssertionError(f"{text!r}: heard {kinds}")
        pauses = np.array([f for f, _ in part[1:]]) - ends[:-1]
        dot = 1200 // wpm * 44.1
        dots = np.rint(pauses / dot) if text is None else np.array(schedule(text)[1])
        self.errors = pauses - dots * dot
        self.drift = np.cumsum(self.errors)
        self.places += [f for (f, _), error in zip(part[1:], self.errors) if abs(error) > 1]
        if exact and (self.places or abs(np.r_[self.drift, 0]).max() > 1):
            raise InsertedSilence(f"{text!r}: silence inserted at samples {self.places[:5]}, "
                                  f"drift up to {abs(np.r_[self.drift, 0]).max():.1f}", self.places)
        self.text = text or (None if self.places else decode(kinds, dots.astype(int), filler))
