// The LISP reader.
#pragma once

#include <stdexcept>
#include <string_view>

#include "lisp/value.h"

namespace zrxhost::lisp {

// The text ends inside an expression.
struct Incomplete {};
struct ReadError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Reader {
public:
    explicit Reader(std::string_view text);
    bool atEnd();
    // The next expression; throws Incomplete or ReadError.
    ValuePtr read();
    // The line (1-based) where the expression read last, or being read, starts.
    int startLine() const;

private:
    void skipSpace();
    ValuePtr readNested(char open);
    ValuePtr readAtom(char first);
    char escape();
    static ValuePtr atom(const std::string& word);
    std::string_view m_text;
    size_t m_pos = 0;
    size_t m_start = 0;  // where the outermost expression being read began
    int m_depth = 0;  // lists and quotes open
};

}  // namespace zrxhost::lisp
