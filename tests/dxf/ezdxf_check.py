"""Reads the sample insert files with an independent DXF reader (ezdxf) and checks that
they load without audit errors and hold what the writer meant to write.

Usage: ezdxf_check.py <dxf_sample_writer> <folder>
The expected values follow the sample list of dxf_sample_writer.cpp.
"""
import os
import subprocess
import sys

import ezdxf

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def load(path):
    with open(path, "rb") as f:
        raw = f.read()
    check(not raw.startswith(b"\xef\xbb\xbf"), f"{path}: byte-order mark")
    check(raw.endswith(b"EOF\r\n"), f"{path}: does not end in EOF CR LF")
    check(raw.count(b"\n") == raw.count(b"\r\n"), f"{path}: a line end without CR")
    # No encoding given: the file's own $DWGCODEPAGE has to name it, so Japanese names
    # come back as written on any reader's system.
    doc = ezdxf.readfile(path)
    check(doc.encoding == "cp932", f"{path}: read as {doc.encoding}, not cp932")
    auditor = doc.audit()
    for error in auditor.errors:
        failures.append(f"{path}: audit error {error.message}")
    check(doc.dxfversion == "AC1009", f"{path}: version {doc.dxfversion}")
    return doc.modelspace()


def of_type(msp, kind):
    return [e for e in msp if e.dxftype() == kind]


def check_plot(path):
    msp = load(path)
    polylines = of_type(msp, "POLYLINE")
    check(len(polylines) == 2, f"plot: {len(polylines)} polylines")
    if len(polylines) == 2:
        check([len(p.vertices) for p in polylines] == [3, 2], "plot: vertices per polyline")
        check(all(p.is_closed and p.is_3d_polyline for p in polylines), "plot: polyline flags")
        first = polylines[0].vertices[0].dxf.location
        check(tuple(first) == (100.0, 200.0, 10.5), f"plot: first vertex {tuple(first)}")
        check(polylines[0].dxf.layer == "VENSA_PLINE", "plot: polyline layer")
    check(len(of_type(msp, "POINT")) == 5, "plot: points")
    circles = of_type(msp, "CIRCLE")
    check(len(circles) == 5 and all(c.dxf.radius == 5.0 for c in circles), "plot: circles")
    texts = of_type(msp, "TEXT")
    check(len(texts) == 10, f"plot: {len(texts)} texts")
    names = [t for t in texts if t.dxf.layer == "測点名レイヤ"]
    check([t.dxf.text for t in names] == ["A-1", "A-2", "A-3", "測点-1", "測点-2"],
          f"plot: name labels {[t.dxf.text for t in names]}")
    if len(names) == 5:
        check(names[3].dxf.height == 2.5 and tuple(names[3].dxf.insert) == (-12.5, 0, 0),
              "plot: name label of 測点-1")
    coords = [t for t in texts if t.dxf.layer == "VENSA_TEXTXY"]
    check([t.dxf.text for t in coords][:2] == ["100.000,200.000", "150.250,200.000"],
          "plot: coordinate labels")
    if coords:
        check(coords[0].dxf.valign == 3 and coords[0].dxf.width == 0.8,
              "plot: coordinate label alignment")
    doc_layers = {e.dxf.layer for e in msp}
    check("測点名レイヤ" in doc_layers, "plot: Japanese layer lost")


def check_table(path, lines, texts, first_cells, layer):
    msp = load(path)
    found_lines = of_type(msp, "LINE")
    found_texts = of_type(msp, "TEXT")
    check(len(found_lines) == lines, f"{path}: {len(found_lines)} lines")
    check(len(found_texts) == texts, f"{path}: {len(found_texts)} texts")
    got = [(t.dxf.text, round(t.dxf.align_point.x, 6), round(t.dxf.align_point.y, 6))
           for t in found_texts[:len(first_cells)]]
    check(got == first_cells, f"{path}: cells {got}")
    check(all(t.dxf.layer == layer for t in found_texts), f"{path}: text layer")


def main():
    writer, folder = sys.argv[1], sys.argv[2]
    os.makedirs(folder, exist_ok=True)
    subprocess.run([writer, folder], check=True)
    check_plot(os.path.join(folder, "plot.dxf"))
    # 5 rows: 7 horizontal and 4 (5 with z) vertical rules; 3 (4) headers and the cells.
    check_table(os.path.join(folder, "table_xy.dxf"), 7 + 4, 3 + 5 * 3,
                [("測点", 12.5, -2.5), ("X座標", 40, -2.5), ("Y座標", 70, -2.5),
                 ("A-1", 5, -7.5), ("100.000", 50, -7.5), ("200.000", 80, -7.5)],
                "VENSA_TBLTEXT")
    check_table(os.path.join(folder, "table_yx.dxf"), 7 + 5, 4 + 5 * 3 + 4,
                [("測点", 1250, -250), ("X座標", 4000, -250), ("Y座標", 7000, -250),
                 ("Z座標", 10000, -250), ("A-1", 500, -750), ("200.000", 5000, -750),
                 ("100.000", 8000, -750), ("10.500", 11000, -750)],
                "表文字")
    for failure in failures:
        print("FAIL:", failure)
    print("checked with ezdxf", ezdxf.__version__, "-", "failed" if failures else "ok")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
