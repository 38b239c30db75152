#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
# Writes the German texts of german.py into bindlow_de.ts: python3 fill_ts.py bindlow_de.ts
# Texts without a German wording stay "unfinished" and the completeness test names them.
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

sys.path.insert(0, str(Path(__file__).parent))
from german import DE, BY_CONTEXT  # noqa: E402

path = sys.argv[1]
tree = ET.parse(path)
missing = []
for context in tree.getroot().findall("context"):
    name = context.find("name").text
    for message in context.findall("message"):
        source = message.find("source").text
        text = BY_CONTEXT.get(f"{name}|{source}", DE.get(source))
        translation = message.find("translation")
        if text is None:
            missing.append(f"{name}: {source}")
            continue
        translation.text = text
        translation.attrib.pop("type", None)
tree.write(path, encoding="utf-8", xml_declaration=True)
with open(path, "r+", encoding="utf-8") as f:  # lupdate's own header, so that its rewrites stay small
    body = f.read().replace("<?xml version='1.0' encoding='utf-8'?>", '<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>', 1)
    f.seek(0); f.write(body); f.truncate()
for m in missing:
    print("no German text:", m)
