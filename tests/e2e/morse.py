"""International Morse code and the sender's timing, written out independently
of the program so that the end-to-end checks have their own idea of what a text
must sound like."""

CODES = {
    "A": ".-", "B": "-...", "C": "-.-.", "D": "-..", "E": ".", "F": "..-.",
    "G": "--.", "H": "....", "I": "..", "J": ".---", "K": "-.-", "L": ".-..",
    "M": "--", "N": "-.", "O": "---", "P": ".--.", "Q": "--.-", "R": ".-.",
    "S": "...", "T": "-", "U": "..-", "V": "...-", "W": ".--", "X": "-..-",
    "Y": "-.--", "Z": "--..",
    "0": "-----", "1": ".----", "2": "..---", "3": "...--", "4": "....-",
    "5": ".....", "6": "-....", "7": "--...", "8": "---..", "9": "----.",
    ",": "--..--", "-": "-...-", ".": ".-.-.-", "/": "-..-.", "?": "..--..",
}
CHARACTERS = {code: char for char, code in CODES.items()}

# Characters from "," to "Z" that have no code: they sound nothing but still
# take the pause that ends a character.
SILENT = set(":;<=>@")


def dot_ms(wpm):
    """The dot length: 1200 / wpm taken down to a whole millisecond."""
    return 1200 // wpm


def folded(char):
    """Lower-case letters (and everything above code 95) sound as capitals."""
    code = ord(char)
    return chr(code & 95) if code > 95 else char


def schedule(text, wpm):
    """The elements of `text` as (element, pause_after_ms) pairs, '.' or '-';
    the pause after the last element is None (the text ends there)."""
    d = dot_ms(wpm)
    elements = []
    pending = 0
    for char in text:
        if char == " ":
            pending += 7 * d
            continue
        char = folded(char)
        if char in CODES:
            for element in CODES[char]:
                if elements:
                    elements[-1] = (elements[-1][0], pending)
                elements.append((element, None))
                pending = d
            pending += 3 * d
        elif char in SILENT:
            pending += 3 * d
        else:
            raise ValueError(f"the sender is never given {char!r}")
    return elements
