"""Peer check: drawings other programs wrote (ezdxf in every version from R12 to R2018,
hand-made minimal files, the DWG reader's output) load in the host, save, and read back in
ezdxf with nothing lost; what the host saved it loads again.

usage: peer_foreign.py TOOL HAND_MADE_FOLDER WORKDIR [DWG_FOLDER]
"""
import glob
import os
import subprocess
import sys

import ezdxf

from foreign_corpus import write_corpus
from peer_compare import attribs_differ, compare, geometry_differ

# Pairs the host writes from its own state: handles and owners of files that had none.
UNTRACKED = {"handle", "owner"}


def run_tool(tool, src, dst):
    done = subprocess.run([tool, src, dst], capture_output=True, text=True, timeout=120)
    if done.returncode != 0:
        raise SystemExit(f"host failed on {src}: {done.stderr.strip()}")


def compare_in_order(original, copy):
    """For R12 files: model space entity by entity, in order."""
    a, b = list(original.modelspace()), list(copy.modelspace())
    if [e.dxftype() for e in a] != [e.dxftype() for e in b]:
        return [f"model space {[e.dxftype() for e in a]} != {[e.dxftype() for e in b]}"]
    problems = []
    for x, y in zip(a, b):
        for p in attribs_differ(x, y) + geometry_differ(x, y):
            if p.split(":")[0] not in UNTRACKED and not p.startswith("attributes"):
                problems.append(f"{x.dxftype()}: {p}")
    return problems


def check(tool, src, work, complete=True):
    name = os.path.splitext(os.path.basename(src))[0]
    dst = os.path.join(work, f"host_{name}.dxf")
    run_tool(tool, src, dst)
    original = ezdxf.readfile(src)
    copy = ezdxf.readfile(dst)
    errors = [str(e.message) for e in copy.audit().errors]
    if errors:
        raise SystemExit(f"ezdxf audit of {dst}: {errors}")
    # ezdxf gives what an R12 file or a minimal one lacks (table heads, blocks, objects)
    # handles and owners of its own on load: those are compared entity by entity.
    by_handle = complete and original.dxfversion != "AC1009"
    problems = compare(original, copy) if by_handle else compare_in_order(original, copy)
    for table in ("layers", "linetypes", "styles"):
        names = {r.dxf.name.upper() for r in getattr(copy, table)}
        for r in getattr(original, table):
            if r.dxf.name.upper() not in names:
                problems.append(f"{table} record {r.dxf.name} is missing")
    for used in {e.dxf.layer.upper() for e in original.modelspace()}:
        if used not in {r.dxf.name.upper() for r in copy.layers}:
            problems.append(f"layer {used} an entity names is not in the table")
    if problems:
        raise SystemExit("\n".join([f"{dst} differs from {src}:"] + problems[:40]))
    run_tool(tool, dst, os.path.join(work, f"again_{name}.dxf"))
    return name


def main():
    tool, hand_made, work = sys.argv[1:4]
    dwg_folder = sys.argv[4] if len(sys.argv) > 4 else None
    os.makedirs(work, exist_ok=True)
    sources = [(path, True) for path in write_corpus(work)]
    sources += [(path, False) for path in sorted(glob.glob(os.path.join(hand_made, "*.dxf")))]
    if dwg_folder:
        # The DWG reader's DXF, as the host opens a DWG, is itself a foreign file.
        for dwg in sorted(glob.glob(os.path.join(dwg_folder, "*.dwg"))):
            name = os.path.splitext(os.path.basename(dwg))[0]
            dxf = os.path.join(work, f"dwg_{name}.dxf")
            run_tool(tool, dwg, dxf)
            sources.append((dxf, True))
    checked = [check(tool, src, work, complete) for src, complete in sources]
    print(f"{len(checked)} foreign drawings load, save and read back: {', '.join(checked)}")


main()
