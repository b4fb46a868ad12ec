"""Plots a SIMA file's parcels through vensa-cli and reads the drawing back with an
independent DXF reader (ezdxf): one closed polyline per parcel on the parcel layer, its
corners in the file's order, its name centred inside it.

Usage: parcel_ezdxf_check.py <vensa-cli> <folder>
"""
import os
import subprocess
import sys

import ezdxf

SIMA = (
    "G00,01,,\r\n"
    "A00,\r\n"
    "A01,    1,K1,-24010.000,-32830.000,,\r\n"
    "A01,    2,K2,-24010.000,-32800.000,,\r\n"
    "A01,    3,K3,-24040.000,-32800.000,,\r\n"
    "A01,    4,K4,-24040.000,-32830.000,,\r\n"
    "A01,    5,K5,-24060.000,-32830.000,,\r\n"
    "A99,\r\n"
    "D00,1,446-2,1,\r\n"
    "B01,1,K1,\r\n"
    "B01,2,K2,\r\n"
    "C03,1,2,3,\r\n"
    "B01,3,K3,\r\n"
    "B01,4,K4,\r\n"
    "D99,\r\n"
    "D00,2,1203,1,\r\n"
    "B01,4,K4,\r\n"
    "B01,30,K3,\r\n"  # no point 30: found by its name
    "B01,9,K9,\r\n"  # neither: left out and reported
    "B01,5,K5,\r\n"
    "D99,\r\n"
)
# SIMA X is north, Y east: the drawing's x is Y and y is X, in millimetres. Each parcel:
# its corners in order and its centroid.
PARCELS = {
    "446-2": ([(-32830000, -24010000), (-32800000, -24010000), (-32800000, -24040000),
               (-32830000, -24040000)], (-32815000, -24025000)),
    "1203": ([(-32830000, -24040000), (-32800000, -24040000), (-32830000, -24060000)],
             (-32820000, -24046666.666666668)),
}
LAYER = "画地レイヤ"

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def plot(cli, sima, out, *settings):
    args = [cli, "plot", "--force"]
    for s in settings:
        args += ["--set", s]
    done = subprocess.run(args + [sima, out], capture_output=True)
    check(done.returncode == 0, f"plot {settings}: exit {done.returncode} {done.stderr!r}")
    return done.stderr.decode("utf-8")


def main():
    cli, folder = sys.argv[1], sys.argv[2]
    os.makedirs(folder, exist_ok=True)
    sima = os.path.join(folder, "parcels.sim")
    with open(sima, "wb") as f:
        f.write(SIMA.encode("ascii"))

    drawn = os.path.join(folder, "parcels.dxf")
    err = plot(cli, sima, drawn, "SIMAR/Parcel=1", "Layer/PARCEL=" + LAYER, "TextSize/TEXTPT=3")
    check("見つからない画地の点 1 (最初は 19 行目)" in err, f"stderr: {err!r}")
    doc = ezdxf.readfile(drawn)
    for error in doc.audit().errors:
        failures.append(f"audit error {error.message}")
    msp = doc.modelspace()
    polylines = [e for e in msp if e.dxftype() == "POLYLINE" and e.dxf.layer == LAYER]
    names = [e for e in msp if e.dxftype() == "TEXT" and e.dxf.layer == LAYER]
    check(len(polylines) == 2, f"{len(polylines)} parcel polylines")
    check([t.dxf.text for t in names] == ["446-2", "1203"], f"names {[t.dxf.text for t in names]}")
    for polyline, text, (name, (corners, (cx, cy))) in zip(polylines, names, PARCELS.items()):
        got = [(v.dxf.location.x, v.dxf.location.y) for v in polyline.vertices]
        check(polyline.is_closed, f"{name}: not closed")
        check(got == [(float(x), float(y)) for x, y in corners], f"{name}: corners {got}")
        at = text.dxf.align_point
        check(abs(at.x - cx) < 1e-6 and abs(at.y - cy) < 1e-6, f"{name}: name at {at}")
        check(text.dxf.halign == 1 and text.dxf.valign == 2, f"{name}: name not centred")
        check(text.dxf.height == 3.0, f"{name}: name height {text.dxf.height}")

    # Off (the default), the plot has no parcel at all.
    plain = os.path.join(folder, "plain.dxf")
    plot(cli, sima, plain)
    layers = {e.dxf.layer for e in ezdxf.readfile(plain).modelspace()}
    check("VENSA_PARCEL" not in layers and LAYER not in layers, f"parcels drawn when off: {layers}")

    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
