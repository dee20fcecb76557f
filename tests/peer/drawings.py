"""Drawings for the peer checks, made with ezdxf: the kinds of content a hull designer's
drawing holds, plus content the host keeps without modelling it (MTEXT, HATCH)."""
import ezdxf

APPS = ["STIFF", "STIFF_STEXT_HDNAME", "QORCOM", "TREVAN_LONGI", "TREVAN_CROSS"]


def hull_drawing(version="R2013", encoding=None):
    doc = ezdxf.new(version, setup=True)
    if encoding:
        # ezdxf writes $DWGCODEPAGE from the document's encoding ("cp932" is ANSI_932).
        doc.encoding = encoding
    for app in APPS:
        doc.appids.new(app)
    doc.layers.add("HULL", color=3)
    doc.layers.add("STIFFENER", color=5, linetype="DASHED")
    msp = doc.modelspace()

    line = msp.add_line((0, 0), (12000, 0), dxfattribs={"layer": "HULL", "color": 1})
    line.set_xdata("STIFF", [(1000, "L-100x75x7"), (1040, 12.5), (1070, 3), (1071, 123456),
                             (1010, (1.5, 2.5, 3.5)), (1005, line.dxf.handle)])
    for i, app in enumerate(APPS):
        line.set_xdata(app, [(1000, f"{app}-{i}"), (1002, "{"), (1070, i), (1002, "}")])
    msp.add_arc((500, 500), 250, 30, 120, dxfattribs={"layer": "STIFFENER"})
    msp.add_circle((100, 200), 40, dxfattribs={"true_color": 0x20A0FF})
    msp.add_lwpolyline([(0, 0, 0, 0, 0.5), (1000, 0, 0, 0, -0.25), (1000, 800, 0, 0, 0)],
                       format="xyseb", close=True, dxfattribs={"layer": "HULL"})
    msp.add_lwpolyline([(0, 0, 10, 20, 0), (50, 0, 20, 10, 1)], format="xyseb")
    msp.add_spline([(0, 0), (300, 150), (600, -80), (900, 40)])
    text = msp.add_text("肋骨 FR.25 ロンジ", dxfattribs={"height": 2.5, "rotation": 30, "layer": "STIFFENER"})
    text.set_placement((250, 75))
    msp.add_text("CL", dxfattribs={"height": 5}).set_placement((10, 10), align=ezdxf.enums.TextEntityAlignment.MIDDLE_CENTER)
    msp.add_point((3, 4, 5))

    block = doc.blocks.new("FRAME_MARK")
    block.add_circle((0, 0), 5)
    block.add_attdef("FR", (0, -8), dxfattribs={"height": 2.5, "prompt": "Frame number"})
    ref = msp.add_blockref("FRAME_MARK", (2000, 100), dxfattribs={"rotation": 15, "xscale": 2, "yscale": 2})
    ref.add_auto_attribs({"FR": "FR.25"})
    ref.set_xdata("QORCOM", [(1000, "frame"), (1040, 25.0)])

    dim = msp.add_aligned_dim(p1=(0, 0), p2=(300, 400), distance=50)
    dim.render()
    dim = msp.add_linear_dim(base=(0, 100), p1=(0, 0), p2=(800, 0), angle=0)
    dim.render()

    msp.add_mtext("二重底\\P1st line", dxfattribs={"char_height": 3.5})
    hatch = msp.add_hatch(color=2)
    hatch.paths.add_polyline_path([(0, 0), (100, 0), (100, 100), (0, 100)], is_closed=True)

    group = doc.groups.new("FRAME_25")
    group.extend([line, text])
    doc.groups.new().extend([ref])
    return doc
