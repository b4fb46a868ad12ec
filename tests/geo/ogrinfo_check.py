"""Maps written by vensa-cli geo, read by an outside reader (GDAL's ogrinfo): the points'
names and positions and the parcels' 地番 and corners, in GeoJSON and KML, against PROJ's
projection of the same plane coordinates; and a GNSS receiver's list in degrees, minutes
and seconds (a CSV with a header row) read through vensa-cli list --latlon into plane
coordinates that PROJ agrees with.

Usage: ogrinfo_check.py <vensa-cli> <ogrinfo> <folder>
"""
import os
import re
import subprocess
import sys

from pyproj import Transformer

cli, ogrinfo, folder = sys.argv[1:4]
os.makedirs(folder, exist_ok=True)
ZONE = 9
to_latlon = Transformer.from_crs(f"EPSG:{6668 + ZONE}", "EPSG:6668")
to_plane = Transformer.from_crs("EPSG:6668", f"EPSG:{6668 + ZONE}")

# SIMA X north, Y east in metres; read with ×1000 and X-Y 反転 off, the list holds them so.
SIMA = (
    "G00,01,,\r\nA00,\r\n"
    "A01,    1,K1,11543.688,22916.244,25.5,\r\n"
    "A01,    2,境界2,11573.375,22916.244,,\r\n"
    "A01,    3,K3,11573.375,22946.000,,\r\n"
    "A99,\r\n"
    "D00,1,446-2,1,\r\nB01,1,K1,\r\nB01,2,境界2,\r\nB01,3,K3,\r\nD99,\r\n"
)
POINTS = {"K1": (11543.688, 22916.244, 25.5), "境界2": (11573.375, 22916.244, None),
          "K3": (11573.375, 22946.0, None)}
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def run(*args):
    result = subprocess.run([cli, *args], capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit(f"vensa-cli {' '.join(args)}: {result.returncode}\n{result.stderr}")
    return result.stdout


def features(path):
    """(name, geometry text) of each feature ogrinfo lists."""
    text = subprocess.run([ogrinfo, "-al", "-q", path], capture_output=True, text=True,
                          check=True).stdout
    found = []
    for block in text.split("OGRFeature(")[1:]:
        name = re.search(r"^  [Nn]ame \(String\) = (.*)$", block, re.M).group(1)
        geometry = re.search(r"^  ((POINT|POLYGON).*)$", block, re.M).group(1)
        found.append((name, geometry))
    return found


def numbers(geometry):
    return [float(v) for v in re.findall(r"-?\d+\.\d+|-?\d+", geometry.split("(", 1)[1])]


sima = os.path.join(folder, "parcels.sim")
with open(sima, "w", encoding="cp932", newline="") as f:
    f.write(SIMA)
for out in ("map.geojson", "map.kml"):
    path = os.path.join(folder, out)
    run("geo", "--force", "--zone", str(ZONE), "--set", "AutoCAD/StrPSC=0", "--set", "AutoCAD/StrPYX=0",
        "--set", "SIMAR/Parcel=1", sima, path)
    found = features(path)
    check(len(found) == 4, f"{out}: {len(found)} features")
    for name, geometry in found[:3]:
        x, y, h = POINTS[name]
        lat, lon = to_latlon.transform(x, y)
        values = numbers(geometry)
        check(abs(values[0] - lon) < 2e-9 and abs(values[1] - lat) < 2e-9,
              f"{out}: {name} at {values[:2]}, PROJ {lon} {lat}")
        check((h is None and len(values) == 2) or (h is not None and values[2] == h),
              f"{out}: {name} height {values[2:]}")
    name, geometry = found[3]
    check(name == "446-2" and geometry.startswith("POLYGON"), f"{out}: parcel {name} {geometry}")
    corners = numbers(geometry)
    expected = [to_latlon.transform(*POINTS[k][:2])[::-1] for k in ("K1", "境界2", "K3")]
    for lon, lat in expected:
        check(any(abs(corners[i] - lon) < 2e-9 and abs(corners[i + 1] - lat) < 2e-9
                  for i in range(0, len(corners), 2)), f"{out}: corner {lon} {lat} missing")

# A GNSS list: header row, degrees-minutes-seconds in several spellings, heights.
gnss = os.path.join(folder, "gnss.csv")
ROWS = [("G1", "36°06′13.58925″", "140°05′16.27815″", "31.25"),
        ("G2", "36-06-14.00000", "140-05-17.50000", "30.1"),
        ("G3", "N360615.12345", "E1400518.00000", "29"),
        ("G4", "36.1045", "140.0885", "")]
with open(gnss, "w", encoding="utf-8", newline="") as f:
    f.write("name,latitude,longitude,height\r\n")
    for row in ROWS:
        f.write(",".join(row) + "\r\n")


def degrees(text):
    text = text.lstrip("NE")
    parts = re.split(r"[°′″-]", text)
    if len(parts) >= 3 and parts[1]:
        return float(parts[0]) + float(parts[1]) / 60 + float(parts[2]) / 3600
    value = float(text)
    if value >= 10000:
        whole = int(value)
        return whole // 10000 + (whole // 100 % 100) / 60 + (whole % 100 + value - whole) / 3600
    return value


listed = run("list", "--latlon", "--zone", str(ZONE), "--set", "Excel/RowS=2", "--set",
             "Excel/FlagZ=1", gnss).splitlines()
check(len(listed) == len(ROWS), f"gnss: {len(listed)} rows")
for line, (name, lat, lon, height) in zip(listed, ROWS):
    cells = line.split("\t")
    x, y = to_plane.transform(degrees(lat), degrees(lon))
    check(cells[0] == name and abs(float(cells[1]) - x) < 1e-3 and abs(float(cells[2]) - y) < 1e-3
          and cells[3] == height, f"gnss: {cells}, PROJ {x} {y}")

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
