"""Has an independent DXF library (ezdxf) write drawings of every format version in use,
reads them with our drawing reader (through drawing_dump) and checks that it gets exactly
the model-space entities, layers, texts and header values that ezdxf reads back; then
"vensa-cli texts" has to list the same texts at the same places.

Usage: drawing_ezdxf_check.py <drawing_dump> <vensa-cli> <folder>
"""
import json
import math
import os
import re
import subprocess
import sys

import ezdxf
from ezdxf.math import OCS

failures = []
MIRRORED = (0, 0, -1)


def check(condition, message):
    if not condition:
        failures.append(message)


def build(version, encoding):
    doc = ezdxf.new(version)
    doc.encoding = encoding
    doc.header["$DWGCODEPAGE"] = "ANSI_" + encoding[2:]
    doc.header["$DIMSCALE"] = 2.5
    doc.header["$UCSORG"] = (1, 2, 3)
    doc.header["$UCSXDIR"] = (0, 1, 0)
    doc.header["$UCSYDIR"] = (-1, 0, 0)
    japanese = encoding == "cp932"
    for name in (["測点", "円弧"] if japanese else ["Maßstab", "Bögen"]):
        doc.layers.add(name)
    survey, arcs = (["測点", "円弧"] if japanese else ["Maßstab", "Bögen"])
    block = doc.blocks.new("BLK")
    block.add_line((0, 0), (1, 1), dxfattribs={"layer": "IN_BLOCK"})
    block.add_text("in block", dxfattribs={"layer": "IN_BLOCK"})

    msp = doc.modelspace()
    msp.add_line((0, 0, 0), (10, 5, 1), dxfattribs={"layer": survey})
    msp.add_circle((3, 4, 0.5), 2, dxfattribs={"extrusion": MIRRORED})
    msp.add_arc((1, 2), 3, 0, 90, dxfattribs={"layer": arcs, "extrusion": MIRRORED})
    if version != "R12":
        msp.add_ellipse((0, 0), (4, 0, 0), 0.5)
        msp.add_lwpolyline([(0, 0, 0.5), (10, 0, 0), (10, 5, -1), (0, 5, 0)], format="xyb",
                           close=True, dxfattribs={"elevation": 2.5, "extrusion": MIRRORED})
    poly2d = msp.add_polyline2d([(1, 1), (4, 1), (4, 3)], close=True,
                                dxfattribs={"extrusion": MIRRORED, "elevation": (0, 0, 1.5)})
    poly2d.vertices[0].dxf.bulge = 0.25
    msp.add_polyline3d([(0, 0, 1), (2, 0, 2), (2, 2, 3)])
    label = "測点1" if japanese else "Punkt Ø"
    msp.add_text(label, dxfattribs={"insert": (5, 6), "height": 2.5, "rotation": 30,
                                    "layer": survey})
    aligned = msp.add_text("B-2", dxfattribs={"height": 1.5, "extrusion": MIRRORED})
    aligned.set_placement((7, 8), align=ezdxf.enums.TextEntityAlignment.MIDDLE_CENTER)
    # A character outside the code page goes into the file as an escape.
    msp.add_text("雪☃" if japanese else "snow ☃", dxfattribs={"insert": (1, 1), "height": 1})
    msp.add_point((9, 9, 1))
    msp.add_blockref("BLK", (20, 20))
    if version != "R12":
        msp.add_mtext("MTEXT 文字")
        hatch = msp.add_hatch()
        hatch.paths.add_polyline_path([(0, 0), (1, 0), (1, 1)], is_closed=True)
    paper = doc.layouts.active_layout()
    paper.add_line((0, 0), (5, 5))
    paper.add_text("paper")
    return doc


def unescaped(text):
    # This ezdxf keeps "\\U+XXXX" as it is in the file; the CAD shows the character.
    return re.sub(r"\\U\+([0-9A-Fa-f]{4})", lambda m: chr(int(m.group(1), 16)), text)


def expected_entity(e):
    kind = e.dxftype()
    out = {"layer": e.dxf.layer}
    normal = tuple(e.dxf.get("extrusion", (0, 0, 1)))
    ocs = OCS(normal)
    if kind == "LINE":
        out.update({"class": "AcDbLine", "start": list(e.dxf.start), "end": list(e.dxf.end)})
    elif kind in ("CIRCLE", "ARC"):
        out.update({"class": "AcDbCircle" if kind == "CIRCLE" else "AcDbArc",
                    "center": list(ocs.to_wcs(e.dxf.center)), "radius": e.dxf.radius})
        if kind == "ARC":
            out["startAngle"] = math.radians(e.dxf.start_angle)
            out["endAngle"] = math.radians(e.dxf.end_angle)
    elif kind == "ELLIPSE":
        out.update({"class": "AcDbEllipse", "center": list(e.dxf.center),
                    "ratio": e.dxf.ratio})
    elif kind == "LWPOLYLINE":
        points = e.get_points("xyb")
        out.update({"class": "AcDbPolyline",
                    "coordinates": [v for p in points for v in p[:2]],
                    "bulges": [p[2] for p in points], "closed": e.closed,
                    "elevation": e.dxf.elevation, "normal": list(normal)})
    elif kind == "POLYLINE":
        three_d = e.is_3d_polyline
        out.update({"class": "AcDb3dPolyline" if three_d else "AcDb2dPolyline",
                    "coordinates": [v for x in e.vertices for v in x.dxf.location],
                    "bulges": [x.dxf.bulge for x in e.vertices], "closed": e.is_closed,
                    "elevation": 0.0 if three_d else e.dxf.elevation[2],
                    "normal": list(normal)})
    elif kind == "TEXT":
        has_alignment = e.dxf.halign != 0 or e.dxf.valign != 0
        out.update({"class": "AcDbText", "text": unescaped(e.dxf.text),
                    "insertion": list(ocs.to_wcs(e.dxf.insert)),
                    "alignment": list(ocs.to_wcs(e.dxf.align_point)) if has_alignment
                    else [0, 0, 0],
                    "height": e.dxf.height, "rotation": math.radians(e.dxf.rotation),
                    "halign": e.dxf.halign, "valign": e.dxf.valign})
    elif kind == "POINT":
        out.update({"class": "AcDbPoint", "coordinates": list(e.dxf.location)})
    else:
        out["class"] = {"INSERT": "AcDbBlockReference", "MTEXT": "AcDbMText",
                        "HATCH": "AcDbHatch"}[kind]
    return out


def same(a, b):
    if isinstance(a, (int, float)) and isinstance(b, (int, float)) and \
            not isinstance(a, bool) and not isinstance(b, bool):
        return math.isclose(a, b, rel_tol=1e-12, abs_tol=1e-9)
    if isinstance(a, list) and isinstance(b, list):
        return len(a) == len(b) and all(same(x, y) for x, y in zip(a, b))
    if isinstance(a, dict) and isinstance(b, dict):
        return a.keys() == b.keys() and all(same(a[k], b[k]) for k in a)
    return a == b


def check_texts_command(cli, path, name, entities):
    run = subprocess.run([cli, "texts", path], capture_output=True)
    check(run.returncode == 0, f"{name}: vensa-cli texts: {run.stderr.decode('utf-8', 'replace')}")
    rows = [row.split("\t") for row in run.stdout.decode("utf-8").split("\r\n") if row]
    wanted = [[e["text"]] + [f"{v:.3f}" for v in e["insertion"]]
              for e in entities if e["class"] == "AcDbText"]
    check(rows == wanted, f"{name}: vensa-cli texts {rows} != {wanted}")


def check_drawing(dump, cli, path, name, encoding):
    with open(path, "rb") as f:
        raw = f.read()
    japanese = encoding == "cp932"
    # The reference: what ezdxf itself reads back from the file.
    doc = ezdxf.readfile(path)
    run = subprocess.run([dump, path], capture_output=True)
    if run.returncode != 0:
        failures.append(f"{name}: {run.stderr.decode('utf-8', 'replace')}")
        return
    got = json.loads(run.stdout.decode("utf-8"))
    header = {"dimscale": 2.5, "ucsorg": [1, 2, 3], "ucsxdir": [0, 1, 0], "ucsydir": [-1, 0, 0]}
    for key, value in header.items():
        check(same(got[key], value), f"{name}: {key} {got[key]}")
    layers = [layer.dxf.name for layer in doc.layers]
    check(got["layers"] == layers, f"{name}: layers {got['layers']} != {layers}")
    expected = [expected_entity(e) for e in doc.modelspace()]
    check(len(got["entities"]) == len(expected),
          f"{name}: {len(got['entities'])} entities, ezdxf reads {len(expected)}")
    for i, (g, x) in enumerate(zip(got["entities"], expected)):
        check(same(g, x), f"{name}: entity {i}\n  ours  {g}\n  ezdxf {x}")
    check_texts_command(cli, path, name, expected)
    texts = [e["text"] for e in got["entities"] if e["class"] == "AcDbText"]
    written = ["測点1", "B-2", "雪☃"] if japanese else ["Punkt Ø", "B-2", "snow ☃"]
    check(texts == written, f"{name}: texts {texts}")
    if japanese and name.startswith("R20") and name < "R2007":
        check("測点1".encode("cp932") in raw, f"{name}: not written in cp932")
        check(b"\\U+2603" in raw, f"{name}: no escape written")


def main():
    dump, cli, folder = sys.argv[1], sys.argv[2], sys.argv[3]
    os.makedirs(folder, exist_ok=True)
    cases = [(v, "cp932") for v in ("R12", "R2000", "R2004", "R2007", "R2010", "R2013",
                                    "R2018")]
    cases += [("R12", "cp1252"), ("R2004", "cp1252")]
    for version, encoding in cases:
        name = f"{version}-{encoding}"
        path = os.path.join(folder, name + ".dxf")
        build(version, encoding).saveas(path)
        check_drawing(dump, cli, path, name, encoding)
    for failure in failures:
        print("FAIL:", failure)
    print(f"{len(cases)} drawings, {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
