#!/usr/bin/python3
"""Reads lines "value width decimals" (value as decimal text) and prints for
each the text of STR(value, width, decimals) as decimal arithmetic gives it:
rounded half away from zero to the decimals, right-aligned in width, or width
asterisks when it does not fit; zero is printed without a minus sign."""
import sys
from decimal import Decimal, ROUND_HALF_UP

for line in sys.stdin:
    parts = line.split()
    if len(parts) != 3:
        continue
    value, width, decimals = Decimal(parts[0]), int(parts[1]), int(parts[2])
    q = value.quantize(Decimal(1).scaleb(-decimals), rounding=ROUND_HALF_UP)
    if q == 0:
        q = abs(q)
    text = f"{q:.{decimals}f}"
    print("[" + (text.rjust(width) if len(text) <= width else "*" * width) + "]")
