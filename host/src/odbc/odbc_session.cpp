// ODBC through unixODBC: one environment for the process, connections and statements.
#include "odbc/odbc_session.h"

#include "odbc/order_by.h"

#include <sql.h>
#include <sqlext.h>

#include <strings.h>

#include <algorithm>
#include <cstring>

namespace zrxodbc {
namespace {

SQLHENV environment()
{
    static SQLHENV env = [] {
        SQLHENV e = SQL_NULL_HENV;
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &e))) throw Failure("ODBC environment cannot be made", "HY001", 0, SQL_ERROR);
        SQLSetEnvAttr(e, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
        return e;
    }();
    return env;
}

[[noreturn]] void raise(SQLSMALLINT type, SQLHANDLE handle, SQLRETURN rc, const char* what)
{
    std::string message;
    std::string state = "HY000";
    long native = 0;
    SQLCHAR st[6] = {};
    SQLINTEGER nat = 0;
    SQLCHAR text[1024];
    SQLSMALLINT len = 0;
    for (SQLSMALLINT i = 1; SQLGetDiagRec(type, handle, i, st, &nat, text, sizeof text, &len) == SQL_SUCCESS; ++i) {
        if (i == 1) {
            state = reinterpret_cast<char*>(st);
            native = nat;
        }
        if (!message.empty()) message += "\n";
        message += reinterpret_cast<char*>(text);
    }
    if (message.empty()) message = what;
    throw Failure(message, state, native, rc);
}

void check(SQLRETURN rc, SQLSMALLINT type, SQLHANDLE handle, const char* what)
{
    if (!SQL_SUCCEEDED(rc)) raise(type, handle, rc, what);
}

// Reads a text or binary column in pieces until the driver has given all of it.
std::string readLong(SQLHSTMT stmt, SQLUSMALLINT col, SQLSMALLINT cType, bool& isNull)
{
    std::string out;
    char buf[4096];
    isNull = false;
    for (;;) {
        SQLLEN ind = 0;
        SQLRETURN rc = SQLGetData(stmt, col, cType, buf, sizeof buf, &ind);
        if (rc == SQL_NO_DATA) break;
        check(rc, SQL_HANDLE_STMT, stmt, "column cannot be read");
        if (ind == SQL_NULL_DATA) {
            isNull = true;
            return {};
        }
        // Text pieces end with a zero the driver adds; binary pieces do not.
        size_t room = cType == SQL_C_CHAR ? sizeof buf - 1 : sizeof buf;
        size_t got = (ind == SQL_NO_TOTAL || static_cast<size_t>(ind) > room) ? room : static_cast<size_t>(ind);
        out.append(buf, got);
        if (rc == SQL_SUCCESS) break;
    }
    return out;
}

template <class T>
bool readFixed(SQLHSTMT stmt, SQLUSMALLINT col, SQLSMALLINT cType, T& out)
{
    SQLLEN ind = 0;
    check(SQLGetData(stmt, col, cType, &out, sizeof out, &ind), SQL_HANDLE_STMT, stmt, "column cannot be read");
    return ind != SQL_NULL_DATA;
}

Value readValue(SQLHSTMT stmt, SQLUSMALLINT col, int sqlType)
{
    Value v;
    bool present = false;
    switch (sqlType) {
    case SQL_BIT: {
        unsigned char c = 0;
        if ((present = readFixed(stmt, col, SQL_C_BIT, c))) v.b = c != 0;
        v.kind = Value::Bool;
        break;
    }
    case SQL_TINYINT:
        present = readFixed(stmt, col, SQL_C_UTINYINT, v.uc);
        v.kind = Value::UChar;
        break;
    case SQL_SMALLINT:
        present = readFixed(stmt, col, SQL_C_SSHORT, v.s);
        v.kind = Value::Short;
        break;
    case SQL_INTEGER: {
        SQLINTEGER n = 0;
        if ((present = readFixed(stmt, col, SQL_C_SLONG, n))) v.l = n;
        v.kind = Value::Long;
        break;
    }
    case SQL_REAL:
        present = readFixed(stmt, col, SQL_C_FLOAT, v.f);
        v.kind = Value::Single;
        break;
    case SQL_FLOAT:
    case SQL_DOUBLE:
        present = readFixed(stmt, col, SQL_C_DOUBLE, v.d);
        v.kind = Value::Double;
        break;
    case SQL_DATE:
    case SQL_TIME:
    case SQL_TIMESTAMP:
    case SQL_TYPE_DATE:
    case SQL_TYPE_TIME:
    case SQL_TYPE_TIMESTAMP: {
        SQL_TIMESTAMP_STRUCT t{};
        if ((present = readFixed(stmt, col, SQL_C_TYPE_TIMESTAMP, t))) {
            v.date = Value::Timestamp{t.year, t.month, t.day, t.hour, t.minute, t.second, t.fraction};
        }
        v.kind = Value::Date;
        break;
    }
    case SQL_BINARY:
    case SQL_VARBINARY:
    case SQL_LONGVARBINARY: {
        bool isNull = false;
        v.bytes = readLong(stmt, col, SQL_C_BINARY, isNull);
        present = !isNull;
        v.kind = Value::Binary;
        break;
    }
    default: {
        // Text, and the kinds MFC reads as text (decimal, numeric, big integers).
        bool isNull = false;
        v.bytes = readLong(stmt, col, SQL_C_CHAR, isNull);
        present = !isNull;
        v.kind = Value::String;
        break;
    }
    }
    if (!present) {
        Value none;
        return none;
    }
    return v;
}

// Access's own type names, which the SQLite driver does not know and reports as text: an
// SQLite file standing in for an Access database keeps the kinds of the Access columns.
int accessColumnType(SQLHSTMT stmt, SQLUSMALLINT col, int reported)
{
    if (reported != SQL_VARCHAR && reported != SQL_CHAR && reported != SQL_LONGVARCHAR) return reported;
    SQLCHAR name[64] = {};
    SQLSMALLINT len = 0;
    if (!SQL_SUCCEEDED(SQLColAttribute(stmt, col, SQL_DESC_TYPE_NAME, name, sizeof name, &len, nullptr))) return reported;
    static const struct {
        const char* name;
        int type;
    } kAccess[] = {{"SHORT", SQL_SMALLINT}, {"LONG", SQL_INTEGER}, {"SINGLE", SQL_REAL},
                   {"BYTE", SQL_TINYINT},   {"YESNO", SQL_BIT}};
    for (const auto& a : kAccess) {
        if (strcasecmp(reinterpret_cast<char*>(name), a.name) == 0) return a.type;
    }
    return reported;
}

}  // namespace

Connection::Connection(const std::string& connectString, bool driverOrdersRows) : m_driverOrdersRows(driverOrdersRows)
{
    SQLHDBC dbc = SQL_NULL_HDBC;
    check(SQLAllocHandle(SQL_HANDLE_DBC, environment(), &dbc), SQL_HANDLE_ENV, environment(), "connection cannot be made");
    SQLCHAR out[2048] = {};
    SQLSMALLINT outLen = 0;
    SQLRETURN rc = SQLDriverConnect(dbc, nullptr, reinterpret_cast<SQLCHAR*>(const_cast<char*>(connectString.c_str())), SQL_NTS, out,
                                    sizeof out, &outLen, SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(rc)) {
        try {
            raise(SQL_HANDLE_DBC, dbc, rc, "the data source cannot be connected");
        } catch (...) {
            SQLFreeHandle(SQL_HANDLE_DBC, dbc);
            throw;
        }
    }
    m_dbc = dbc;
    m_completed = reinterpret_cast<char*>(out);
}

Connection::~Connection()
{
    if (m_dbc != nullptr) {
        SQLDisconnect(m_dbc);
        SQLFreeHandle(SQL_HANDLE_DBC, m_dbc);
    }
}

void Connection::execute(const std::string& sql)
{
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    check(SQLAllocHandle(SQL_HANDLE_STMT, m_dbc, &stmt), SQL_HANDLE_DBC, m_dbc, "statement cannot be made");
    SQLRETURN rc = SQLExecDirect(stmt, reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql.c_str())), SQL_NTS);
    if (!SQL_SUCCEEDED(rc) && rc != SQL_NO_DATA) {
        try {
            raise(SQL_HANDLE_STMT, stmt, rc, "statement failed");
        } catch (...) {
            SQLFreeHandle(SQL_HANDLE_STMT, stmt);
            throw;
        }
    }
    SQLFreeHandle(SQL_HANDLE_STMT, stmt);
}

std::unique_ptr<Statement> Connection::query(const std::string& sql)
{
    std::optional<SplitQuery> split;
    if (!m_driverOrdersRows) split = splitOrderBy(sql);
    std::unique_ptr<Statement> statement = run(split ? split->query : sql);
    if (split) statement->sortRows(split->keys);
    return statement;
}

std::unique_ptr<Statement> Connection::run(const std::string& sql)
{
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    check(SQLAllocHandle(SQL_HANDLE_STMT, m_dbc, &stmt), SQL_HANDLE_DBC, m_dbc, "statement cannot be made");
    std::vector<Column> columns;
    try {
        check(SQLExecDirect(stmt, reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql.c_str())), SQL_NTS), SQL_HANDLE_STMT, stmt,
              "query failed");
        SQLSMALLINT count = 0;
        check(SQLNumResultCols(stmt, &count), SQL_HANDLE_STMT, stmt, "query has no columns");
        for (SQLUSMALLINT i = 1; i <= static_cast<SQLUSMALLINT>(count); ++i) {
            SQLCHAR name[256] = {};
            SQLSMALLINT nameLen = 0;
            SQLSMALLINT type = 0;
            SQLULEN size = 0;
            SQLSMALLINT digits = 0;
            SQLSMALLINT nullable = 0;
            check(SQLDescribeCol(stmt, i, name, sizeof name, &nameLen, &type, &size, &digits, &nullable), SQL_HANDLE_STMT, stmt,
                  "column cannot be described");
            columns.push_back(Column{reinterpret_cast<char*>(name), accessColumnType(stmt, i, type)});
        }
    } catch (...) {
        SQLFreeHandle(SQL_HANDLE_STMT, stmt);
        throw;
    }
    return std::unique_ptr<Statement>(new Statement(stmt, std::move(columns)));
}

Statement::~Statement() { SQLFreeHandle(SQL_HANDLE_STMT, m_stmt); }

std::optional<std::vector<Value>> Statement::fetch()
{
    if (!m_sorted) return fetchFromDriver();
    if (m_rows.empty()) return std::nullopt;
    std::vector<Value> row = std::move(m_rows.front());
    m_rows.pop_front();
    return row;
}

void Statement::sortRows(const std::vector<OrderKey>& keys)
{
    std::vector<std::pair<size_t, bool>> by;
    for (const OrderKey& k : keys) {
        size_t i = 0;
        while (i < m_columns.size() && strcasecmp(m_columns[i].name.c_str(), k.column.c_str()) != 0) ++i;
        if (i == m_columns.size()) throw Failure("ORDER BY の列 " + k.column + " が結果にありません。", "42S22", 0, SQL_ERROR);
        by.emplace_back(i, k.descending);
    }
    std::vector<std::vector<Value>> rows;
    while (auto row = fetchFromDriver()) rows.push_back(std::move(*row));
    std::stable_sort(rows.begin(), rows.end(), [&by](const std::vector<Value>& a, const std::vector<Value>& b) {
        for (const auto& [column, descending] : by) {
            int c = compareValues(a[column], b[column]);
            if (c != 0) return descending ? c > 0 : c < 0;
        }
        return false;
    });
    m_rows.assign(std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    m_sorted = true;
}

std::optional<std::vector<Value>> Statement::fetchFromDriver()
{
    if (m_done) return std::nullopt;
    SQLRETURN rc = SQLFetch(m_stmt);
    if (rc == SQL_NO_DATA) {
        m_done = true;
        return std::nullopt;
    }
    check(rc, SQL_HANDLE_STMT, m_stmt, "row cannot be fetched");
    std::vector<Value> row;
    row.reserve(m_columns.size());
    for (size_t i = 0; i < m_columns.size(); ++i) row.push_back(readValue(m_stmt, static_cast<SQLUSMALLINT>(i + 1), m_columns[i].sqlType));
    return row;
}

std::string stateNativeOrigin(const Failure& f)
{
    return "State:" + f.state + ",Native:" + std::to_string(f.native) + ",Origin:[unixODBC]\n";
}

}  // namespace zrxodbc
