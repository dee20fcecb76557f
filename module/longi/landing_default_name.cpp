#include "longi/landing_default_name.h"

#include <cstdlib>

#include "settings/ini_file.h"

namespace {

const char* const kSection = "TRV_LINKLONG";
const char* const kKey = "RUNDINGNAME";

}  // namespace

CString TrevanCom_LandingDefaultFile()
{
    // The Windows folder of the process, not the host system's own temporary folder.
    const char* temp = std::getenv("TEMP");
    return CString(temp != nullptr ? temp : "") + "\\TREVANDEF.INI";
}

CString TrevanCom_ReadLandingDefault(const CString& file)
{
    CString name;
    if (!TrevanComARX_GetIniData(file, kSection, kKey, name)) name.Empty();
    return name;
}

void TrevanCom_WriteLandingDefault(const CString& file, const CString& name)
{
    TrevanComARX_SetIniData(file, kSection, kKey, name);
}
