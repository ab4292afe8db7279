#!/usr/bin/python3
"""Sets one field of the record of key K3 in a settings file, the way
another tool would: the field table is read from the dBASE header, the
value written as dBASE text (numbers right-aligned), the key fields and so
the index left untouched.

usage: set_settings_field.py FILE KEY FIELD VALUE
"""
import struct
import sys


def main():
    path, key, field, value = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4].encode("ascii")
    with open(path, "r+b") as f:
        data = bytearray(f.read())
        count, header_len, record_len = struct.unpack("<IHH", data[4:12])
        fields, pos, offset = {}, 32, 1
        while data[pos] != 0x0D:
            name = data[pos:pos + 11].split(b"\0")[0].decode("ascii")
            fields[name] = (chr(data[pos + 11]), offset, data[pos + 16])
            offset += data[pos + 16]
            pos += 32
        _, k_off, k_len = fields["K3"]
        kind, v_off, v_len = fields[field]
        done = False
        for i in range(count):
            rec = header_len + i * record_len
            if data[rec] == ord("*") or int(data[rec + k_off:rec + k_off + k_len] or b"0") != key:
                continue
            cell = value.rjust(v_len) if kind == "N" else value.ljust(v_len)
            data[rec + v_off:rec + v_off + v_len] = cell[:v_len]
            done = True
        f.seek(0)
        f.write(data)
    sys.exit(0 if done else 1)


if __name__ == "__main__":
    main()
