#!/usr/bin/python3
"""Writes the PROJ table the plane-zone tests compare with: for each of the 19 zones
(EPSG 6669-6687, JGD2011 plane rectangular), random latitude/longitude points projected by
PROJ ("F" rows) and random plane points taken back by PROJ ("R" rows). PROJ serves as an
outside oracle only; the table is checked in. Usage: make_proj_table.py > proj_points.tsv
"""
import random

from pyproj import Transformer

ORIGINS = [(33, 129.5), (33, 131), (36, 132 + 1 / 6), (33, 133.5), (36, 134 + 1 / 3),
           (36, 136), (36, 137 + 1 / 6), (36, 138.5), (36, 139 + 5 / 6), (40, 140 + 5 / 6),
           (44, 140.25), (44, 142.25), (44, 144.25), (26, 142), (26, 127.5), (26, 124),
           (26, 131), (20, 136), (26, 154)]

random.seed(6669)
import pyproj

print(f"# kind\tzone\tlatitude\tlongitude\tX\tY\t(PROJ {pyproj.proj_version_str})")
for zone in range(1, 20):
    crs = f"EPSG:{6668 + zone}"
    # EPSG order: latitude, longitude in; X (north), Y (east) out.
    forward = Transformer.from_crs("EPSG:6668", crs)
    back = Transformer.from_crs(crs, "EPSG:6668")
    lat0, lon0 = ORIGINS[zone - 1]
    for k in range(20):
        # Most points within the zone's usual reach, a few far out to the side.
        reach = 1.5 if k < 16 else 6.0
        lat = lat0 + random.uniform(-1.5, 1.5)
        lon = lon0 + random.uniform(-reach, reach)
        x, y = forward.transform(lat, lon)
        print(f"F\t{zone}\t{lat:.12f}\t{lon:.12f}\t{x:.6f}\t{y:.6f}")
    for k in range(20):
        x = random.uniform(-150000, 150000)
        y = random.uniform(-150000, 150000)
        lat, lon = back.transform(x, y)
        print(f"R\t{zone}\t{lat:.12f}\t{lon:.12f}\t{x:.6f}\t{y:.6f}")
