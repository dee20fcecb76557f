#include "stiffener/stiff_plate_lines.h"

#include <cmath>

#include "core/handle_names.h"
#include "core/layer_status.h"
#include "core/model_space_append.h"
#include "core/single_xdata.h"
#include "records/stiff_exports.h"
#include "stiffener/stiff_ou.h"

namespace {

const double kHalfPi = 1.57079632679489661923;

// In the XY plane, keeping the point's z, as the platform's 2D helpers do.
ZcGePoint3d polar(const ZcGePoint3d& p, double angle, double dist)
{
    return ZcGePoint3d(p.x + dist * std::cos(angle), p.y + dist * std::sin(angle), p.z);
}

double angle2d(const ZcGePoint3d& a, const ZcGePoint3d& b) { return std::atan2(b.y - a.y, b.x - a.x); }

double distance2d(const ZcGePoint3d& a, const ZcGePoint3d& b) { return std::hypot(b.x - a.x, b.y - a.y); }

bool isSymmetric(const CString& shape) { return shape.CompareNoCase("I") == 0 || shape.CompareNoCase("H") == 0; }

bool makeLines(const char* linetype, const ZcGePoint3dArray& points, const CStringArray& strings,
               std::initializer_list<int> colours, CString& handles)
{
    handles.Empty();
    if (points.length() < 2 * static_cast<int>(colours.size()) || strings.GetSize() < 2) return false;
    ZcDbDatabase* pDb = zcdbHostApplicationServices()->workingDatabase();
    ZcDbObjectIdArray ids;
    int i = 0;
    for (int colour : colours) {
        auto* pLine = new ZcDbLine(points[i], points[i + 1]);
        i += 2;
        pLine->setDatabaseDefaults(pDb);
        pLine->setColorIndex(static_cast<uint16_t>(colour));
        ZcDbObjectId lineId;
        TrevanComARX_SetXdataStr(pLine, TREVANCOM_PLATE_LINE_APP, strings[0]);
        pLine->setLayer(strings[1]);
        pLine->setLinetype(linetype);
        if (!TrevanCom_AppendToModelSpace(pLine, lineId, pDb)) {
            delete pLine;
            return false;
        }
        ids.append(lineId);
        const CString handle = TrevanComARX_GetHandleName(lineId);
        handles = handles.IsEmpty() ? handle : handles + "," + handle;
    }
    ZcDbDictionary* pGroups = nullptr;
    if (pDb->getGroupDictionary(pGroups, ZcDb::kForWrite) != Zcad::eOk) return false;
    auto* pGroup = new ZcDbGroup;
    ZcDbObjectId groupId;
    if (pGroups->setAt(strings[0], pGroup, groupId) != Zcad::eOk) {
        pGroups->close();
        delete pGroup;
        return false;
    }
    pGroups->close();
    pGroup->append(ids);
    pGroup->close();
    return true;
}

}  // namespace

bool TrevanCom_CreateJitsuitaLineL(const char* linetype, const ZcGePoint3dArray& points,
                                   const CStringArray& strings, CString& handles)
{
    return makeLines(linetype, points, strings, {1, 2}, handles);
}

bool TrevanCom_CreateJitsuitaLineH(const char* linetype, const ZcGePoint3dArray& points,
                                   const CStringArray& strings, CString& handles)
{
    return makeLines(linetype, points, strings, {1, 1, 3, 3}, handles);
}

void TrevanCom_CreateJitsuitaLine(ZcDbObjectId stiffId)
{
    CString strFront, strBack;
    TrevanCom_GetStiffOU(strFront, strBack);
    const CString linetype = TrevanCom_CheckStiffOU(stiffId) ? CString("CONTINUOUS") : strBack;

    CStiffData stiff;
    if (!TrevanComARX_GetStiffdata(stiffId, stiff) || stiff.m_strFType.IsEmpty()) return;
    CStringArray strings;
    strings.Add(TrevanComARX_GetHandleName(stiffId));
    CString strLayer;
    {
        ZcDbObjectPointer<ZcDbEntity> pStiff(stiffId, ZcDb::kForRead);
        if (pStiff.openStatus() != Zcad::eOk) return;
        char* psz = pStiff->layer();
        strLayer = psz;
        zcutDelString(psz);
    }
    strings.Add(strLayer);
    const int underscore = stiff.m_strFType.Find('_');
    if (underscore < 0) return;
    const CString shape = stiff.m_strFType.Mid(underscore + 1);

    const ZcGePoint3d& start = stiff.m_ptStart;
    const ZcGePoint3d& end = stiff.m_ptEnd;
    const double theta = angle2d(start, end);
    const double wt = stiff.m_rWebThick;
    const double fw = stiff.m_rFaceWidth;
    ZcGePoint3dArray points;
    CString handles;
    bool ok = false;
    if (isSymmetric(shape)) {
        const ZcGePoint3d s = polar(start, theta + 3 * kHalfPi, fw / 2);
        const ZcGePoint3d e = polar(end, theta + 3 * kHalfPi, fw / 2);
        const ZcGePoint3d q = polar(s, theta + kHalfPi, fw);
        const double len = distance2d(s, e);
        const ZcGePoint3d b1 = polar(s, theta + kHalfPi, (fw - wt) / 2);
        const ZcGePoint3d b2 = polar(b1, theta + kHalfPi, wt);
        for (const ZcGePoint3d& p : {b1, polar(b1, theta, len), b2, polar(b2, theta, len), s, e, q, polar(q, theta, len)})
            points.append(p);
        ok = TrevanCom_CreateJitsuitaLineH(linetype, points, strings, handles);
    } else {
        const double sigma = stiff.getStiffItanigeAxis() == "R" ? theta - kHalfPi : theta + kHalfPi;
        const ZcGePoint3d q = polar(start, sigma, wt);
        for (const ZcGePoint3d& p : {start, end, q, polar(q, theta, distance2d(start, end))}) points.append(p);
        ok = TrevanCom_CreateJitsuitaLineL(linetype, points, strings, handles);
    }
    if (!ok) return;
    stiff.setThickLineNames(handles);
    CLayerEditGuard guard(stiffId);
    TrevanComARX_SetStiffdata(stiffId, stiff);
}
