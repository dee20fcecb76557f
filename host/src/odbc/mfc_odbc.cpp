// CDatabase, CRecordset and CDBVariant over the host's ODBC session.
#include "zrx/mfc_odbc.h"

#include <cstdlib>
#include <cstring>

#include "odbc/access_connect.h"
#include "odbc/odbc_session.h"
#include "util/text_case.h"

IMPLEMENT_DYNAMIC(CLongBinary, CObject)
IMPLEMENT_DYNAMIC(CDBException, CException)
IMPLEMENT_DYNAMIC(CDatabase, CObject)
IMPLEMENT_DYNAMIC(CRecordset, CObject)

namespace {

// Global memory is the C library's heap with its size kept in front.
struct GlobalBlock {
    size_t size;
    alignas(std::max_align_t) unsigned char data[1];
};

GlobalBlock* blockOf(HGLOBAL h) { return static_cast<GlobalBlock*>(h); }

[[noreturn]] void rethrow(const zrxodbc::Failure& f)
{
    AfxThrowDBException(static_cast<RETCODE>(f.code), f.what(), zrxodbc::stateNativeOrigin(f).c_str());
}

void assign(CDBVariant& out, const zrxodbc::Value& v)
{
    out.Clear();
    switch (v.kind) {
    case zrxodbc::Value::Null: break;
    case zrxodbc::Value::Bool: out.m_dwType = DBVT_BOOL; out.m_boolVal = v.b ? TRUE : FALSE; break;
    case zrxodbc::Value::UChar: out.m_dwType = DBVT_UCHAR; out.m_chVal = v.uc; break;
    case zrxodbc::Value::Short: out.m_dwType = DBVT_SHORT; out.m_iVal = v.s; break;
    case zrxodbc::Value::Long: out.m_dwType = DBVT_LONG; out.m_lVal = v.l; break;
    case zrxodbc::Value::Single: out.m_dwType = DBVT_SINGLE; out.m_fltVal = v.f; break;
    case zrxodbc::Value::Double: out.m_dwType = DBVT_DOUBLE; out.m_dblVal = v.d; break;
    case zrxodbc::Value::Date:
        out.m_dwType = DBVT_DATE;
        out.m_pdate = new TIMESTAMP_STRUCT{v.date.year, v.date.month, v.date.day, v.date.hour, v.date.minute, v.date.second, v.date.fraction};
        break;
    case zrxodbc::Value::String:
        out.m_dwType = DBVT_STRING;
        out.m_pstring = new CString(std::string_view(v.bytes));
        break;
    case zrxodbc::Value::Binary: {
        out.m_dwType = DBVT_BINARY;
        out.m_pbinary = new CLongBinary;
        out.m_pbinary->m_hData = GlobalAlloc(0, v.bytes.size());
        out.m_pbinary->m_dwDataLength = v.bytes.size();
        std::memcpy(GlobalLock(out.m_pbinary->m_hData), v.bytes.data(), v.bytes.size());
        GlobalUnlock(out.m_pbinary->m_hData);
        break;
    }
    }
}

// A value as text, the way a driver converts it to SQL_C_CHAR.
CString asText(const zrxodbc::Value& v)
{
    CString s;
    switch (v.kind) {
    case zrxodbc::Value::Null: break;
    case zrxodbc::Value::Bool: s = v.b ? "1" : "0"; break;
    case zrxodbc::Value::UChar: s.Format("%u", static_cast<unsigned>(v.uc)); break;
    case zrxodbc::Value::Short: s.Format("%d", v.s); break;
    case zrxodbc::Value::Long: s.Format("%d", static_cast<int>(v.l)); break;
    case zrxodbc::Value::Single: s.Format("%.7g", static_cast<double>(v.f)); break;
    case zrxodbc::Value::Double: s.Format("%.15g", v.d); break;
    case zrxodbc::Value::Date:
        s.Format("%04d-%02u-%02u %02u:%02u:%02u", v.date.year, v.date.month, v.date.day, v.date.hour, v.date.minute, v.date.second);
        break;
    case zrxodbc::Value::String: s = CString(std::string_view(v.bytes)); break;
    case zrxodbc::Value::Binary: {
        static const char* hex = "0123456789ABCDEF";
        for (unsigned char c : v.bytes) {
            s += hex[c >> 4];
            s += hex[c & 0xF];
        }
        break;
    }
    }
    return s;
}

}  // namespace

HGLOBAL GlobalAlloc(UINT /*flags*/, size_t size)
{
    auto* b = static_cast<GlobalBlock*>(std::calloc(1, sizeof(GlobalBlock) + size));
    if (b != nullptr) b->size = size;
    return b;
}

LPVOID GlobalLock(HGLOBAL block) { return block != nullptr ? blockOf(block)->data : nullptr; }

BOOL GlobalUnlock(HGLOBAL /*block*/) { return FALSE; }

size_t GlobalSize(HGLOBAL block) { return block != nullptr ? blockOf(block)->size : 0; }

HGLOBAL GlobalFree(HGLOBAL block)
{
    std::free(block);
    return nullptr;
}

CLongBinary::~CLongBinary() { GlobalFree(m_hData); }

CDBVariant::CDBVariant() : m_dwType(DBVT_NULL), m_dblVal(0) {}

CDBVariant::~CDBVariant() { Clear(); }

void CDBVariant::Clear()
{
    if (m_dwType == DBVT_STRING) delete m_pstring;
    if (m_dwType == DBVT_DATE) delete m_pdate;
    if (m_dwType == DBVT_BINARY) delete m_pbinary;
    m_dwType = DBVT_NULL;
    m_dblVal = 0;
}

CDBException::CDBException(RETCODE retCode, LPCTSTR error, LPCTSTR stateNativeOrigin)
    : m_nRetCode(retCode), m_strError(error), m_strStateNativeOrigin(stateNativeOrigin)
{
    m_message = m_strError;
}

void AfxThrowDBException(RETCODE retCode, LPCTSTR error, LPCTSTR stateNativeOrigin)
{
    throw new CDBException(retCode, error, stateNativeOrigin);
}

// CDatabase

CDatabase::CDatabase() = default;

CDatabase::~CDatabase() { Close(); }

BOOL CDatabase::OpenEx(LPCTSTR connect, DWORD /*options*/)
{
    Close();
    try {
        // mdbtools, which reads a real Access file, has no ORDER BY.
        bool toJet = false;
        std::string driverConnect = zrxodbc::driverConnectString(connect != nullptr ? connect : "", &toJet);
        m_connection = std::make_unique<zrxodbc::Connection>(driverConnect, !toJet);
    } catch (const zrxodbc::Failure& f) {
        rethrow(f);
    }
    m_strConnect = CString("ODBC;") + m_connection->completed().c_str();
    return TRUE;
}

BOOL CDatabase::Open(LPCTSTR dataSource, BOOL exclusive, BOOL readOnly, LPCTSTR connect, BOOL cursorLib)
{
    std::string c = connect != nullptr ? connect : "";
    if (c.size() >= 5 && zrxhost::equalsNoCase(std::string_view(c).substr(0, 5), "ODBC;")) c.erase(0, 5);
    if (dataSource != nullptr && *dataSource != '\0') c = "DSN=" + std::string(dataSource) + (c.empty() ? "" : ";" + c);
    DWORD options = noOdbcDialog | (exclusive ? openExclusive : 0) | (readOnly ? openReadOnly : 0) | (cursorLib ? useCursorLib : 0);
    return OpenEx(c.c_str(), options);
}

void CDatabase::Close()
{
    m_connection.reset();
    m_strConnect.Empty();
}

void CDatabase::ExecuteSQL(LPCTSTR sql)
{
    if (!m_connection) AfxThrowDBException(AFX_SQL_ERROR_CONNECT_FAIL, "データベースが開かれていません。");
    try {
        m_connection->execute(sql != nullptr ? sql : "");
    } catch (const zrxodbc::Failure& f) {
        rethrow(f);
    }
}

// CRecordset

CRecordset::CRecordset(CDatabase* database) : m_pDatabase(database) {}

CRecordset::~CRecordset() { Close(); }

BOOL CRecordset::Open(UINT openType, LPCTSTR sql, DWORD options)
{
    Close();
    if (m_pDatabase == nullptr || !m_pDatabase->IsOpen()) AfxThrowDBException(AFX_SQL_ERROR_CONNECT_FAIL, "データベースが開かれていません。");
    if ((options & appendOnly) != 0 || (openType != AFX_DB_USE_DEFAULT_TYPE && openType != snapshot && openType != forwardOnly &&
                                        (options & readOnly) == 0))
        AfxThrowDBException(AFX_SQL_ERROR_RECORDSET_READONLY, "更新できるレコードセットはありません。");
    std::string query = sql != nullptr ? sql : "";
    std::string head = query.substr(0, query.find_first_of(" \t\r\n"));
    if (!zrxhost::equalsNoCase(head, "SELECT") && !zrxhost::equalsNoCase(head, "{CALL")) {
        query = "SELECT * FROM " + query;
        if (!m_strFilter.IsEmpty()) query += " WHERE " + m_strFilter.str();
        if (!m_strSort.IsEmpty()) query += " ORDER BY " + m_strSort.str();
    }
    try {
        m_statement = m_pDatabase->connection()->query(query);
    } catch (const zrxodbc::Failure& f) {
        rethrow(f);
    }
    m_forwardOnly = openType == forwardOnly;
    m_current = 0;
    m_allFetched = false;
    fetchUpTo(0);
    return TRUE;
}

void CRecordset::Close()
{
    m_statement.reset();
    m_rows.clear();
    m_current = 0;
    m_allFetched = false;
}

bool CRecordset::fetchUpTo(long row)
{
    while (!m_allFetched && static_cast<long>(m_rows.size()) <= row) {
        std::optional<std::vector<zrxodbc::Value>> next;
        try {
            next = m_statement->fetch();
        } catch (const zrxodbc::Failure& f) {
            rethrow(f);
        }
        if (!next) {
            m_allFetched = true;
            break;
        }
        // A forward-only set keeps the current row alone.
        if (m_forwardOnly && !m_rows.empty()) {
            m_rows.clear();
            m_rows.resize(static_cast<size_t>(row));
        }
        m_rows.push_back(std::move(*next));
    }
    return static_cast<long>(m_rows.size()) > row;
}

BOOL CRecordset::IsEOF() const { return !IsOpen() || m_current >= static_cast<long>(m_rows.size()) ? TRUE : FALSE; }

BOOL CRecordset::IsBOF() const { return !IsOpen() || m_current < 0 || m_rows.empty() ? TRUE : FALSE; }

void CRecordset::MoveNext()
{
    if (IsEOF()) AfxThrowDBException(AFX_SQL_ERROR_NO_DATA_FOUND, "レコードセットの終わりを越えて移動しようとしました。");
    ++m_current;
    fetchUpTo(m_current);
}

void CRecordset::MovePrev()
{
    if (m_forwardOnly) AfxThrowDBException(AFX_SQL_ERROR_RECORDSET_FORWARD_ONLY, "前方スクロール専用のレコードセットです。");
    if (IsBOF()) AfxThrowDBException(AFX_SQL_ERROR_NO_DATA_FOUND, "レコードセットの先頭を越えて移動しようとしました。");
    --m_current;
}

void CRecordset::MoveFirst()
{
    if (m_forwardOnly && m_current != 0) AfxThrowDBException(AFX_SQL_ERROR_RECORDSET_FORWARD_ONLY, "前方スクロール専用のレコードセットです。");
    m_current = 0;
}

void CRecordset::MoveLast()
{
    if (m_forwardOnly) AfxThrowDBException(AFX_SQL_ERROR_RECORDSET_FORWARD_ONLY, "前方スクロール専用のレコードセットです。");
    while (fetchUpTo(static_cast<long>(m_rows.size()))) {
    }
    m_current = m_rows.empty() ? 0 : static_cast<long>(m_rows.size()) - 1;
}

long CRecordset::GetRecordCount() const
{
    long seen = static_cast<long>(m_rows.size());
    return m_allFetched ? seen : std::min(seen, m_current + 1);
}

short CRecordset::GetODBCFieldCount() const { return m_statement ? static_cast<short>(m_statement->columns().size()) : 0; }

short CRecordset::indexOf(LPCTSTR fieldName) const
{
    if (m_statement && fieldName != nullptr) {
        const auto& cols = m_statement->columns();
        for (size_t i = 0; i < cols.size(); ++i) {
            if (zrxhost::equalsNoCase(cols[i].name, fieldName)) return static_cast<short>(i);
        }
    }
    CString msg;
    msg.Format("フィールド %s が見つかりません。", fieldName != nullptr ? fieldName : "");
    AfxThrowDBException(AFX_SQL_ERROR_FIELD_NOT_FOUND, msg);
}

const zrxodbc::Value& CRecordset::field(short index) const
{
    if (IsEOF() || IsBOF()) AfxThrowDBException(AFX_SQL_ERROR_NO_DATA_FOUND, "現在のレコードがありません。");
    const auto& row = m_rows[static_cast<size_t>(m_current)];
    if (index < 0 || static_cast<size_t>(index) >= row.size()) AfxThrowDBException(AFX_SQL_ERROR_FIELD_NOT_FOUND, "フィールドの番号が範囲外です。");
    return row[static_cast<size_t>(index)];
}

void CRecordset::GetFieldValue(LPCTSTR fieldName, CDBVariant& value, short fieldType) { GetFieldValue(indexOf(fieldName), value, fieldType); }

void CRecordset::GetFieldValue(short index, CDBVariant& value, short fieldType)
{
    const zrxodbc::Value& v = field(index);
    if (fieldType == DEFAULT_FIELD_TYPE || v.kind == zrxodbc::Value::Null) {
        assign(value, v);
        return;
    }
    if (fieldType == SQL_C_CHAR) {
        value.Clear();
        value.m_dwType = DBVT_STRING;
        value.m_pstring = new CString(asText(v));
        return;
    }
    // Numbers convert among themselves and from text that holds a number, as drivers do.
    double n = 0;
    switch (v.kind) {
    case zrxodbc::Value::Bool: n = v.b ? 1 : 0; break;
    case zrxodbc::Value::UChar: n = v.uc; break;
    case zrxodbc::Value::Short: n = v.s; break;
    case zrxodbc::Value::Long: n = v.l; break;
    case zrxodbc::Value::Single: n = v.f; break;
    case zrxodbc::Value::Double: n = v.d; break;
    case zrxodbc::Value::String: {
        char* end = nullptr;
        n = std::strtod(v.bytes.c_str(), &end);
        if (end == v.bytes.c_str()) AfxThrowDBException(AFX_SQL_ERROR, "数値に変換できない値です。", "State:22018,Native:0,Origin:[host]\n");
        break;
    }
    default: AfxThrowDBException(AFX_SQL_ERROR, "要求された型に変換できない値です。", "State:07006,Native:0,Origin:[host]\n");
    }
    zrxodbc::Value c;
    switch (fieldType) {
    case SQL_C_BIT: c.kind = zrxodbc::Value::Bool; c.b = n != 0; break;
    case SQL_C_UTINYINT: c.kind = zrxodbc::Value::UChar; c.uc = static_cast<unsigned char>(n); break;
    case SQL_C_SSHORT: c.kind = zrxodbc::Value::Short; c.s = static_cast<short>(n); break;
    case SQL_C_SLONG: c.kind = zrxodbc::Value::Long; c.l = static_cast<int32_t>(n); break;
    case SQL_C_FLOAT: c.kind = zrxodbc::Value::Single; c.f = static_cast<float>(n); break;
    case SQL_C_DOUBLE: c.kind = zrxodbc::Value::Double; c.d = n; break;
    default: AfxThrowDBException(AFX_SQL_ERROR, "要求された型に変換できない値です。", "State:07006,Native:0,Origin:[host]\n");
    }
    assign(value, c);
}

void CRecordset::GetFieldValue(LPCTSTR fieldName, CString& value) { GetFieldValue(indexOf(fieldName), value); }

void CRecordset::GetFieldValue(short index, CString& value) { value = asText(field(index)); }
