// unixODBC reads ODBCSYSINI once, at a process's first ODBC call, and keeps what it read of
// odbcinst.ini for 20 seconds: every test of a process therefore sees one set of drivers,
// those of the sample installation (the Access driver name served by the SQLite driver, and
// MDBTools), chosen before any test runs. A test that needs other drivers asks in a process
// of its own.
#include <cstdlib>

namespace {

const bool kSampleDrivers = [] {
    ::setenv("ODBCSYSINI", TREVAN_SAMPLE_INSTALL "/odbc", 1);
    ::unsetenv("ODBCINSTINI");
    return true;
}();

}  // namespace
