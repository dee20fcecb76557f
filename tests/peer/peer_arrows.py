"""Peer check: the sample plan after TRV_SetSitiffAsz and the arrowhead change types
(examples/demo/arrows.scr), saved by the host, read back by the host and opened in ezdxf:
every dimension shows ezdxf the same DSTYLE overrides the host reads (arrow size, separate
arrow blocks, the blocks by name), and the arrow blocks hold the lines they were made with.

usage: peer_arrows.py TREVAN INSTALL PLAN.dxf SCRIPT DUMP.scr WORKDIR
"""
import os
import re
import shutil
import subprocess
import sys

import ezdxf

CODES = {40: "dimscale", 41: "dimasz", 173: "dimsah", 343: "dimblk1", 344: "dimblk2"}
BLOCKS = {"LiOpen": [((-1, 0), (0, 0)), ((-1, 0.1667), (0, 0)), ((-1, -0.1667), (0, 0))],
          "LiOpenR": [((-1, 0), (2, 0)), ((1, 0.1667), (0, 0)), ((1, -0.1667), (0, 0))]}


def host_overrides(trevan, drawing, dump):
    """handle -> {variable: value} as the host reads the saved drawing; blocks as handles."""
    out = subprocess.run([trevan, "run", "--no-modules", "--drawing", drawing, "--script", dump],
                         check=True, capture_output=True, text=True).stdout
    found = {}
    for line in out.splitlines():
        m = re.match(r'\("DIM" "([0-9A-F]+)" (.*)\)\s*$', line)
        if not m:
            continue
        pairs = re.findall(r'\((\d+) \. ("[^"]*"|[-0-9.eE+]+)\)', m.group(2))
        values = {}
        for (c1, v1), (c2, v2) in zip(pairs[::2], pairs[1::2]):
            if c1 == "1070" and int(v1) in CODES:
                values[CODES[int(v1)]] = v2.strip('"') if c2 == "1005" else float(v2)
        found[m.group(1)] = values
    return found


def main():
    trevan, install, plan, script, dump, work = sys.argv[1:7]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    shutil.copytree(install, os.path.join(work, "install"))
    saved = os.path.join(work, "arrows.dxf")
    subprocess.run([trevan, "run", "--install", os.path.join(work, "install"), "--drawing", plan,
                    "--script", script, "--save", saved], check=True, capture_output=True)
    host = host_overrides(trevan, saved, dump)
    doc = ezdxf.readfile(saved)
    dims = list(doc.modelspace().query("DIMENSION"))
    if not dims or len(dims) != len(host):
        raise SystemExit(f"{len(dims)} dimensions in ezdxf, {len(host)} read by the host")
    sized = 0
    for d in dims:
        mine = host[d.dxf.handle]
        theirs = d.override().dimstyle_attribs
        for name, value in mine.items():
            if name.startswith("dimblk"):
                record = doc.entitydb.get(value)
                value = record.dxf.name if record is not None else None
            if theirs.get(name) != value:
                raise SystemExit(f"dimension {d.dxf.handle}: {name} is {theirs.get(name)} in ezdxf, {value} in the host")
        if theirs.get("dimsah") != 1 or theirs.get("dimblk1") not in BLOCKS or theirs.get("dimblk2") not in BLOCKS:
            raise SystemExit(f"dimension {d.dxf.handle}: arrows not changed: {theirs}")
        if d.has_xdata("STIFF"):
            sized += 1
            if "dimasz" not in theirs:
                raise SystemExit(f"dimension-type stiffener {d.dxf.handle} has no arrow size of its own")
    if sized == 0:
        raise SystemExit("no dimension-type stiffener in the drawing")
    for name, strokes in BLOCKS.items():
        lines = [((l.dxf.start.x, l.dxf.start.y), (l.dxf.end.x, l.dxf.end.y)) for l in doc.blocks.get(name)]
        if lines != [tuple(tuple(float(c) for c in p) for p in s) for s in strokes]:
            raise SystemExit(f"block {name}: {lines}")
    print(f"{len(dims)} dimensions, {sized} of them stiffeners, agree in the host and ezdxf")


if __name__ == "__main__":
    main()
