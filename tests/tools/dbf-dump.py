#!/usr/bin/python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Dump and sanity-check a dBASE .DBF file with Debian's python3-dbfread.

usage: dbf-dump.py [--encoding ENC] [--limit N] [--no-records] FILE.DBF

Prints the header, the field descriptors and then one line per record:
    <recno> <flag> {field: value, ...}
where <flag> is ' ' (live) or '*' (deleted).  Structural problems
(wrong file size, missing 0x0D terminator, unknown deletion flags, no 0x1A
end marker) are reported as 'WARNING:' lines on stderr; the exit status is
1 if any warning was printed, 0 otherwise.

Field values are decoded by dbfread's FieldParser, so this is an
independent second opinion on what an engine wrote.  Memo (.DBT) blocks are
read by this script, not by dbfread: dbfread 2.0.7 assumes 512-byte dBASE IV
memo blocks and counts the 8-byte block header as text.
"""
import argparse
import os
import struct
import sys

try:
    import dbfread  # noqa: F401
except ImportError:
    # Debian installs python3-dbfread for /usr/bin/python3 only; another
    # interpreter (pyenv, venv) can still use that pure-Python package.
    sys.path.append('/usr/lib/python3/dist-packages')
try:
    from dbfread import DBF
    from dbfread.memo import BinaryMemo
    from dbfread.dbversions import get_dbversion_string
except ImportError:
    sys.exit('dbf-dump.py needs python3-dbfread (apt-get install python3-dbfread)')


class DbtReader:
    """Memo blocks of a .DBT: dBASE III text ends at 0x1A; a dBASE IV block
    starts FF FF 08 00 + 4-byte length that includes those 8 bytes."""

    def __init__(self, path, dbversion):
        self.data = open(path, 'rb').read() if path else b''
        size = struct.unpack_from('<H', self.data, 20)[0] if len(self.data) >= 22 else 0
        self.block = 512 if dbversion == 0x83 or size == 0 else size

    def __getitem__(self, index):
        pos = index * self.block
        if index <= 0 or pos >= len(self.data):
            return None
        if self.data[pos:pos + 4] == b'\xff\xff\x08\x00':
            length = struct.unpack_from('<I', self.data, pos + 4)[0]
            return BinaryMemo(self.data[pos + 8:pos + length]) \
                if b'\x00' in self.data[pos + 8:pos + min(length, 64)] \
                else self.data[pos + 8:pos + length]
        end = self.data.find(b'\x1a', pos)
        return self.data[pos:end if end >= 0 else len(self.data)]


def structural_warnings(path, table):
    """Return a list of problems found in the raw bytes of the table."""
    problems = []
    raw = open(path, 'rb').read()
    hdr = table.header
    nfields = len(table.fields)
    term_at = 32 + 32 * nfields
    if term_at >= len(raw) or raw[term_at] != 0x0D:
        problems.append('no 0x0D terminator at offset %d' % term_at)
    if hdr.headerlen < term_at + 1:
        problems.append('header length %d < %d' % (hdr.headerlen, term_at + 1))
    reclen = 1 + sum(f.length for f in table.fields)
    if reclen != hdr.recordlen:
        problems.append('record length %d but fields sum to %d' % (hdr.recordlen, reclen))
    body = hdr.headerlen + hdr.numrecords * hdr.recordlen
    if len(raw) not in (body, body + 1):
        problems.append('file size %d, header says %d (+1 for 0x1A)' % (len(raw), body))
    elif len(raw) == body:
        problems.append('no 0x1A end-of-file marker')
    elif raw[body] != 0x1A:
        problems.append('byte after last record is 0x%02X, not 0x1A' % raw[body])
    for i in range(hdr.numrecords):
        pos = hdr.headerlen + i * hdr.recordlen
        if pos < len(raw) and raw[pos] not in (0x20, 0x2A):
            problems.append('record %d has deletion flag 0x%02X' % (i + 1, raw[pos]))
    return problems


def main():
    ap = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    ap.add_argument('file')
    ap.add_argument('--encoding', help='override the code page guessed from byte 29')
    ap.add_argument('--limit', type=int, default=None, help='print at most N records')
    ap.add_argument('--no-records', action='store_true', help='header and fields only')
    args = ap.parse_args()

    table = DBF(args.file, encoding=args.encoding, load=False,
                ignore_missing_memofile=True, char_decode_errors='replace')
    h = table.header
    print('file        %s (%d bytes)' % (args.file, os.path.getsize(args.file)))
    print('version     0x%02X  %s' % (h.dbversion, get_dbversion_string(h.dbversion)))
    # dBASE IV and its engines store YY as year-1900 (2015 -> 115); some writers store
    # year % 100, so dbfread maps YY < 80 to 20YY.
    print('updated     %s (raw bytes %d %d %d)' % (table.date, h.year, h.month, h.day))
    print('records     %d' % h.numrecords)
    print('header/rec  %d / %d bytes' % (h.headerlen, h.recordlen))
    print('mdx flag    %d   (byte 28)' % h.mdx_flag)
    print('language    0x%02X  -> decoded as %s' % (h.language_driver, table.encoding))
    print('memo file   %s' % (table.memofilename or '-'))
    for n, f in enumerate(table.fields, 1):
        print('field %3d   %-10s %s %3d %2d  mdx-tag-flag=%d'
              % (n, f.name, f.type, f.length, f.decimal_count, f.index_field_flag))

    problems = structural_warnings(table.filename, table)
    if not args.no_records:
        memo = DbtReader(table.memofilename, h.dbversion)
        with open(table.filename, 'rb') as fh:
            parser = table.parserclass(table, memo)
            fh.seek(h.headerlen)
            for recno in range(1, h.numrecords + 1):
                if args.limit is not None and recno > args.limit:
                    break
                data = fh.read(h.recordlen)
                if len(data) < h.recordlen:
                    break
                pos, values = 1, {}
                for f in table.fields:
                    chunk = data[pos:pos + f.length]
                    pos += f.length
                    try:
                        values[f.name] = parser.parse(f, chunk)
                    except ValueError as exc:
                        values[f.name] = 'INVALID(%s)' % exc
                print('%d %s %r' % (recno, chr(data[0]), values))
    for p in problems:
        print('WARNING: ' + p, file=sys.stderr)
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
