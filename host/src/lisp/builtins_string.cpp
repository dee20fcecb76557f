// The string family. Positions and lengths count characters (UTF-8 code points).
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "editor/wcmatch.h"
#include "lisp/interp.h"
#include "lisp/reader.h"
#include "lisp/units.h"
#include "util/utf8.h"

namespace zrxhost::lisp {
namespace {

std::vector<std::string> characters(const std::string& s)
{
    std::vector<std::string> out;
    for (size_t i = 0; i < s.size();) {
        size_t start = i;
        nextCodePoint(s, i);
        out.push_back(s.substr(start, i - start));
    }
    return out;
}

ValuePtr substr(const Args& a)
{
    arity(a, 2, 3);
    std::vector<std::string> chars = characters(str(a[0]));
    int32_t start = integer(a[1]);
    if (start < 1) fail("bad argument value: positive " + print(a[1]));
    int64_t count = a.size() == 3 ? integer(a[2]) : INT32_MAX;
    if (count < 0) fail("bad argument value: non-negative " + print(a[2]));
    std::string out;
    for (int64_t k = start - 1; k < static_cast<int64_t>(chars.size()) && k < start - 1 + count; ++k)
        out += chars[static_cast<size_t>(k)];
    return makeStr(out);
}

ValuePtr strcase(const Args& a)
{
    arity(a, 1, 2);
    std::string s = str(a[0]);
    bool lower = a.size() == 2 && !a[1]->isNil();
    for (char& c : s) {
        if (lower && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (!lower && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return makeStr(s);
}

ValuePtr atoi(const Args& a)
{
    arity(a, 1, 1);
    long long v = std::strtoll(str(a[0]).c_str(), nullptr, 10);
    return makeInt(static_cast<int32_t>(static_cast<uint32_t>(v)));
}

ValuePtr atof(const Args& a)
{
    arity(a, 1, 1);
    double v = std::strtod(str(a[0]).c_str(), nullptr);
    return makeReal(std::isfinite(v) ? v : 0.0);
}

// The mode and precision an rtos or angtos call asks for, else the drawing's.
std::pair<int, int> unitsOf(const Args& a, const char* modeVar, const char* precVar, int lo, int hi)
{
    int mode = a.size() >= 2 ? integer(a[1]) : sysvarInt(modeVar);
    int prec = a.size() >= 3 ? integer(a[2]) : sysvarInt(precVar);
    if (mode < lo || mode > hi) fail("bad argument value: " + print(a[1]));
    if (prec < 0 || prec > 8) fail("bad argument value: " + print(a[2]));
    return {mode, prec};
}

ValuePtr rtos(const Args& a)
{
    arity(a, 1, 3);
    double v = num(a[0]);
    auto [mode, prec] = unitsOf(a, "LUNITS", "LUPREC", 1, 5);
    return makeStr(formatDistance(v, mode, prec));
}

ValuePtr angtos(const Args& a)
{
    arity(a, 1, 3);
    double v = num(a[0]);
    auto [mode, prec] = unitsOf(a, "AUNITS", "AUPREC", 0, 4);
    return makeStr(formatAngle(v, mode, prec));
}

ValuePtr distof(const Args& a)
{
    arity(a, 1, 2);
    int mode = a.size() == 2 ? integer(a[1]) : sysvarInt("LUNITS");
    std::optional<double> v = parseDistance(str(a[0]), mode);
    return v ? makeReal(*v) : nil();
}

ValuePtr chr(const Args& a)
{
    arity(a, 1, 1);
    int32_t code = integer(a[0]);
    if (code <= 0 || code > 0x10FFFF) return makeStr("");
    return makeStr(utf8Of(static_cast<char32_t>(code)));
}

ValuePtr ascii(const Args& a)
{
    arity(a, 1, 1);
    const std::string& s = str(a[0]);
    if (s.empty()) return makeInt(0);
    size_t i = 0;
    return makeInt(static_cast<int32_t>(nextCodePoint(s, i)));
}

// A character position as a byte offset, and back.
size_t byteOffset(const std::string& s, int32_t chars)
{
    size_t i = 0;
    for (int32_t k = 0; k < chars && i < s.size(); ++k) nextCodePoint(s, i);
    return i;
}

int32_t charIndex(const std::string& s, size_t bytes)
{
    int32_t n = 0;
    for (size_t i = 0; i < bytes;) {
        nextCodePoint(s, i);
        ++n;
    }
    return n;
}

ValuePtr search(const Args& a)
{
    arity(a, 2, 3);
    const std::string& pattern = str(a[0]);
    const std::string& s = str(a[1]);
    size_t from = a.size() == 3 ? byteOffset(s, std::max(0, integer(a[2]))) : 0;
    size_t at = s.find(pattern, from);
    return at == std::string::npos ? nil() : makeInt(charIndex(s, at));
}

ValuePtr substitute(const Args& a)
{
    arity(a, 3, 4);
    const std::string& with = str(a[0]);
    const std::string& pattern = str(a[1]);
    std::string s = str(a[2]);
    size_t from = a.size() == 4 ? byteOffset(s, std::max(0, integer(a[3]))) : 0;
    size_t at = s.find(pattern, from);
    if (at != std::string::npos) s.replace(at, pattern.size(), with);
    return makeStr(s);
}

// (read "text"): the first expression of the text, unevaluated.
ValuePtr read(const Args& a)
{
    arity(a, 1, 1);
    Reader reader(str(a[0]));
    try {
        return reader.atEnd() ? nil() : reader.read();
    } catch (const Incomplete&) {
        fail("malformed list on input");
    } catch (const ReadError& e) {
        fail(e.what());
    }
}

}  // namespace

void addStringFunctions(Builtins& b)
{
    define(b, "STRCAT", [](const Args& a) {
        std::string s;
        for (const ValuePtr& v : a) s += str(v);
        return makeStr(s);
    });
    define(b, "STRLEN", [](const Args& a) {
        int32_t n = 0;
        for (const ValuePtr& v : a) n += charIndex(str(v), str(v).size());
        return makeInt(n);
    });
    define(b, "SUBSTR", substr);
    define(b, "STRCASE", strcase);
    define(b, "ITOA", [](const Args& a) {
        arity(a, 1, 1);
        return makeStr(std::to_string(integer(a[0])));
    });
    define(b, "ATOI", atoi);
    define(b, "ATOF", atof);
    define(b, "RTOS", rtos);
    define(b, "ANGTOS", angtos);
    define(b, "DISTOF", distof);
    define(b, "CHR", chr);
    define(b, "ASCII", ascii);
    define(b, "VL-STRING-SEARCH", search);
    define(b, "VL-STRING-SUBST", substitute);
    define(b, "WCMATCH", [](const Args& a) {
        arity(a, 2, 2);
        return truth(ed::wildcardMatch(str(a[0]), str(a[1]), false));
    });
    define(b, "READ", read);
    define(b, "VL-PRINC-TO-STRING", [](const Args& a) {
        arity(a, 1, 1);
        return makeStr(princText(a[0]));
    });
    define(b, "VL-PRIN1-TO-STRING", [](const Args& a) {
        arity(a, 1, 1);
        return makeStr(print(a[0]));
    });
}

}  // namespace zrxhost::lisp
