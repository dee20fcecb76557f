#include "settings/layer_definition_file.h"

#include <climits>
#include <cstdlib>
#include <cstring>

#include "core/str_split.h"
#include "settings/folder_utils.h"
#include "settings/sys_dir.h"
#include "settings/system_ini_path.h"

namespace {

constexpr int kRowBuffer = 2048;  // rows are at most 2047 characters

// The decimal integer the text starts with, as the C library reads it; 0 when none.
int leadingInteger(const char* text)
{
    long v = std::strtol(text, nullptr, 10);
    if (v > INT_MAX / 100) return INT_MAX / 100;
    if (v < INT_MIN / 100) return INT_MIN / 100;
    return static_cast<int>(v);
}

}  // namespace

FILE* TrevanCom_OpenLayerDefinitionFile(TrevanLayerFileStatus& status)
{
    CString strSysDir;
    if (!TrevanComARX_GetSysDirFunc(strSysDir)) {
        CString strMsg;
        strMsg.Format("%sファイルがないか、iniファイル内に[%s]グループがないか%sキーがありません。",
                      static_cast<const char*>(TrevanCom_SystemIniPath()), TREVAN_DIR_SECTION, TREVAN_SYSDIR_KEY);
        zcutPrintf("\n%s", static_cast<const char*>(strMsg));
        status = TrevanLayerFileStatus::kNoSystemFolder;
        return nullptr;
    }
    char szPath[1024];
    if (zcedFindFile(strSysDir + "\\STD\\TrevanLayer.dat", szPath, sizeof szPath) != RTNORM) {
        status = TrevanLayerFileStatus::kNotFound;
        return nullptr;
    }
    TrevanComARX_SetReadOnlyFile(szPath, 0);
    FILE* fp = fopen(szPath, "r");
    if (fp == nullptr) {
        CString strMsg;
        strMsg.Format("%sファイルが他のアプリケーションで使用中です。", szPath);
        zcutPrintf("\n%s", static_cast<const char*>(strMsg));
        status = TrevanLayerFileStatus::kInUse;
        return nullptr;
    }
    status = TrevanLayerFileStatus::kOpen;
    return fp;
}

bool TrevanCom_ReadLayerRow(FILE* fp, CStringArray& fields)
{
    char row[kRowBuffer];
    if (std::fgets(row, kRowBuffer, fp) == nullptr) return false;
    std::size_t len = std::strlen(row);
    while (len > 0 && (row[len - 1] == '\n' || row[len - 1] == '\r')) row[--len] = '\0';
    fields.RemoveAll();
    int nNoCase = 1;
    TrevanComARX_MakeStrArray(CString(row), ",", fields, nNoCase);
    return true;
}

bool TrevanCom_ParseLayerRow(const CStringArray& fields, TrevanLayerDefinition& def)
{
    if (fields.GetSize() != 7) return false;
    def.m_strCaption = fields[1];
    def.m_strLayer = fields[2];
    def.m_nColor = leadingInteger(fields[3]);
    def.m_strLinetype = fields[4];
    // Line weights are written in millimetres; the drawing keeps hundredths.
    def.m_nLineWeight = fields[5].CompareNoCase("Default") == 0 ? -3 : leadingInteger(fields[5]) * 100;
    return true;
}
