"""Spreadsheet files between vensa-cli and an independent XLSX library (openpyxl): a
workbook openpyxl writes (numbers, Japanese names, empty cells, shared strings, and, put
in by hand as the spreadsheet application saves them, a formula's cached value and an
inline string) is listed by vensa-cli; a workbook vensa-cli writes holds, as openpyxl
reads it, numbers as numbers and names as text in the rows and columns of the settings.

Usage: xlsx_openpyxl_check.py <vensa-cli> <folder>
"""
import os
import re
import subprocess
import sys
import zipfile

import openpyxl


def run(cli, *args):
    done = subprocess.run([cli, *args], capture_output=True)
    if done.returncode != 0:
        sys.exit(f"vensa-cli {' '.join(args)} failed: {done.stderr.decode()}")
    return done.stdout.decode("utf-8")


def rewrite_sheet(path, edit):
    """Rewrites the first sheet's XML of the workbook at `path` through `edit`."""
    with zipfile.ZipFile(path) as source:
        parts = {name: source.read(name) for name in source.namelist()}
    name = "xl/worksheets/sheet1.xml"
    parts[name] = edit(parts[name].decode("utf-8")).encode("utf-8")
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as target:
        for part, data in parts.items():
            target.writestr(part, data)


def read_outside_workbook(cli, folder):
    path = os.path.join(folder, "outside.xlsx")
    book = openpyxl.Workbook()
    sheet = book.active
    sheet.title = "測点"
    sheet.append(["測点名", "X", "Y", "Z"])
    sheet.append(["境界杭1", 100.5, -200.25, 10])
    sheet.append(["001", 1e-3, 3, None])
    sheet.append([7, 12345678.9, 4, "=B4*2"])
    sheet.append(["置換", 5, 6, 7])
    book.create_sheet("他").append(["not", 1, 2])
    book.save(path)

    def edit(xml):
        # The formula's result as the spreadsheet application caches it.
        xml, n = re.subn(r'(<c r="D4"[^>]*>\s*<f>[^<]*</f>)\s*(<v\s*/>|<v>\s*</v>)?',
                         r"\1<v>24691357.8</v>", xml)
        assert n == 1, xml
        # An inline string in place of a shared one.
        xml, n = re.subn(r'<c r="A5"[^>]*>.*?</c>',
                         '<c r="A5" t="inlineStr"><is><t>内部</t></is></c>', xml)
        assert n == 1, xml
        return xml

    rewrite_sheet(path, edit)
    out = run(cli, "list", "--set", "Excel/FlagZ=1", "--set", "Excel/RowS=2", path)
    expected = ("境界杭1\t100.5\t-200.25\t10\t1\r\n"
                "001\t0.001\t3\t\t2\r\n"
                "7\t12345678.9\t4\t24691357.8\t3\r\n"
                "内部\t5\t6\t7\t4\r\n")
    if out != expected:
        sys.exit(f"list of the outside workbook:\n{out!r}\nexpected:\n{expected!r}")


def write_workbook(cli, folder):
    points = os.path.join(folder, "points.txt")
    with open(points, "wb") as f:
        f.write("001\t12.500\t-3\t\r\n境界杭\t1e3\t4.25\t7\r\n\r\nP9\t5\tabc\t1\r\n".encode())
    path = os.path.join(folder, "vensa.xlsx")
    # Name in C, X in B, Y in D, Z in A, from row 3.
    run(cli, "excel", "--force", "--set", "Excel/ColN=2", "--set", "Excel/ColX=1", "--set", "Excel/ColY=3",
        "--set", "Excel/ColZ=0", "--set", "Excel/FlagZ=1", "--set", "Excel/RowS=3", points, path)
    sheet = openpyxl.load_workbook(path).worksheets[0]
    cells = {(c.row, c.column): c.value for row in sheet.iter_rows() for c in row
             if c.value is not None}
    expected = {
        (3, 3): "001", (3, 2): 12.5, (3, 4): -3,
        (4, 3): "境界杭", (4, 2): 1000, (4, 4): 4.25, (4, 1): 7,
        (6, 3): "P9", (6, 2): 5, (6, 4): "abc", (6, 1): 1,
    }
    if cells != expected:
        sys.exit(f"cells of vensa's workbook:\n{cells}\nexpected:\n{expected}")
    for (row, column), value in expected.items():
        kind = type(sheet.cell(row, column).value)
        if isinstance(value, str) != (kind is str):
            sys.exit(f"cell ({row}, {column}) is {kind.__name__}, expected {type(value).__name__}")


def main():
    cli, folder = sys.argv[1], sys.argv[2]
    os.makedirs(folder, exist_ok=True)
    read_outside_workbook(cli, folder)
    write_workbook(cli, folder)
    print("xlsx_openpyxl_check: ok")


if __name__ == "__main__":
    main()
