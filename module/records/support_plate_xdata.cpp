// Support plate attributes as single-value xdata, one application per attribute.
#include <cmath>
#include <cstring>
#include <string>

#include "core/single_xdata.h"
#include "core/xdata_snapshot.h"
#include "records/support_plate_attr.h"

namespace {

const char* const kMarkerApp = "SUPPORTPLATE";
const char* const kMarkerValue = "DMY";
const char* const kKaisakiApp = "KAISAKI_LINE_LA_PTH";
const char* const kNameApp = "PNM";
const char* const kMaterialApp = "ZMT";
const char* const kPwtApp = "PWT";
const char* const kPhgApp = "PHG";
const char* const kWeightApp = "WET";
const char* const kPlaneTypeApp = "PLANETYPE";

// A text field as written: never past its buffer, even when a caller filled it to the end.
std::string fieldText(const char* field)
{
    return std::string(field, strnlen(field, SupportPlateAttr::kTextMax));
}

// Copies a text into a field, cut to the field's size on a character boundary so that a
// long Japanese name never ends in half a character.
void setFieldText(char* field, const char* text)
{
    size_t n = std::strlen(text);
    if (n > static_cast<size_t>(SupportPlateAttr::kTextMax)) {
        n = SupportPlateAttr::kTextMax;
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    }
    std::memcpy(field, text, n);
    field[n] = '\0';
}

void readText(const ZcDbEntity* pEnt, const char* app, char* field)
{
    CString value;
    if (TrevanComARX_GetXdataStr(pEnt, app, value) == 1) setFieldText(field, value.GetString());
}

}  // namespace

void TrevanCom_StructInit(SupportPlateAttr* pAttr)
{
    if (pAttr == nullptr) return;
    pAttr->m_rKaisakiLine = 0.0;
    pAttr->m_szName[0] = '\0';
    pAttr->m_szMaterial[0] = '\0';
    pAttr->m_rPWT = 0.0;
    pAttr->m_rPHG = 0.0;
    pAttr->m_rWeight = 0.0;
    pAttr->m_nPlaneType = SupportPlateAttr::kNoPlaneType;
}

bool TrevanCom_StructSet(ZcDbEntity* pEnt, SupportPlateAttr attr)
{
    if (pEnt == nullptr) return false;
    for (double real : {attr.m_rKaisakiLine, attr.m_rPWT, attr.m_rPHG, attr.m_rWeight}) {
        if (!std::isfinite(real)) return false;
    }
    // One attribute per application: a write refused halfway puts the earlier ones back.
    const CXdataSnapshot before(pEnt);
    const bool written =
        TrevanComARX_SetXdataStr(pEnt, kMarkerApp, kMarkerValue) == 1 &&
        TrevanComARX_SetXdataReal(pEnt, kKaisakiApp, attr.m_rKaisakiLine) == 1 &&
        TrevanComARX_SetXdataStr(pEnt, kNameApp, fieldText(attr.m_szName).c_str()) == 1 &&
        TrevanComARX_SetXdataStr(pEnt, kMaterialApp, fieldText(attr.m_szMaterial).c_str()) == 1 &&
        TrevanComARX_SetXdataReal(pEnt, kPwtApp, attr.m_rPWT) == 1 &&
        TrevanComARX_SetXdataReal(pEnt, kPhgApp, attr.m_rPHG) == 1 &&
        TrevanComARX_SetXdataReal(pEnt, kWeightApp, attr.m_rWeight) == 1 &&
        TrevanComARX_SetXdataInt(pEnt, kPlaneTypeApp, attr.m_nPlaneType) == 1;
    if (!written) before.restore(pEnt);
    return written;
}

bool TrevanCom_StructSet(ZcDbObjectId objId, SupportPlateAttr attr)
{
    ZcDbObjectPointer<ZcDbEntity> ent(objId, ZcDb::kForWrite);
    if (ent.openStatus() != Zcad::eOk) return false;
    return TrevanCom_StructSet(ent.object(), attr);
}

bool TrevanCom_StructGet(const ZcDbEntity* pEnt, SupportPlateAttr* pAttr)
{
    if (pEnt == nullptr || pAttr == nullptr) return false;
    TrevanCom_StructInit(pAttr);
    TrevanComARX_GetXdataReal(pEnt, kKaisakiApp, pAttr->m_rKaisakiLine);
    readText(pEnt, kNameApp, pAttr->m_szName);
    readText(pEnt, kMaterialApp, pAttr->m_szMaterial);
    TrevanComARX_GetXdataReal(pEnt, kPwtApp, pAttr->m_rPWT);
    TrevanComARX_GetXdataReal(pEnt, kPhgApp, pAttr->m_rPHG);
    TrevanComARX_GetXdataReal(pEnt, kWeightApp, pAttr->m_rWeight);
    TrevanComARX_GetXdataInt(pEnt, kPlaneTypeApp, pAttr->m_nPlaneType);
    return true;
}

bool TrevanCom_StructGet(ZcDbObjectId objId, SupportPlateAttr* pAttr)
{
    ZcDbObjectPointer<ZcDbEntity> ent(objId, ZcDb::kForRead);
    if (ent.openStatus() != Zcad::eOk) return false;
    return TrevanCom_StructGet(ent.object(), pAttr);
}
