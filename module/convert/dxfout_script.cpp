#include "convert/dxfout_script.h"

#include <cstdio>

#include "convert/dxf_versions.h"
#include "core/open_drawing.h"
#include "settings/sys_dir.h"

namespace {

bool isOpenInHost(const CString& strPath)
{
    ZcApDocument* pDoc = nullptr;
    if (TrevanComARX_CheckOpenDwg(strPath, pDoc) != 1) return false;
    AfxMessageBox(strPath + "が開かれています。\n", MB_OK);
    return true;
}

// Text mode: every line of the script ends with CR LF, as the host's script reader expects.
bool writeScript(const CString& strScript, const CStringArray& sources, const CStringArray& targets,
                 const CString& strVersion)
{
    std::FILE* fp = std::fopen(strScript, "w");
    if (fp == nullptr) return false;
    const bool bBlankLine = TrevanCom_ScriptNeedsBlankLine(TrevanCom_AcadVer());
    for (INT_PTR i = 0; i < sources.GetSize(); ++i) {
        std::fprintf(fp, "OPEN\n\"%s\"\nDXFOUT\n\"%s\"\nv\n%s\n16\nCLOSE\ny\n", static_cast<const char*>(sources[i]),
                     static_cast<const char*>(targets[i]), static_cast<const char*>(strVersion));
        if (bBlankLine) std::fputs("\n", fp);
    }
    std::fclose(fp);
    return true;
}

}  // namespace

void TrevanCom_ConvertDwgFolder(const CString& strSrcDir, const CString& strPattern, const CString& strVersion,
                                const CString& strDstDir)
{
    CString strSysDir;
    if (!TrevanComARX_GetSysDirFunc(strSysDir)) {
        zcedAlert("iniファイルの取得に失敗しました");
        return;
    }
    CString strSearch = strSrcDir;
    if (strSearch.Right(1) != "\\") strSearch += "\\";
    strSearch += strPattern;
    WIN32_FIND_DATA entry {};
    HANDLE hFind = FindFirstFile(strSearch, &entry);
    if (hFind == INVALID_HANDLE_VALUE) {
        AfxMessageBox("保存元フォルダにDWGファイルが存在しません", MB_OK);
        return;
    }

    CStringArray sources, targets;
    do {
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
        CString strSrc = strSrcDir + "\\" + entry.cFileName;
        // Only the lower-case extension is replaced: "PLAN.DWG" keeps its name.
        CString strName = entry.cFileName;
        strName.Replace(".dwg", ".dxf");
        CString strDst = strDstDir + "\\" + strName;
        if (isOpenInHost(strSrc) || isOpenInHost(strDst)) {
            FindClose(hFind);
            return;
        }
        sources.Add(strSrc);
        targets.Add(strDst);
    } while (FindNextFile(hFind, &entry));

    const CString strScript = strSysDir + "\\DXFOUT.scr";
    if (!writeScript(strScript, sources, targets, strVersion)) {
        AfxMessageBox("\nスクリプトファイルを作成できませんでした", MB_OK);
        FindClose(hFind);
        return;
    }
    zcedCommand(RTSTR, ".SCRIPT", RTSTR, static_cast<const char*>(strScript), RTNONE);
    FindClose(hFind);
}
