"""Drawings other programs write, made with ezdxf: one per DXF version from R12 to R2018."""
import ezdxf

from drawings import hull_drawing

VERSIONS = ("R12", "R2000", "R2004", "R2007", "R2010", "R2013", "R2018")


def r12_drawing():
    """R12 has no light-weight polylines: the same kind of content in R12's own kinds."""
    doc = ezdxf.new("R12")
    doc.layers.new("FRAME", dxfattribs={"color": 3, "linetype": "DASHED"})
    doc.styles.new("NOTE", dxfattribs={"font": "romans.shx", "width": 0.8})
    block = doc.blocks.new("MARK")
    block.add_circle((0, 0), 2)
    block.add_attdef("NO", (0, -3), dxfattribs={"height": 1.5})
    msp = doc.modelspace()
    msp.add_line((0, 0), (3000, 0), dxfattribs={"layer": "FRAME"})
    msp.add_arc((500, 0), 250, 0, 180)
    msp.add_polyline2d([(0, 0), (100, 50), (200, 0)], dxfattribs={"layer": "FRAME"})
    msp.add_text("FR 12", dxfattribs={"style": "NOTE", "height": 25, "insert": (10, 10)})
    msp.add_point((5, 5))
    ref = msp.add_blockref("MARK", (800, 200))
    ref.add_attrib("NO", "L7", (800, 197))
    return doc


def write_corpus(folder):
    """Paths of the files written into folder."""
    paths = []
    for version in VERSIONS:
        doc = r12_drawing() if version == "R12" else hull_drawing(version)
        path = f"{folder}/ezdxf_{version}.dxf"
        doc.saveas(path)
        paths.append(path)
    return paths
