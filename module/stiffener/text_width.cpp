#include "stiffener/text_width.h"

#include "core/table_ids.h"

double TrevanCom_TextWidth(const CString& strText, const CString& strStyle, double rHeight)
{
    ZcDbText text;
    ZcDbObjectId styleId;
    ZcDbDatabase* pDb = zcdbHostApplicationServices()->workingDatabase();
    if (TrevanComARX_GetTextStyleId(strStyle, styleId, pDb) && !styleId.isNull()) text.setTextStyle(styleId);
    text.setHeight(rHeight);
    text.setRotation(0.0);
    text.setTextString(strText);
    ZcDbExtents extents;
    if (text.getGeomExtents(extents) != Zcad::eOk) return 0.0;
    return extents.maxPoint().x - extents.minPoint().x;
}
