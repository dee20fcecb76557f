#include "stiffener/stiff_text_style.h"

#include <cstdlib>

#include "core/handle_names.h"
#include "core/single_xdata.h"
#include "settings/command_defaults.h"

namespace {

double textSize()
{
    resbuf rb;
    if (zcedGetVar("TEXTSIZE", &rb) != RTNORM || rb.restype != RTREAL) return 0.0;
    return rb.resval.rreal;
}

// Style and height of the first link that leads to a readable text; the links come from
// the reader, which sees the stiffener by pointer or by id.
template <class ReadLink>
bool fromLinkedText(ReadLink readLink, std::initializer_list<const char*> links, CString& strStyle, double& rHeight)
{
    for (const char* link : links) {
        CString strHandle;
        if (readLink(link, strHandle) && TrevanComARX_GetTextSTyleHeight(strHandle, strStyle, rHeight)) return true;
    }
    return false;
}

template <class ReadLink>
void endTypeStyle(ReadLink readLink, CString& strStyle, double& rHeight)
{
    if (fromLinkedText(readLink, {TREVANCOM_STEXT_LINK, TREVANCOM_ETEXT_LINK}, strStyle, rHeight)) return;
    TrevanCom_DefaultTextStyle(TREVANCOM_TEXTTYPE_SECTION, "StiffEndTextStyle", "StiffEndTextSize", strStyle,
                               rHeight);
}

template <class ReadLink>
void nameStyle(ReadLink readLink, CString& strStyle, double& rHeight)
{
    if (fromLinkedText(readLink, {TREVANCOM_NAMETEXT_LINK}, strStyle, rHeight)) return;
    TrevanCom_DefaultTextStyle(TREVANCOM_TEXTTYPE_SECTION, "StiffTextStyle", "StiffTextSize", strStyle, rHeight);
}

auto byEntity(const ZcDbEntity* pEnt)
{
    return [pEnt](const char* link, CString& value) { return TrevanComARX_GetXdataStr(pEnt, link, value) == 1; };
}

auto byId(ZcDbObjectId id)
{
    return [id](const char* link, CString& value) { return TrevanComARX_GetXdataStr(id, link, value) == 1; };
}

}  // namespace

void TrevanCom_DefaultTextStyle(const char* section, const char* styleKey, const char* sizeKey, CString& strStyle,
                                double& rHeight)
{
    if (!TrevanComARX_GetCommandDefValue(section, styleKey, strStyle) || strStyle.IsEmpty()) strStyle = "STANDARD";
    rHeight = textSize();
    CString strSize;
    if (TrevanComARX_GetCommandDefValue(section, sizeKey, strSize)) {
        double size = std::atof(strSize);
        if (size > 0.0) rHeight = size;
    }
}

bool TrevanComARX_GetTextSTyleHeight(CString strHandle, CString& strStyle, double& rHeight)
{
    ZcDbObjectId id = TrevanComARX_GetObjid(strHandle);
    if (id.isNull()) return false;
    ZcDbText* pText = nullptr;
    if (zcdbOpenObject(pText, id, ZcDb::kForRead) != Zcad::eOk) return false;
    const double height = pText->height();
    const ZcDbObjectId styleId = pText->textStyle();
    pText->close();
    ZcDbTextStyleTableRecord* pStyle = nullptr;
    if (zcdbOpenObject(pStyle, styleId, ZcDb::kForRead) != Zcad::eOk) return false;
    const char* name = nullptr;
    Zcad::ErrorStatus es = pStyle->getName(name);
    if (es == Zcad::eOk) strStyle = name;
    pStyle->close();
    if (es != Zcad::eOk) return false;
    rHeight = height;
    return true;
}

void TrevanComARX_GetStiffEndTypeStyle(const ZcDbEntity* pEnt, CString& strStyle, double& rHeight)
{
    endTypeStyle(byEntity(pEnt), strStyle, rHeight);
}

void TrevanComARX_GetStiffEndTypeStyle(const ZcDbObjectId& stiffId, CString& strStyle, double& rHeight)
{
    endTypeStyle(byId(stiffId), strStyle, rHeight);
}

void TrevanComARX_GetStiffNameStyle(const ZcDbEntity* pEnt, CString& strStyle, double& rHeight)
{
    nameStyle(byEntity(pEnt), strStyle, rHeight);
}

void TrevanComARX_GetStiffNameStyle(const ZcDbObjectId& stiffId, CString& strStyle, double& rHeight)
{
    nameStyle(byId(stiffId), strStyle, rHeight);
}
