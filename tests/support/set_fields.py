#!/usr/bin/python3
"""Sets fields of one record of a dBASE table in place, as another tool
would: the field table is read from the file's header; numbers are written
right-aligned, texts and dates (YYYYMMDD) left-aligned and blank-padded.

usage: set_fields.py FILE RECNO FIELD=VALUE ...
"""
import struct
import sys


def main():
    path, recno = sys.argv[1], int(sys.argv[2])
    values = dict(a.split("=", 1) for a in sys.argv[3:])
    with open(path, "r+b") as f:
        data = bytearray(f.read())
        count, header_len, record_len = struct.unpack("<IHH", data[4:12])
        if not 1 <= recno <= count:
            sys.exit("no record %d" % recno)
        pos, offset, fields = 32, 1, {}
        while data[pos] != 0x0D:
            name = data[pos:pos + 11].split(b"\0")[0].decode("ascii")
            fields[name] = (chr(data[pos + 11]), offset, data[pos + 16])
            offset += data[pos + 16]
            pos += 32
        start = header_len + (recno - 1) * record_len
        for name, value in values.items():
            kind, off, length = fields[name]
            text = value.encode("ascii")
            text = text.rjust(length) if kind == "N" else text.ljust(length)
            if len(text) > length:
                sys.exit("value too wide for %s" % name)
            data[start + off:start + off + length] = text
        f.seek(0)
        f.write(data)


main()
