#include "stiffener/stiff_label.h"

#include <utility>

#include "records/stiff_data.h"
#include "settings/sys_dir.h"
#include "stiffener/mate_file.h"
#include "stiffener/mate_label.h"
#include "core/number_text.h"

namespace {

constexpr const char* kMateFile = "\\Mst\\TREVANMATE.DAT";

}  // namespace

CString TrevanCom_MakeStiffText(const CString& strFType, const double& rWebWidth, const double& rWebThick,
                                const double& rFaceWidth, const double& rFaceThck, const double& rCornerR1,
                                const double& rCornerR2)
{
    char text[6][kTrevanNumberTextSize];
    TrevanLabelFields fields = {{TrevanCom_NumberText(rWebWidth, text[0]), TrevanCom_NumberText(rWebThick, text[1]),
                                 TrevanCom_NumberText(rFaceWidth, text[2]), TrevanCom_NumberText(rFaceThck, text[3]),
                                 TrevanCom_NumberText(rCornerR1, text[4]), TrevanCom_NumberText(rCornerR2, text[5])}};

    // Longitudinals share the rows of the sections they are made of.
    CString strKey = strFType.Left(5).CompareNoCase("LONG_") == 0 ? strFType.Mid(5) : strFType;
    if (strKey.CompareNoCase("A") == 0) {
        // An angle is written web, face width, then thickness; equal legs have their own row.
        std::swap(fields.m_pszField[1], fields.m_pszField[2]);
        strKey = CString(fields.m_pszField[1]).CompareNoCase(fields.m_pszField[2]) == 0 ? "A1" : "A2";
    }

    CString strDataDir;
    if (!TrevanComARX_GetDataDirFunc(strDataDir)) return CString();
    std::shared_ptr<const std::string> rows = TrevanCom_ReadMateFile(strDataDir + kMateFile);
    if (rows == nullptr) return CString();
    return TrevanCom_ComposeMateLabel(*rows, strKey, fields);
}

CString TrevanCom_MakeStiffText(ZcDbObjectId objId, const CString& strAppName)
{
    CStiffData stiff;
    {
        ZcDbObjectPointer<ZcDbEntity> pEnt(objId, ZcDb::kForRead);
        if (pEnt.openStatus() != Zcad::eOk) return CString();
        if (!stiff.getStiffdata(pEnt.object(), strAppName)) return CString();
    }
    return TrevanCom_MakeStiffText(stiff.m_strFType, stiff.m_rWebWidth, stiff.m_rWebThick, stiff.m_rFaceWidth,
                                   stiff.m_rFaceThck, stiff.m_rCornerR1, stiff.m_rCornerR2);
}
