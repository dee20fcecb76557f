"""What the peer checks compare: two ezdxf documents that should hold the same drawing."""
import math

import re

from ezdxf.math import Vec2, Vec3

REL = 1e-9


def decode_dxf_unicode(s):
    return re.sub(r"\\U\+([0-9A-Fa-f]{4})", lambda m: chr(int(m.group(1), 16)), s)


def close(a, b):
    if a is None or b is None:
        return a is b
    if isinstance(a, (Vec2, Vec3)) or isinstance(b, (Vec2, Vec3)):
        return Vec3(a).isclose(Vec3(b), rel_tol=REL, abs_tol=1e-9)
    if isinstance(a, float) or isinstance(b, float):
        try:
            return math.isclose(float(a), float(b), rel_tol=REL, abs_tol=1e-9)
        except (TypeError, ValueError):
            return False
    if isinstance(a, str) and isinstance(b, str):
        # Text an older version's code page cannot hold is written \U+XXXX; that is the
        # same text.
        return decode_dxf_unicode(a) == decode_dxf_unicode(b)
    if isinstance(a, (list, tuple)) and isinstance(b, (list, tuple)):
        return len(a) == len(b) and all(close(x, y) for x, y in zip(a, b))
    return a == b


def dxf_values(e):
    """Every DXF attribute of an entity, defaults filled in, so that an attribute written
    out explicitly with its default value compares equal to one left out."""
    out = {}
    for name in e.dxf.all_existing_dxf_attribs():
        out[name] = e.dxf.get(name)
    return out


# Names of table records: the DXF reader finds them without regard to case and the host
# writes a record's own spelling.
NAMES = {"layer", "linetype", "style", "dimstyle", "name"}


def attribs_differ(a, b):
    va, vb = dxf_values(a), dxf_values(b)
    problems = []
    for key in sorted(set(va) | set(vb)):
        x = va.get(key, a.dxf.get_default(key) if a.dxf.is_supported(key) else None)
        y = vb.get(key, b.dxf.get_default(key) if b.dxf.is_supported(key) else None)
        if key in NAMES and isinstance(x, str) and isinstance(y, str):
            x, y = x.upper(), y.upper()
        if not close(x, y):
            problems.append(f"{key}: {x!r} != {y!r}")
    return problems


def geometry_differ(a, b):
    kind = a.dxftype()
    if kind == "LWPOLYLINE":
        if not close(list(map(tuple, a.get_points("xyseb"))), list(map(tuple, b.get_points("xyseb")))):
            return ["vertices differ"]
    if kind == "SPLINE":
        for part in ("fit_points", "control_points", "knots", "weights"):
            pa, pb = list(getattr(a, part)), list(getattr(b, part))
            if pa and pb and not close(pa, pb):
                return [f"{part} differ"]
        if len(a.fit_points) != len(b.fit_points):
            return ["fit points lost"]
    if kind == "INSERT":
        ta = [(x.dxf.tag, x.dxf.text, x.dxf.handle) for x in a.attribs]
        tb = [(x.dxf.tag, x.dxf.text, x.dxf.handle) for x in b.attribs]
        if ta != tb:
            return [f"attributes {ta} != {tb}"]
    return []


def xdata_of(e):
    out = {}
    if e.xdata is None:
        return out
    for app in e.xdata.data:
        out[app] = [(t.code, t.value) for t in e.get_xdata(app)]
    return out


def compare(original, copy, skip_types=()):
    """Problems found, as text lines; empty when the copy holds everything."""
    problems = []
    db_b = copy.entitydb
    for handle, a in original.entitydb.items():
        kind = a.dxftype()
        if kind in skip_types:
            continue
        b = db_b.get(handle)
        if b is None:
            problems.append(f"{kind} {handle} is missing")
            continue
        if b.dxftype() != kind:
            problems.append(f"{handle}: {kind} became {b.dxftype()}")
            continue
        for p in attribs_differ(a, b) + geometry_differ(a, b):
            problems.append(f"{kind} {handle}: {p}")
        xa, xb = xdata_of(a), xdata_of(b)
        if set(xa) != set(xb):
            problems.append(f"{kind} {handle}: xdata applications {sorted(xa)} != {sorted(xb)}")
        for app in xa:
            if app in xb and not close(xa[app], xb[app]):
                problems.append(f"{kind} {handle}: xdata {app} {xa[app]} != {xb[app]}")
    order_a = [e.dxf.handle for e in original.modelspace()]
    order_b = [e.dxf.handle for e in copy.modelspace()]
    if order_a != order_b:
        problems.append(f"model space order {order_a} != {order_b}")
    groups_a = {name: [e.dxf.handle for e in g] for name, g in original.groups}
    groups_b = {name: [e.dxf.handle for e in g] for name, g in copy.groups}
    if groups_a != groups_b:
        problems.append(f"groups {groups_a} != {groups_b}")
    return problems
