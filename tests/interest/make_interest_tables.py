#!/usr/bin/python3
"""Writes the three interest tables W3ZAPO.DBF, W3ODUS.DBF and W3DNWO.DBF
into a directory with python3-dbf, independently of the program's engine.

usage: make_interest_tables.py DIR SPEC.json
SPEC: {"W3ZAPO": [["2022-02-09", 8.5, "R"], ...], "W3ODUS": [...],
       "W3DNWO": ["2022-01-06", ...]}; a table left out of SPEC is not made,
an empty list makes an empty table."""
import datetime
import json
import os
import sys

import dbf


def date(text):
    return datetime.date.fromisoformat(text)


def main():
    directory, spec_path = sys.argv[1], sys.argv[2]
    with open(spec_path, encoding='utf-8') as f:
        spec = json.load(f)
    for name in ('W3ZAPO', 'W3ODUS'):
        if name not in spec:
            continue
        table = dbf.Table(os.path.join(directory, name + '.DBF'),
                          'DAT D; STO N(6,3); TYP C(1); INF C(32)', dbf_type='db3')
        table.open(mode=dbf.READ_WRITE)
        for day, rate, kind in spec[name]:
            table.append((date(day), rate, kind, ''))
        table.close()
    if 'W3DNWO' in spec:
        table = dbf.Table(os.path.join(directory, 'W3DNWO.DBF'), 'DAT D; INF C(32)', dbf_type='db3')
        table.open(mode=dbf.READ_WRITE)
        for day in spec['W3DNWO']:
            table.append((date(day), ''))
        table.close()


main()
