#!/usr/bin/python3
"""Independent reader and writer of DBF tables for the engine's tests.

  dbf_oracle.py read FILE      prints the structure and records of FILE as
                               read by dbfread (text decoded as Mazovia)
  dbf_oracle.py write FILE     writes a small table with python3-dbf
  dbf_oracle.py csv FILE       prints the live records of FILE as CSV rows
                               (';' between fields, blanks at both ends
                               dropped, text in UTF-8, values holding ';',
                               '"' or a line feed quoted)

The Mazovia code page is code page 437 with eighteen Polish letters in
place of other characters; it is registered here as the codec "mazovia".
"""
import codecs
import json
import sys

POLISH = {
    0x86: "ą", 0x8D: "ć", 0x8F: "Ą", 0x90: "Ę", 0x91: "ę", 0x92: "ł",
    0x95: "Ć", 0x98: "Ś", 0x9C: "Ł", 0x9E: "ś", 0xA0: "Ź", 0xA1: "Ż",
    0xA2: "ó", 0xA3: "Ó", 0xA4: "ń", 0xA5: "Ń", 0xA6: "ź", 0xA7: "ż",
}
DECODE = "".join(POLISH.get(b, bytes([b]).decode("cp437")) for b in range(256))
ENCODE = codecs.charmap_build(DECODE)


class Mazovia(codecs.Codec):
    def encode(self, text, errors="strict"):
        return codecs.charmap_encode(text, errors, ENCODE)

    def decode(self, data, errors="strict"):
        return codecs.charmap_decode(data, errors, DECODE)


def lookup(name):
    if name != "mazovia":
        return None
    return codecs.CodecInfo(name="mazovia", encode=Mazovia().encode, decode=Mazovia().decode)


codecs.register(lookup)


def value(v):
    if v is None:
        return None
    if hasattr(v, "isoformat"):
        return v.isoformat()
    return v


def read(path):
    from dbfread import DBF
    table = DBF(path, encoding="mazovia", load=True, char_decode_errors="strict")
    out = {
        "fields": [[f.name, f.type, f.length, f.decimal_count] for f in table.fields],
        "records": [[value(v) for v in rec.values()] for rec in table.records],
        "deleted": len(table.deleted),
        "language": table.header.language_driver,
        "count": table.header.numrecords,
    }
    print(json.dumps(out, ensure_ascii=False))


def csv(path):
    from dbfread import DBF
    table = DBF(path, raw=True, load=False)
    out = sys.stdout.buffer
    out.write(";".join(f.name for f in table.fields).encode("ascii") + b"\n")
    kinds = [f.type == "C" for f in table.fields]
    for rec in table:
        cells = []
        for is_text, raw in zip(kinds, rec.values()):
            if is_text:
                cell = raw.replace(b"\0", b" ").decode("mazovia").strip(" ").encode("utf-8")
            else:
                cell = raw.strip(b" ")
            if any(c in cell for c in (b";", b'"', b"\n")):
                cell = b'"' + cell.replace(b'"', b'""') + b'"'
            cells.append(cell)
        out.write(b";".join(cells) + b"\n")


def write(path):
    import datetime
    import dbf
    t = dbf.Table(path, "NAZ C(20); KWO N(9,2); KOD N(5,0); DAT D; CZY L",
                  dbf_type="db3", codepage="cp437")
    t.open(mode=dbf.READ_WRITE)
    t.append(("Mädchen Góra", 1234.5, 17, datetime.date(2024, 1, 31), True))
    t.append(("Ola", -9999.99, 0, None, False))
    t.append(("Zenon", 0.01, 99999, datetime.date(1999, 12, 31), None))
    t.close()


if __name__ == "__main__":
    {"read": read, "write": write, "csv": csv}[sys.argv[1]](sys.argv[2])
