// MFC's file search (CFileFind) and file status (CFile::GetStatus and SetStatus), on Windows
// paths mapped by the host like every file service of win_files.h.
#pragma once

#include <ctime>
#include <memory>

#include "mfc_exception.h"
#include "win_files.h"

class ZRX_API CTime {
public:
    CTime() = default;
    CTime(time_t t) : m_time(t) {}
    static CTime GetCurrentTime() { return CTime(std::time(nullptr)); }
    time_t GetTime() const { return m_time; }
    bool operator==(const CTime& o) const { return m_time == o.m_time; }
    bool operator!=(const CTime& o) const { return m_time != o.m_time; }
    bool operator<(const CTime& o) const { return m_time < o.m_time; }

private:
    time_t m_time = 0;
};

struct CFileStatus {
    CTime m_ctime;
    CTime m_mtime;
    CTime m_atime;
    LONGLONG m_size;
    BYTE m_attribute;  // CFile::Attribute bits
    BYTE m_padding;
    TCHAR m_szFullName[MAX_PATH];
};

class ZRX_API CFile : public CObject {
public:
    DECLARE_DYNAMIC(CFile)
    enum Attribute { normal = 0x00, readOnly = 0x01, hidden = 0x02, system = 0x04, volume = 0x08, directory = 0x10,
                     archive = 0x20 };
    // FALSE when there is no such file.
    static BOOL GetStatus(LPCTSTR fileName, CFileStatus& status);
    // Sets the attributes and, when given, the modification time; throws CFileException.
    static void SetStatus(LPCTSTR fileName, const CFileStatus& status);
};

class ZRX_API CFileFind : public CObject {
public:
    DECLARE_DYNAMIC(CFileFind)
    CFileFind();
    ~CFileFind() override;
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // Starts a search ("*.*" when no pattern is given); FALSE when nothing matches.
    BOOL FindFile(LPCTSTR pattern = nullptr, DWORD unused = 0);
    // Moves to the next match; FALSE when the match it moved to is the last one, which is
    // still valid, as MFC's search has it.
    BOOL FindNextFile();
    void Close();

    CString GetFileName() const;
    CString GetFilePath() const;
    CString GetFileTitle() const;
    CString GetRoot() const;
    ULONGLONG GetLength() const;
    BOOL MatchesMask(DWORD mask) const;
    BOOL IsDirectory() const { return MatchesMask(FILE_ATTRIBUTE_DIRECTORY); }
    BOOL IsReadOnly() const { return MatchesMask(FILE_ATTRIBUTE_READONLY); }
    BOOL IsHidden() const { return MatchesMask(FILE_ATTRIBUTE_HIDDEN); }
    BOOL IsSystem() const { return MatchesMask(FILE_ATTRIBUTE_SYSTEM); }
    BOOL IsArchived() const { return MatchesMask(FILE_ATTRIBUTE_ARCHIVE); }
    BOOL IsNormal() const { return MatchesMask(FILE_ATTRIBUTE_NORMAL); }
    // "." or "..".
    BOOL IsDots() const;

private:
    HANDLE m_search = nullptr;
    std::unique_ptr<WIN32_FIND_DATAA> m_found;
    std::unique_ptr<WIN32_FIND_DATAA> m_next;
    bool m_hasNext = false;
    CString m_root;
};
