// MFC's database classes over ODBC (unixODBC on this host): CDatabase, CRecordset read as a
// snapshot, CDBVariant with the DBVT_ kinds, and CDBException, thrown as a pointer as MFC
// throws it. A Windows path in the connection string's DBQ is mapped to the host's file.
#pragma once

#include <memory>
#include <vector>

#include "mfc_exception.h"
#include "mfc_string.h"

#define DBVT_NULL 0
#define DBVT_BOOL 1
#define DBVT_UCHAR 2
#define DBVT_SHORT 3
#define DBVT_LONG 4
#define DBVT_SINGLE 5
#define DBVT_DOUBLE 6
#define DBVT_DATE 7
#define DBVT_STRING 8
#define DBVT_BINARY 9

typedef short RETCODE;

struct TIMESTAMP_STRUCT {
    SHORT year;
    USHORT month;
    USHORT day;
    USHORT hour;
    USHORT minute;
    USHORT second;
    ULONG fraction;
};

// Binary data in a block of the host's global memory.
class ZRX_API CLongBinary : public CObject {
public:
    DECLARE_DYNAMIC(CLongBinary)
    CLongBinary() = default;
    ~CLongBinary() override;
    CLongBinary(const CLongBinary&) = delete;
    CLongBinary& operator=(const CLongBinary&) = delete;
    HGLOBAL m_hData = nullptr;
    ULONG_PTR m_dwDataLength = 0;
};

ZRX_API HGLOBAL GlobalAlloc(UINT flags, size_t size);
ZRX_API LPVOID GlobalLock(HGLOBAL block);
ZRX_API BOOL GlobalUnlock(HGLOBAL block);
ZRX_API size_t GlobalSize(HGLOBAL block);
ZRX_API HGLOBAL GlobalFree(HGLOBAL block);

class ZRX_API CDBVariant {
public:
    CDBVariant();
    ~CDBVariant();
    CDBVariant(const CDBVariant&) = delete;
    CDBVariant& operator=(const CDBVariant&) = delete;
    // Back to DBVT_NULL, freeing a string, date or binary value.
    void Clear();

    DWORD m_dwType;
    union {
        BOOL m_boolVal;
        unsigned char m_chVal;
        short m_iVal;
        long m_lVal;
        float m_fltVal;
        double m_dblVal;
        TIMESTAMP_STRUCT* m_pdate;
        CString* m_pstring;
        CLongBinary* m_pbinary;
    };
};

class ZRX_API CDBException : public CException {
public:
    DECLARE_DYNAMIC(CDBException)
    CDBException(RETCODE retCode, LPCTSTR error, LPCTSTR stateNativeOrigin);
    RETCODE m_nRetCode;
    CString m_strError;
    CString m_strStateNativeOrigin;
};

// MFC's own error codes for failures found before the driver is asked.
#define AFX_SQL_ERROR 1000
#define AFX_SQL_ERROR_FIELD_NOT_FOUND (AFX_SQL_ERROR + 4)
#define AFX_SQL_ERROR_NO_DATA_FOUND (AFX_SQL_ERROR + 11)
#define AFX_SQL_ERROR_RECORDSET_FORWARD_ONLY (AFX_SQL_ERROR + 15)
#define AFX_SQL_ERROR_RECORDSET_READONLY (AFX_SQL_ERROR + 18)
#define AFX_SQL_ERROR_DATA_TRUNCATED (AFX_SQL_ERROR + 3)
#define AFX_SQL_ERROR_CONNECT_FAIL (AFX_SQL_ERROR + 6)

[[noreturn]] ZRX_API void AfxThrowDBException(RETCODE retCode, LPCTSTR error, LPCTSTR stateNativeOrigin = "");

namespace zrxodbc {
class Connection;
class Statement;
struct Value;
}  // namespace zrxodbc

class ZRX_API CDatabase : public CObject {
public:
    DECLARE_DYNAMIC(CDatabase)
    enum DbOpenOptions { openExclusive = 0x0001, openReadOnly = 0x0002, useCursorLib = 0x0004, noOdbcDialog = 0x0008,
                         forceOdbcDialog = 0x0010 };
    CDatabase();
    ~CDatabase() override;
    CDatabase(const CDatabase&) = delete;
    CDatabase& operator=(const CDatabase&) = delete;

    // Opens with a connection string ("ODBC;" in front is allowed). The host never shows the
    // connection dialog. A failure throws CDBException.
    virtual BOOL OpenEx(LPCTSTR connect, DWORD options = 0);
    virtual BOOL Open(LPCTSTR dataSource, BOOL exclusive = FALSE, BOOL readOnly = FALSE, LPCTSTR connect = "ODBC;",
                      BOOL cursorLib = TRUE);
    virtual void Close();
    BOOL IsOpen() const { return m_connection != nullptr ? TRUE : FALSE; }
    // The connection string as completed by the driver, after "ODBC;".
    const CString& GetConnect() const { return m_strConnect; }
    void ExecuteSQL(LPCTSTR sql);

    zrxodbc::Connection* connection() const { return m_connection.get(); }

protected:
    CString m_strConnect;

private:
    std::unique_ptr<zrxodbc::Connection> m_connection;
};

#define AFX_DB_USE_DEFAULT_TYPE (0xFFFFFFFF)
#define DEFAULT_FIELD_TYPE 0

// The ODBC C types a field can be asked for.
#ifndef SQL_C_CHAR
#define SQL_C_CHAR 1
#define SQL_C_FLOAT 7
#define SQL_C_DOUBLE 8
#define SQL_C_TIMESTAMP 11
#define SQL_C_TYPE_TIMESTAMP 93
#define SQL_C_BIT (-7)
#define SQL_C_BINARY (-2)
#define SQL_C_SSHORT (-15)
#define SQL_C_SLONG (-16)
#define SQL_C_UTINYINT (-28)
#endif

class ZRX_API CRecordset : public CObject {
public:
    DECLARE_DYNAMIC(CRecordset)
    enum OpenType { dynaset, snapshot, forwardOnly, dynamic };
    enum OpenOptions { none = 0x0, readOnly = 0x0004, appendOnly = 0x0008, skipDeletedRecords = 0x0010,
                       noDirtyFieldCheck = 0x0020, useBookmarks = 0x0100, executeDirect = 0x2000 };
    explicit CRecordset(CDatabase* database = nullptr);
    ~CRecordset() override;
    CRecordset(const CRecordset&) = delete;
    CRecordset& operator=(const CRecordset&) = delete;

    // Runs the query (a SELECT statement, or a table name read whole, with m_strFilter and
    // m_strSort) and stands on the first row. Only read-only record sets are kept: a snapshot
    // can be walked both ways, a forward-only one forwards. A failure throws CDBException.
    virtual BOOL Open(UINT openType = AFX_DB_USE_DEFAULT_TYPE, LPCTSTR sql = nullptr, DWORD options = none);
    virtual void Close();
    BOOL IsOpen() const { return m_statement != nullptr ? TRUE : FALSE; }
    BOOL IsEOF() const;
    BOOL IsBOF() const;
    void MoveNext();
    void MovePrev();
    void MoveFirst();
    void MoveLast();
    // The rows seen so far, as MFC counts them.
    long GetRecordCount() const;
    short GetODBCFieldCount() const;

    // The current row's column in the column's own type (fieldType DEFAULT_FIELD_TYPE), or
    // converted to the C type asked for, as the driver converts (SQL_C_CHAR, SQL_C_SSHORT,
    // SQL_C_SLONG, SQL_C_FLOAT, SQL_C_DOUBLE, SQL_C_BIT, SQL_C_UTINYINT). A NULL stays DBVT_NULL.
    // An unknown column, or a value that cannot be converted, throws CDBException.
    void GetFieldValue(LPCTSTR fieldName, CDBVariant& value, short fieldType = DEFAULT_FIELD_TYPE);
    void GetFieldValue(short index, CDBVariant& value, short fieldType = DEFAULT_FIELD_TYPE);
    void GetFieldValue(LPCTSTR fieldName, CString& value);
    void GetFieldValue(short index, CString& value);

    CDatabase* m_pDatabase;
    CString m_strFilter;
    CString m_strSort;

private:
    bool fetchUpTo(long row);
    const zrxodbc::Value& field(short index) const;
    short indexOf(LPCTSTR fieldName) const;

    std::unique_ptr<zrxodbc::Statement> m_statement;
    std::vector<std::vector<zrxodbc::Value>> m_rows;
    long m_current = 0;
    bool m_allFetched = false;
    bool m_forwardOnly = false;
};
