#!/usr/bin/python3
"""Appends one record to a dBASE table the way another tool would: the
field table is read from the file's own header, the values are written as
dBASE text (numbers right-aligned, texts left-aligned and blank-padded),
and the record count in the header is raised by one.

usage: append_record.py FILE FIELD=VALUE ...
"""
import struct
import sys


def main():
    path = sys.argv[1]
    values = dict(a.split("=", 1) for a in sys.argv[2:])
    with open(path, "r+b") as f:
        data = bytearray(f.read())
    count, header_len, record_len = struct.unpack("<IHH", data[4:12])
    fields, pos, offset = [], 32, 1
    while data[pos] != 0x0D:
        name = data[pos:pos + 11].split(b"\0")[0].decode("ascii")
        kind, length = chr(data[pos + 11]), data[pos + 16]
        fields.append((name, kind, offset, length))
        offset += length
        pos += 32
    record = bytearray(b" " * record_len)
    for name, kind, off, length in fields:
        if name not in values:
            continue
        text = values.pop(name).encode("ascii")
        cell = text.rjust(length) if kind == "N" else text.ljust(length)
        record[off:off + length] = cell[:length]
    if values:
        sys.exit("unknown fields: " + ", ".join(values))
    end = header_len + count * record_len
    data[end:] = record + b"\x1a"
    data[4:8] = struct.pack("<I", count + 1)
    with open(path, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
