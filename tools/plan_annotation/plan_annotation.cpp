#include "plan_annotation.h"

#include "TrevanCom2002.h"

PlanAnnotation annotateStiffeners(const ZcDbObjectIdArray& stiffIds)
{
    PlanAnnotation done;
    for (ZcDbObjectId id : stiffIds) {
        CString endStyle, nameStyle;
        double endHeight = 0.0, nameHeight = 0.0;
        TrevanComARX_GetStiffEndTypeStyle(id, endStyle, endHeight);
        TrevanComARX_GetStiffNameStyle(id, nameStyle, nameHeight);
        CStiffData rec;
        bool ok = TrevanComARX_GetStiffdata(id, rec) && TrevanComARX_MakeStiffText(id, endStyle, endHeight, true) &&
                  TrevanComARX_MakeStiffNameText(id, nameStyle, nameHeight, rec.m_strName, true);
        TrevanCom_CreateJitsuitaLine(id);
        CStringArray lines;
        ok = ok && TrevanCom_CheckStiffLine(id, lines);
        ++done.stiffeners;
        if (!ok) ++done.failed;
    }
    return done;
}
