#include "records/deck_section_data.h"

#include "records/record_items.h"
#include "records/record_xdata.h"

namespace {

const char* const kDeckApp = "UDECKSECTION";
const char* const kDeckEnt = "\\STD\\UDECKSECTION.ent";

bool parseList(const resbuf* list, CDeckSectionData& d)
{
    CRecordItems it(list);
    return it.str(d.m_str1) && it.str(d.m_str2) && it.str(d.m_str3) && it.real(d.m_r1) && it.real(d.m_r2) &&
           it.str(d.m_str4) && it.str(d.m_str5) && it.integer(d.m_n1) && it.integer(d.m_n2) && it.real(d.m_r3) &&
           it.real(d.m_r4);
}

}  // namespace

CDeckSectionData::CDeckSectionData() : m_r1(0.0), m_r2(0.0), m_n1(0), m_n2(0), m_r3(0.0), m_r4(0.0) {}

CDeckSectionData& CDeckSectionData::operator=(const CDeckSectionData* pOther)
{
    if (pOther != nullptr) *this = *pOther;
    return *this;
}

bool TrevanComARX_GetDeckSectiondata(ZcDbEntity* pEnt, CDeckSectionData& data)
{
    return TrevanCom_ReadRecordList(pEnt, kDeckApp, kDeckEnt, [&data](const resbuf* list) { return parseList(list, data); });
}

bool TrevanComARX_GetDeckSectiondata(ZcDbObjectId objId, CDeckSectionData& data)
{
    ZcDbObjectPointer<ZcDbEntity> ent(objId, ZcDb::kForRead);
    if (ent.openStatus() != Zcad::eOk) return false;
    return TrevanComARX_GetDeckSectiondata(ent.object(), data);
}
