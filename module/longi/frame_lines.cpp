#include "longi/frame_lines.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/str_split.h"
#include "settings/ini_file.h"

namespace {
constexpr int kLineBuffer = 2048;
}  // namespace

CString TrevanCom_StructIniPath()
{
    const char* windir = std::getenv("windir");
    return CString(windir != nullptr ? windir : "") + "\\Struct.ini";
}

bool TrevanCom_GetStructDataPath(CString& dataPath)
{
    CString company;
    if (!TrevanComARX_GetIniData(TrevanCom_StructIniPath(), "system", "company", company)) return false;
    return TrevanComARX_GetIniData(TrevanCom_StructIniPath(), company, "DataPath", dataPath);
}

CString TrevanCom_FrameLineFilePath(LPCTSTR dataPath, LPCTSTR ship)
{
    return CString(dataPath) + "\\Lines\\" + ship + "\\fline.dat";
}

bool TrevanCom_ReadFrameNames(LPCTSTR path, CStringArray& names)
{
    FILE* fp = std::fopen(path, "r");
    if (fp == nullptr) return false;
    char line[kLineBuffer];
    while (std::fgets(line, kLineBuffer, fp) != nullptr) {
        // The last character read is the line end, or the file's last character when its
        // last line has none.
        std::size_t len = std::strlen(line);
        if (len > 0) line[len - 1] = '\0';
        CStringArray fields;
        int nNoCase = 1;
        TrevanComARX_MakeStrArray(CString(line), ",", fields, nNoCase);
        if (fields.GetSize() < 3) continue;
        CString name = fields[0];
        if (name.GetLength() > 1 && name.Mid(1).FindOneOf("+-") >= 0) name = name.Left(name.GetLength() - 1);
        names.Add(name);
    }
    std::fclose(fp);
    return true;
}
