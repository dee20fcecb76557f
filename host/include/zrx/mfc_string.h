// CString and CStringArray with the MFC members the module uses. Text is UTF-8 and is handled
// as the multi-byte MFC build handles its code page: lengths, indices and counts are in bytes,
// and "without regard to case" folds ASCII letters only.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>
#include <vector>

#include "win_types.h"

class ZRX_API CString {
public:
    CString() = default;
    CString(const CString&) = default;
    CString(CString&&) noexcept = default;
    CString(const char* text) : m_text(text != nullptr ? text : "") {}
    CString(const char* text, int length);
    CString(char ch, int repeat = 1);
    CString(std::string_view text) : m_text(text) {}
    CString& operator=(const CString&) = default;
    CString& operator=(CString&&) noexcept = default;
    CString& operator=(const char* text);
    CString& operator=(char ch);

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    char GetAt(int index) const;
    void SetAt(int index, char ch);
    char operator[](int index) const { return GetAt(index); }
    operator LPCTSTR() const { return m_text.c_str(); }
    LPCTSTR GetString() const { return m_text.c_str(); }
    // The host's own view of the text.
    const std::string& str() const { return m_text; }

    // A writable buffer of at least minLength bytes; ReleaseBuffer takes the text back, up to
    // the first zero byte when newLength is -1.
    LPTSTR GetBuffer(int minLength = 0);
    LPTSTR GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

    CString& operator+=(const CString& text);
    CString& operator+=(const char* text);
    CString& operator+=(char ch);

    // printf formatting; a CString argument is passed as (LPCTSTR)text.
    void Format(LPCTSTR format, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(LPCTSTR format, va_list args);
    void AppendFormat(LPCTSTR format, ...) __attribute__((format(printf, 2, 3)));

    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    // <0, 0 or >0 by byte order; CompareNoCase folds ASCII letters first.
    int Compare(LPCTSTR text) const;
    int CompareNoCase(LPCTSTR text) const;

    // Byte index of the first match at or after start, -1 when there is none.
    int Find(char ch, int start = 0) const;
    int Find(LPCTSTR sub, int start = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCTSTR chars) const;

    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;
    CString SpanIncluding(LPCTSTR chars) const;
    CString SpanExcluding(LPCTSTR chars) const;

    // Trimming without arguments removes white space (blank, tab, CR, LF, VT, FF).
    CString& TrimLeft();
    CString& TrimLeft(char ch);
    CString& TrimLeft(LPCTSTR chars);
    CString& TrimRight();
    CString& TrimRight(char ch);
    CString& TrimRight(LPCTSTR chars);
    CString& Trim();
    CString& Trim(char ch);
    CString& Trim(LPCTSTR chars);

    // Each returns how many replacements or removals were made.
    int Replace(char oldCh, char newCh);
    int Replace(LPCTSTR oldText, LPCTSTR newText);
    int Remove(char ch);
    // Each returns the new length.
    int Insert(int index, char ch);
    int Insert(int index, LPCTSTR text);
    int Delete(int index, int count = 1);

    // The next token after start, skipping leading delimiters; start becomes -1 at the end.
    CString Tokenize(LPCTSTR delimiters, int& start) const;

private:
    std::string m_text;
};

ZRX_API CString operator+(const CString& a, const CString& b);
ZRX_API CString operator+(const CString& a, const char* b);
ZRX_API CString operator+(const char* a, const CString& b);
ZRX_API CString operator+(const CString& a, char b);
ZRX_API CString operator+(char a, const CString& b);

ZRX_API bool operator==(const CString& a, const CString& b);
ZRX_API bool operator==(const CString& a, const char* b);
ZRX_API bool operator==(const char* a, const CString& b);
ZRX_API bool operator!=(const CString& a, const CString& b);
ZRX_API bool operator!=(const CString& a, const char* b);
ZRX_API bool operator!=(const char* a, const CString& b);
ZRX_API bool operator<(const CString& a, const CString& b);
ZRX_API bool operator<(const CString& a, const char* b);
ZRX_API bool operator<(const char* a, const CString& b);
ZRX_API bool operator>(const CString& a, const CString& b);
ZRX_API bool operator>(const CString& a, const char* b);
ZRX_API bool operator>(const char* a, const CString& b);
ZRX_API bool operator<=(const CString& a, const CString& b);
ZRX_API bool operator>=(const CString& a, const CString& b);

// The MFC array of strings. Indices are INT_PTR; an index out of range is a programming
// error and is checked.
class ZRX_API CStringArray {
public:
    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_items.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    bool IsEmpty() const { return m_items.empty(); }
    void SetSize(INT_PTR newSize, INT_PTR growBy = -1);
    void RemoveAll() { m_items.clear(); }

    const CString& GetAt(INT_PTR index) const;
    CString& ElementAt(INT_PTR index);
    void SetAt(INT_PTR index, LPCTSTR text);
    // Sets the element, growing the array when the index is past its end.
    void SetAtGrow(INT_PTR index, LPCTSTR text);
    const CString& operator[](INT_PTR index) const { return GetAt(index); }
    CString& operator[](INT_PTR index) { return ElementAt(index); }
    const CString* GetData() const { return m_items.data(); }
    CString* GetData() { return m_items.data(); }

    // Index of the new element.
    INT_PTR Add(LPCTSTR text);
    INT_PTR Add(const CString& text);
    // Index of the first appended element.
    INT_PTR Append(const CStringArray& other);
    void Copy(const CStringArray& other);
    void InsertAt(INT_PTR index, LPCTSTR text, INT_PTR count = 1);
    void RemoveAt(INT_PTR index, INT_PTR count = 1);

private:
    std::vector<CString> m_items;
};
