#!/usr/bin/python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Writes the fuzzer's seed inputs: each real table paired with its index (or none)."""
import os, struct, sys

fx, out = sys.argv[1], sys.argv[2]
pairs = [("tdbf/disco.DBF", "tdbf/disco.mdx"), ("tdbf/TDBF_DEMO.DBF", "tdbf/tdbf_demo.mdx"),
         ("dbfread/people.dbf", None), ("infused-dbf/dbase_03.dbf", None), ("tdbf/DBASE4.dbf", None),
         ("infused-dbf/dbase_8b.dbf", None)]
extra = sys.argv[3:]  # more table/index pairs made by the engine
for i in range(0, len(extra), 2):
    pairs.append((extra[i], extra[i + 1]))
os.makedirs(out, exist_ok=True)
for n, (dbf, mdx) in enumerate(pairs):
    d = open(dbf if os.path.isabs(dbf) else os.path.join(fx, dbf), "rb").read()
    m = b""
    if mdx:
        m = open(mdx if os.path.isabs(mdx) else os.path.join(fx, mdx), "rb").read()
    open(os.path.join(out, f"seed{n}"), "wb").write(struct.pack("<I", len(d)) + d + m)
