// The installation a run works in. The registry file sits in the installation's own
// folder, beside drive_c, so that a run changes nothing outside it.
#include "installation.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "zrxhost/drive_map.h"
#include "zrxhost/registry.h"
#include "zrxhost/session.h"
#include "zrxhost/windows_environment.h"

bool useInstallation(const std::string& dir, std::string* error)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path root = fs::absolute(dir, ec);
    if (!fs::is_directory(root, ec)) {
        *error = "installation folder " + dir + " does not exist";
        return false;
    }
    fs::path drive = fs::is_directory(root / "drive_c", ec) ? root / "drive_c" : root;
    zrxhost::setDrive('C', drive.lexically_normal().string());
    zrxhost::setRegistryFile((root / "registry.reg").lexically_normal().string());
    // The product's setup puts its system folder on the CAD's support file search path:
    // its line type file Trevan.lin is found there.
    if (std::optional<std::string> system = zrxhost::hostPath("C:\\TREVAN\\SYSTEM"); system && fs::is_directory(*system, ec))
        zrxhost::setSupportFolders({*system});
    zrxhost::ensureWindowsEnvironment();
    // The installation's ODBC drivers (the Access driver name the module asks for) stand in
    // for the machine's own for this run, unless the user has chosen a configuration.
    if (fs::path odbc = root / "odbc"; fs::is_regular_file(odbc / "odbcinst.ini", ec) && std::getenv("ODBCSYSINI") == nullptr &&
                                       std::getenv("ODBCINSTINI") == nullptr)
        ::setenv("ODBCSYSINI", odbc.lexically_normal().c_str(), 1);
    return true;
}
