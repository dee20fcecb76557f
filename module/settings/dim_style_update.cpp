#include "settings/dim_style_update.h"

#include "core/str_split.h"
#include "settings/dim_variables.h"

namespace {

struct Setting {
    CString name;
    CString value;
};

// False for a comment and for a text that is not three fields; bCounted tells the two apart.
bool parse(const CString& text, const CString& sep, Setting& setting, bool& bCounted)
{
    CStringArray fields;
    int nNoCase = 0;
    TrevanComARX_MakeStrArray(text, sep, fields, nNoCase);
    bCounted = true;
    if (fields[0].Left(1) == ";") return false;
    if (fields.GetSize() != 3) {
        bCounted = false;
        return false;
    }
    setting.name = fields[1];
    setting.name.Remove('"');
    setting.value = fields[2];
    setting.value.Remove('"');
    return true;
}

bool isCurrent(const CString& strStyle)
{
    resbuf rb;
    if (zcedGetVar("dimstyle", &rb) != RTNORM) return false;
    bool bCurrent = false;
    if (rb.restype == RTSTR) {
        bCurrent = strStyle.CompareNoCase(rb.resval.rstring) == 0;
        free(rb.resval.rstring);
    }
    return bCurrent;
}

void fail() { zcutPrintf("\n寸法スタイル更新失敗"); }

}  // namespace

void TrevanCom_UpdateDimStyle(const CString& strStyle, const CStringArray& settings, const CString& strSep,
                              ZcDbDatabase* pDb)
{
    if (pDb == nullptr) return fail();
    if (isCurrent(strStyle)) {
        for (INT_PTR i = 0; i < settings.GetSize(); ++i) {
            Setting s;
            bool bCounted = true;
            if (parse(settings[i], strSep, s, bCounted)) TrevanCom_SetDimSystemVariable(s.name, s.value);
            else if (!bCounted) zcutPrintf("\nない");
        }
    }
    ZcDbDimStyleTable* pTable = nullptr;
    if (pDb->getDimStyleTable(pTable, ZcDb::kForRead) != Zcad::eOk) return fail();
    ZcDbDimStyleTableRecord* pStyle = nullptr;
    bool bNew = false;
    if (pTable->has(strStyle)) {
        if (pTable->getAt(strStyle, pStyle, ZcDb::kForWrite) != Zcad::eOk) {
            pTable->close();
            return fail();
        }
    } else {
        ZcDbDimStyleTableRecord* pBase = nullptr;
        if (pTable->getAt("ISO-25", pBase, ZcDb::kForRead) != Zcad::eOk) {
            pTable->close();
            return fail();
        }
        pStyle = ZcDbDimStyleTableRecord::cast(pBase->clone());
        pBase->close();
        if (pStyle == nullptr) {
            pTable->close();
            return fail();
        }
        pStyle->setName(strStyle);
        bNew = true;
    }
    for (INT_PTR i = 0; i < settings.GetSize(); ++i) {
        Setting s;
        bool bCounted = true;
        if (parse(settings[i], strSep, s, bCounted)) TrevanCom_SetDimStyleVariable(pStyle, s.name, s.value);
    }
    if (bNew) {
        ZcDbObjectId id;
        if (pTable->upgradeOpen() != Zcad::eOk || pTable->add(id, pStyle) != Zcad::eOk) {
            delete pStyle;
            pTable->close();
            return fail();
        }
    }
    pStyle->close();
    pTable->close();
}
