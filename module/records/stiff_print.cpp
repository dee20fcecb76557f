// A stiffener record on the command line, one field a line, for checking drawings by hand.
#include "records/stiff_data.h"

void CStiffData::print(bool bSizeOnly) const
{
    zcutPrintf("\nStiff Size Start----------------------------------------------");
    if (!bSizeOnly) {
        zcutPrintf("\nm_ptStart=%f,%f,%f", m_ptStart.x, m_ptStart.y, m_ptStart.z);
        zcutPrintf("\nm_ptEnd=%f,%f,%f", m_ptEnd.x, m_ptEnd.y, m_ptEnd.z);
        zcutPrintf("\nm_rDimAsz=%f", m_rDimAsz);
    }
    zcutPrintf("\nm_strType=%s", static_cast<const char*>(m_strType));
    zcutPrintf("\nm_strFType=%s", static_cast<const char*>(m_strFType));
    zcutPrintf("\nm_strName=%s", static_cast<const char*>(m_strName));
    zcutPrintf("\nm_strCode=%s", static_cast<const char*>(m_strCode));
    zcutPrintf("\nm_rWebWidth=%f", m_rWebWidth);
    zcutPrintf("\nm_rWebThick=%f", m_rWebThick);
    zcutPrintf("\nm_rFaceWidth=%f", m_rFaceWidth);
    zcutPrintf("\nm_rFaceThck=%f", m_rFaceThck);
    zcutPrintf("\nm_rCornerR1=%f", m_rCornerR1);
    zcutPrintf("\nm_rCornerR2=%f", m_rCornerR2);
    if (!bSizeOnly) {
        zcutPrintf("\nm_strEndTypeS=%s", static_cast<const char*>(m_strEndTypeS));
        zcutPrintf("\nm_strEndTypeE=%s", static_cast<const char*>(m_strEndTypeE));
        zcutPrintf("\nm_strNewRes1=%s", static_cast<const char*>(m_strNewRes1));
        zcutPrintf("\nm_strItanige=%s", static_cast<const char*>(m_strItanige));
        zcutPrintf("\nm_strRes1=%s", static_cast<const char*>(m_strRes1));
        zcutPrintf("\nm_strRes2=%s", static_cast<const char*>(m_strRes2));
        zcutPrintf("\nm_nRes1=%d", m_nRes1);
        zcutPrintf("\nm_nRes2=%d", m_nRes2);
        zcutPrintf("\nm_rRes1=%f", m_rRes1);
        zcutPrintf("\nm_rRes2=%f", m_rRes2);
        zcutPrintf("\nm_strMaterial=%s", static_cast<const char*>(m_strMaterial));
        zcutPrintf("\nm_rWeight=%f", m_rWeight);
        zcutPrintf("\nm_strNewRes2=%s", static_cast<const char*>(m_strNewRes2));
        zcutPrintf("\nm_nNewRes1=%d", m_nNewRes1);
        zcutPrintf("\nm_nNewRes2=%d", m_nNewRes2);
        zcutPrintf("\nm_rNewRes1=%f", m_rNewRes1);
        zcutPrintf("\nm_rNewRes2=%f", m_rNewRes2);
        zcutPrintf("\nm_rNormVecX=%f", m_rNormVecX);
        zcutPrintf("\nm_rNormVecY=%f", m_rNormVecY);
        zcutPrintf("\nm_rNormVecZ=%f", m_rNormVecZ);
    }
    zcutPrintf("\nStiff Size End----------------------------------------------");
}
