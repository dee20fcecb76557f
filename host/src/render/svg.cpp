// Drawing model space to SVG. Coordinates stay in drawing units with Y turned upside
// down, so the file can be measured against the drawing.
#include <cmath>
#include <fstream>
#include <memory>
#include <sstream>

#include "db/database_impl.h"
#include "editor/geometry.h"
#include "editor/view_state.h"
#include "ent/text_layout.h"
#include "geom/spline_sample.h"
#include "geom/text_metrics.h"
#include "zrx/ed_sysvars.h"
#include "zrxhost/contract.h"
#include "zrxhost/display_state.h"
#include "zrxhost/render.h"
#include "zrxhost/spaces.h"

namespace zrxhost {
namespace {

std::string num(double v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6g", std::fabs(v) < 1e-9 ? 0.0 : v);
    return buf;
}

std::string xy(const ZcGePoint3d& p) { return num(p.x) + "," + num(-p.y); }

std::string escape(const std::string& s)
{
    std::string out;
    for (char c : s) {
        switch (c) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string handleOf(const ZcDbEntity* e)
{
    char hex[17];
    e->objectId().handle().getIntoAsciiBuffer(hex, sizeof hex);
    return hex;
}

// What ByBlock means for the pieces of a block reference being drawn.
struct Inherited {
    int color = 7;
    ZcDbObjectId linetype;
};

class SvgWriter {
public:
    SvgWriter(ZcDbDatabase* db, double strokeWidth, double reach) : m_db(db), m_stroke(strokeWidth), m_reach(reach)
    {
        resbuf rb{};
        if (zcedGetVar("LTSCALE", &rb) == RTNORM && rb.restype == RTREAL) m_ltscale = rb.resval.rreal;
    }

    // One element for the entity, with its handle when it is a drawing's own entity.
    std::string element(const ZcDbEntity* e, const Inherited& outer, bool top)
    {
        std::string color = aciToRgb(colorOf(e, outer));
        std::string id = top ? " data-handle=\"" + handleOf(e) + "\"" : "";
        std::string stroke = " fill=\"none\" stroke=\"" + color + "\"" + dashes(e, outer);
        if (auto* leader = ZcDbLeader::cast(e)) return leaderElement(leader, id, stroke, color);
        if (auto* c = ZcDbCircle::cast(e); c != nullptr && c->normal().isParallelTo(ZcGeVector3d::kZAxis))
            return "<circle" + id + " cx=\"" + num(c->center().x) + "\" cy=\"" + num(-c->center().y) + "\" r=\"" +
                   num(c->radius()) + "\"" + stroke + "/>\n";
        if (auto* c = ZcDbCurve::cast(e)) {
            std::string d = curvePath(c);
            if (d.empty()) return {};
            return "<path" + id + " d=\"" + d + "\"" + stroke + "/>\n";
        }
        if (auto* t = ZcDbText::cast(e)) return textElement(t, id, color);
        if (auto* p = ZcDbPoint::cast(e))
            return "<circle" + id + " cx=\"" + num(p->position().x) + "\" cy=\"" + num(-p->position().y) + "\" r=\"" +
                   num(m_stroke * 1.5) + "\" fill=\"" + color + "\"/>\n";
        // Block references, dimensions and anything else: their pieces in one group.
        ZcDbVoidPtrArray parts;
        Zcad::ErrorStatus es = e->explode(parts);
        std::vector<std::unique_ptr<ZcDbEntity>> owned;
        for (void* p : parts) owned.emplace_back(static_cast<ZcDbEntity*>(p));
        if (es != Zcad::eOk) return {};
        Inherited inner{colorOf(e, outer), linetypeOf(e, outer)};
        std::string body;
        for (const auto& part : owned) {
            if (part->visibility() == ZcDb::kVisible) body += element(part.get(), inner, false);
        }
        return "<g" + id + ">\n" + body + "</g>\n";
    }

private:
    int colorOf(const ZcDbEntity* e, const Inherited& outer) const
    {
        int index = e->colorIndex();
        if (index == 0) return outer.color;
        if (index == 256) {
            auto* layer = zrxhost::peek<ZcDbLayerTableRecord>(e->layerId());
            index = layer != nullptr ? std::abs(static_cast<int>(layer->color().colorIndex())) : 7;
        }
        return index >= 1 && index <= 255 ? index : 7;
    }

    ZcDbObjectId linetypeOf(const ZcDbEntity* e, const Inherited& outer) const
    {
        ZcDbObjectId lt = e->linetypeId();
        if (lt == m_db->byBlockLinetype()) return outer.linetype;
        if (lt.isNull() || lt == m_db->byLayerLinetype()) {
            auto* layer = zrxhost::peek<ZcDbLayerTableRecord>(e->layerId());
            return layer != nullptr ? layer->linetypeObjectId() : ZcDbObjectId();
        }
        return lt;
    }

    std::string dashes(const ZcDbEntity* e, const Inherited& outer) const
    {
        std::string attrs = " stroke-width=\"" + num(m_stroke) + "\"";
        auto* lt = zrxhost::peek<ZcDbLinetypeTableRecord>(linetypeOf(e, outer));
        if (lt == nullptr || lt->numDashes() == 0) return attrs;
        double scale = m_ltscale * e->linetypeScale();
        std::string list;
        // SVG patterns start with a dash; a pattern starting with a gap gets an empty one.
        if (lt->dashLengthAt(0) < 0) list = "0";
        for (int i = 0; i < lt->numDashes(); ++i) {
            if (!list.empty()) list += ",";
            list += num(std::fabs(lt->dashLengthAt(i)) * scale);
        }
        return attrs + " stroke-dasharray=\"" + list + "\" stroke-linecap=\"round\"";
    }

    static std::string polylinePath(const ZcDbPolyline* pl)
    {
        const auto& vs = zrxhost::vertices(pl);
        if (vs.empty()) return {};
        std::string d;
        size_t segments = pl->isClosed() ? vs.size() : vs.size() - 1;
        ZcGePoint3d first;
        pl->getPointAt(0u, first);
        d = "M" + xy(first);
        bool upward = pl->normal().z > 0;
        for (size_t i = 0; i < segments; ++i) {
            ZcGePoint3d a, b;
            pl->getPointAt(static_cast<unsigned>(i), a);
            pl->getPointAt(static_cast<unsigned>((i + 1) % vs.size()), b);
            double bulge = vs[i].bulge;
            if (std::fabs(bulge) < 1e-12) {
                d += " L" + xy(b);
                continue;
            }
            double chord = a.distanceTo(b);
            double r = chord * (1 + bulge * bulge) / (4 * std::fabs(bulge));
            // Counter-clockwise in the drawing turns clockwise once Y points down.
            bool ccw = (bulge > 0) == upward;
            d += " A" + num(r) + "," + num(r) + " 0 " + (std::fabs(bulge) > 1 ? "1" : "0") + "," + (ccw ? "0" : "1") +
                 " " + xy(b);
        }
        if (pl->isClosed()) d += " Z";
        return d;
    }

    std::string curvePath(const ZcDbCurve* c) const
    {
        if (auto* l = ZcDbLine::cast(c)) return "M" + xy(l->startPoint()) + " L" + xy(l->endPoint());
        if (auto* pl = ZcDbPolyline::cast(c); pl != nullptr && pl->normal().isParallelTo(ZcGeVector3d::kZAxis))
            return polylinePath(pl);
        if (auto* r = ZcDbRay::cast(c)) return "M" + xy(r->basePoint()) + " L" + xy(r->basePoint() + r->unitDir() * m_reach);
        if (auto* x = ZcDbXline::cast(c))
            return "M" + xy(x->basePoint() - x->unitDir() * m_reach) + " L" + xy(x->basePoint() + x->unitDir() * m_reach);
        if (auto* a = ZcDbArc::cast(c); a != nullptr && a->normal().isParallelTo(ZcGeVector3d::kZAxis)) {
            ZcGePoint3d s, e;
            a->getStartPoint(s);
            a->getEndPoint(e);
            bool upward = a->normal().z > 0;
            return "M" + xy(s) + " A" + num(a->radius()) + "," + num(a->radius()) + " 0 " +
                   (a->totalAngle() > M_PI ? "1" : "0") + "," + (upward ? "0" : "1") + " " + xy(e);
        }
        std::vector<ZcGePoint3d> pts;
        if (auto* sp = ZcDbSpline::cast(c)) {
            pts = zrx::geom::sample(zrxhost::nurbs(sp), m_stroke / 4);
        } else {
            // Anything else curved: enough chords to look smooth at this scale.
            double t0 = 0, t1 = 0;
            if (c->getStartParam(t0) != Zcad::eOk || c->getEndParam(t1) != Zcad::eOk) return {};
            for (int i = 0; i <= 128; ++i) {
                ZcGePoint3d p;
                if (c->getPointAtParam(t0 + (t1 - t0) * i / 128.0, p) == Zcad::eOk) pts.push_back(p);
            }
        }
        if (pts.empty()) return {};
        std::string d = "M" + xy(pts[0]);
        for (size_t i = 1; i < pts.size(); ++i) d += " L" + xy(pts[i]);
        return d;
    }

    std::string leaderElement(const ZcDbLeader* l, const std::string& id, const std::string& stroke,
                              const std::string& color) const
    {
        if (l->numVertices() < 2) return {};
        std::string d = "M" + xy(l->vertexAt(0));
        for (int i = 1; i < l->numVertices(); ++i) d += " L" + xy(l->vertexAt(i));
        std::string out = "<g" + id + ">\n<path d=\"" + d + "\"" + stroke + "/>\n";
        if (l->hasArrowHead()) {
            // A closed filled arrow, as the default leader arrow block draws.
            ZcGePoint3d tip = l->vertexAt(0);
            ZcGeVector3d along = (l->vertexAt(1) - tip);
            double size = l->dimasz();
            if (along.length() > 0 && size > 0) {
                along = along.normal() * size;
                ZcGeVector3d side(-along.y / 6, along.x / 6, 0);
                out += "<polygon points=\"" + xy(tip) + " " + xy(tip + along + side) + " " + xy(tip + along - side) +
                       "\" fill=\"" + color + "\"/>\n";
            }
        }
        return out + "</g>\n";
    }

    static std::string textElement(const ZcDbText* t, const std::string& id, const std::string& color)
    {
        std::string text = t->textStringConst();
        if (zrx::geom::shownCharacters(text).empty()) return {};
        zrx::geom::TextLayout layout = zrxent::textLayoutOf(*t, 2.5);
        double angle = std::atan2(layout.direction.y, layout.direction.x) * 180.0 / M_PI;
        // The glyphs are stretched to the width the metric model gives, so what is drawn
        // is what the host measures; spaces count, as they do in the drawing.
        return "<text" + id + " transform=\"translate(" + xy(layout.origin) + ") rotate(" + num(-angle) +
               ")\" font-family=\"sans-serif\" font-size=\"" + num(layout.height * 1.4) + "\" textLength=\"" +
               num(layout.width) + "\" lengthAdjust=\"spacingAndGlyphs\" xml:space=\"preserve\" fill=\"" + color + "\">" + escape(text) +
               "</text>\n";
    }

    ZcDbDatabase* m_db;
    double m_stroke;
    double m_reach;
    double m_ltscale = 1.0;
};

// XOR ink (-1) shows black on white paper; a highlighted vector is dashed, as on screen.
std::string vectorElement(const GrVector& v, double stroke)
{
    const int index = v.color >= 1 && v.color <= 255 ? v.color : 7;
    std::string out = "<path class=\"grdraw\" d=\"M" + xy(v.from) + " L" + xy(v.to) + "\" fill=\"none\" stroke=\"" +
                      aciToRgb(index) + "\" stroke-width=\"" + num(stroke) + "\"";
    if (v.highlighted) out += " stroke-dasharray=\"" + num(stroke * 4) + "," + num(stroke * 4) + "\"";
    return out + "/>\n";
}

}  // namespace

std::string renderSvg(ZcDbDatabase* db, SvgWindow window)
{
    zrxhost::HostAccess access;
    std::vector<const ZcDbEntity*> shown;
    ZcDbExtents all;
    for (ZcDbObjectId id : ed::liveEntities(zrxhost::modelSpaceId(db))) {
        auto* e = zrxhost::peek<ZcDbEntity>(id);
        if (e == nullptr || !ed::isShown(e)) continue;
        shown.push_back(e);
        ZcDbExtents ext;
        if (ZcDbRay::cast(e) == nullptr && ZcDbXline::cast(e) == nullptr && e->getGeomExtents(ext) == Zcad::eOk &&
            !zrxhost::isEmpty(ext))
            all.addExt(ext);
    }
    // The temporary vectors of the drawing's view are on the screen too, until a REGEN.
    const std::vector<GrVector>& vectors = grDrawVectors(db);
    for (const GrVector& v : vectors) {
        all.addPoint(v.from);
        all.addPoint(v.to);
    }
    if (zrxhost::isEmpty(all)) all.set(ZcGePoint3d(0, 0, 0), ZcGePoint3d(420, 297, 0));
    double margin = 0.0;
    if (window == SvgWindow::View) {
        const ed::ViewState& view = ed::viewOf(db);
        const ZcGeVector3d half(view.height * ed::kScreenWidth / ed::kScreenHeight / 2, view.height / 2, 0);
        all.set(view.center - half, view.center + half);
    }
    ZcGePoint3d lo = all.minPoint(), hi = all.maxPoint();
    double w = std::max(hi.x - lo.x, 1e-6), h = std::max(hi.y - lo.y, 1e-6);
    if (window == SvgWindow::Extents) margin = 0.05 * std::max(w, h);
    double size = std::max(w, h) + 2 * margin;
    SvgWriter writer(db, size / 1000.0, size * 2);

    std::ostringstream out;
    double vw = w + 2 * margin, vh = h + 2 * margin;
    double px = 1200.0 / std::max(vw, vh);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << num(vw * px) << "\" height=\"" << num(vh * px)
        << "\" viewBox=\"" << num(lo.x - margin) << " " << num(-hi.y - margin) << " " << num(vw) << " " << num(vh)
        << "\">\n<rect x=\"" << num(lo.x - margin) << "\" y=\"" << num(-hi.y - margin) << "\" width=\"" << num(vw)
        << "\" height=\"" << num(vh) << "\" fill=\"#ffffff\"/>\n";
    for (const ZcDbEntity* e : shown) out << writer.element(e, Inherited{}, true);
    for (const GrVector& v : vectors) out << vectorElement(v, size / 1000.0);
    out << "</svg>\n";
    return out.str();
}

bool renderSvgFile(ZcDbDatabase* db, const std::string& path, std::string* error, SvgWindow window)
{
    std::ofstream file(path, std::ios::binary);
    if (!file) {
        if (error != nullptr) *error = "cannot write " + path;
        return false;
    }
    file << renderSvg(db, window);
    file.close();
    if (!file) {
        if (error != nullptr) *error = "cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace zrxhost
