// MFC exceptions. MFC throws them as pointers to heap objects; the catcher calls Delete().
#pragma once

#include "mfc_object.h"
#include "mfc_string.h"

class ZRX_API CException : public CObject {
public:
    DECLARE_DYNAMIC(CException)
    CException() = default;
    // Copies the message, cut to the buffer; FALSE when there is none.
    virtual BOOL GetErrorMessage(LPTSTR buffer, UINT size, UINT* helpContext = nullptr) const;
    // Shows the message in a message box; the box's answer.
    virtual int ReportError(UINT type = 0x30 /* MB_ICONEXCLAMATION */, UINT messageId = 0) const;
    void Delete() { delete this; }

protected:
    CString m_message;
};

// Thrown by dialog data exchange when a value is refused; the user has been told already.
class ZRX_API CUserException : public CException {
public:
    DECLARE_DYNAMIC(CUserException)
};

class ZRX_API CFileException : public CException {
public:
    DECLARE_DYNAMIC(CFileException)
    enum { none, genericException, fileNotFound, badPath, tooManyOpenFiles, accessDenied, invalidFile,
           removeCurrentDir, directoryFull, badSeek, hardIO, sharingViolation, lockViolation, diskFull,
           endOfFile };
    CFileException(int cause = none, LONG osError = -1, LPCTSTR fileName = nullptr);
    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

[[noreturn]] ZRX_API void AfxThrowUserException();
[[noreturn]] ZRX_API void AfxThrowFileException(int cause, LONG osError = -1, LPCTSTR fileName = nullptr);

#define TRY try
#define CATCH(cls, e) catch (cls * e)
#define AND_CATCH(cls, e) catch (cls * e)
#define END_CATCH
#define CATCH_ALL(e) catch (CException * e)
#define AND_CATCH_ALL(e) catch (CException * e)
#define END_CATCH_ALL
#define THROW_LAST() throw
