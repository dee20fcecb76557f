"""Peer check: TRV_MakeCrossDraw run on the sample plan as a drafter runs it
(cross_detail.scr, through every refusal and retry), the detail drawing it filed opened in
ezdxf: the cut-out turned so that the through member runs along Y, the phantom boundary, the
section figure below it, the partner lines level with the section, the centre lines, the
size texts and the frame block. The plan is left as it was.

usage: peer_cross_detail.py TREVAN INSTALL PLAN.dxf PLAN_TEXTS.lsp SCRIPT WORKDIR
"""
import math
import os
import re
import shutil
import subprocess
import sys

import ezdxf

COMBINATION = "AIA250901015-BPL150012-TT6001215016"
# Each refusal or retry the script walks through, in order.
MESSAGES = ["(TrevanComARX_GetStiffCrossPartDrawFunc)\n通し部材Aを選択：*cancel*\nnil",
            "相手部材は２つまでしか選択できません", "通し部材と相手部材の交点がありません",
            "C 6395,1900 6415,1910\n2 found, 2 total",
            "交差部の1点目を指示：\n交差部の1点目を指示：", "交差部の2点目を指示：*cancel*\n交差部の1点目を指示：",
            "同一点が指定されました。", "同一線上の点が指示されました。",
            "指示した範囲に通し部材と相手部材が含まれていません。",
            "船番として使用できない文字が含まれています。", "CD0.dwgはすでに登録されています。",
            "船番を入力<S3001>：", "通し部材の断面寸法の位置を指示：*cancel*\n通し部材の断面寸法の位置を指示："]


def fail(why):
    raise SystemExit(why)


def check_transcript(out):
    at = 0
    for m in MESSAGES:
        found = out.find(m, at)
        if found < 0:
            fail(f"the transcript lacks {m!r} after position {at}:\n{out}")
        at = found
    states = re.findall(r"^\((\d+) (\([0-9 ]+\)) (\d+) (\d+)\)$", out, re.M)
    if len(states) != 2 or states[0] != states[1]:
        fail(f"the plan's entity count, layer STIFF, PICKSTYLE and OSMODE before and after: {states}")
    if states[0][1] != "(0 1 0 1)":
        fail(f"layer STIFF was not locked for the run: {states[0]}")
    listed = re.findall(r"^[* ] \d+  (\S+)  file: .*  locks: (\S+)$", out, re.M)
    if [d for d, _ in listed] != ["plan.dxf", "Drawing2.dwg"] or any(lock != "none" for _, lock in listed):
        fail(f"the drawings open after the run: {listed}")


def check_detail(path):
    doc = ezdxf.readfile(path)
    msp = doc.modelspace()
    # The cut-out keeps the members' layers: longitudinals on LONG, transverse members on TRANS.
    through = list(msp.query('LINE[layer=="LONG"]'))
    partners = list(msp.query('LINE[layer=="TRANS"]'))
    cut = through + partners
    if len(through) != 2 or len(partners) != 4:
        fail(f"cut-out: {len(through)} through lines, {len(partners)} partner lines")
    for e in through:
        if abs(e.dxf.start.x - e.dxf.end.x) > 1e-6:
            fail(f"through line {e.dxf.handle} is not turned onto Y: {e.dxf.start} {e.dxf.end}")
    for e in partners:
        if abs(e.dxf.start.y - e.dxf.end.y) > 1e-6:
            fail(f"partner line {e.dxf.handle} does not run across: {e.dxf.start} {e.dxf.end}")
    # 3A at y 2100 and 2090 turns a quarter about the crossing with 5E (5600, 2100).
    if sorted(round(e.dxf.start.x, 6) for e in through) != [5600, 5610]:
        fail(f"through lines at x {[e.dxf.start.x for e in through]}")

    boundary = [p for p in msp.query("LWPOLYLINE") if p.dxf.get("linetype") == "PHANTOM2"]
    if len(boundary) != 1 or not boundary[0].closed or boundary[0].dxf.color != 6:
        fail(f"boundary: {boundary}")
    box = [(x, y) for x, y, *_ in boundary[0].get_points()]
    bottom = min(y for _, y in box)
    if sorted({round(x, 6) for x, _ in box}) != [5400, 5800] or round(bottom, 6) != 1900:
        fail(f"boundary corners {box}")

    sections = [p for p in msp.query("LWPOLYLINE") if p not in boundary]
    if len(sections) != 1 or not sections[0].closed or len(sections[0]) != 6:
        fail(f"section figure of the angle: {[len(p) for p in sections]}")
    ys = [y for _, y, *_ in sections[0].get_points()]
    if round(max(ys), 6) != 1400 or round(max(ys) - min(ys), 6) != 250:
        fail(f"the angle's section stands from {min(ys)} to {max(ys)}, not 250 deep 500 below the cut-out")

    plain = [e for e in msp.query("LINE") if e not in cut]
    centre = [e for e in plain if e.dxf.get("linetype") == "CENTER"]
    reference = [e for e in centre if e.has_xdata("PlanRecord_Stline")]
    if len(reference) != 1 or abs(reference[0].dxf.start.x - reference[0].dxf.end.x) > 1e-6:
        fail(f"reference line: {reference}")
    across = [e for e in centre if e not in reference]
    if len(across) != 2 or any(abs(e.dxf.start.y - e.dxf.end.y) > 1e-6 or e.dxf.color != 3 for e in across):
        fail(f"partner centre lines: {[(e.dxf.start, e.dxf.end) for e in across]}")
    elevation = [e for e in plain if e not in centre]
    if not elevation or any(abs(e.dxf.start.y - e.dxf.end.y) > 1e-6 or e.dxf.start.y > 1400 + 1e-6
                            for e in elevation):
        fail(f"partner lines: {[(e.dxf.start, e.dxf.end) for e in elevation]}")

    texts = {t.dxf.text: t for t in msp.query("TEXT")}
    want = ["L250x90x10", "FB1500x12", "T600x12,150x16"]
    if sorted(texts) != sorted(want):
        fail(f"texts {sorted(texts)}, want {want}")
    if not math.isclose(texts["L250x90x10"].dxf.rotation, 90) or texts["L250x90x10"].dxf.height != 20:
        fail("the through member's text does not read upwards at height 20")
    if (texts["L250x90x10"].dxf.insert.x, texts["L250x90x10"].dxf.insert.y) != (5300, 1300):
        fail(f"the through member's text stands at {texts['L250x90x10'].dxf.insert}")

    frames = [i for i in msp.query("INSERT") if i.dxf.name == "WAKU_PLANRECORD"]
    if len(frames) != 1 or "WAKU_PLANRECORD" not in doc.blocks or not len(doc.blocks.get("WAKU_PLANRECORD")):
        fail("no frame block")
    return f"{len(cut)} cut lines, {len(elevation)} partner lines, {len(centre)} centre lines, {len(texts)} texts"


def main():
    trevan, install, plan, plan_texts, script, work = sys.argv[1:7]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    mine = os.path.join(work, "install")
    shutil.copytree(install, mine)
    endtype = os.path.join(mine, "drive_c", "TREVAN", "DATA", "ENDTYPE")
    os.makedirs(os.path.join(endtype, "S3001", "X1-Y1"))
    open(os.path.join(endtype, "S3001", "X1-Y1", "CD0.dwg"), "w").close()
    done = subprocess.run([trevan, "run", "--install", mine, "--drawing", plan, "--load", plan_texts,
                           "--script", script], capture_output=True, text=True)
    if done.returncode != 0:
        fail(f"trevan failed ({done.returncode}): {done.stderr.strip()}\n{done.stdout}")
    check_transcript(done.stdout)
    detail = os.path.join(endtype, "S3001", COMBINATION, "CD1.dwg")
    if not os.path.isfile(detail):
        fail(f"no detail drawing {detail}: {sorted(os.listdir(os.path.join(endtype, 'S3001')))}")
    print(check_detail(detail))


if __name__ == "__main__":
    main()
