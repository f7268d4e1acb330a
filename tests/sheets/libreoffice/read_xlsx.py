"""Prints what an independent reader sees in a workbook, as JSON: the sheet
names, and for one sheet the cells, fonts, fills and column widths asked for."""
import json
import sys

import openpyxl


def color(c):
    if c is None or c.type != "rgb" or c.rgb is None:
        return None
    return c.rgb[-6:].upper()


def main():
    path, sheet_name, *cells = sys.argv[1:]
    book = openpyxl.load_workbook(path)
    sheet = book[sheet_name]
    out = {"sheets": book.sheetnames, "cells": {}, "widths": {}}
    for ref in cells:
        cell = sheet[ref]
        fill = cell.fill.fgColor if cell.fill and cell.fill.fill_type == "solid" else None
        out["cells"][ref] = {
            "value": cell.value,
            "type": cell.data_type,
            "bold": bool(cell.font.b),
            "font": cell.font.name,
            "size": cell.font.sz,
            "color": color(cell.font.color),
            "fill": color(fill),
            "align": cell.alignment.horizontal,
        }
    # A file may give one width to a run of columns.
    for index, letter in enumerate("ABC", start=1):
        for dimension in sheet.column_dimensions.values():
            if dimension.min and dimension.min <= index <= dimension.max:
                out["widths"][letter] = dimension.width
    print(json.dumps(out))


main()
