"""Writes the area tables of a SIMA file's parcels through vensa-cli into a drawing, a
workbook and a CSV file, and reads them back with independent readers: ezdxf finds every
text in its cell of the ruled table, openpyxl finds the values as numbers in their cells.

Usage: area_files_check.py <vensa-cli> <folder>
"""
import csv
import os
import subprocess
import sys

import ezdxf
import openpyxl

SIMA = (
    "G00,01,,\r\nA00,\r\n"
    "A01,1,A,5.000,20.000,,\r\nA01,2,B,15.000,15.000,,\r\nA01,3,C,30.000,25.000,,\r\n"
    "A01,4,D,20.000,40.000,,\r\nA01,5,E,10.000,35.000,,\r\n"
    "A01,6,K1,-32836.454,12345.678,,\r\nA01,7,K2,-32836.454,12355.678,,\r\n"
    "A01,8,K3,-32846.454,12355.678,,\r\n"
    "A99,\r\n"
    "D00,1,446-2,1,\r\nB01,1,A,\r\nB01,2,B,\r\nB01,3,C,\r\nB01,4,D,\r\nB01,5,E,\r\nD99,\r\n"
    "D00,2,1203,1,\r\nB01,6,K1,\r\nB01,7,K2,\r\nB01,8,K3,\r\nD99,\r\n"
)
HEADER = ["点名", "X", "Y", "Yn+1-Yn-1", "Xn(Yn+1-Yn-1)", "辺長"]
ROW_HEIGHT, NAME_WIDTH, WIDTH = 5.0, 25.0, 30.0  # the coordinate table's defaults

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def run(cli, *args):
    result = subprocess.run([cli, "area", *args], capture_output=True)
    check(result.returncode == 0, f"area {args}: status {result.returncode}: {result.stderr!r}")


def check_drawing(path):
    doc = ezdxf.readfile(path)
    texts = {}
    for e in doc.modelspace().query("TEXT"):
        x, y = e.dxf.align_point.x, e.dxf.align_point.y
        if e.dxf.halign == 0 and e.dxf.valign == 0:
            x, y = e.dxf.insert.x, e.dxf.insert.y
        texts.setdefault(e.dxf.text, []).append((round(x, 6), round(y, 6), e.dxf.layer))
    rules = [e for e in doc.modelspace().query("LINE")]
    check(all(e.dxf.layer == "VENSA_TBLLINE" for e in rules), "rules off their layer")
    # The first parcel: its name above the table, the header on the first ruled row.
    rh = ROW_HEIGHT
    check(texts.get("446-2") == [(rh, -rh / 2, "VENSA_TBLTEXT")], f"name: {texts.get('446-2')}")
    check(texts.get("点名") and texts["点名"][0] == (NAME_WIDTH / 2, -1.5 * rh, "VENSA_TBLTEXT"),
          f"header: {texts.get('点名')}")
    # Point B, second point row: X right-aligned one row height in from its column's rule.
    check((NAME_WIDTH + WIDTH - rh, -3.5 * rh, "VENSA_TBLTEXT") in texts.get("15.000", []),
          f"X of B: {texts.get('15.000')}")
    check((NAME_WIDTH + 4 * WIDTH - rh, -4.5 * rh, "VENSA_TBLTEXT") in texts.get("750.000000", []),
          f"product of C: {texts.get('750.000000')}")
    # The totals after the five points, under the products.
    for row, (label, value) in enumerate([("倍面積", "725.000000"), ("面積", "362.500000"),
                                          ("地積", "362.50")]):
        y = -(7 + row) * rh - rh / 2
        check((rh, y, "VENSA_TBLTEXT") in texts.get(label, []), f"{label}: {texts.get(label)}")
        check((NAME_WIDTH + 4 * WIDTH - rh, y, "VENSA_TBLTEXT") in texts.get(value, []),
              f"{value}: {texts.get(value)}")
    check((NAME_WIDTH + 4 * WIDTH + rh, -9.5 * rh, "VENSA_TBLTEXT") in texts.get("㎡", []),
          f"unit: {texts.get('㎡')}")
    check(any(t.startswith("宅地・鉱泉地") and (rh, -10.5 * rh, "VENSA_TBLTEXT") in p
              for t, p in texts.items()), "the rule below the table")
    # The second table below the first and its rule.
    check(texts.get("1203") == [(rh, -12 * rh - rh / 2, "VENSA_TBLTEXT")],
          f"second name: {texts.get('1203')}")
    check("-32836.454" in texts and "50.00" in texts, "second table's cells")


def check_workbook(path):
    ws = openpyxl.load_workbook(path).active
    rows = [[c.value for c in row] for row in ws.iter_rows()]
    check(rows[0][0] == "446-2", f"name cell: {rows[0]}")
    check(rows[1][:6] == HEADER, f"header: {rows[1]}")
    check(rows[2][:6] == ["A", 5, 20, -20, -100, 11.18], f"row A: {rows[2]}")
    check(rows[7][:2] == ["倍面積", 725] and rows[8][:2] == ["面積", 362.5], f"totals: {rows[7:9]}")
    check(rows[9][:3] == ["地積", 362.5, "㎡"] and "宅地" in rows[9][3], f"地積: {rows[9]}")
    check(rows[11][0] == "1203" and rows[13][1] == -32836.454, f"second table: {rows[11:14]}")


def check_csv(path):
    with open(path, encoding="utf-8-sig", newline="") as f:
        rows = list(csv.reader(f))
    check(rows[2][:3] == ["A", "5.000", "20.000"], f"csv row A: {rows[2]}")
    check(rows[9][:2] == ["地積", "362.50"], f"csv 地積: {rows[9]}")


def main():
    cli, folder = sys.argv[1], sys.argv[2]
    os.makedirs(folder, exist_ok=True)
    sima = os.path.join(folder, "parcels.sim")
    with open(sima, "w", encoding="ascii", newline="") as f:
        f.write(SIMA)
    outputs = {ext: os.path.join(folder, "area." + ext) for ext in ("dxf", "xlsx", "csv")}
    for path in outputs.values():
        run(cli, "--force", sima, path)
    check_drawing(outputs["dxf"])
    check_workbook(outputs["xlsx"])
    check_csv(outputs["csv"])
    for failure in failures:
        print("FAIL:", failure)
    sys.exit(1 if failures else 0)


main()
