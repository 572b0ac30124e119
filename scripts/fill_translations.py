#!/usr/bin/env python3
"""Writes the translations of shell/translations/translations.py into the .ts
files lupdate keeps, marking each message finished. Exits non-zero, naming
them, when a source text has no translation."""
import pathlib
import sys
import xml.etree.ElementTree as ET

root = pathlib.Path(__file__).resolve().parent.parent / "shell" / "translations"
sys.path.insert(0, str(root))
from translations import T  # noqa: E402

LANGUAGES = ("de", "fr", "es")
# English: only its plurals, from the English forms in translations.py.
from translations import PLURALS_EN  # noqa: E402
missing = set()
for index, code in enumerate(LANGUAGES):
    path = root / f"zentara_{code}.ts"
    tree = ET.parse(path)
    for context in tree.getroot().findall("context"):
        name = context.find("name").text
        for message in context.findall("message"):
            source = message.find("source").text
            entry = T.get(f"{name}|{source}", T.get(source))
            if entry is None:
                missing.add(source)
                continue
            text = entry[index]
            translation = message.find("translation")
            for child in list(translation):
                translation.remove(child)
            translation.attrib.pop("type", None)
            if message.get("numerus") == "yes":
                translation.text = None
                for form in text:
                    ET.SubElement(translation, "numerusform").text = form
            else:
                translation.text = text
    ET.indent(tree, space="    ")
    with open(path, "wb") as out:
        out.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(out, encoding="utf-8", xml_declaration=False)
        out.write(b"\n")
english = root / "zentara_en.ts"
tree = ET.parse(english)
for message in tree.getroot().iter("message"):
    source = message.find("source").text
    if source not in PLURALS_EN:
        missing.add(source)
        continue
    translation = message.find("translation")
    for child in list(translation):
        translation.remove(child)
    translation.attrib.pop("type", None)
    translation.text = None
    for form in PLURALS_EN[source]:
        ET.SubElement(translation, "numerusform").text = form
ET.indent(tree, space="    ")
with open(english, "wb") as out:
    out.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
    tree.write(out, encoding="utf-8", xml_declaration=False)
    out.write(b"\n")
if missing:
    print("no translation for:", *sorted(missing), sep="\n  ", file=sys.stderr)
    sys.exit(1)
