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


def source_text(message):
    """The source text, with the control characters lupdate writes as <byte value="xd"/>."""
    source = message.find("source")
    text = source.text or ""
    for byte in source:
        text += chr(int(byte.get("value").lstrip("x"), 16)) + (byte.tail or "")
    return text


def put_text(element, text):
    """`text` into `element`, a carriage return as lupdate writes it (an XML
    parser would read a bare one as a line feed)."""
    parts = text.split("\r")
    element.text = parts[0]
    for part in parts[1:]:
        ET.SubElement(element, "byte", value="xd").tail = part
# English: only its plurals, from the English forms in translations.py.
from translations import PLURALS_EN  # noqa: E402
missing = set()
for index, code in enumerate(LANGUAGES):
    path = root / f"zentara_{code}.ts"
    tree = ET.parse(path)
    for context in tree.getroot().findall("context"):
        name = context.find("name").text
        for message in context.findall("message"):
            source = source_text(message)
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
                put_text(translation, text)
    ET.indent(tree, space="    ")
    with open(path, "wb") as out:
        out.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(out, encoding="utf-8", xml_declaration=False)
        out.write(b"\n")
english = root / "zentara_en.ts"
tree = ET.parse(english)
for message in tree.getroot().iter("message"):
    source = source_text(message)
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
