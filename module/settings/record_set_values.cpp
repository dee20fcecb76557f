// Typed column values of a record set's current row, and the message of a column of an
// unexpected kind.
#include "settings/record_set_values.h"

#include <cstring>

bool TrevanComARX_DataGetValue(CRecordset& recordSet, LPCTSTR column, CString& value, bool /*ignored*/, bool trim)
{
    value.Empty();
    CDBVariant field;
    recordSet.GetFieldValue(column, field);
    if (field.m_dwType == DBVT_NULL) return false;
    if (field.m_dwType == DBVT_STRING) value = *field.m_pstring;
    else recordSet.GetFieldValue(column, value);
    if (trim) value.TrimRight();
    return true;
}

bool TrevanComARX_DataGetValue(CRecordset& recordSet, LPCTSTR column, LPTSTR buffer, bool ignored, bool trim)
{
    buffer[0] = '\0';
    CString text;
    if (!TrevanComARX_DataGetValue(recordSet, column, text, ignored, trim)) return false;
    std::memcpy(buffer, static_cast<LPCTSTR>(text), static_cast<size_t>(text.GetLength()) + 1);
    return true;
}

bool TrevanComARX_DataGetValue(CRecordset& recordSet, LPCTSTR column, int& value, bool /*ignored*/)
{
    value = 0;
    CDBVariant field;
    recordSet.GetFieldValue(column, field);
    switch (field.m_dwType) {
    case DBVT_NULL: return false;
    case DBVT_BOOL: value = field.m_boolVal ? 1 : 0; break;
    case DBVT_UCHAR: value = field.m_chVal; break;
    case DBVT_SHORT: value = field.m_iVal; break;
    case DBVT_LONG: value = static_cast<int>(field.m_lVal); break;
    // Out of the int range a real would be undefined to convert; it gives 0 like text.
    case DBVT_SINGLE:
        if (field.m_fltVal > -2147483648.0f && field.m_fltVal < 2147483648.0f) value = static_cast<int>(field.m_fltVal);
        break;
    case DBVT_DOUBLE:
        if (field.m_dblVal > -2147483649.0 && field.m_dblVal < 2147483648.0) value = static_cast<int>(field.m_dblVal);
        break;
    default: break;
    }
    return true;
}

bool TrevanComARX_DataGetValue(CRecordset& recordSet, LPCTSTR column, long& value, bool /*ignored*/)
{
    value = 0;
    CDBVariant field;
    recordSet.GetFieldValue(column, field);
    switch (field.m_dwType) {
    case DBVT_SHORT: value = field.m_iVal; return true;
    case DBVT_LONG: value = field.m_lVal; return true;
    default: return false;
    }
}

bool TrevanComARX_DataGetValue(CRecordset& recordSet, LPCTSTR column, double& value, bool /*ignored*/)
{
    value = 0;
    CDBVariant field;
    recordSet.GetFieldValue(column, field);
    switch (field.m_dwType) {
    case DBVT_SHORT: value = field.m_iVal; return true;
    case DBVT_LONG: value = static_cast<double>(field.m_lVal); return true;
    case DBVT_SINGLE: value = field.m_fltVal; return true;
    case DBVT_DOUBLE: value = field.m_dblVal; return true;
    default: return false;
    }
}

void TrevanComARX_DataValueErrMsg(int level, LPCTSTR column, int kind)
{
    static const char* const kLevels[] = {"", "Info:", "Warning:", "Error:"};
    static const char* const kKinds[] = {"DBVT_NULLです。",   "DBVT_BOOLです。",   "DBVT_UCHARです。", "DBVT_SHORTです。",
                                         "DBVT_LONGです。",   "DBVT_SINGLEです。", "DBVT_DOUBLEです。", "DBVT_DATEです。",
                                         "DBVT_STRINGです。", "DBVT_BINARYです。"};
    CString text = level >= 1 && level <= 3 ? kLevels[level] : "";
    text += column;
    text += "のタイプは";
    if (kind >= 0 && kind <= 9) text += kKinds[kind];
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}
