// The CAD installation folder: the current release and product under the user's key lead
// to the folder the CAD's setup recorded for the machine.
#include "settings/registry_value.h"

namespace {

const char* const kCadKey = "SOFTWARE\\Autodesk\\AutoCAD";

}  // namespace

bool TrevanCom_GetAutoCADPath(CString& folder)
{
    CString release;
    if (!TrevanCom_GetReg(HKEY_CURRENT_USER, kCadKey, "CurVer", release)) return false;
    const CString releaseKey = CString(kCadKey) + "\\" + release;
    CString product;
    if (!TrevanCom_GetReg(HKEY_CURRENT_USER, releaseKey, "CurVer", product)) return false;
    return TrevanCom_GetReg(HKEY_LOCAL_MACHINE, releaseKey + "\\" + product, "AcadLocation", folder);
}
