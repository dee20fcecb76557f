#include "stiffener/stiff_side.h"

#include "core/layer_status.h"
#include "core/line_geometry.h"
#include "core/lisp_args.h"
#include "records/stiff_exports.h"
#include "stiffener/stiff_plate_redraw.h"

namespace {

using Getter = CString (CStiffData::*)() const;
using Setter = void (CStiffData::*)(const CString&);

bool setSide(ZcDbObjectId stiffId, const ZcGePoint3d& pt, Getter get, Setter set)
{
    CStiffData stiff;
    if (!TrevanComARX_GetStiffdata(stiffId, stiff)) return false;
    CLayerEditGuard guard(stiffId);
    const CString side = TrevanComARX_GetLineLR(pt, stiff.m_ptStart, stiff.m_ptEnd) == 1 ? "L" : "R";
    if (side.CompareNoCase((stiff.*get)()) == 0) return true;
    (stiff.*set)(side);
    return TrevanComARX_SetStiffdata(stiffId, stiff);
}

int setSideLisp(Getter get, bool (*setter)(ZcDbObjectId, const ZcGePoint3d&))
{
    TrevanLispArgs args;
    ZcDbObjectId id;
    ZcGePoint3d pt;
    CStiffData before;
    if (!args.entity(id) || !args.point(pt) || !TrevanComARX_GetStiffdata(id, before)) return args.fail();
    if (!setter(id, pt)) return TrevanLispArgs::retNil();
    CStiffData after;
    TrevanComARX_GetStiffdata(id, after);
    if ((after.*get)().CompareNoCase((before.*get)()) != 0 && !TrevanCom_RedrawStiffJitsuita(id)) {
        zcutPrintf("\nスチフナの実板線分を再作図に失敗しました.");
        return TrevanLispArgs::retNil();
    }
    return TrevanLispArgs::retT();
}

}  // namespace

bool TrevanComARX_setStiffItanige(ZcDbObjectId stiffId, const ZcGePoint3d& pt)
{
    return setSide(stiffId, pt, &CStiffData::getStiffItanigeAxis, &CStiffData::setStiffItanigeAxis);
}

bool TrevanComARX_setStiffFlangeAxis(ZcDbObjectId stiffId, const ZcGePoint3d& pt)
{
    return setSide(stiffId, pt, &CStiffData::getStifffFlangeAxis, &CStiffData::setStifffFlangeAxis);
}

int TrevanComARX_setStiffItanigeLispFunc()
{
    return setSideLisp(&CStiffData::getStiffItanigeAxis, &TrevanComARX_setStiffItanige);
}

int TrevanComARX_setStiffFlangeAxisLispFunc()
{
    return setSideLisp(&CStiffData::getStifffFlangeAxis, &TrevanComARX_setStiffFlangeAxis);
}

int TrevanComARX_GetStiffLR(const ZcGePoint3d& a, const ZcGePoint3d& b, const CStiffData& stiff)
{
    const ZcDbLine line(a, b);
    ZcGePoint3d onS = a, onE = a;
    line.getClosestPointTo(stiff.m_ptStart, onS);
    line.getClosestPointTo(stiff.m_ptEnd, onE);
    const double ds = onS.distanceTo(stiff.m_ptStart);
    const double de = onE.distanceTo(stiff.m_ptEnd);
    const ZcGePoint3d& far = ds > de ? stiff.m_ptStart : stiff.m_ptEnd;
    return TrevanComARX_GetLineLR(far, a, b);
}

int TrevanComARX_GetStiffLR(const CStiffData& line, const CStiffData& stiff)
{
    return TrevanComARX_GetStiffLR(line.m_ptStart, line.m_ptEnd, stiff);
}

int TrevanComARX_GetStiffLR(ZcDbObjectId lineId, ZcDbObjectId stiffId)
{
    CStiffData line, stiff;
    if (!TrevanComARX_GetStiffdata(lineId, line) || !TrevanComARX_GetStiffdata(stiffId, stiff)) return 0;
    return TrevanComARX_GetStiffLR(line, stiff);
}
