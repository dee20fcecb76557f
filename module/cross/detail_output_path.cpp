#include "cross/detail_output_path.h"

#include "settings/folder_utils.h"
#include "settings/sys_dir.h"
#include "settings/target_list.h"

namespace {

CString memberPart(const CStiffData& stiff)
{
    CString part;
    part.Format("%s%s", static_cast<const char*>(stiff.m_strFType.Right(1)), static_cast<const char*>(stiff.m_strCode));
    return part;
}

CString joined(const CString& a, const CString& b)
{
    CString s;
    s.Format("%s-%s", static_cast<const char*>(a), static_cast<const char*>(b));
    return s;
}

// The drawing of the ship, in any combination folder, that already has the symbol.
bool symbolTaken(const CString& shipFolder, const CString& symbol, CString& drawing)
{
    CStringArray combinations;
    TrevanComARX_CreateTargetList(shipFolder, "*", 1, combinations);
    for (int i = 0; i < combinations.GetSize(); ++i) {
        CStringArray drawings;
        TrevanComARX_CreateTargetList(shipFolder + "\\" + combinations[i], "*.dwg", 0, drawings);
        for (int j = 0; j < drawings.GetSize(); ++j) {
            const CString& name = drawings[j];
            if (name.GetLength() < 4 || name.Left(name.GetLength() - 4).CompareNoCase(symbol) != 0) continue;
            drawing = name;
            return true;
        }
    }
    return false;
}

}  // namespace

CString TrevanCom_CrossCombinationName(const ZcArray<CStiffData>& records)
{
    if (records.isEmpty()) return CString();
    CString name = memberPart(records[0]);
    if (records.length() < 2) return name;
    const CString first = memberPart(records[1]);
    name = joined(name, first);
    if (records.length() > 2) {
        const CString second = memberPart(records[2]);
        if (second.CompareNoCase(first) != 0) name = joined(name, second);
    }
    return name;
}

bool TrevanCom_CrossOutputPath(const CString& shipNo, const CString& combination, const CString& symbol,
                               CString& path)
{
    CString ship = shipNo;
    ship.MakeUpper();
    CString endtype;
    if (!TrevanComARX_GetEndtypeFolder(endtype)) {
        zcutPrintf("\nTrevanシステムフォルダの取得に失敗しました。");
        return false;
    }
    if (TrevanComARX_FindFolder(endtype, 1) == 0 && TrevanComARX_MakeFolder(endtype) == 0) {
        zcutPrintf("\nENDTYPEフォルダの作成に失敗しました。");
        return false;
    }
    const CString shipFolder = endtype + "\\" + ship;
    CString taken;
    if (symbolTaken(shipFolder, symbol, taken)) {
        zcutPrintf("\n%sはすでに登録されています。", static_cast<const char*>(taken));
        return false;
    }
    const CString folder = shipFolder + "\\" + combination;
    if (TrevanComARX_MakeFolder(folder) == 0) {
        zcutPrintf("\nENDTYPEフォルダの作成に失敗しました。");
        return false;
    }
    path = folder + "\\" + symbol + ".dwg";
    return true;
}
