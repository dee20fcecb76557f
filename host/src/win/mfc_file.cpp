// CFileFind and CFile's status, over the host's Windows file services.
#include "zrx/mfc_file.h"

#include <sys/stat.h>
#include <utime.h>

#include <algorithm>
#include <cstring>

#include "win/windows_path.h"

IMPLEMENT_DYNAMIC(CFile, CObject)
IMPLEMENT_DYNAMIC(CFileFind, CObject)

BOOL CFile::GetStatus(LPCTSTR fileName, CFileStatus& status)
{
    status = CFileStatus{};
    auto r = zrxhost::resolveWindowsPath(fileName != nullptr ? fileName : "");
    struct stat st {};
    if (!r || ::stat(r->host.c_str(), &st) != 0) return FALSE;
    DWORD a = GetFileAttributesA(fileName);
    if (a == INVALID_FILE_ATTRIBUTES) return FALSE;
    status.m_ctime = CTime(st.st_mtime);
    status.m_mtime = CTime(st.st_mtime);
    status.m_atime = CTime(st.st_atime);
    status.m_size = S_ISDIR(st.st_mode) ? 0 : static_cast<LONGLONG>(st.st_size);
    // The status byte has no "normal" bit: a file with no attribute reads 0.
    status.m_attribute = static_cast<BYTE>(a & 0x3F & ~static_cast<DWORD>(volume));
    std::strncpy(status.m_szFullName, r->windows.c_str(), MAX_PATH - 1);
    return TRUE;
}

void CFile::SetStatus(LPCTSTR fileName, const CFileStatus& status)
{
    DWORD current = GetFileAttributesA(fileName);
    if (current == INVALID_FILE_ATTRIBUTES) AfxThrowFileException(CFileException::fileNotFound, static_cast<LONG>(GetLastError()), fileName);
    DWORD wanted = status.m_attribute & (readOnly | hidden | system | archive);
    if ((current & (readOnly | hidden | system | archive)) != wanted && !SetFileAttributesA(fileName, wanted))
        AfxThrowFileException(CFileException::accessDenied, static_cast<LONG>(GetLastError()), fileName);
    if (status.m_mtime.GetTime() != 0) {
        auto r = zrxhost::resolveWindowsPath(fileName);
        struct utimbuf times {status.m_atime.GetTime() != 0 ? status.m_atime.GetTime() : status.m_mtime.GetTime(), status.m_mtime.GetTime()};
        if (!r || ::utime(r->host.c_str(), &times) != 0)
            AfxThrowFileException(CFileException::accessDenied, static_cast<LONG>(ERROR_ACCESS_DENIED), fileName);
    }
}

CFileFind::CFileFind() = default;

CFileFind::~CFileFind() { Close(); }

BOOL CFileFind::FindFile(LPCTSTR pattern, DWORD /*unused*/)
{
    Close();
    CString p = pattern != nullptr ? pattern : "*.*";
    m_next = std::make_unique<WIN32_FIND_DATAA>();
    m_search = FindFirstFileA(p, m_next.get());
    if (m_search == INVALID_HANDLE_VALUE) {
        m_search = nullptr;
        m_next.reset();
        return FALSE;
    }
    m_hasNext = true;
    // The root is the folder part of the pattern, made full, so that paths of matches are full.
    int sep = std::max(p.ReverseFind('\\'), p.ReverseFind('/'));
    CString folder = sep >= 0 ? p.Left(sep + 1) : (p.GetLength() >= 2 && p[1] == ':' ? p.Left(2) : CString("."));
    char full[MAX_PATH] = {};
    m_root = GetFullPathNameA(folder, MAX_PATH, full, nullptr) > 0 ? CString(full) : folder;
    while (m_root.GetLength() > 3 && m_root.Right(1) == "\\") m_root = m_root.Left(m_root.GetLength() - 1);
    return TRUE;
}

BOOL CFileFind::FindNextFile()
{
    if (m_search == nullptr || !m_hasNext) return FALSE;
    m_found = std::move(m_next);
    m_next = std::make_unique<WIN32_FIND_DATAA>();
    m_hasNext = ::FindNextFileA(m_search, m_next.get()) != FALSE;
    return m_hasNext ? TRUE : FALSE;
}

void CFileFind::Close()
{
    if (m_search != nullptr) FindClose(m_search);
    m_search = nullptr;
    m_found.reset();
    m_next.reset();
    m_hasNext = false;
}

CString CFileFind::GetFileName() const { return m_found ? CString(m_found->cFileName) : CString(); }

CString CFileFind::GetFilePath() const
{
    if (!m_found) return CString();
    CString root = m_root;
    if (root.Right(1) != "\\") root += "\\";
    return root + m_found->cFileName;
}

CString CFileFind::GetFileTitle() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot > 0 ? name.Left(dot) : name;
}

CString CFileFind::GetRoot() const { return m_root; }

ULONGLONG CFileFind::GetLength() const
{
    return m_found ? (static_cast<ULONGLONG>(m_found->nFileSizeHigh) << 32) | m_found->nFileSizeLow : 0;
}

BOOL CFileFind::MatchesMask(DWORD mask) const { return m_found && (m_found->dwFileAttributes & mask) != 0 ? TRUE : FALSE; }

BOOL CFileFind::IsDots() const
{
    if (!m_found || !IsDirectory()) return FALSE;
    return std::strcmp(m_found->cFileName, ".") == 0 || std::strcmp(m_found->cFileName, "..") == 0 ? TRUE : FALSE;
}
