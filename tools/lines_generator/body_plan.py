#!/usr/bin/python3
"""Writes the sample lines drawing: the body plan of a cargo ship's parallel and fore body,
as a naval architect draws it, with what the product reads from it.

- Frame sections, starboard half, centre line at x = 0 and base line at y = 0: the two last
  frames of the parallel body as polylines (flat bottom, bilge arc, straight side), the
  fore-body frames as splines growing finer towards the stem. Each carries its frame name
  ("A_FNAM") and its longitudinal position from the aft perpendicular in mm ("A_KYOD"),
  frame spacing 800.
- Waterlines as horizontal cut lines ("A_HCUTLINE", "A_HCUTLINENAME" WL2000 …) and buttock
  lines as vertical cut lines ("A_VCUTLINE", "A_VCUTLINENAME" BL2000 …).
- The body-plan base point: a point at the centre line on the base line, carrying "DCLS".
Half breadth 16000, depth 18000, bilge radius 2000.
"""
import math
import sys

import ezdxf

HALF_BREADTH = 16000.0
DEPTH = 18000.0
BILGE = 2000.0
SPACING = 800.0
PARALLEL = [156, 158]
FORE = list(range(160, 202, 2))
STEM = 202


def fineness(frame):
    """0 at the end of the parallel body, 1 at the stem."""
    return max(0.0, (frame - FORE[0]) / (STEM - FORE[0]))


def half_breadth(frame, z):
    """Waterline half breadth at height z: lower waterlines fine away sooner, and the bilge
    rounds the lowest part of every section."""
    t = fineness(frame)
    full = HALF_BREADTH * (1.0 - t ** (1.4 + 1.6 * z / DEPTH))
    if z < BILGE:
        full -= BILGE - math.sqrt(BILGE * BILGE - (BILGE - z) ** 2)
    return max(full, 0.0)


def tag(entity, app, value):
    entity.set_xdata(app, [(1000, value)] if isinstance(value, str) else [(1040, value)])


def section_tags(entity, frame):
    tag(entity, "A_FNAM", str(frame))
    tag(entity, "A_KYOD", frame * SPACING)


def main(path):
    doc = ezdxf.new("R2000")
    for app in ("A_FNAM", "A_KYOD", "A_HCUTLINE", "A_HCUTLINENAME", "A_VCUTLINE", "A_VCUTLINENAME", "DCLS"):
        doc.appids.new(app)
    doc.layers.new("FRAME", dxfattribs={"color": 5})
    doc.layers.new("WL", dxfattribs={"color": 3})
    doc.layers.new("BL", dxfattribs={"color": 3})
    doc.layers.new("CL", dxfattribs={"color": 1})
    doc.layers.new("FRNAME", dxfattribs={"color": 7})
    msp = doc.modelspace()

    # Parallel body: flat of bottom, the bilge as a quarter circle (bulge tan(22.5°)), side.
    for frame in PARALLEL:
        section = msp.add_lwpolyline(
            [(0, 0, 0), (HALF_BREADTH - BILGE, 0, math.tan(math.pi / 8)), (HALF_BREADTH, BILGE, 0),
             (HALF_BREADTH, DEPTH, 0)],
            format="xyb", dxfattribs={"layer": "FRAME"})
        section_tags(section, frame)

    # Fore body: fit splines from the keel up to the deck, every other one named at its top.
    for frame in FORE:
        heights = [0.0, 250.0, 600.0, 1000.0, 1500.0, 2000.0] + [2000.0 + k * 2000.0 for k in range(1, 9)]
        points = [(half_breadth(frame, z), z) for z in heights]
        # A section starts where its flat of bottom ends, on the base line: the flat itself
        # lies on the base line.
        section = msp.add_spline(fit_points=[(x, y, 0) for x, y in points], dxfattribs={"layer": "FRAME"})
        section_tags(section, frame)
        top = points[-1]
        if frame % 4 != 0:
            continue
        msp.add_text(str(frame), height=250,
                     dxfattribs={"layer": "FRNAME", "insert": (top[0] + 100, top[1] + 150)})

    for z in range(2000, 18000, 2000):
        wl = msp.add_line((0, z), (HALF_BREADTH + 1000, z), dxfattribs={"layer": "WL"})
        tag(wl, "A_HCUTLINE", "1")
        tag(wl, "A_HCUTLINENAME", "WL%d" % z)
        msp.add_text("WL%d" % z, height=250, dxfattribs={"layer": "WL", "insert": (HALF_BREADTH + 1100, z - 125)})
    for b in range(2000, 16000, 2000):
        bl = msp.add_line((b, 0), (b, DEPTH + 1000), dxfattribs={"layer": "BL"})
        tag(bl, "A_VCUTLINE", "1")
        tag(bl, "A_VCUTLINENAME", "BL%d" % b)
        msp.add_text("BL%d" % b, height=250, dxfattribs={"layer": "BL", "insert": (b - 400, DEPTH + 1200)})

    msp.add_line((0, -1000), (0, DEPTH + 1000), dxfattribs={"layer": "CL"})
    msp.add_line((-1000, 0), (HALF_BREADTH + 1000, 0), dxfattribs={"layer": "CL"})
    base = msp.add_point((0, 0), dxfattribs={"layer": "CL"})
    tag(base, "DCLS", "1")
    doc.saveas(path)


if __name__ == "__main__":
    main(sys.argv[1])
