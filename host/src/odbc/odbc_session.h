// The ODBC calls behind CDatabase and CRecordset, kept apart from the Windows types of the SDK
// (unixODBC brings its own definitions of the same names).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

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

class Connection {
public:
    // Connects with a connection string, never prompting.
    explicit Connection(const std::string& connectString);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    // The connection string the driver completed.
    const std::string& completed() const { return m_completed; }
    void execute(const std::string& sql);
    std::unique_ptr<Statement> query(const std::string& sql);

private:
    friend class Statement;
    void* m_dbc = nullptr;
    std::string m_completed;
};

class Statement {
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
    void* m_stmt;
    std::vector<Column> m_columns;
    bool m_done = false;
};

// The SQL state, native error and message of a failure, in MFC's "State:...,Native:...,Origin:..." form.
std::string stateNativeOrigin(const Failure& f);

}  // namespace zrxodbc
