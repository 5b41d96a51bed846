#!/usr/bin/python3
"""Writes the translations kept in translations/texts.py into the .ts files that lupdate made:
`translations/fill.py translations/vantorix_*.ts`. A source text without a translation is left
unfinished, so the completeness test names it."""

import os
import sys
import xml.etree.ElementTree as tree

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from texts import TEXTS  # noqa: E402


def fill(path):
    language = os.path.basename(path).split("_")[1].split(".")[0]
    document = tree.parse(path)
    missing = 0
    for message in document.iter("message"):
        source = message.find("source").text or ""
        translation = message.find("translation")
        text = TEXTS.get(source, {}).get(language)
        if text is None:
            missing += 1
            translation.set("type", "unfinished")
            continue
        translation.text = text
        translation.attrib.pop("type", None)
    document.write(path, encoding="utf-8", xml_declaration=True)
    print(f"{path}: {missing} without a translation")


for ts in sys.argv[1:]:
    fill(ts)
