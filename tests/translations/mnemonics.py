#!/usr/bin/python3
"""Every mnemonic survives translation, on a key a keyboard types: a text whose English has one
("Thr&ow") has one in each language, on a plain letter or digit (not "&à", which no keyboard
has on a key of its own). Reads the .ts files; prints each text that breaks it."""

import re
import sys
import xml.etree.ElementTree as tree

MNEMONIC = re.compile(r"&(?!&)(.)")


def mnemonic(text):
    found = MNEMONIC.search((text or "").replace("&&", ""))
    return found.group(1) if found else None


def main(paths):
    broken = []
    for path in paths:
        for context in tree.parse(path).iter("context"):
            name = context.find("name").text
            for message in context.iter("message"):
                source = message.find("source").text
                translation = message.find("translation")
                texts = [form.text for form in translation.iter("numerusform")] or \
                    [translation.text]
                if not mnemonic(source):
                    continue
                for text in texts:
                    key = mnemonic(text)
                    if key is None:
                        broken.append(f"{path}: {name}: \"{text}\" lost the mnemonic of \"{source}\"")
                    elif not re.fullmatch(r"[A-Za-z0-9]", key):
                        broken.append(f"{path}: {name}: \"{text}\" puts the mnemonic on \"{key}\"")
    for line in broken:
        print(line)
    print(f"{len(broken)} broken mnemonics in {len(paths)} languages")
    return 1 if broken else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
