// A ring plate record on its entity: 15 items through the sibling library.
#include "records/ring_data.h"

#include <cmath>

#include "QorComStd2002.h"
#include "records/record_items.h"
#include "records/record_xdata.h"

namespace {

const char* const kRingApp = "RING";
const char* const kRingEnt = "\\STD\\ring.ent";

void refreshScreen()
{
    if (ZcTransactionManager* tm = zctrTransactionManager) tm->flushGraphics();
    zcedUpdateDisplay();
}

resbuf* prepareWrite(const CRingData& r, CString& path)
{
    for (double real : {r.m_r1, r.m_r2, r.m_r3, r.m_r4, r.m_r5}) {
        if (!std::isfinite(real)) return nullptr;
    }
    if (!TrevanCom_StdFilePath(kRingEnt, path)) return nullptr;
    return zcutBuildList(RTSTR, (LPCTSTR)r.m_str1, RTSTR, (LPCTSTR)r.m_str2, RTSTR, (LPCTSTR)r.m_str3,
                         RTSTR, (LPCTSTR)r.m_str4, RTREAL, r.m_r1, RTREAL, r.m_r2, RTREAL, r.m_r3,
                         RTSTR, (LPCTSTR)r.m_str5, RTSTR, (LPCTSTR)r.m_str6, RTSTR, (LPCTSTR)r.m_str7,
                         RTSTR, (LPCTSTR)r.m_str8, RTSHORT, TrevanCom_Low16(r.m_n1), RTSHORT, TrevanCom_Low16(r.m_n2),
                         RTREAL, r.m_r4, RTREAL, r.m_r5, 0);
}

bool parseList(const resbuf* list, CRingData& r)
{
    CRecordItems it(list);
    return it.str(r.m_str1) && it.str(r.m_str2) && it.str(r.m_str3) && it.str(r.m_str4) && it.real(r.m_r1) &&
           it.real(r.m_r2) && it.real(r.m_r3) && it.str(r.m_str5) && it.str(r.m_str6) && it.str(r.m_str7) &&
           it.str(r.m_str8) && it.integer(r.m_n1) && it.integer(r.m_n2) && it.real(r.m_r4) && it.real(r.m_r5);
}

// The record's list as stored, or null (no system folder, no xdata the layout reads).
resbuf* readList(const ZcDbEntity* pEnt, const char* appName)
{
    CString path;
    if (pEnt == nullptr || !TrevanCom_StdFilePath(kRingEnt, path)) return nullptr;
    return QorComARX_Getxdata_List(pEnt, appName, path);
}

}  // namespace

CRingData::CRingData() : m_r1(0.0), m_r2(0.0), m_r3(0.0), m_n1(0), m_n2(0), m_r4(0.0), m_r5(0.0) {}

bool CRingData::setRingdata(ZcDbObjectId objId, const char* appName)
{
    CString path;
    resbuf* list = prepareWrite(*this, path);
    if (list == nullptr) return false;
    // A LISP caller finds the record as the pending result.
    zcedRetList(list);
    refreshScreen();
    const bool written = TrevanCom_WriteRecordList(objId, appName, list, path);
    zcutRelRb(list);
    refreshScreen();
    return written;
}

bool CRingData::setRingdata(ZcDbEntity* pEnt, const char* appName)
{
    CString path;
    resbuf* list = prepareWrite(*this, path);
    if (list == nullptr) return false;
    const bool written = TrevanCom_WriteRecordList(pEnt, appName, list, path);
    zcutRelRb(list);
    return written;
}

bool CRingData::getRingdata(ZcDbEntity* pEnt, const char* appName)
{
    resbuf* list = readList(pEnt, appName);
    if (list == nullptr) return false;
    const bool parsed = parseList(list, *this);
    zcutRelRb(list);
    return parsed;
}

bool CRingData::setData(ZcDbEntity* pEnt)
{
    return TrevanCom_ReadRecordList(pEnt, kRingApp, kRingEnt, [this](const resbuf* list) { return parseList(list, *this); });
}

bool CRingData::setData(ZcDbObjectId objId)
{
    ZcDbObjectPointer<ZcDbEntity> ent(objId, ZcDb::kForRead);
    if (ent.openStatus() != Zcad::eOk) return false;
    return setData(ent.object());
}
