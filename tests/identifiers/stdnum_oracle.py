#!/usr/bin/python3
"""Reads lines "nip<TAB>text" or "pesel<TAB>text" on standard input and
prints for each what Debian's python3-stdnum says of the text:
  nip:   "1" or "0"  (stdnum.pl.nip.is_valid)
  pesel: "V C D"     V = stdnum.pl.pesel.is_valid, C = the check digit alone
                     is right (eleven digits), D = the birth date inside is a
                     real date; each "1" or "0"."""
import sys

from stdnum.exceptions import ValidationError
from stdnum.pl import nip, pesel


def pesel_date_ok(number):
    try:
        pesel.get_birth_date(number)
        return True
    except (ValidationError, KeyError, ValueError):
        return False


for line in sys.stdin:
    kind, _, text = line.rstrip('\n').partition('\t')
    if kind == 'nip':
        print('1' if nip.is_valid(text) else '0')
    else:
        plain = pesel.compact(text)
        eleven = len(plain) == 11 and plain.isdigit()
        check = eleven and pesel.calc_check_digit(plain[:-1]) == plain[-1]
        date_ok = eleven and pesel_date_ok(plain)
        print(' '.join('1' if b else '0' for b in (pesel.is_valid(text), check, date_ok)))
