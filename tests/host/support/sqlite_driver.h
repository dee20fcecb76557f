// Where Debian's SQLite ODBC driver is installed; "" when it is not.
#pragma once

#include <glob.h>

#include <string>

inline std::string sqliteDriver()
{
    glob_t g{};
    std::string found;
    if (::glob("/usr/lib/*/odbc/libsqlite3odbc.so", 0, nullptr, &g) == 0 && g.gl_pathc > 0) found = g.gl_pathv[0];
    ::globfree(&g);
    return found;
}
