#!/usr/bin/python3
"""The same CSV as `skolvarin tabela --csv`, written with python3-dbfread:
the reference the export's speed is measured against (bench/bench_csv.cpp).

  python3 bench/dbfread_csv.py FILE.DBF > FILE.csv
"""
import sys

sys.path.insert(0, __import__("os").path.join(__import__("os").path.dirname(__file__), "..", "tests", "db"))
import dbf_oracle  # noqa: E402  registers the "mazovia" codec

dbf_oracle.csv(sys.argv[1])
