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
    for context in document.iter("context"):
        fill_context(context, language)
    missing = sum(1 for message in document.iter("message")
                  if message.find("translation").get("type") == "unfinished")
    document.write(path, encoding="utf-8", xml_declaration=True)
    print(f"{path}: {missing} without a translation")


def fill_context(context, language):
    """A text kept as "Context|source" (or "Context|source|comment", for a text lupdate tells
    apart by its comment) is that context's own; the plain source serves the rest."""
    name = context.find("name").text or ""
    for message in context.iter("message"):
        source = message.find("source").text or ""
        translation = message.find("translation")
        comment = message.find("comment")
        keys = [f"{name}|{source}", source]
        if comment is not None:
            keys.insert(0, f"{name}|{source}|{comment.text}")
        text = next((TEXTS[key] for key in keys if key in TEXTS), {}).get(language)
        if text is None:
            translation.set("type", "unfinished")
            continue
        if message.get("numerus") == "yes":
            # A count's text: one form for each of the language's plural forms, in Qt's order
            # (a single text serves every form).
            forms = text if isinstance(text, list) else [text]
            for old in list(translation):
                translation.remove(old)
            translation.text = None
            for form in forms:
                tree.SubElement(translation, "numerusform").text = form
        else:
            translation.text = text
        translation.attrib.pop("type", None)


for ts in sys.argv[1:]:
    fill(ts)
