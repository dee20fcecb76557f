// Where the module's installation is: drive C: and the registry file.
#pragma once

#include <string>

// Maps C: to DIR/drive_c (DIR itself when it has none) and keeps the registry in
// DIR/registry.reg; the ODBC drivers are those of DIR/odbc/odbcinst.ini when it exists and
// the user has set neither ODBCSYSINI nor ODBCINSTINI. False, with the reason, when DIR is
// not a folder.
bool useInstallation(const std::string& dir, std::string* error);
