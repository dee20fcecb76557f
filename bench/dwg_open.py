#!/usr/bin/python3
"""DWG open time: the host opening the largest test DWG (the DWG reader program, then the
host's DXF reader) against ezdxf reading the DXF the host made of it, in one run.

usage: /usr/bin/python3 bench/dwg_open.py --tool build/bench/trevan_dwg_open \
           --trevan build/host/cli/trevan [--runs 5]

Reports the median seconds of each and their ratio. Most of the host's time is the DWG
reader's start (node and a WebAssembly library of about 9 MB); ezdxf reads text only.
"""
import argparse
import glob
import json
import os
import shutil
import statistics
import subprocess
import tempfile
import time

import ezdxf

HERE = os.path.dirname(os.path.abspath(__file__))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tool", required=True)
    parser.add_argument("--trevan", required=True)
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()
    dwgs = glob.glob(os.path.join(HERE, "..", "tests", "data", "dwg", "*.dwg"))
    largest = max(dwgs, key=os.path.getsize)
    work = tempfile.mkdtemp(prefix="trevan-dwg-bench-")
    try:
        src = os.path.join(work, "src")
        os.makedirs(src)
        shutil.copy(largest, src)
        subprocess.run([args.trevan, "convert", src, os.path.join(work, "dxf")], check=True,
                       stdout=subprocess.DEVNULL)
        dxf = glob.glob(os.path.join(work, "dxf", "*.dxf"))[0]
        done = subprocess.run([args.tool, largest, str(args.runs)], check=True, capture_output=True, text=True)
        host = json.loads(done.stdout)["median_s"]
        times = []
        for _ in range(args.runs):
            t = time.perf_counter()
            ezdxf.readfile(dxf)
            times.append(time.perf_counter() - t)
        peer = statistics.median(times)
        name = os.path.basename(largest)
        print(f"{name} ({os.path.getsize(largest)} bytes; its DXF {os.path.getsize(dxf)} bytes), "
              f"median of {args.runs}:")
        print(f"  host opens the DWG   {host:.3f} s")
        print(f"  ezdxf reads the DXF  {peer:.3f} s")
        print(f"  ratio host/ezdxf     {host / peer:.2f}")
    finally:
        shutil.rmtree(work, ignore_errors=True)


main()
