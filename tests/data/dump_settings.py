# Prints the records of a settings file as "K1 K2 K3 TY value", the value
# taken from the field its type letter names.  Read with dbfread; character
# fields are decoded from the Mazovia code page by the table below.
import sys
from dbfread import DBF

MAZOVIA = {0x86: 'ą', 0x8F: 'Ą', 0x8D: 'ć', 0x95: 'Ć', 0x91: 'ę', 0x90: 'Ę',
           0x92: 'ł', 0x9C: 'Ł', 0xA4: 'ń', 0xA5: 'Ń', 0xA2: 'ó', 0xA3: 'Ó',
           0x9E: 'ś', 0x98: 'Ś', 0xA6: 'ź', 0xA0: 'Ź', 0xA7: 'ż', 0xA1: 'Ż'}


def mazovia(text):
    return ''.join(MAZOVIA.get(ord(c), c) for c in text)


for r in DBF(sys.argv[1], encoding='latin-1'):
    ty = r['TY']
    if ty == 'C':
        v = mazovia(r['CH'].rstrip())
    elif ty == 'I':
        v = str(r['IN'])
    elif ty == 'D':
        v = '%.2f' % r['DO']
    else:
        v = str(r['LO'])
    print(r['K1'], r['K2'], r['K3'], ty, v)
