#!/usr/bin/python3
# Reads a bank import file of domestic transfers (Elixir-0) back as a bank
# would: Windows-1250, CR LF line ends, 16 comma-separated fields a line,
# texts in double quotes, multi-line texts as up to four lines of at most
# 35 characters joined by '|'.  Prints one JSON object per order (field
# meanings as keys); exits 1 with the reason on the first broken rule.
import csv
import io
import json
import sys

NAMES = ['kod', 'data', 'kwota', 'bank_zlec', 'zero1', 'rach_zlec', 'rach_odb', 'zleceniodawca', 'odbiorca',
         'zero2', 'bank_odb', 'tytul', 'puste1', 'puste2', 'klasyfikacja', 'informacje']
QUOTED = {'rach_zlec', 'rach_odb', 'zleceniodawca', 'odbiorca', 'tytul', 'puste1', 'puste2', 'klasyfikacja',
          'informacje'}
LINES = {'zleceniodawca', 'odbiorca', 'tytul'}


def fail(why):
    print(why)
    sys.exit(1)


raw = open(sys.argv[1], 'rb').read()
if raw and not raw.endswith(b'\r\n'):
    fail('the last line has no CR LF')
if b'\n' in raw.replace(b'\r\n', b''):
    fail('a line ends without CR')
text = raw.decode('cp1250')
orders = []
for n, line in enumerate(text.split('\r\n')[:-1], 1):
    cells = next(csv.reader(io.StringIO(line), delimiter=',', quotechar='"'))
    if len(cells) != 16:
        fail('line %d: %d fields' % (n, len(cells)))
    # Which fields stand in quotes, from the raw line.
    quoted, at = [], 0
    for c in cells:
        q = line[at:at + 1] == '"'
        quoted.append(q)
        at += len(c) + (2 if q else 0) + 1
    o = dict(zip(NAMES, cells))
    for i, name in enumerate(NAMES):
        if quoted[i] != (name in QUOTED):
            fail('line %d: field %s %s' % (n, name, 'quoted' if quoted[i] else 'not quoted'))
    if o['kod'] != '110' or o['zero1'] != '0' or o['zero2'] != '0' or o['puste1'] or o['puste2']:
        fail('line %d: fixed fields' % n)
    if not (o['data'].isdigit() and len(o['data']) == 8 and o['kwota'].isdigit()):
        fail('line %d: date or amount' % n)
    for acc, bank in (('rach_zlec', 'bank_zlec'), ('rach_odb', 'bank_odb')):
        a = o[acc]
        if len(a) != 26 or not a.isdigit() or int(a[2:] + '2521' + a[:2]) % 97 != 1 or o[bank] != a[2:10]:
            fail('line %d: account %s or its bank' % (n, acc))
    for name in LINES:
        parts = o[name].split('|')
        if len(parts) > (6 if name == 'tytul' else 4) or any(len(p) > 35 for p in parts):
            fail('line %d: %s has lines over 35 characters or too many' % (n, name))
    o['kwota'] = int(o['kwota'])
    orders.append(o)
print(json.dumps(orders, ensure_ascii=False))
