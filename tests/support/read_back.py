#!/usr/bin/env python3
"""Prints, as JSON, what readers written elsewhere make of a file the program
wrote: openpyxl of a workbook (.xlsx), Python's csv module of a CSV file.

    read_back.py xlsx FILE   {"title": ..., "sheets": [{"name", "rows", "freeze", "filter"}]}
                             each cell null or {"t": "s"|"n"|"d", "v": value, "f": number
                             format, "b": bold}
    read_back.py csv FILE    {"bom": true|false, "rows": [[text, ...], ...]}

Exits with 77 when openpyxl is missing (Debian package python3-openpyxl), so
that a test can skip and say why.
"""
import csv
import json
import sys


def cell(c):
    if c.value is None:
        return None
    out = {"f": c.number_format, "b": bool(c.font is not None and c.font.b)}
    if c.is_date:
        out.update(t="d", v=c.value.isoformat(sep=" "))
    elif isinstance(c.value, (int, float)) and not isinstance(c.value, bool):
        out.update(t="n", v=float(c.value))
    else:
        out.update(t=c.data_type, v=str(c.value))
    return out


def read_xlsx(path):
    try:
        import openpyxl
    except ImportError:
        print("openpyxl is not installed (Debian package python3-openpyxl)", file=sys.stderr)
        sys.exit(77)
    book = openpyxl.load_workbook(path)
    sheets = []
    for ws in book.worksheets:
        rows = [[cell(c) for c in row] for row in ws.iter_rows()]
        sheets.append({"name": ws.title, "rows": rows, "freeze": ws.freeze_panes,
                       "filter": ws.auto_filter.ref})
    return {"title": book.properties.title, "sheets": sheets}


def read_csv(path):
    with open(path, "rb") as f:
        bom = f.read(3) == b"\xef\xbb\xbf"
    with open(path, newline="", encoding="utf-8-sig") as f:
        rows = list(csv.reader(f))
    return {"bom": bom, "rows": rows}


def main():
    mode, path = sys.argv[1], sys.argv[2]
    data = read_xlsx(path) if mode == "xlsx" else read_csv(path)
    json.dump(data, sys.stdout)


main()
