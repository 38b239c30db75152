#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Write a dBASE IV book table (the 36-field layout) with N generated books, independently of the
project's engine: the common workload for benchmarks (100,000 books, seed 5) and for interop
tests.  Also computes the expected order of a sort expression over a table.

usage: gen_books.py OUT.DBF N [--seed S] [--deleted FRACTION]
       gen_books.py --order OUT.DBF 'Upper(Left(Category,26))+DTOS(PurchDate)+STR(Cost,12,2)'
"""
import random, struct, sys, datetime, re, decimal

FIELDS = [  # name, kind (1 text, 2 int, 3 money, 4 date), width for text
    ("Title",1,90),("Author",1,90),("YearPub",2,0),("Publisher",1,60),("Category",1,20),("WherePurch",1,30),
    ("Cost",3,0),("Value",3,0),("Descriptio",1,110),("ISBN",1,20),("Rating",1,15),("PurchDate",4,0),
    ("BookType",1,15),("CatalogNum",1,15),("Sub1",1,6),("Sub2",1,6),("CheckOut",1,3),("CheckDate",4,0),
    ("CheckName",1,30),("Volume",1,8),("Issue",1,8),("Edition",1,10),("KeyWords",1,80),("Pages",2,0),
    ("Location",1,30),("Condition",1,20),("Editor",1,30),("Dewey",1,20),("LowMarket",3,0),("HighMarket",3,0),
    ("UserDef1",1,40),("UserDef2",1,40),("UserDef3",1,40),("UserDef4",1,40),("UserDef5",1,40),("UserDef6",1,40)]

def phys(kind, w):
    return {1: ("C", w, 0), 2: ("N", 11, 0), 3: ("N", 20, 4), 4: ("D", 8, 0)}[kind]

LAST = ["Smith","Goldsmith","Lane","King","Austen","Dickens","Tolkien","Le Guin","Asimov","Christie","Orwell",
        "Woolf","Hemingway","Tolstoy","Morrison","Atwood","Pratchett","Gaiman","Herbert","Bradbury","Sagan",
        "Hawking","Feynman","Darwin","Homer","Plato","Melville","Twain","Poe","Bronte","Eliot","Joyce","Kafka",
        "Calvino","Borges","Marquez","Murakami","Ishiguro","Rushdie","Naipaul","Achebe","Coetzee","Mantel"]
FIRST = "ABCDEFGHIJKLMNOPRSTW"
CATS = ["FICTION","HISTORY","SCIENCE","POETRY","Biography","travel","Cookery","ART","Reference","Children",
        "Philosophy","Religion","MYSTERY","Sci-Fi","Fantasy","Drama","Economics","Law","Music","Sport"]
WORDS = ("war peace night day river mountain house garden city sea star moon sun book letter king queen "
         "road time light dark winter summer fire water stone glass bird wolf island journey secret").split()
PUBS = ["Penguin Press","Harbour Books","North & Sons","Blue Door","Quarto House","Meridian","Atlas Editions"]
LOCS = ["Shelf A1","Shelf A2","Shelf B1","Attic","Study","Box 7","Living Room"]
RATS = ["*****","****","***","**","*","Excellent","Good"]
TYPES = ["Hardcover","Paperback","Leather","Folio","Pamphlet"]
CONDS = ["Mint","Fine","Very Good","Good","Fair","Poor"]

def gen(n, seed, deleted=0.0):
    rnd = random.Random(seed)
    recs = []
    for i in range(n):
        r = {}
        words = " ".join(rnd.choice(WORDS) for _ in range(rnd.randint(1, 6)))
        r["Title"] = (words.title() + rnd.choice(["", "", " — Café Édition", " (Zürich)"]))[:90]
        r["Author"] = f"{rnd.choice(LAST)}, {rnd.choice(FIRST)}." + ("" if rnd.random() < .8 else f" {rnd.choice(FIRST)}.")
        r["YearPub"] = rnd.randint(1800, 2026) if rnd.random() > .05 else None
        r["Publisher"] = rnd.choice(PUBS); r["Category"] = rnd.choice(CATS); r["WherePurch"] = rnd.choice(LOCS) + " Shop"
        r["Cost"] = decimal.Decimal(rnd.randint(0, 25000)) / 100
        r["Value"] = decimal.Decimal(rnd.randint(0, 50000)) / 100 if rnd.random() > .1 else None
        r["Descriptio"] = ("A \"fine\" copy, " + words)[:110]; r["ISBN"] = f"978-{rnd.randint(0,9)}-{rnd.randint(1000,9999)}-{rnd.randint(1000,9999)}-{rnd.randint(0,9)}"
        r["Rating"] = rnd.choice(RATS)
        r["PurchDate"] = (datetime.date(1970,1,1) + datetime.timedelta(days=rnd.randint(0, 20000))) if rnd.random() > .07 else None
        r["BookType"] = rnd.choice(TYPES); r["CatalogNum"] = f"C{i:06d}"; r["Sub1"] = rnd.choice(["A","B","C",""]); r["Sub2"] = ""
        co = rnd.random() < .1
        r["CheckOut"] = "Yes" if co else "No"
        r["CheckDate"] = (datetime.date(2020,1,1) + datetime.timedelta(days=rnd.randint(0, 2000))) if co else None
        r["CheckName"] = rnd.choice(["Ann", "Bob", "Cleo"]) if co else ""
        r["Volume"] = str(rnd.randint(1, 9)) if rnd.random() < .2 else ""; r["Issue"] = ""; r["Edition"] = rnd.choice(["1st","2nd","3rd",""])
        r["KeyWords"] = " ".join(rnd.sample(WORDS, 3)).upper(); r["Pages"] = rnd.randint(20, 1500)
        r["Location"] = rnd.choice(LOCS); r["Condition"] = rnd.choice(CONDS); r["Editor"] = ""; r["Dewey"] = f"{rnd.randint(0,999):03d}.{rnd.randint(0,99)}"
        r["LowMarket"] = decimal.Decimal(rnd.randint(0, 10000)) / 100; r["HighMarket"] = r["LowMarket"] * 2
        for k in range(1, 7): r[f"UserDef{k}"] = f"note {k}" if rnd.random() < .1 else ""
        r["_deleted"] = rnd.random() < deleted
        recs.append(r)
    return recs

def enc(s): return s.encode("cp1252")

def write(path, recs):
    descs = []; reclen = 1
    for name, kind, w in FIELDS:
        t, width, dec = phys(kind, w)
        descs.append(name.upper().encode().ljust(11, b"\0") + t.encode() + b"\0" * 4 + bytes([width, dec]) + b"\0" * 14)
        reclen += width
    today = datetime.date.today()
    hdrlen = 32 + 32 * len(descs) + 1
    out = bytearray(struct.pack("<B3BIHH", 3, today.year - 1900, today.month, today.day, len(recs), hdrlen, reclen))
    out += b"\0" * 16 + b"\0" + b"\x57" + b"\0\0"      # byte 28 = 0 (no MDX yet), 29 = LDID 0x57
    for d in descs: out += d
    out += b"\r"
    for r in recs:
        row = bytearray(b"*" if r["_deleted"] else b" ")
        for name, kind, w in FIELDS:
            t, width, dec = phys(kind, w); v = r[name]
            if v is None or v == "": row += b" " * width
            elif kind == 1: row += enc(v)[:width].ljust(width)
            elif kind == 2: row += str(v).rjust(width).encode()
            elif kind == 3: row += f"{v:.4f}".rjust(width).encode()
            else: row += v.strftime("%Y%m%d").encode()
        assert len(row) == reclen
        out += row
    out += b"\x1a"
    open(path, "wb").write(out)

# --- expected order of a sort expression, computed from the file itself (independent reader) ---
def read(path):
    d = open(path, "rb").read()
    n, hl, rl = struct.unpack_from("<IHH", d, 4)
    fields = []; off = 1; p = 32
    while d[p] != 0x0D:
        name = d[p:p+11].split(b"\0")[0].decode().upper(); t = chr(d[p+11]); w = d[p+16]; dec = d[p+17]
        fields.append((name, t, w, dec, off)); off += w; p += 32
    rows = []
    for i in range(n):
        base = hl + i * rl
        rows.append((i + 1, d[base:base+1], {f[0]: (f[1], d[base+f[4]:base+f[4]+f[2]]) for f in fields}))
    return rows

UP = bytes.maketrans(bytes(range(256)), bytes(range(256)).decode("latin1").upper().encode("latin1", "replace")[:256]) if False else None
def upper1252(b):
    out = bytearray(b)
    for i, c in enumerate(out):
        if 0x61 <= c <= 0x7a: out[i] = c - 32
        elif 0xe0 <= c <= 0xfe and c != 0xf7: out[i] = c - 32
        elif c in (0x9a, 0x9c, 0x9e): out[i] = c - 16
        elif c == 0xff: out[i] = 0x9f
    return bytes(out)

def term_value(term, rec):
    m = re.fullmatch(r"upper\(left\((\w+),(\d+)\)\)", term, re.I)
    if m:
        t, raw = rec[m.group(1).upper()]; return upper1252(raw[:int(m.group(2))])
    m = re.fullmatch(r"str\((\w+),(\d+),(\d+)\)", term, re.I)
    if m:
        t, raw = rec[m.group(1).upper()]; ln, dc = int(m.group(2)), int(m.group(3))
        txt = raw.decode().strip(); v = decimal.Decimal(txt) if txt else decimal.Decimal(0)
        q = v.quantize(decimal.Decimal(1).scaleb(-dc), rounding=decimal.ROUND_HALF_UP)
        s = f"{q:.{dc}f}"
        return (s.rjust(ln) if len(s) <= ln else "*" * ln).encode()
    m = re.fullmatch(r"dtos\((\w+)\)", term, re.I)
    if m:
        t, raw = rec[m.group(1).upper()]; return raw if raw.strip() else b" " * 8
    raise SystemExit(f"unknown term {term}")

def split_terms(expr):
    terms, depth, cur = [], 0, ""
    for ch in expr.replace(" ", ""):
        if ch == "+" and depth == 0: terms.append(cur); cur = ""; continue
        depth += ch == "("; depth -= ch == ")"; cur += ch
    terms.append(cur); return terms

def order(path, expr, include_deleted=True):
    rows = read(path); terms = split_terms(expr)
    keyed = [(b"".join(term_value(t, rec) for t in terms), recno) for recno, flag, rec in rows
             if include_deleted or flag != b"*"]
    keyed.sort()
    return keyed

if __name__ == "__main__":
    a = sys.argv[1:]
    if a and a[0] == "--order":
        for k, r in order(a[1], a[2], "--live" not in a): print(f"{r}\t{k.decode('cp1252')}")
    else:
        seed = int(a[a.index("--seed") + 1]) if "--seed" in a else 1
        dele = float(a[a.index("--deleted") + 1]) if "--deleted" in a else 0.0
        write(a[0], gen(int(a[1]), seed, dele))
