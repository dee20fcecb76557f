"""Peer check: dimensions the host made open in ezdxf in every version, each naming a
picture block of lines, solid arrowheads and its text, with the host's overrides in DSTYLE.

usage: peer_dimensions.py TOOL WORKDIR
"""
import os
import subprocess
import sys

import ezdxf


def check(path, version):
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    if auditor.errors:
        raise SystemExit(f"ezdxf audit of {path}: {[str(e.message) for e in auditor.errors]}")
    dims = list(doc.modelspace().query("DIMENSION"))
    if len(dims) != 2:
        raise SystemExit(f"{path}: {len(dims)} dimensions")
    for dim in dims:
        block = doc.blocks.get(dim.dxf.geometry)
        if block is None:
            raise SystemExit(f"{path}: dimension {dim.dxf.handle} names no block ({dim.dxf.geometry!r})")
        kinds = sorted(e.dxftype() for e in block)
        if kinds.count("LINE") != 3 or kinds.count("SOLID") != 2 or kinds.count("TEXT") != 1:
            raise SystemExit(f"{path}: block {dim.dxf.geometry} holds {kinds}")
    rotated, aligned = dims
    texts = [t.dxf.text for t in doc.blocks.get(aligned.dxf.geometry).query("TEXT")]
    if texts != ["500.00 FR"]:
        raise SystemExit(f"{path}: aligned dimension shows {texts}")
    if version != "R12":
        overrides = rotated.get_acad_dstyle(doc.dimstyles.get(rotated.dxf.dimstyle))
        if overrides.get("dimasz") != 25.0 or overrides.get("dimscale") != 2.0:
            raise SystemExit(f"{path}: overrides {overrides}")
    if (rotated.dxf.dimtype & 7) != 0 or (aligned.dxf.dimtype & 7) != 1:
        raise SystemExit(f"{path}: kinds {rotated.dxf.dimtype} {aligned.dxf.dimtype}")


def main():
    tool, work = sys.argv[1], sys.argv[2]
    os.makedirs(work, exist_ok=True)
    for version in ("R12", "2000", "2004", "2007", "2013"):
        path = os.path.join(work, f"dimensions_{version}.dxf")
        done = subprocess.run([tool, path, version], capture_output=True, text=True)
        if done.returncode != 0:
            raise SystemExit(f"host failed: {done.stderr.strip()}")
        check(path, version)


if __name__ == "__main__":
    main()
