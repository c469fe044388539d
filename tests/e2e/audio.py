"""Reading a recording of the sink back into elements, pauses and text.

Silence written by the program arrives as exact zeros and the samples pass the
sink unchanged, so every element is found sample-exact: it must equal the
program's own dot or dash image, and every pause is measured in samples."""

import array
import re
import subprocess
import wave
from dataclasses import dataclass, field

import morse

RATE = 44100
SAMPLES_PER_MS = RATE / 1000
# No element image holds more than two zero samples in a row, so this many
# zeros after an image mean the element has ended.
ENDING_ZEROS = 4
_NONZERO_BYTE = re.compile(rb"[^\x00]")


class Mismatch(AssertionError):
    """The recording is not what the program should have sent."""


class Underrun(Mismatch):
    """Silence that the sound path itself inserted: an element that stops and
    then goes on where it stopped, or a pause longer than the sender's. It is
    what a sound server that was kept from running for a moment leaves."""


def read_wav(path):
    """The samples of a 44,100 Hz 16-bit mono WAV file."""
    with wave.open(str(path), "rb") as wav:
        if (wav.getframerate(), wav.getsampwidth(), wav.getnchannels()) != (RATE, 2, 1):
            raise ValueError(f"{path}: not 44,100 Hz 16-bit mono")
        samples = array.array("h")
        samples.frombytes(wav.readframes(wav.getnframes()))
        return samples


def write_wav(path, samples):
    with wave.open(str(path), "wb") as wav:
        wav.setnchannels(1)
        wav.setsampwidth(2)
        wav.setframerate(RATE)
        wav.writeframes(samples.tobytes())


@dataclass
class Images:
    """The dot and dash of one speed and pitch, as the program builds them."""
    wpm: int
    pitch: int
    dit: array.array
    dah: array.array

    @classmethod
    def build(cls, tool, wpm, pitch, scratch):
        subprocess.run([str(tool), str(wpm), str(pitch), str(scratch)], check=True, timeout=30)
        return cls(wpm, pitch, read_wav(scratch / "dit.wav"), read_wav(scratch / "dah.wav"))

    @property
    def dot_ms(self):
        return morse.dot_ms(self.wpm)


@dataclass
class Element:
    start: int   # first sample (the zero that opens the first cycle)
    length: int  # samples
    kind: str    # "." or "-"

    @property
    def end(self):
        return self.start + self.length


def next_onset(samples, position):
    """The start of the next element at or after `position`, or None. Every
    cycle opens with a zero sample, so an element starts one sample before its
    first non-zero sample."""
    match = _NONZERO_BYTE.search(memoryview(samples).cast("B"), 2 * position)
    return None if match is None else max(match.start() // 2 - 1, position)


def _is_whole_image(samples, start, image):
    end = start + len(image)
    tail = samples[end:end + ENDING_ZEROS]
    return (samples[start:end] == image and len(tail) == ENDING_ZEROS
            and not any(tail))


def element_at(samples, start, images):
    """The dot or dash of `images` that starts at `start`, or None."""
    for kind, image in ((".", images.dit), ("-", images.dah)):
        if len(image) and _is_whole_image(samples, start, image):
            return Element(start, len(image), kind)
    return None


def dropout_in(samples, start, images):
    """The number of zero samples inserted into an element at `start` that
    otherwise follows one of the images exactly, or None."""
    for image in (images.dit, images.dah):
        kept = 0
        while kept < len(image) and samples[start + kept] == image[kept]:
            kept += 1
        resumed = next_onset(samples, start + kept)
        if kept == len(image) or resumed is None:
            continue
        # The first sample after the dropout may itself be a zero of the image.
        for gap in (resumed + 1 - (start + kept), resumed - (start + kept)):
            if gap > 0 and samples[start + kept + gap:start + gap + len(image)] == image[kept:]:
                return gap
    return None


def describe_difference(samples, start, images):
    """Where the sound at `start` leaves both images, for a failure message."""
    longest = max(images.dit, images.dah, key=len)
    got = samples[start:start + len(longest) + ENDING_ZEROS]
    for i, value in enumerate(got):
        if i >= len(longest) or value != longest[i]:
            expected = longest[i] if i < len(longest) else 0
            return (f"at sample {start} ({start / RATE:.3f} s): sample {i} of the element is "
                    f"{value}, the {images.wpm} wpm / {images.pitch} Hz dash has {expected} "
                    f"(dot {len(images.dit)} samples, dash {len(images.dah)})")
    return f"at sample {start}: the recording ends inside the element"


def elements_from(samples, position, images, limit=None):
    """Consecutive elements of `images` from `position` on; stops at the first
    sound that is not one of them, at the end, or after `limit` elements."""
    found = []
    while limit is None or len(found) < limit:
        onset = next_onset(samples, position)
        if onset is None:
            break
        element = element_at(samples, onset, images)
        if element is None:
            break
        found.append(element)
        position = element.end
    return found


def pause_samples(ms):
    return ms * SAMPLES_PER_MS


@dataclass
class Send:
    """One call of the sender as the listener heard it."""
    images: Images
    elements: list
    text: str = ""                                 # decoded; ":" for a character without a code
    pause_errors: list = field(default_factory=list)  # measured - nominal, in samples
    drift: float = 0.0                             # samples, over the whole send

    @property
    def start(self):
        return self.elements[0].start

    @property
    def end(self):
        return self.elements[-1].end


def _pauses(elements):
    return [b.start - a.end for a, b in zip(elements, elements[1:])]


def _drift(elements, nominal_pauses):
    """How far the last element's start is from where the nominal pauses put it."""
    planned = sum(e.length for e in elements[:-1]) + sum(nominal_pauses)
    return (elements[-1].start - elements[0].start) - planned


def check_known(samples, position, images, text, tolerance=1.0):
    """The send of a known text at `position`: every element must be the right
    image and every pause within `tolerance` samples of its length in
    milliseconds times 44.1, with no drift beyond that over the whole send.
    With tolerance None the errors are only measured."""
    plan = morse.schedule(text, images.wpm)
    elements = elements_from(samples, position, images, limit=len(plan))
    if len(elements) < len(plan):
        onset = next_onset(samples, elements[-1].end if elements else position)
        where = "the recording ends" if onset is None else describe_difference(
            samples, onset, images)
        message = f"{text!r}: element {len(elements) + 1} of {len(plan)} missing: {where}"
        if onset is not None and (gap := dropout_in(samples, onset, images)) is not None:
            raise Underrun(f"{message}; the element goes on after {gap} zero samples")
        raise Mismatch(message)
    kinds = "".join(e.kind for e in elements)
    if kinds != "".join(k for k, _ in plan):
        raise Mismatch(f"{text!r}: heard {kinds}, expected {''.join(k for k, _ in plan)}")
    nominal = [pause_samples(ms) for _, ms in plan[:-1]]
    send = Send(images, elements, text)
    send.pause_errors = [got - want for got, want in zip(_pauses(elements), nominal)]
    send.drift = _drift(elements, nominal)
    if tolerance is not None:
        _require_on_time(send, tolerance)
    return send


def _require_on_time(send, tolerance):
    for i, error in enumerate(send.pause_errors):
        if abs(error) > tolerance:
            element = send.elements[i]
            problem = Underrun if error > 0 else Mismatch
            raise problem(f"{send.text!r}: the pause after element {i + 1} (ending at sample "
                          f"{element.end}) is {error:+.1f} samples off")
    if abs(send.drift) > tolerance:
        problem = Underrun if send.drift > 0 else Mismatch
        raise problem(f"{send.text!r}: drifted {send.drift:+.1f} samples over the send")


def decode(samples, position, images, filler, tolerance=1.0):
    """The send of an unknown text at `position`, decoded from its elements
    and pauses. Pauses must be whole dots within `tolerance` samples: one
    inside a character, four between characters, and every further pause
    stands for `filler`: " " (a space, 7 dots) or ":" (a character without a
    code, 3 dots). With tolerance None a pause is taken as the nearest
    allowed length (for measuring a sender that is not exact)."""
    elements = elements_from(samples, position, images)
    if not elements:
        onset = next_onset(samples, position)
        raise Mismatch("no element: " + ("the recording ends" if onset is None else
                                         describe_difference(samples, onset, images)))
    onset = next_onset(samples, elements[-1].end)
    if onset is not None and (gap := dropout_in(samples, onset, images)) is not None:
        raise Underrun(f"at sample {onset}: the element goes on after {gap} zero samples")
    dot = pause_samples(images.dot_ms)
    filler_dots = 7 if filler == " " else 3
    text, code, nominal = "", "", []
    for element, pause in zip(elements, _pauses(elements) + [None]):
        code += element.kind
        if pause is None:
            break
        dots = _whole_dots(pause, dot, filler_dots, tolerance)
        nominal.append(dots * dot)
        if dots == 1:
            continue
        text += morse.CHARACTERS.get(code, "#")
        code = ""
        text += filler * ((dots - 4) // filler_dots)
    text += morse.CHARACTERS.get(code, "#")
    send = Send(images, elements, text)
    send.pause_errors = [got - want for got, want in zip(_pauses(elements), nominal)]
    send.drift = _drift(elements, nominal)
    if "#" in text:
        raise Mismatch(f"undecodable character in {text!r}")
    if tolerance is not None:
        _require_on_time(send, tolerance)
    return send


def _whole_dots(pause, dot, filler_dots, tolerance):
    allowed = lambda dots: dots == 1 or (dots >= 4 and (dots - 4) % filler_dots == 0)
    if tolerance is None:
        candidates = [n for n in range(1, int(pause / dot) + 2) if allowed(n)]
        return min(candidates, key=lambda n: abs(pause - n * dot))
    dots = round(pause / dot)
    if not allowed(dots) or abs(pause - dots * dot) > tolerance:
        raise Underrun(f"a pause of {pause} samples is not a pause of the sender "
                       f"({pause / dot:.3f} dots of {dot} samples)")
    return dots
