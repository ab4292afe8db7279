#!/usr/bin/python3
# Answers 1 or 0 for each account number on stdin: whether python-stdnum
# takes it as a valid Polish IBAN (the NRB with "PL" in front).
import sys
from stdnum import iban

for line in sys.stdin:
    text = line.strip()
    digits = text[2:] if text.upper().startswith('PL') else text
    print(1 if iban.is_valid('PL' + digits.replace(' ', '').replace('-', '')) else 0)
