// The connection string a driver of this host gets for the one an MFC program gives, and
// the Access driver name served by the drivers on this side.
#pragma once

#include <string>

#include "zrx/zrx_export.h"

namespace zrxodbc {

// The first bytes of a file named as an Access database: a Jet or ACE database (a real
// Access file), or anything else (an SQLite file stands in for Access here).
enum class AccessFile { Missing, Jet, Other };
ZRX_API AccessFile accessFileKind(const std::string& hostPath);

// The driver that reads a real Access file, registered by Debian's odbc-mdbtools under this
// name and by the installation's odbcinst.ini.
inline constexpr const char* kJetDriver = "{MDBTools}";

// Without MFC's "ODBC;", the file named by DBQ mapped to the host's file and given as
// Database too (the attribute the drivers here read where Access reads DBQ). Under the Access
// driver name a Jet file goes to kJetDriver, which reads it read-only; any other file keeps
// the name, which the installation registers against the SQLite ODBC driver; a missing file
// is refused as the Access driver refuses it (Failure), since the SQLite driver would make it.
// toJet, when given, tells whether the connection went to kJetDriver.
ZRX_API std::string driverConnectString(const std::string& connect, bool* toJet = nullptr);

}  // namespace zrxodbc
