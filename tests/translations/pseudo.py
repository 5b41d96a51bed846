#!/usr/bin/python3
"""A pseudo-translation for the layout check: every text of a .ts file made 40 % longer and
accented ("New Game" becomes "[Ñéw Gàmé àéîõ]"), its placeholders (%1), mnemonics (&), markup
and line breaks kept. `pseudo.py IN.ts OUT.ts`."""

import math
import re
import sys
import xml.etree.ElementTree as tree

ACCENTS = str.maketrans("aeiouycnAEIOUYCN", "àéîõüýçñÀÉÎÕÜÝÇÑ")
FILLER = "àéîõü"
# Kept as they are: markup, entities, placeholders, mnemonics and line breaks.
KEPT = re.compile(r"(<[^>]*>|&[a-z]+;|%L?\d|%n|&|\n)")


def pseudo(source):
    if not source.strip():
        return source
    parts = KEPT.split(source)
    text = "".join(p if KEPT.fullmatch(p) else p.translate(ACCENTS) for p in parts)
    visible = len(KEPT.sub("", source))
    extra = max(1, math.ceil(visible * 0.4) - 2)  # the brackets count
    filler = (FILLER * (extra // len(FILLER) + 1))[:extra]
    return "[" + text + " " + filler + "]"


document = tree.parse(sys.argv[1])
for message in document.iter("message"):
    translation = message.find("translation")
    text = pseudo(message.find("source").text or "")
    if message.get("numerus") == "yes":
        for form in translation.iter("numerusform"):
            form.text = text
    else:
        translation.text = text
    translation.attrib.pop("type", None)
document.write(sys.argv[2], encoding="utf-8", xml_declaration=True)
