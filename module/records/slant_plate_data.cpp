#include "records/slant_plate_data.h"

#include "records/record_items.h"
#include "records/record_xdata.h"

namespace {

const char* const kSlantApp = "SLANTPLATE";
const char* const kSlantEnt = "\\STD\\SLANTPLATE.ent";

bool parseList(const resbuf* list, CSlantPlateData& d)
{
    CRecordItems it(list);
    return it.str(d.m_str1) && it.real(d.m_r1) && it.real(d.m_r2) && it.str(d.m_str2) && it.str(d.m_str3) &&
           it.str(d.m_str4) && it.str(d.m_str5) && it.integer(d.m_n1) && it.integer(d.m_n2) && it.real(d.m_r3) &&
           it.real(d.m_r4);
}

}  // namespace

CSlantPlateData::CSlantPlateData() : m_r1(0.0), m_r2(0.0), m_n1(0), m_n2(0), m_r3(0.0), m_r4(0.0) {}

CSlantPlateData& CSlantPlateData::operator=(const CSlantPlateData* pOther)
{
    if (pOther != nullptr) *this = *pOther;
    return *this;
}

bool TrevanComARX_GetSlantPlatedata(ZcDbEntity* pEnt, CSlantPlateData& data)
{
    return TrevanCom_ReadRecordList(pEnt, kSlantApp, kSlantEnt, [&data](const resbuf* list) { return parseList(list, data); });
}

bool TrevanComARX_GetSlantPlatedata(ZcDbObjectId objId, CSlantPlateData& data)
{
    ZcDbObjectPointer<ZcDbEntity> ent(objId, ZcDb::kForRead);
    if (ent.openStatus() != Zcad::eOk) return false;
    return TrevanComARX_GetSlantPlatedata(ent.object(), data);
}
