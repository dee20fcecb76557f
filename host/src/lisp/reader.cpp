// Reading LISP text into values.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <stdexcept>

#include "lisp/reader.h"
#include "util/text_case.h"

namespace zrxhost::lisp {

Reader::Reader(std::string_view text) : m_text(text) {}

void Reader::skipSpace()
{
    while (m_pos < m_text.size()) {
        char c = m_text[m_pos];
        if (c == ';') {
            while (m_pos < m_text.size() && m_text[m_pos] != '\n') ++m_pos;
        } else if (std::isspace(static_cast<unsigned char>(c))) {
            ++m_pos;
        } else {
            return;
        }
    }
}

bool Reader::atEnd()
{
    skipSpace();
    return m_pos >= m_text.size();
}

int Reader::startLine() const
{
    size_t end = std::min(m_start, m_text.size());
    return 1 + static_cast<int>(std::count(m_text.begin(), m_text.begin() + static_cast<long>(end), '\n'));
}

ValuePtr Reader::read()
{
    skipSpace();
    if (m_depth == 0) m_start = m_pos;
    if (m_pos >= m_text.size()) throw Incomplete();
    char c = m_text[m_pos];
    if (c == '(' || c == '\'') {
        if (m_depth >= kMaxNesting) throw ReadError(kNestingError);
        ++m_depth;
        ValuePtr v = readNested(c);
        --m_depth;
        return v;
    }
    return readAtom(c);
}

ValuePtr Reader::readNested(char c)
{
    if (c == '(') {
        ++m_pos;
        std::vector<ValuePtr> items;
        ValuePtr tail;
        for (;;) {
            skipSpace();
            if (m_pos >= m_text.size()) throw Incomplete();
            if (m_text[m_pos] == ')') {
                ++m_pos;
                return makeList(items, tail);
            }
            if (tail) throw ReadError("malformed dotted pair");
            if (m_text[m_pos] == '.' && m_pos + 1 < m_text.size() &&
                (std::isspace(static_cast<unsigned char>(m_text[m_pos + 1])) || m_text[m_pos + 1] == '(')) {
                ++m_pos;
                if (items.empty()) throw ReadError("malformed dotted pair");
                tail = read();
                continue;
            }
            items.push_back(read());
        }
    }
    ++m_pos;
    return makeList({makeSym("QUOTE"), read()});
}

ValuePtr Reader::readAtom(char c)
{
    if (c == ')') {
        ++m_pos;
        throw ReadError("extra right paren on input");
    }
    if (c == '"') {
        ++m_pos;
        std::string s;
        while (m_pos < m_text.size() && m_text[m_pos] != '"') {
            char ch = m_text[m_pos++];
            if (ch == '\\' && m_pos < m_text.size()) ch = escape();
            s += ch;
        }
        if (m_pos >= m_text.size()) throw Incomplete();
        ++m_pos;
        return makeStr(std::move(s));
    }
    size_t start = m_pos;
    while (m_pos < m_text.size() && !std::isspace(static_cast<unsigned char>(m_text[m_pos])) &&
           m_text[m_pos] != '(' && m_text[m_pos] != ')' && m_text[m_pos] != '\'' && m_text[m_pos] != '"' &&
           m_text[m_pos] != ';')
        ++m_pos;
    std::string word(m_text.substr(start, m_pos - start));
    return atom(word);
}

// After a backslash: \n \r \t \e, \nnn in octal, or the character itself (\\ and \").
char Reader::escape()
{
    char e = m_text[m_pos++];
    switch (e) {
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case 'e': return '\x1b';
    default: break;
    }
    if (e < '0' || e > '7') return e;
    int code = e - '0';
    for (int k = 0; k < 2 && m_pos < m_text.size() && m_text[m_pos] >= '0' && m_text[m_pos] <= '7'; ++k)
        code = code * 8 + (m_text[m_pos++] - '0');
    return static_cast<char>(code);
}

ValuePtr Reader::atom(const std::string& word)
{
    std::string digits = !word.empty() && word[0] == '+' ? word.substr(1) : word;
    int64_t i = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), i);
    if (ec == std::errc() && end == digits.data() + digits.size() && !digits.empty()) {
        // Integers past 32 bits read as reals, as the platform's reader does.
        if (i >= INT32_MIN && i <= INT32_MAX) return makeInt(static_cast<int32_t>(i));
        return makeReal(static_cast<double>(i));
    }
    bool numeric = !digits.empty();
    bool digit = false;
    for (char c : digits) {
        if (std::isdigit(static_cast<unsigned char>(c))) digit = true;
        else if (c != '.' && c != 'e' && c != 'E' && c != '-' && c != '+') numeric = false;
    }
    if (numeric && digit) {
        double r = 0;
        auto res = std::from_chars(digits.data(), digits.data() + digits.size(), r);
        if (res.ec == std::errc() && res.ptr == digits.data() + digits.size()) return makeReal(r);
    }
    std::string name = upperAscii(word);
    if (name == "NIL") return nil();
    if (name == "T") return t();
    return makeSym(name);
}

}  // namespace zrxhost::lisp
