#include "drafting/lattice_dimension.h"

#include <cstdlib>

#include "settings/ini_file.h"
#include "settings/sys_dir.h"

namespace {

const char* const kKeys[] = {"DimPD1", "DimPD2", "DimPD3", "DimPD4", "DimDD1", "DimDO1", "DimDO2", "DimOO1", "DimOO2"};
const char* const kSection = "LatticeDimension";

CString latticeFile()
{
    CString dataDir;
    TrevanComARX_GetDataDirFunc(dataDir);
    return dataDir + "\\MST\\LatticeDimension.INI";
}

int precision()
{
    resbuf rb;
    if (zcedGetVar("LUPREC", &rb) == RTNORM && rb.restype == RTSHORT) return rb.resval.rint;
    return 4;
}

}  // namespace

bool TrevanCom_SetLatticeDimension(const ZcGeDoubleArray& values)
{
    if (values.length() < 9) return false;
    const CString path = latticeFile();
    const int digits = precision();
    for (int i = 0; i < 9; ++i) {
        CString text;
        text.Format("%.*f", digits, values[i]);
        TrevanComARX_SetIniData(path, kSection, kKeys[i], text);
    }
    return true;
}

void TrevanCom_GetLatticeDimension(ZcGeDoubleArray& values)
{
    const CString path = latticeFile();
    for (const char* key : kKeys) {
        CString text;
        values.append(TrevanComARX_GetIniData(path, kSection, key, text) ? std::atof(text) : 0.0);
    }
}
