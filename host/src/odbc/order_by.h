// ORDER BY done by the host for a driver whose SQL has none (mdbtools reads a real Access
// file but refuses ORDER BY): a trailing ORDER BY of plain column names is split off the
// query and the rows are sorted here, as Access sorts them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "odbc/odbc_session.h"
#include "zrx/zrx_export.h"

namespace zrxodbc {

struct OrderKey {
    std::string column;
    bool descending = false;
};

struct SplitQuery {
    std::string query;  // without its ORDER BY
    std::vector<OrderKey> keys;
};

// The query without its trailing ORDER BY, and the keys; nothing when the query has no ORDER
// BY outside its quoted texts, or orders by anything but column names with ASC or DESC.
ZRX_API std::optional<SplitQuery> splitOrderBy(const std::string& sql);

// Access's order of two values: NULL first, numbers by value, texts without regard to ASCII
// case, dates by time, binary by bytes; numbers before texts.
ZRX_API int compareValues(const Value& a, const Value& b);

}  // namespace zrxodbc
