// CString and CStringArray.
#include "zrx/mfc_string.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "util/text_case.h"

namespace {
const char* const kWhiteSpace = " \t\r\n\v\f";

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// MFC clamps the arguments of Left/Mid/Right rather than failing.
size_t clampIndex(int index, size_t size)
{
    if (index < 0) return 0;
    return std::min(static_cast<size_t>(index), size);
}

int byteCompare(std::string_view a, std::string_view b)
{
    int r = a.compare(b);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}
}  // namespace

CString::CString(const char* text, int length)
{
    if (text != nullptr && length > 0) m_text.assign(text, static_cast<size_t>(length));
}

CString::CString(char ch, int repeat) { if (repeat > 0) m_text.assign(static_cast<size_t>(repeat), ch); }

CString& CString::operator=(const char* text)
{
    m_text = text != nullptr ? text : "";
    return *this;
}

CString& CString::operator=(char ch)
{
    m_text.assign(1, ch);
    return *this;
}

char CString::GetAt(int index) const
{
    if (index < 0 || static_cast<size_t>(index) >= m_text.size()) throw std::out_of_range("CString::GetAt");
    return m_text[static_cast<size_t>(index)];
}

void CString::SetAt(int index, char ch)
{
    if (index < 0 || static_cast<size_t>(index) >= m_text.size()) throw std::out_of_range("CString::SetAt");
    m_text[static_cast<size_t>(index)] = ch;
}

LPTSTR CString::GetBuffer(int minLength)
{
    // One extra byte so that callers may write the terminating zero at minLength.
    size_t size = std::max(m_text.size(), static_cast<size_t>(std::max(minLength, 0)));
    m_text.resize(size + 1, '\0');
    m_text.resize(size);
    return m_text.data();
}

LPTSTR CString::GetBufferSetLength(int length)
{
    m_text.resize(static_cast<size_t>(std::max(length, 0)));
    return GetBuffer(length);
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0) {
        m_text.resize(std::strlen(m_text.c_str()));
    } else {
        m_text.resize(std::min(static_cast<size_t>(newLength), m_text.size()));
    }
}

CString& CString::operator+=(const CString& text)
{
    m_text += text.m_text;
    return *this;
}

CString& CString::operator+=(const char* text)
{
    if (text != nullptr) m_text += text;
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_text += ch;
    return *this;
}

void CString::Format(LPCTSTR format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(LPCTSTR format, va_list args)
{
    va_list count;
    va_copy(count, args);
    int n = std::vsnprintf(nullptr, 0, format, count);
    va_end(count);
    if (n < 0) {
        m_text.clear();
        return;
    }
    std::string out(static_cast<size_t>(n) + 1, '\0');
    std::vsnprintf(out.data(), out.size(), format, args);
    out.resize(static_cast<size_t>(n));
    m_text = std::move(out);
}

void CString::AppendFormat(LPCTSTR format, ...)
{
    CString tail;
    va_list args;
    va_start(args, format);
    tail.FormatV(format, args);
    va_end(args);
    m_text += tail.m_text;
}

CString& CString::MakeUpper()
{
    for (char& c : m_text) c = upperAscii(c);
    return *this;
}

CString& CString::MakeLower()
{
    for (char& c : m_text) c = lowerAscii(c);
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(m_text.begin(), m_text.end());
    return *this;
}

int CString::Compare(LPCTSTR text) const { return byteCompare(m_text, text != nullptr ? text : ""); }

int CString::CompareNoCase(LPCTSTR text) const { return zrxhost::compareNoCase(m_text, text != nullptr ? text : ""); }

int CString::Find(char ch, int start) const
{
    if (start < 0 || static_cast<size_t>(start) >= m_text.size()) return -1;
    size_t at = m_text.find(ch, static_cast<size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Find(LPCTSTR sub, int start) const
{
    if (sub == nullptr || start < 0 || static_cast<size_t>(start) > m_text.size()) return -1;
    size_t at = m_text.find(sub, static_cast<size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char ch) const
{
    size_t at = m_text.rfind(ch);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::FindOneOf(LPCTSTR chars) const
{
    if (chars == nullptr || *chars == '\0') return -1;
    size_t at = m_text.find_first_of(chars);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

CString CString::Left(int count) const { return CString(std::string_view(m_text).substr(0, clampIndex(count, m_text.size()))); }

CString CString::Mid(int first) const { return CString(std::string_view(m_text).substr(clampIndex(first, m_text.size()))); }

CString CString::Mid(int first, int count) const
{
    size_t from = clampIndex(first, m_text.size());
    return CString(std::string_view(m_text).substr(from, clampIndex(count, m_text.size() - from)));
}

CString CString::Right(int count) const
{
    size_t n = clampIndex(count, m_text.size());
    return CString(std::string_view(m_text).substr(m_text.size() - n));
}

CString CString::SpanIncluding(LPCTSTR chars) const
{
    size_t end = m_text.find_first_not_of(chars != nullptr ? chars : "");
    return CString(std::string_view(m_text).substr(0, end));
}

CString CString::SpanExcluding(LPCTSTR chars) const
{
    if (chars == nullptr || *chars == '\0') return *this;
    size_t end = m_text.find_first_of(chars);
    return CString(std::string_view(m_text).substr(0, end));
}

CString& CString::TrimLeft() { return TrimLeft(kWhiteSpace); }
CString& CString::TrimLeft(char ch) { const char set[2] = {ch, '\0'}; return TrimLeft(set); }
CString& CString::TrimLeft(LPCTSTR chars)
{
    size_t first = m_text.find_first_not_of(chars != nullptr ? chars : "");
    m_text.erase(0, first == std::string::npos ? m_text.size() : first);
    return *this;
}

CString& CString::TrimRight() { return TrimRight(kWhiteSpace); }
CString& CString::TrimRight(char ch) { const char set[2] = {ch, '\0'}; return TrimRight(set); }
CString& CString::TrimRight(LPCTSTR chars)
{
    size_t last = m_text.find_last_not_of(chars != nullptr ? chars : "");
    m_text.erase(last == std::string::npos ? 0 : last + 1);
    return *this;
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(char ch) { return TrimRight(ch).TrimLeft(ch); }
CString& CString::Trim(LPCTSTR chars) { return TrimRight(chars).TrimLeft(chars); }

int CString::Replace(char oldCh, char newCh)
{
    int n = 0;
    if (oldCh == newCh) return 0;
    for (char& c : m_text) {
        if (c == oldCh) {
            c = newCh;
            ++n;
        }
    }
    return n;
}

int CString::Replace(LPCTSTR oldText, LPCTSTR newText)
{
    if (oldText == nullptr || *oldText == '\0') return 0;
    std::string_view from(oldText);
    std::string_view to(newText != nullptr ? newText : "");
    std::string out;
    int n = 0;
    size_t pos = 0;
    for (size_t at; (at = m_text.find(from, pos)) != std::string::npos; pos = at + from.size()) {
        out.append(m_text, pos, at - pos);
        out.append(to);
        ++n;
    }
    if (n == 0) return 0;
    out.append(m_text, pos, std::string::npos);
    m_text = std::move(out);
    return n;
}

int CString::Remove(char ch)
{
    size_t before = m_text.size();
    m_text.erase(std::remove(m_text.begin(), m_text.end(), ch), m_text.end());
    return static_cast<int>(before - m_text.size());
}

int CString::Insert(int index, char ch)
{
    m_text.insert(clampIndex(index, m_text.size()), 1, ch);
    return GetLength();
}

int CString::Insert(int index, LPCTSTR text)
{
    if (text != nullptr) m_text.insert(clampIndex(index, m_text.size()), text);
    return GetLength();
}

int CString::Delete(int index, int count)
{
    size_t from = clampIndex(index, m_text.size());
    m_text.erase(from, clampIndex(count, m_text.size() - from));
    return GetLength();
}

CString CString::Tokenize(LPCTSTR delimiters, int& start) const
{
    if (start < 0 || static_cast<size_t>(start) >= m_text.size()) {
        start = -1;
        return CString();
    }
    const char* delims = delimiters != nullptr ? delimiters : "";
    size_t from = m_text.find_first_not_of(delims, static_cast<size_t>(start));
    if (from == std::string::npos) {
        start = -1;
        return CString();
    }
    size_t to = *delims == '\0' ? std::string::npos : m_text.find_first_of(delims, from);
    if (to == std::string::npos) to = m_text.size();
    start = static_cast<int>(std::min(to + 1, m_text.size() + 1));
    return CString(std::string_view(m_text).substr(from, to - from));
}

CString operator+(const CString& a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, const char* b) { CString r(a); r += b; return r; }
CString operator+(const char* a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, char b) { CString r(a); r += b; return r; }
CString operator+(char a, const CString& b) { CString r(a); r += b; return r; }

bool operator==(const CString& a, const CString& b) { return a.str() == b.str(); }
bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
bool operator==(const char* a, const CString& b) { return b.Compare(a) == 0; }
bool operator!=(const CString& a, const CString& b) { return !(a == b); }
bool operator!=(const CString& a, const char* b) { return !(a == b); }
bool operator!=(const char* a, const CString& b) { return !(a == b); }
bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
bool operator<(const CString& a, const char* b) { return a.Compare(b) < 0; }
bool operator<(const char* a, const CString& b) { return b.Compare(a) > 0; }
bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
bool operator>(const CString& a, const char* b) { return a.Compare(b) > 0; }
bool operator>(const char* a, const CString& b) { return b.Compare(a) < 0; }
bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }

// CStringArray

namespace {
size_t checkedIndex(INT_PTR index, size_t size, const char* what)
{
    if (index < 0 || static_cast<size_t>(index) >= size) throw std::out_of_range(what);
    return static_cast<size_t>(index);
}
}  // namespace

void CStringArray::SetSize(INT_PTR newSize, INT_PTR /*growBy*/)
{
    m_items.resize(static_cast<size_t>(std::max<INT_PTR>(newSize, 0)));
}

const CString& CStringArray::GetAt(INT_PTR index) const { return m_items[checkedIndex(index, m_items.size(), "CStringArray::GetAt")]; }

CString& CStringArray::ElementAt(INT_PTR index) { return m_items[checkedIndex(index, m_items.size(), "CStringArray::ElementAt")]; }

void CStringArray::SetAt(INT_PTR index, LPCTSTR text) { ElementAt(index) = text; }

void CStringArray::SetAtGrow(INT_PTR index, LPCTSTR text)
{
    if (index < 0) throw std::out_of_range("CStringArray::SetAtGrow");
    if (static_cast<size_t>(index) >= m_items.size()) m_items.resize(static_cast<size_t>(index) + 1);
    m_items[static_cast<size_t>(index)] = text;
}

INT_PTR CStringArray::Add(LPCTSTR text)
{
    m_items.emplace_back(text);
    return GetUpperBound();
}

INT_PTR CStringArray::Add(const CString& text)
{
    m_items.push_back(text);
    return GetUpperBound();
}

INT_PTR CStringArray::Append(const CStringArray& other)
{
    INT_PTR first = GetSize();
    // A copy first: the array may be appended to itself.
    std::vector<CString> items = other.m_items;
    m_items.insert(m_items.end(), items.begin(), items.end());
    return first;
}

void CStringArray::Copy(const CStringArray& other)
{
    if (this != &other) m_items = other.m_items;
}

void CStringArray::InsertAt(INT_PTR index, LPCTSTR text, INT_PTR count)
{
    if (index < 0 || count < 0) throw std::out_of_range("CStringArray::InsertAt");
    // Inserting past the end grows the array first, as MFC does.
    if (static_cast<size_t>(index) > m_items.size()) m_items.resize(static_cast<size_t>(index));
    m_items.insert(m_items.begin() + index, static_cast<size_t>(count), CString(text));
}

void CStringArray::RemoveAt(INT_PTR index, INT_PTR count)
{
    if (index < 0 || count < 0 || static_cast<size_t>(index + count) > m_items.size())
        throw std::out_of_range("CStringArray::RemoveAt");
    m_items.erase(m_items.begin() + index, m_items.begin() + index + count);
}
