#!/usr/bin/python3
"""Sets one field of one record of a dBASE table the way another tool
would: the field table is read from the file's header, the value written
as dBASE text (numbers right-aligned, texts left-aligned), the index left
untouched.

usage: set_field.py FILE RECNO FIELD VALUE
"""
import struct
import sys

path, recno, field, value = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4].encode("ascii")
with open(path, "r+b") as f:
    head = f.read(32)
    count, header_len, record_len = struct.unpack("<IHH", head[4:12])
    fields, offset = {}, 1
    while True:
        d = f.read(32)
        if d[0] == 0x0D:
            break
        fields[d[:11].split(b"\0")[0].decode("ascii")] = (chr(d[11]), offset, d[16])
        offset += d[16]
    if not 1 <= recno <= count or field not in fields:
        sys.exit(1)
    kind, off, length = fields[field]
    f.seek(header_len + (recno - 1) * record_len + off)
    f.write((value.rjust(length) if kind == "N" else value.ljust(length))[:length])
