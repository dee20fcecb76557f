"""Peer check: the sample plan with every stiffener's texts and actual-plate lines, saved by
the host (stiffener_links, which also reads it back itself), opened in ezdxf: every link of a
stiffener leads to an entity whose back link names the stiffener, and the group under each
stiffener's handle holds exactly the lines that name it. The counts must be the host's.

usage: peer_links.py TOOL INSTALL PLAN.dxf WORKDIR
"""
import os
import shutil
import subprocess
import sys

import ezdxf

LINKS = [("STIFF_STEXT_HDNAME", "STIFF_SupportDraw_TextS"),
         ("STIFF_ETEXT_HDNAME", "STIFF_SupportDraw_TextE"),
         ("STIFF_NAMETEXT_HDNAME", "STIFF_SupportDraw_NameText"),
         ("STIFF_SYMARK_HDNAME", "STIFF_SupportDraw_YMarkS"),
         ("STIFF_EYMARK_HDNAME", "STIFF_SupportDraw_YMarkE")]


def link_value(entity, app):
    """The handle a link holds: the first 1000 string of the application's xdata."""
    if not entity.has_xdata(app):
        return None
    for code, value in entity.get_xdata(app):
        if code == 1000:
            return value
    return None


def check(path):
    doc = ezdxf.readfile(path)
    msp = doc.modelspace()
    stiffeners = [e for e in msp if e.has_xdata("STIFF")]
    links = 0
    for s in stiffeners:
        me = s.dxf.handle
        for link, back in LINKS:
            target = link_value(s, link)
            if target is None:
                continue
            other = doc.entitydb.get(target)
            if other is None:
                raise SystemExit(f"{path}: {link} of {me} leads to {target}, which is not there")
            if link_value(other, back) != me:
                raise SystemExit(f"{path}: {back} of {target} does not name {me}")
            links += 1
    owners = {}
    for e in msp.query("LINE"):
        owner = link_value(e, "STIFF_SupportDraw_JitsuitaLine")
        if owner is not None:
            owners.setdefault(owner, set()).add(e.dxf.handle)
    groups = 0
    for s in stiffeners:
        group = doc.groups.get(s.dxf.handle)
        if group is None:
            raise SystemExit(f"{path}: no group under {s.dxf.handle}")
        members = {e.dxf.handle for e in group}
        if members != owners.get(s.dxf.handle, set()) or not members:
            raise SystemExit(f"{path}: group {s.dxf.handle} holds {sorted(members)}, "
                             f"the lines naming it are {sorted(owners.get(s.dxf.handle, set()))}")
        groups += 1
    lines = sum(len(v) for v in owners.values())
    return f"stiffeners {len(stiffeners)} links {links} lines {lines} groups {groups}"


def main():
    tool, install, plan, work = sys.argv[1:5]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    shutil.copytree(install, os.path.join(work, "install"))
    out = os.path.join(work, "plan_links.dxf")
    done = subprocess.run([tool, os.path.join(work, "install"), plan, out], capture_output=True, text=True)
    if done.returncode != 0:
        raise SystemExit(f"host failed: {done.stderr.strip()}")
    host = done.stdout.strip()
    peer = check(out)
    if host != peer:
        raise SystemExit(f"host read back {host!r}, ezdxf {peer!r}")
    print(peer)


if __name__ == "__main__":
    main()
