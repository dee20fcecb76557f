#include "convert/dxf_versions.h"

#include <cstdlib>

CString TrevanCom_AcadVer()
{
    resbuf rb {};
    if (zcedGetVar("ACADVER", &rb) != RTNORM || rb.restype != RTSTR || rb.resval.rstring == nullptr) return CString();
    CString strVer = rb.resval.rstring;
    free(rb.resval.rstring);
    return strVer;
}

void TrevanCom_DxfVersionChoices(const CString& strAcadVer, CStringArray& choices)
{
    // The release number is read from the leading characters only ("19.0s (LMS Tech)").
    const double dVer = std::atof(strAcadVer.Left(4));
    if (dVer >= 17.0) {
        for (const char* v : {"2007", "2004", "2000", "R12"}) choices.Add(v);
    } else if (dVer >= 16.0) {
        for (const char* v : {"2004", "2000", "R12"}) choices.Add(v);
    } else if (strAcadVer.Left(2) == "15") {
        for (const char* v : {"2000", "R12"}) choices.Add(v);
    } else if (strAcadVer.Left(2) == "14") {
        choices.Add("R12");
    }
}

bool TrevanCom_ScriptNeedsBlankLine(const CString& strAcadVer) { return std::atof(strAcadVer.Left(4)) == 16.2; }
