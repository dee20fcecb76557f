"""Peer check: drawings ezdxf writes survive a load and save by the host, as ezdxf sees
them; drawings the host writes in every version open in ezdxf.

usage: peer_roundtrip.py TOOL CASE WORKDIR
"""
import os
import subprocess
import sys

import ezdxf

from drawings import hull_drawing
from peer_compare import compare


def run_tool(tool, src, dst, version=None):
    args = [tool, src, dst] + (["--version", version] if version else [])
    done = subprocess.run(args, capture_output=True, text=True)
    if done.returncode != 0:
        raise SystemExit(f"host failed on {src}: {done.stderr.strip()}")


def audited(path):
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    errors = [str(e.message) for e in auditor.errors]
    if errors:
        raise SystemExit(f"ezdxf audit of {path}: {errors}")
    return doc


def check_same(src, dst):
    problems = compare(ezdxf.readfile(src), audited(dst))
    if problems:
        raise SystemExit("\n".join([f"{dst} differs from {src}:"] + problems[:40]))


def case_roundtrip(tool, work, version):
    src = os.path.join(work, f"ezdxf_{version}.dxf")
    dst = os.path.join(work, f"host_{version}.dxf")
    hull_drawing(version).saveas(src)
    run_tool(tool, src, dst)
    check_same(src, dst)
    # A second pass changes nothing more: what the host wrote, it reads back the same.
    again = os.path.join(work, f"host_{version}_again.dxf")
    run_tool(tool, dst, again)
    check_same(dst, again)


def case_versions(tool, work):
    src = os.path.join(work, "ezdxf_source.dxf")
    hull_drawing("R2013").saveas(src)
    original = ezdxf.readfile(src)
    for version in ("R12", "R2000", "R2004", "2007", "R2013"):
        dst = os.path.join(work, f"host_as_{version}.dxf")
        run_tool(tool, src, dst, version)
        doc = ezdxf.readfile(dst)
        expected = {"R12": "AC1009", "R2000": "AC1015", "R2004": "AC1018", "2007": "AC1021", "R2013": "AC1027"}[version]
        if doc.dxfversion != expected:
            raise SystemExit(f"{dst}: version {doc.dxfversion}, expected {expected}")
        if version != "R12":
            # Everything an R2000 file can hold comes through whole.
            problems = compare(original, audited(dst))
            if problems:
                raise SystemExit("\n".join([f"{dst}:"] + problems[:40]))
            continue
        kinds = sorted({e.dxftype() for e in doc.modelspace()})
        for needed in ("LINE", "ARC", "CIRCLE", "POLYLINE", "TEXT", "POINT", "INSERT", "DIMENSION"):
            if needed not in kinds:
                raise SystemExit(f"{dst}: no {needed} in R12 output ({kinds})")
        texts = [t.dxf.text for t in doc.modelspace().query("TEXT")]
        if "CL" not in texts:
            raise SystemExit(f"{dst}: texts {texts}")
        # R12 output is read back by the host too.
        run_tool(tool, dst, os.path.join(work, "host_from_r12.dxf"))


def case_shift_jis(tool, work):
    """An R2000 drawing in code page 932 keeps its Japanese text through the host, whether
    the host writes it as R2013 (UTF-8) or again as R2000 (Shift-JIS)."""
    src = os.path.join(work, "ezdxf_932.dxf")
    hull_drawing("R2000", "cp932").saveas(src)
    with open(src, "rb") as f:
        raw = f.read()
    if "肋骨".encode("cp932") not in raw:
        raise SystemExit("the source drawing is not Shift-JIS")
    for version in (None, "R2000"):
        dst = os.path.join(work, f"host_932_{version or 'current'}.dxf")
        run_tool(tool, src, dst, version)
        doc = audited(dst)
        texts = [t.dxf.text for t in doc.modelspace().query("TEXT")]
        if "肋骨 FR.25 ロンジ" not in texts:
            raise SystemExit(f"{dst}: Japanese text lost: {texts}")
        check_same(src, dst)


def main():
    tool, case, work = sys.argv[1], sys.argv[2], sys.argv[3]
    os.makedirs(work, exist_ok=True)
    if case == "r2013":
        case_roundtrip(tool, work, "R2013")
    elif case == "r2000":
        case_roundtrip(tool, work, "R2000")
    elif case == "r2018":
        case_roundtrip(tool, work, "R2018")
    elif case == "versions":
        case_versions(tool, work)
    elif case == "shift_jis":
        case_shift_jis(tool, work)
    else:
        raise SystemExit(f"unknown case {case}")


if __name__ == "__main__":
    main()
