#include "stiffener/stiff_copy_text.h"

#include "core/layer_status.h"
#include "core/lisp_args.h"
#include "core/single_xdata.h"
#include "records/stiff_exports.h"
#include "stiffener/stiff_end_text.h"
#include "stiffener/stiff_text_style.h"

namespace {

// Reads the source's end-text links off the copy and removes all its text links; the name
// goes from the record. False when the copy cannot be opened or its record stored.
bool cutLoose(ZcDbObjectId copyId, CStiffData& stiff, CString& strSourceS, CString& strSourceE)
{
    CLayerEditGuard guard(copyId);
    {
        ZcDbObjectPointer<ZcDbEntity> pCopy(copyId, ZcDb::kForWrite);
        if (pCopy.openStatus() != Zcad::eOk) return false;
        TrevanComARX_GetXdataStr(pCopy.object(), TREVANCOM_STEXT_LINK, strSourceS);
        TrevanComARX_GetXdataStr(pCopy.object(), TREVANCOM_ETEXT_LINK, strSourceE);
        for (const char* link : {TREVANCOM_NAMETEXT_LINK, TREVANCOM_STEXT_LINK, TREVANCOM_ETEXT_LINK})
            TrevanComARX_ClearXdata(pCopy.object(), link);
    }
    stiff.m_strName.Empty();
    return TrevanComARX_SetStiffdata(copyId, stiff);
}

}  // namespace

int TrevanComARX_copyStiffToEndText()
{
    TrevanLispArgs args;
    ZcDbObjectId copyId;
    if (!args.entity(copyId)) return args.fail();
    CStiffData stiff;
    CString strSourceS, strSourceE;
    if (!TrevanComARX_GetStiffdata(copyId, stiff) || !cutLoose(copyId, stiff, strSourceS, strSourceE))
        return TrevanLispArgs::retNil();

    CString strDefaultStyle;
    double rDefaultHeight = 0.0;
    TrevanCom_DefaultTextStyle(" TrevanDclARX_DclStiffEndType_TrevanDcl2002ArxFunc", "StiffTextStyle",
                               "StiffTextSize", strDefaultStyle, rDefaultHeight);
    auto makeEnd = [&](const CString& strEndType, const CString& strSource, const ZcGePoint3d& ptEnd) {
        if (strEndType.IsEmpty()) return;
        CString strStyle = strDefaultStyle;
        double rHeight = rDefaultHeight;
        TrevanComARX_GetTextSTyleHeight(strSource, strStyle, rHeight);
        TrevanComARX_MakeStiffText(copyId, strStyle, rHeight, strEndType, true, ptEnd);
    };
    makeEnd(stiff.m_strEndTypeS, strSourceS, stiff.m_ptStart);
    makeEnd(stiff.m_strEndTypeE, strSourceE, stiff.m_ptEnd);
    return TrevanLispArgs::retT();
}
