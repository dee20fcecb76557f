#!/usr/bin/python3
"""Writes the scale mark drawn under the centre lines of a body plan: a bar of five
units, every other one hatched by lines, with its ends marked 0 and 1000. It is inserted at scale
200, so one unit stands for 200 mm. The platform's file name ends in .dwg; the host reads
drawings by content, and this one is DXF."""
import sys

import ezdxf


def main(path):
    doc = ezdxf.new("R2000")
    msp = doc.modelspace()
    width, height = 1.0, 0.25
    for k in range(5):
        x = -2.5 + k * width
        corners = [(x, 0), (x + width, 0), (x + width, height), (x, height)]
        msp.add_lwpolyline(corners, close=True)
        if k % 2 == 0:
            for j in range(1, 4):
                msp.add_line((x + j * width / 4, 0), (x + j * width / 4, height))
    msp.add_text("0", height=0.3, dxfattribs={"insert": (-2.6, -0.5)})
    msp.add_text("1000", height=0.3, dxfattribs={"insert": (2.0, -0.5)})
    msp.add_text("SCALE", height=0.3, dxfattribs={"insert": (-0.5, 0.45)})
    doc.saveas(path)


if __name__ == "__main__":
    main(sys.argv[1])
