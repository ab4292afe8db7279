#!/usr/bin/python3
"""End-to-end run of `skolvarin wzorce`: a fresh data directory is made with
`skolvarin init`, the reference tables are imported, read back with dbfread
(character fields decoded from the Mazovia code page by the table below),
imported again (nothing added), then two rows are changed on disk as a user
would and a third run must leave them as they are.
Usage: wzorce_e2e.py SKOLVARIN DATA_REFERENCE_DIR"""
import csv, datetime, os, re, shutil, subprocess, sys, tempfile
from dbfread import DBF

exe, refdir = sys.argv[1], sys.argv[2]
failures = []

def check(cond, what):
    if not cond:
        failures.append(what)

# Mazovia: code page 437 with the Polish letters at their own places.
MAZOVIA = {0x86: 'ą', 0x8D: 'ć', 0x91: 'ę', 0x92: 'ł', 0xA4: 'ń', 0xA2: 'ó', 0x9E: 'ś', 0xA6: 'ź', 0xA7: 'ż',
           0x8F: 'Ą', 0x95: 'Ć', 0x90: 'Ę', 0x9C: 'Ł', 0xA5: 'Ń', 0xA3: 'Ó', 0x98: 'Ś', 0xA0: 'Ź', 0xA1: 'Ż'}
def mazovia(raw):
    return ''.join(MAZOVIA.get(b) or bytes([b]).decode('cp437') for b in raw)

def table(path):
    return list(DBF(path, raw=True))

def text(v):
    return mazovia(v).rstrip()

def run(*args):
    p = subprocess.run([exe, '--data', root, '--dzis', '2026-12-05'] + list(args), capture_output=True, text=True)
    if p.returncode != 0:
        print(p.stdout, p.stderr)
        sys.exit('skolvarin %s failed with %d' % (' '.join(args), p.returncode))
    return p.stdout

def added(out):
    return {m.group(1): (int(m.group(2)), int(m.group(3)))
            for m in re.finditer(r'^(\S+)\s+dodano\s+(\d+), było już\s+(\d+)$', out, re.M)}

def easter(y):  # anonymous Gregorian algorithm, independent of the program
    a, b, c = y % 19, y // 100, y % 100
    d, e = b // 4, b % 4
    g = (8 * b + 13) // 25
    h = (19 * a + b - d - g + 15) % 30
    i, k = c // 4, c % 4
    l = (32 + 2 * e + 2 * i - h - k) % 7
    m = (a + 11 * h + 22 * l) // 451
    month = (h + l - 7 * m + 114) // 31
    day = (h + l - 7 * m + 114) % 31 + 1
    return datetime.date(y, month, day)

def weekday_holidays(y):
    e = easter(y)
    days = [datetime.date(y, 1, 1), e, e + datetime.timedelta(1), datetime.date(y, 5, 1), datetime.date(y, 5, 3),
            e + datetime.timedelta(49), e + datetime.timedelta(60), datetime.date(y, 8, 15), datetime.date(y, 11, 1),
            datetime.date(y, 11, 11), datetime.date(y, 12, 25), datetime.date(y, 12, 26)]
    if y >= 2011: days.append(datetime.date(y, 1, 6))
    if y >= 2025: days.append(datetime.date(y, 12, 24))
    if y == 2018: days.append(datetime.date(2018, 11, 12))
    return {d for d in days if d.weekday() < 5}

root = tempfile.mkdtemp(prefix='skolvarin_wzorce_') + '/'
try:
    run('init')
    first = added(run('wzorce', '--zrodla', refdir))
    shared = root + 'dzielone/'

    expected_days = set()
    for y in range(1993, 2051):
        expected_days |= weekday_holidays(y)
    dnwo = {datetime.datetime.strptime(r['DAT'].decode(), '%Y%m%d').date() for r in table(shared + 'W3DNWO.DBF')}
    check(dnwo == expected_days, 'W3DNWO differs from the holidays computed here: %d vs %d rows' % (len(dnwo), len(expected_days)))
    for day in (datetime.date(2024, 4, 1), datetime.date(2024, 5, 30), datetime.date(2025, 12, 24)):
        check(day in dnwo, 'W3DNWO lacks %s' % day)
    check(datetime.date(2024, 3, 31) not in dnwo, 'W3DNWO holds Easter Sunday 2024 (a Sunday)')
    # `skolvarin init` already imported the reference set into the new data
    # directory, so the first explicit run finds every row in place.
    check(first.get('W3DNWO.DBF') == (0, len(expected_days)), 'first run W3DNWO counts %s' % (first.get('W3DNWO.DBF'),))

    with open(refdir + '/odsetki_ustawowe.csv', encoding='utf-8') as f:
        n_stat = len(list(csv.DictReader(f)))
    odus = table(shared + 'W3ODUS.DBF')
    check(len(odus) == n_stat, 'W3ODUS has %d rows, the file %d' % (len(odus), n_stat))
    row = [r for r in odus if r['DAT'] == b'20231005']
    check(len(row) == 1 and float(row[0]['STO']) == 11.25 and row[0]['TYP'] == b'R', 'W3ODUS 2023-10-05 row: %s' % row)
    zapo = table(shared + 'W3ZAPO.DBF')
    row = [r for r in zapo if r['DAT'] == b'20231005']
    check(len(row) == 1 and float(row[0]['STO']) == 14.5, 'W3ZAPO 2023-10-05 row: %s' % row)

    uska = table(shared + 'W3USKA.DBF')
    check(len(uska) == 400, 'W3USKA has %d rows' % len(uska))
    row = [r for r in uska if int(r['KOD']) == 1471]
    check(len(row) == 1 and text(row[0]['NAZ']) == 'PIERWSZY MAZOWIECKI URZĄD SKARBOWY W WARSZAWIE'
          and row[0]['XML'] == b'1471', 'W3USKA 1471: %s' % row)

    kraj = table(shared + 'W3KRAJ.DBF')
    check(len(kraj) == 248, 'W3KRAJ has %d rows' % len(kraj))
    pl = [r for r in kraj if r['KKR'].strip() == b'PL']
    check(len(pl) == 1 and text(pl[0]['KRA']) == 'Polska' and pl[0]['KOD'] == b'PLN' and pl[0]['SUE'] == b'T',
          'W3KRAJ PL: %s' % pl)
    de = [r for r in kraj if r['KKR'].strip() == b'DE']
    check(de and text(de[0]['KRA']) == 'Niemcy' and de[0]['KOD'] == b'EUR', 'W3KRAJ DE: %s' % de)

    for yy, low, threshold, tax_at in (('09', 18.0, 85528.0, 14839.02), ('24', 12.0, 120000.0, 10800.0),
                                       ('26', 12.0, 120000.0, 10800.0)):
        rows = table(shared + 'W3TABE%s.DBF' % yy)
        check([(float(r['PODS']), float(r['PODA']), float(r['PROC'])) for r in rows] ==
              [(0.0, 0.0, low), (threshold, tax_at, 32.0)], 'W3TABE%s: %s' % (yy, rows))

    kzus = table(shared + 'W3KZUS.DBF')
    fep = [r for r in kzus if int(r['KGL']) == 2 and r['KGR'].strip() in (b'1', b'2')]
    check(len(fep) == 64, 'W3KZUS group 2 has %d rows' % len(fep))

    second = added(run('wzorce', '--zrodla', refdir))
    check(sum(a for a, _ in second.values()) == 0, 'second run added rows: %s' % second)
    check(second.get('W3USKA.DBF') == (0, 400), 'second run W3USKA counts %s' % (second.get('W3USKA.DBF'),))

    # A user changes the 2023-10-05 statutory rate and office 1471's short
    # name (bytes patched in place, as any dBASE program would write them).
    def patch(path, match, field, value):
        t = DBF(path, raw=True)
        offset = 1
        for f in t.fields:
            if f.name == field:
                break
            offset += f.length
        width = [f.length for f in t.fields if f.name == field][0]
        recs = list(t)
        index = [i for i, r in enumerate(recs) if match(r)][0]
        with open(path, 'r+b') as fh:
            fh.seek(t.header.headerlen + index * t.header.recordlen + offset)
            fh.write(value.rjust(width) if field == 'STO' else value.ljust(width))
    patch(shared + 'W3ODUS.DBF', lambda r: r['DAT'] == b'20231005', 'STO', b'11.500')
    patch(shared + 'W3USKA.DBF', lambda r: int(r['KOD']) == 1471, 'SKN', b'MOJ URZAD')
    third = added(run('wzorce', '--zrodla', refdir))
    check(sum(a for a, _ in third.values()) == 0, 'third run added rows: %s' % third)
    row = [r for r in table(shared + 'W3ODUS.DBF') if r['DAT'] == b'20231005']
    check(len(row) == 1 and float(row[0]['STO']) == 11.5, 'changed W3ODUS row not kept: %s' % row)
    row = [r for r in table(shared + 'W3USKA.DBF') if int(r['KOD']) == 1471]
    check(len(row) == 1 and text(row[0]['SKN']) == 'MOJ URZAD', 'changed W3USKA row not kept: %s' % row)
finally:
    shutil.rmtree(root, ignore_errors=True)

for f in failures:
    print('FAIL:', f)
print('wzorce end to end: %d failures' % len(failures))
sys.exit(1 if failures else 0)
