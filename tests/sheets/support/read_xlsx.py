"""Reads an .xlsx file back with openpyxl, an independent reader, and prints
what the sheet tests check as JSON: sheet names, the active sheet, and per
sheet the cells, column formats and widths, and row formats."""
import json
import sys

import openpyxl
from openpyxl.utils.escape import unescape


def style(obj):
    font, fill = obj.font, obj.fill
    return {
        "font": font.name,
        "size": float(font.sz) if font.sz is not None else None,
        "bold": bool(font.b),
        "color": font.color.rgb if font.color is not None and font.color.type == "rgb" else None,
        "fill": fill.fgColor.rgb if fill.patternType == "solid" else None,
        "align": obj.alignment.horizontal,
        "numfmt": obj.number_format,
    }


def main(path):
    book = openpyxl.load_workbook(path)
    out = {"sheets": book.sheetnames, "active": book.active.title}
    for sheet in book.worksheets:
        cells = {}
        for row in sheet.iter_rows():
            for cell in row:
                if cell.value is None and not cell.has_style:
                    continue
                entry = style(cell)
                # The format escapes characters as _xHHHH_; spreadsheets read
                # them back, openpyxl does so for shared strings only.
                value = cell.value
                entry["value"] = unescape(value) if isinstance(value, str) else value
                entry["type"] = cell.data_type
                cells[cell.coordinate] = entry
        columns = {}
        for key, dim in sheet.column_dimensions.items():
            entry = style(dim)
            entry.update(min=dim.min, max=dim.max, width=dim.width if dim.customWidth else None)
            columns[key] = entry
        rows = {str(k): style(d) for k, d in sheet.row_dimensions.items() if d.s}
        out[sheet.title] = {"cells": cells, "columns": columns, "rows": rows}
    json.dump(out, sys.stdout, ensure_ascii=False)


if __name__ == "__main__":
    main(sys.argv[1])
