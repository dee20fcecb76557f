// MFC exceptions.
#include "zrx/mfc_exception.h"

#include <algorithm>
#include <cstring>

#include "zrx/win_boxes.h"

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CUserException, CException)
IMPLEMENT_DYNAMIC(CFileException, CException)

BOOL CException::GetErrorMessage(LPTSTR buffer, UINT size, UINT* helpContext) const
{
    if (helpContext != nullptr) *helpContext = 0;
    if (buffer == nullptr || size == 0) return FALSE;
    size_t n = std::min<size_t>(static_cast<size_t>(m_message.GetLength()), size - 1);
    std::memcpy(buffer, m_message.GetString(), n);
    buffer[n] = '\0';
    return m_message.IsEmpty() ? FALSE : TRUE;
}

int CException::ReportError(UINT type, UINT /*messageId*/) const
{
    return AfxMessageBox(m_message.IsEmpty() ? "予期しないエラーが発生しました。" : m_message.GetString(), type);
}

CFileException::CFileException(int cause, LONG osError, LPCTSTR fileName)
    : m_cause(cause), m_lOsError(osError), m_strFileName(fileName)
{
    m_message.Format("%s: file error %d", m_strFileName.GetString(), cause);
}

void AfxThrowUserException() { throw new CUserException; }

void AfxThrowFileException(int cause, LONG osError, LPCTSTR fileName) { throw new CFileException(cause, osError, fileName); }
