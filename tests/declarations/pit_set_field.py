#!/usr/bin/python3
"""Sets fields of one record of a dBASE table the way another tool would:
the field table is read from the file's header and the values written as
dBASE text (numbers right-aligned, texts blank-padded, ASCII only).

usage: pit_set_field.py FILE RECORD FIELD=VALUE ...
"""
import struct
import sys


def main():
    path, record = sys.argv[1], int(sys.argv[2])
    values = dict(a.split("=", 1) for a in sys.argv[3:])
    with open(path, "r+b") as f:
        data = bytearray(f.read())
    count, header_len, record_len = struct.unpack("<IHH", data[4:12])
    if not 1 <= record <= count:
        sys.exit("no record %d" % record)
    start = header_len + (record - 1) * record_len
    pos, offset = 32, 1
    while data[pos] != 0x0D:
        name = data[pos:pos + 11].split(b"\0")[0].decode("ascii")
        kind, length = chr(data[pos + 11]), data[pos + 16]
        if name in values:
            text = values.pop(name).encode("ascii")
            cell = text.rjust(length) if kind == "N" else text.ljust(length)
            data[start + offset:start + offset + length] = cell[:length]
        offset += length
        pos += 32
    if values:
        sys.exit("unknown fields: " + ", ".join(values))
    with open(path, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
