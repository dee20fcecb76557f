// A longitudinal record on its section polyline: 23 items in the current layout, 16 in the
// first one, through the sibling library.
#include <cmath>

#include "core/xdata_presence.h"
#include "QorComStd2002.h"
#include "records/long_data.h"
#include "records/long_read.h"
#include "records/record_items.h"
#include "records/record_list.h"
#include "records/record_xdata.h"

namespace {

// The current layout, used for every write and tried first on every read.
const char* const kLongEnt = "\\STD\\LONG.ENT";
// The first layout, without weight and second-generation reserves: read only.
const char* const kLongOld = "\\STD\\LONG.OLD1";

bool storedRealsFinite(const CLongData& l)
{
    for (double real : {l.m_rSize1, l.m_rSize2, l.m_rSize3, l.m_rSize4, l.m_rSize5, l.m_rSize6, l.m_rRes1, l.m_rRes2,
                        l.m_rRes3, l.m_rWeight, l.m_rNewRes1, l.m_rNewRes2}) {
        if (!std::isfinite(real)) return false;
    }
    return true;
}

void buildList(const CLongData& l, CRecordList& list)
{
    list.str(l.m_strType).str(l.m_strFType);
    list.real(l.m_rSize1).real(l.m_rSize2).real(l.m_rSize3).real(l.m_rSize4).real(l.m_rSize5).real(l.m_rSize6);
    list.integer(l.m_nRes1).str(l.m_strRes1).str(l.m_strRes2).str(l.m_strLandingLine).integer(l.m_nRes2);
    list.real(l.m_rRes1).real(l.m_rRes2).real(l.m_rRes3).real(l.m_rWeight);
    list.str(l.m_strNewRes1).str(l.m_strNewRes2).integer(l.m_nNewRes1).integer(l.m_nNewRes2);
    list.real(l.m_rNewRes1).real(l.m_rNewRes2);
}

// Path and list, the common start of both writes; false when it cannot go on.
bool prepareWrite(const CLongData& l, CString& path, CRecordList& list)
{
    if (!storedRealsFinite(l) || !TrevanCom_StdFilePath(kLongEnt, path)) return false;
    buildList(l, list);
    return true;
}

// Items 1 to 16 always; 17 to 23 when the list goes on past 16, all of them then.
bool parseList(const resbuf* list, CLongData& l)
{
    CRecordItems it(list);
    const bool first = it.str(l.m_strType) && it.str(l.m_strFType) && it.real(l.m_rSize1) && it.real(l.m_rSize2) &&
                       it.real(l.m_rSize3) && it.real(l.m_rSize4) && it.real(l.m_rSize5) && it.real(l.m_rSize6) &&
                       it.integer(l.m_nRes1) && it.str(l.m_strRes1) && it.str(l.m_strRes2) &&
                       it.str(l.m_strLandingLine) && it.integer(l.m_nRes2) && it.realOrInteger(l.m_rRes1) &&
                       it.real(l.m_rRes2) && it.real(l.m_rRes3);
    if (!first) return false;
    if (it.atEnd()) return true;
    return it.real(l.m_rWeight) && it.str(l.m_strNewRes1) && it.str(l.m_strNewRes2) && it.integer(l.m_nNewRes1) &&
           it.integer(l.m_nNewRes2) && it.real(l.m_rNewRes1) && it.real(l.m_rNewRes2);
}

}  // namespace

bool CLongData::getData(ZcDbEntity* pEnt, const char* appName) const
{
    CString path;
    CRecordList list;
    return prepareWrite(*this, path, list) && TrevanCom_WriteRecordList(pEnt, appName, list.chain(), path);
}

bool CLongData::getData(ZcDbObjectId objId, const char* appName) const
{
    CString path;
    CRecordList list;
    return prepareWrite(*this, path, list) && TrevanCom_WriteRecordList(objId, appName, list.chain(), path);
}

TrevanLongRead TrevanCom_ReadLongRecord(const ZcDbEntity* pEnt, const char* appName, CLongData& record)
{
    if (pEnt == nullptr) return TrevanLongRead::kNone;
    CString path;
    if (!TrevanCom_StdFilePath(kLongEnt, path)) return TrevanLongRead::kNone;
    resbuf* list = QorComARX_Getxdata_List(pEnt, appName, path);
    if (list == nullptr) {
        // Most entities a walk meets carry no record at all.
        if (!TrevanComARX_HasXdata(pEnt, appName)) return TrevanLongRead::kNone;
        if (TrevanCom_StdFilePath(kLongOld, path)) list = QorComARX_Getxdata_List(pEnt, appName, path);
        if (list == nullptr) return TrevanLongRead::kUnreadable;
    }
    const bool parsed = parseList(list, record);
    zcutRelRb(list);
    if (!parsed) return TrevanLongRead::kNone;
    const ZcDbPolyline* pLine = ZcDbPolyline::cast(pEnt);
    if (pLine == nullptr || pLine->numVerts() < 2) return TrevanLongRead::kNone;
    record.m_vecNormal = pLine->normal();
    pLine->getPointAt(0, record.m_ptFoot);
    pLine->getPointAt(1, record.m_ptSecond);
    return TrevanLongRead::kRead;
}

TrevanLongRead TrevanCom_ReadLongRecord(ZcDbObjectId objId, const char* appName, CLongData& record)
{
    ZcDbObjectPointer<ZcDbEntity> ent(objId, ZcDb::kForRead);
    if (ent.openStatus() != Zcad::eOk) return TrevanLongRead::kNone;
    return TrevanCom_ReadLongRecord(ent.object(), appName, record);
}

bool CLongData::setData(ZcDbEntity* pEnt, const char* appName)
{
    // Xdata that neither layout can read still marks the entity as a section.
    return TrevanCom_ReadLongRecord(pEnt, appName, *this) != TrevanLongRead::kNone;
}

bool CLongData::setData(ZcDbObjectId objId, const char* appName)
{
    return TrevanCom_ReadLongRecord(objId, appName, *this) != TrevanLongRead::kNone;
}
