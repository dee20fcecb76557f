"""Peer check: what the host saves of damaged drawings that it loaded, ezdxf reads and
audits without error (a sample; the host's own fuzzing test loads every saved copy again).

usage: peer_fuzz.py TOOL WORKDIR DRAWING...
"""
import glob
import logging
import os
import shutil
import subprocess
import sys

import ezdxf


def main():
    tool, work, drawings = sys.argv[1], sys.argv[2], sys.argv[3:]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    done = subprocess.run([tool, work] + drawings, capture_output=True, text=True)
    if done.returncode != 0:
        raise SystemExit(f"host failed: {done.stderr.strip()}")
    print(done.stdout.strip())
    logging.disable(logging.WARNING)  # ezdxf's notes on what its audit fixes
    samples = sorted(glob.glob(os.path.join(work, "sample_*.dxf")))
    if len(samples) < 20:
        raise SystemExit(f"only {len(samples)} samples")
    problems = []
    for path in samples:
        try:
            errors = [str(e.message) for e in ezdxf.readfile(path).audit().errors]
        except Exception as e:  # noqa: BLE001 - any refusal is the finding
            errors = [f"{type(e).__name__}: {e}"]
        if errors:
            problems.append(f"{path}: {errors[:3]}")
    if problems:
        raise SystemExit("\n".join(problems[:20]))


if __name__ == "__main__":
    main()
