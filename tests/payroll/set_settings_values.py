#!/usr/bin/python3
"""Sets numeric values of existing keys in a settings file, the way another
tool would: the DO field of the records whose K3 is given is rewritten in
place (dBASE numeric text, right-aligned), leaving the key fields and so
the index untouched.  Reads the field table from the dBASE header itself.

usage: set_settings_values.py FILE KEY=VALUE ...
"""
import struct
import sys


def fields_of(header):
    fields = {}
    pos, offset = 32, 1  # byte 0 of a record is the deletion flag
    while header[pos] != 0x0D:
        name = header[pos:pos + 11].split(b"\0")[0].decode("ascii")
        length, decimals = header[pos + 16], header[pos + 17]
        fields[name] = (offset, length, decimals)
        offset += length
        pos += 32
    return fields


def main():
    path = sys.argv[1]
    values = {int(k): float(v) for k, v in (a.split("=") for a in sys.argv[2:])}
    with open(path, "r+b") as f:
        data = bytearray(f.read())
        count, header_len, record_len = struct.unpack("<IHH", data[4:12])
        fields = fields_of(data[:header_len])
        done = set()
        for i in range(count):
            start = header_len + i * record_len
            rec = data[start:start + record_len]

            def text(name):
                off, length, _ = fields[name]
                return rec[off:off + length].decode("ascii").strip()

            key = int(text("K3"))
            if key in values and text("TY") == "D":
                off, length, dec = fields["DO"]
                cell = ("%*.*f" % (length, dec, values[key])).encode("ascii")
                data[start + off:start + off + length] = cell
                done.add(key)
        f.seek(0)
        f.write(data)
    missing = set(values) - done
    if missing:
        print("missing keys: %s" % sorted(missing), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
