// The ODBC calls behind CDatabase and CRecordset, kept apart from the Windows types of the SDK
// (unixODBC brings its own definitions of the same names).
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "zrx/zrx_export.h"

namespace zrxodbc {

// A failed ODBC call: the driver's diagnostics.
struct Failure : std::runtime_error {
    Failure(const std::string& message, std::string sqlState, long nativeError, int returnCode)
        : std::runtime_error(message), state(std::move(sqlState)), native(nativeError), code(returnCode) {}
    std::string state;
    long native;
    int code;
};

// A column value in the kind the column's SQL type is read as (the record set's own type).
struct Value {
    enum Kind { Null, Bool, UChar, Short, Long, Single, Double, Date, String, Binary };
    Kind kind = Null;
    bool b = false;
    unsigned char uc = 0;
    short s = 0;
    int32_t l = 0;
    float f = 0;
    double d = 0;
    struct Timestamp {
        short year;
        unsigned short month, day, hour, minute, second;
        uint32_t fraction;
    } date{};
    std::string bytes;  // text (UTF-8) or binary data
};

struct Column {
    std::string name;
    int sqlType = 0;
};

class Statement;
struct OrderKey;

class ZRX_API Connection {
public:
    // Connects with a connection string, never prompting. A driver whose SQL has no ORDER BY
    // gets its queries without a trailing ORDER BY of column names, and the rows are sorted
    // here (order_by.h).
    explicit Connection(const std::string& connectString, bool driverOrdersRows = true);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    // The connection string the driver completed.
    const std::string& completed() const { return m_completed; }
    void execute(const std::string& sql);
    std::unique_ptr<Statement> query(const std::string& sql);

private:
    std::unique_ptr<Statement> run(const std::string& sql);
    friend class Statement;
    void* m_dbc = nullptr;
    std::string m_completed;
    bool m_driverOrdersRows;
};

class ZRX_API Statement {
public:
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    const std::vector<Column>& columns() const { return m_columns; }
    // The next row's values, or nothing past the last row.
    std::optional<std::vector<Value>> fetch();

private:
    friend class Connection;
    Statement(void* stmt, std::vector<Column> columns) : m_stmt(stmt), m_columns(std::move(columns)) {}
    std::optional<std::vector<Value>> fetchFromDriver();
    // Reads every row and sorts them by the keys, stable, for fetch to hand out.
    void sortRows(const std::vector<OrderKey>& keys);
    void* m_stmt;
    std::vector<Column> m_columns;
    bool m_done = false;
    bool m_sorted = false;
    std::deque<std::vector<Value>> m_rows;
};

// The SQL state, native error and message of a failure, in MFC's "State:...,Native:...,Origin:..." form.
std::string stateNativeOrigin(const Failure& f);

}  // namespace zrxodbc
