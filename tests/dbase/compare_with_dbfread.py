#!/usr/bin/python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Compares what our engine read from a table (bindlow-dbf dump output) with what the
independent reader dbfread reads from the same file.  Exit status 1 on any difference.

usage: compare_with_dbfread.py OUR_DUMP FILE.DBF
"""
import datetime
import sys

from dbfread import DBF



def windows_1252(latin1_text):
    """Table text as Windows-1252 shows it; the five bytes it leaves undefined keep their code points."""
    out = []
    for c in latin1_text:
        try:
            out.append(bytes([ord(c)]).decode("cp1252"))
        except UnicodeDecodeError:
            out.append(c)
    return "".join(out)


ours_path, table_path = sys.argv[1], sys.argv[2]
table = DBF(table_path, encoding="latin-1", char_decode_errors="strict", ignore_missing_memofile=True,
            raw=False, load=False, recfactory=None)
fields = table.fields
ours = []
with open(ours_path, "rb") as f:
    for line in f.read().decode("utf-8").split("\n"):  # the tool prints UTF-8
        if line:
            ours.append(line.split("\t"))

problems = []
theirs = list(table.records)
if len(ours) != len(theirs):
    problems.append(f"record count: ours {len(ours)}, dbfread {len(theirs)}")

for row, rec in zip(ours, theirs):
    recno, values = row[0], row[1:]
    if len(values) != len(fields):
        problems.append(f"record {recno}: {len(values)} values for {len(fields)} fields")
        continue
    for field, ours_text, theirs_value in zip(fields, values, [v for _, v in rec]):
        t = field.type
        if t == "M":
            continue  # memo readers differ; the engine's memo reading is tested on its own
        if t == "C":
            ok = ours_text == windows_1252((theirs_value or "").rstrip(" \0"))
        elif t in "NF":
            ok = (ours_text == "" and theirs_value is None) or (
                theirs_value is not None and ours_text != "" and float(ours_text) == float(theirs_value))
        elif t == "D":
            ok = (ours_text == "" and theirs_value is None) or (
                isinstance(theirs_value, datetime.date) and ours_text == f"{theirs_value.year:04d}{theirs_value.month:02d}{theirs_value.day:02d}")
        elif t == "L":
            ok = {True: "T", False: "F", None: ""}[theirs_value] == ours_text
        else:
            ok = True
        if not ok:
            problems.append(f"record {recno} field {field.name}: ours {ours_text!r}, dbfread {theirs_value!r}")

for p in problems[:20]:
    print(p)
print(f"{len(ours)} records compared, {len(problems)} differences")
sys.exit(1 if problems else 0)
