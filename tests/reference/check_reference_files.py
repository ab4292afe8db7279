#!/usr/bin/python3
"""Checks the reference CSV files against Debian's iso-codes data: every
country code and numeric code is the ISO one, every currency is an ISO 4217
code, and the Polish names come from the iso-codes translation unless
shortened to fit 30 characters.  Also: tax-office codes are 4 digits and
unique, rate dates ascend without duplicates, every year 2009-2026 has a
scale.  Usage: check_reference_files.py DATA_REFERENCE_DIR"""
import csv, gettext, json, sys

d = sys.argv[1].rstrip('/') + '/'
problems = []

def rows(name):
    with open(d + name, encoding='utf-8', newline='') as f:
        return list(csv.DictReader(f))

iso = {c['alpha_2']: c for c in json.load(open('/usr/share/iso-codes/json/iso_3166-1.json'))['3166-1']}
cur = {c['alpha_3'] for c in json.load(open('/usr/share/iso-codes/json/iso_4217.json'))['4217']}
pl = gettext.translation('iso_3166-1', localedir='/usr/share/locale', languages=['pl'])

countries = rows('kraje.csv')
if len(countries) != len(iso) - 1:
    problems.append('kraje.csv: %d countries, iso-codes has %d (Antarctica left out)' % (len(countries), len(iso)))
translated = 0
for r in countries:
    c = iso.get(r['kod_kraju'])
    if not c:
        problems.append('unknown country code %s' % r['kod_kraju']); continue
    if r['waluta'] not in cur:
        problems.append('%s: currency %s not in iso_4217.json' % (r['kod_kraju'], r['waluta']))
    if int(c['numeric']) != int(r['kod_numeryczny']) or c['alpha_3'] != r['kod_alfa3']:
        problems.append('%s: numeric or alpha-3 code differs from iso-codes' % r['kod_kraju'])
    names = {pl.gettext(c['name']), pl.gettext(c.get('common_name', c['name']))}
    if r['nazwa'] in names:
        translated += 1
    elif not any(len(n) > 30 for n in names):
        problems.append('%s: name %r is neither the iso-codes translation nor a shortening' % (r['kod_kraju'], r['nazwa']))
    if len(r['nazwa']) > 30:
        problems.append('%s: name longer than 30' % r['kod_kraju'])
if translated < len(countries) - 15:
    problems.append('only %d names come from the translation' % translated)
eu = sorted(r['kod_kraju'] for r in countries if r['czlonek_ue'] == 'T')
if eu != sorted('AT BE BG CY CZ DE DK EE ES FI FR GR HR HU IE IT LT LU LV MT NL PL PT RO SE SI SK'.split()):
    problems.append('EU members differ: %s' % eu)

offices = rows('urzedy_skarbowe.csv')
codes = [r['kod'] for r in offices]
if len(set(codes)) != len(codes):
    problems.append('duplicate tax-office codes')
for c in codes:
    if len(c) != 4 or not c.isdigit():
        problems.append('tax-office code %r is not 4 digits' % c)

for name in ('odsetki_ustawowe.csv', 'odsetki_podatkowe.csv'):
    dates = [r['dat'] for r in rows(name)]
    if dates != sorted(dates) or len(set(dates)) != len(dates):
        problems.append('%s: dates not strictly ascending' % name)

years = {int(r['rok']) for r in rows('skala_podatkowa.csv')}
missing = sorted(set(range(2009, 2027)) - years)
if missing:
    problems.append('tax scale missing for %s' % missing)

for p in problems:
    print('PROBLEM:', p)
print('%d countries (%d names from iso-codes), %d offices, %d problems' % (len(countries), translated, len(offices), len(problems)))
sys.exit(1 if problems else 0)
