// LISP values as text, the way the platform's LISP prints them.
#include <cmath>
#include <cstdio>

#include "lisp/value.h"

namespace zrxhost::lisp {
namespace {

std::string quoted(const std::string& s)
{
    std::string out = "\"";
    for (char c : s) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\x1b': out += "\\e"; break;
        default: out += c;
        }
    }
    return out + "\"";
}

std::string address(const void* p)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "@%08llx", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(p) & 0xffffffffu));
    return buf;
}

std::string printAtom(const Value& v, bool escape)
{
    switch (v.kind) {
    case Value::kNil: return "nil";
    case Value::kT: return "T";
    case Value::kInt: return std::to_string(v.i);
    case Value::kReal: return printReal(v.r);
    case Value::kStr: return escape ? quoted(v.s) : v.s;
    case Value::kSym: return v.s;
    case Value::kEname: {
        char buf[40];
        std::snprintf(buf, sizeof buf, "<Entity name: %llx>", static_cast<unsigned long long>(v.name[1]));
        return buf;
    }
    case Value::kPickset: return "<Selection set: " + std::to_string(v.name[1]) + ">";
    case Value::kSubr: return "#<SUBR " + address(v.fn.get()) + " " + v.fn->name + ">";
    case Value::kUsubr: return "#<USUBR " + address(v.fn.get()) + " " + (v.fn->name.empty() ? "-lambda-" : v.fn->name) + ">";
    case Value::kError: return "#<%catch-all-apply-error%>";
    case Value::kFile: return "#<FILE " + address(v.file.get()) + ">";
    case Value::kList: break;
    }
    return "";
}

std::string printValue(const Value& v, bool escape)
{
    if (v.kind != Value::kList) return printAtom(v, escape);
    std::string out = "(";
    const Value* p = &v;
    for (bool first = true; p->kind == Value::kList; p = p->cdr.get(), first = false) {
        if (!first) out += ' ';
        out += printValue(*p->car, escape);
    }
    if (p->kind != Value::kNil) out += " . " + printAtom(*p, escape);
    return out + ")";
}

}  // namespace

std::string printReal(double r)
{
    if (std::isnan(r)) return "-1.#IND";
    if (std::isinf(r)) return r > 0 ? "1.#INF" : "-1.#INF";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.6g", r);
    std::string s = buf;
    size_t e = s.find('e');
    std::string mantissa = e == std::string::npos ? s : s.substr(0, e);
    if (mantissa.find('.') == std::string::npos) mantissa += ".0";
    if (e == std::string::npos) return mantissa;
    // The platform writes three exponent digits: 1.0e+020.
    std::string sign = s.substr(e + 1, 1);
    std::string digits = s.substr(e + 2);
    while (digits.size() < 3) digits.insert(0, "0");
    return mantissa + "e" + sign + digits;
}

std::string print(const ValuePtr& v) { return printValue(*v, true); }
std::string princText(const ValuePtr& v) { return printValue(*v, false); }

}  // namespace zrxhost::lisp
