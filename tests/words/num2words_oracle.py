#!/usr/bin/python3
"""Reads lines "number" or "amount" (with a decimal point) on standard input
and prints, one line each, the Polish words python3-num2words gives for them:
a whole number as a number, an amount as złoty and grosze (lang='pl')."""
import sys
from decimal import Decimal

from num2words import num2words

for line in sys.stdin:
    text = line.strip()
    if not text:
        continue
    if '.' in text:
        print(num2words(Decimal(text), lang='pl', to='currency', currency='PLN'))
    else:
        print(num2words(int(text), lang='pl'))
