#!/usr/bin/python3
"""One word for one thing in each language: every text whose English uses a term is translated
with that language's one word for it (German "Marks", never "Treffer", for cricket's marks), and
two things on screen at once never share a label (Undo and the dart pad's Back). Reads the .ts
files; prints each text that breaks it."""

import os
import re
import sys
import xml.etree.ElementTree as tree

# An English term (a pattern over the source) and each language's one word for it (a pattern
# the translation must hold).
TERMS = [
    (r"\bmarks?\b", {"de": r"\bMarks?\b"}),
    (r"3-dart average", {"de": r"3-Dart-Schnitt", "nl": r"3-dartsgemiddelde"}),
    (r"\bcaller\b", {"fr": r"(?i)annonceur", "es": r"(?i)locutor"}),
    (r"\bhits\b", {"nl": r"(?i)treffers"}),
    (r"\bdart pad\b", {"de": r"Dart-Tastenfeld", "es": r"(?i)teclado de dardos"}),
]
# Labels shown at once, which must differ in each language.
APART = [("&Undo", "Back")]


def main(paths):
    broken = []
    for path in paths:
        language = os.path.basename(path).split("_")[1].split(".")[0]
        shown = {}
        for message in tree.parse(path).iter("message"):
            source = message.find("source").text or ""
            translation = message.find("translation")
            texts = [form.text or "" for form in translation.iter("numerusform")] or \
                [translation.text or ""]
            shown[source] = texts[0]
            for term, words in TERMS:
                if language in words and re.search(term, source, re.IGNORECASE):
                    for text in texts:
                        if not re.search(words[language], text):
                            broken.append(f"{path}: \"{text}\" for \"{source}\"")
        for first, second in APART:
            if shown.get(first, "").replace("&", "") == shown.get(second, "x").replace("&", ""):
                broken.append(f"{path}: \"{first}\" and \"{second}\" read alike")
    for line in broken:
        print(line)
    print(f"{len(broken)} texts off the glossary in {len(paths)} languages")
    return 1 if broken else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
