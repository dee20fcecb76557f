"""Peer check: TRV_DWGTODXF through its dialog on a folder of real DWG files, for each
version the dialog offers, played by `trevan run` with the script the command starts. Every
drawing ends as one DXF that ezdxf reads with the entity counts of the DWG reader's own
DXF; a damaged DWG among them is told and the batch goes on.

usage: peer_dwg_batch.py TREVAN INSTALL DWG_FOLDER DAMAGED_FOLDER NODE_SCRIPT PACKAGE WORKDIR
"""
import collections
import glob
import os
import shutil
import subprocess
import sys

import ezdxf

VERSIONS = {"2007": "AC1021", "2004": "AC1018", "2000": "AC1015", "R12": "AC1009"}
# What R12 cannot hold the host leaves out (and says so); its light-weight polylines are
# written as polylines.
R12_LEFT_OUT = {"MTEXT"}
R12_AS = {"LWPOLYLINE": "POLYLINE"}


def kinds(path):
    return collections.Counter(e.dxftype() for e in ezdxf.readfile(path).modelspace())


def reader_counts(node_script, package, dwg, work):
    """Entity counts of the DXF the DWG reader itself writes."""
    out = os.path.join(work, os.path.basename(dwg) + ".reader.dxf")
    subprocess.run(["node", "--liftoff-only", node_script, package, dwg, out], check=True, timeout=120)
    return kinds(out)


def expected_for(counts, version):
    if version != "R12":
        return counts
    out = collections.Counter()
    for kind, n in counts.items():
        if kind not in R12_LEFT_OUT:
            out[R12_AS.get(kind, kind)] += n
    return out


def run_batch(trevan, install, dwgs, damaged, version, work):
    root = os.path.join(work, f"install_{version}")
    shutil.rmtree(root, ignore_errors=True)
    shutil.copytree(install, root)
    drive = os.path.join(root, "drive_c")
    os.makedirs(os.path.join(drive, "DWG"))
    os.makedirs(os.path.join(drive, "OUT"))
    for f in dwgs + damaged:
        shutil.copy(f, os.path.join(drive, "DWG"))
    script = os.path.join(work, f"batch_{version}.scr")
    with open(script, "w") as f:
        f.write("TRV_DWGTODXF\nclick 210\nC:\\DWG\nclick 211\nC:\\OUT\n"
                f"select 201 {version}\nclick 1\n")
    done = subprocess.run([trevan, "run", "--install", root, "--script", script],
                          capture_output=True, text=True, timeout=600)
    if done.returncode != 0:
        raise SystemExit(f"batch {version} stopped: {done.stderr.strip()}\n{done.stdout[-3000:]}")
    return drive, done.stdout


def main():
    trevan, install, dwg_folder, damaged_folder, node_script, package, work = sys.argv[1:8]
    os.makedirs(work, exist_ok=True)
    dwgs = sorted(glob.glob(os.path.join(dwg_folder, "*.dwg")))
    damaged = sorted(glob.glob(os.path.join(damaged_folder, "*.dwg")))
    reader = {os.path.basename(d): reader_counts(node_script, package, d, work) for d in dwgs}
    for version, acadver in VERSIONS.items():
        drive, transcript = run_batch(trevan, install, dwgs, damaged, version, work)
        for d in damaged:
            name = os.path.basename(d)
            if f"{name}: cannot read this DWG" not in transcript:
                raise SystemExit(f"{version}: no clear error for {name}:\n{transcript[-3000:]}")
            if os.path.exists(os.path.join(drive, "OUT", name.replace(".dwg", ".dxf"))):
                raise SystemExit(f"{version}: {name} was written")
        for name, counts in reader.items():
            out = os.path.join(drive, "OUT", name.replace(".dwg", ".dxf"))
            if not os.path.exists(out):
                raise SystemExit(f"{version}: no {out}\n{transcript[-3000:]}")
            doc = ezdxf.readfile(out)
            if doc.dxfversion != acadver:
                raise SystemExit(f"{out}: version {doc.dxfversion}, expected {acadver}")
            got, want = kinds(out), expected_for(counts, version)
            if got != want:
                raise SystemExit(f"{out}: entities {dict(got)}, the DWG reader's {dict(want)}")
            left = counts.keys() & R12_LEFT_OUT if version == "R12" else set()
            if left and "left out (R12 cannot hold" not in transcript:
                raise SystemExit(f"{version}: {sorted(left)} left out of {name} without a word")
        print(f"{version}: {len(reader)} drawings converted, {len(damaged)} damaged told")


main()
