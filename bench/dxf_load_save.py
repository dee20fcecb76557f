#!/usr/bin/python3
"""Drawing-file speed: load and save of a generated drawing of many entities with xdata,
by the host (tools/dxf_roundtrip) and by ezdxf, on the same file in one run.

usage: /usr/bin/python3 bench/dxf_load_save.py --tool build/tools/dxf_roundtrip [--entities 1000000]

Reports the seconds of each, the host's speed-up over ezdxf, and each one's peak memory
against the file size. Goals: the host loads at least 20 times faster than ezdxf, with a
peak under 3 times the file size.
"""
import argparse
import json
import os
import resource
import subprocess
import sys
import tempfile
import time

EZDXF_RUN = r"""
import json, resource, sys, time
import ezdxf
t = time.perf_counter()
doc = ezdxf.readfile(sys.argv[1])
load = time.perf_counter() - t
t = time.perf_counter()
doc.saveas(sys.argv[2])
save = time.perf_counter() - t
print(json.dumps({"load_s": load, "save_s": save,
                  "peak_rss_kb": resource.getrusage(resource.RUSAGE_SELF).ru_maxrss}))
"""


def generate(path, count):
    """An R2013 drawing from ezdxf (tables, blocks, objects) with `count` lines, each with
    xdata of two applications, written straight into its ENTITIES section."""
    import ezdxf

    doc = ezdxf.new("R2013")
    doc.appids.new("STIFF")
    doc.appids.new("QORCOM")
    doc.layers.add("HULL")
    base = os.path.join(os.path.dirname(path), "base.dxf")
    doc.saveas(base)
    with open(base, encoding="utf-8") as f:
        text = f.read()
    seed = int(doc.header["$HANDSEED"], 16)
    owner = doc.modelspace().block_record_handle
    head, rest = text.split("  2\nENTITIES\n", 1)
    _, tail = rest.split("  0\nENDSEC\n", 1)
    with open(path, "w", encoding="utf-8") as out:
        out.write(head.replace(f"$HANDSEED\n  5\n{doc.header['$HANDSEED']}\n",
                               f"$HANDSEED\n  5\n{seed + count:X}\n"))
        out.write("  2\nENTITIES\n")
        chunk = []
        for i in range(count):
            x = (i % 1000) * 10.0
            y = (i // 1000) * 10.0
            chunk.append(
                f"  0\nLINE\n  5\n{seed + i:X}\n330\n{owner}\n100\nAcDbEntity\n  8\nHULL\n100\nAcDbLine\n"
                f" 10\n{x}\n 20\n{y}\n 30\n0.0\n 11\n{x + 7.5}\n 21\n{y + 2.5}\n 31\n0.0\n"
                f"1001\nSTIFF\n1000\nL-100x75x7\n1040\n{i * 0.5}\n1070\n{i % 300}\n"
                f"1001\nQORCOM\n1000\nFR.{i % 200}\n1010\n{x}\n1020\n{y}\n1030\n0.0\n")
            if len(chunk) == 10000:
                out.write("".join(chunk))
                chunk = []
        out.write("".join(chunk))
        out.write("  0\nENDSEC\n" + tail)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tool", required=True)
    parser.add_argument("--entities", type=int, default=1_000_000)
    parser.add_argument("--keep", help="folder to keep the files in")
    args = parser.parse_args()
    work = args.keep or tempfile.mkdtemp(prefix="trevan-dxf-bench-")
    os.makedirs(work, exist_ok=True)
    src = os.path.join(work, "generated.dxf")
    t = time.perf_counter()
    generate(src, args.entities)
    size_kb = os.path.getsize(src) / 1024
    print(f"generated {args.entities} lines with xdata: {size_kb / 1024:.0f} MB in {time.perf_counter() - t:.1f} s")

    host = json.loads(subprocess.run([args.tool, src, os.path.join(work, "host.dxf"), "--times"],
                                     check=True, capture_output=True, text=True).stdout)
    peer = json.loads(subprocess.run([sys.executable, "-c", EZDXF_RUN, src, os.path.join(work, "ezdxf.dxf")],
                                     check=True, capture_output=True, text=True).stdout)
    print(f"{'':8}{'load s':>10}{'save s':>10}{'peak MB':>10}{'peak/file':>11}")
    for name, r in (("host", host), ("ezdxf", peer)):
        print(f"{name:8}{r['load_s']:10.2f}{r['save_s']:10.2f}{r['peak_rss_kb'] / 1024:10.0f}"
              f"{r['peak_rss_kb'] / size_kb:11.2f}")
    load_ratio = peer["load_s"] / max(host["load_s"], 1e-9)
    save_ratio = peer["save_s"] / max(host["save_s"], 1e-9)
    print(f"host load {load_ratio:.1f}x faster than ezdxf (goal 20x), save {save_ratio:.1f}x; "
          f"host peak {host['peak_rss_kb'] / size_kb:.2f}x the file (goal < 3x)")


if __name__ == "__main__":
    main()
