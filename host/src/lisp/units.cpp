// Distances and angles as text in the platform's unit modes.
#include "lisp/units.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "zrx/ed_sysvars.h"
#include "zrx/zc_resbuf.h"

namespace zrxhost::lisp {
namespace {

std::string fixed(double v, int prec)
{
    char buf[512];
    std::snprintf(buf, sizeof buf, "%.*f", prec, v);
    std::string s = buf;
    // No "-0.00": a value that rounds to zero has no sign.
    if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    return s;
}

// Whole units and a fraction of at most 1/2^prec, reduced: "5 1/2", "5", "1/4".
std::string fraction(double v, int prec)
{
    long den = 1L << prec;
    long long total = std::llround(v * static_cast<double>(den));
    long long whole = total / den;
    long long num = total % den;
    while (num != 0 && num % 2 == 0) {
        num /= 2;
        den /= 2;
    }
    std::string out = whole != 0 || num == 0 ? std::to_string(whole) : "";
    if (num != 0) out += (out.empty() ? "" : " ") + std::to_string(num) + "/" + std::to_string(den);
    return out;
}

std::string dms(double degrees, int prec)
{
    double d = std::floor(degrees + 1e-12);
    double minutes = (degrees - d) * 60.0;
    if (prec == 0) return fixed(std::round(degrees), 0) + "d";
    double m = std::floor(minutes + 1e-9);
    if (prec <= 2) return fixed(d, 0) + "d" + fixed(std::round(minutes), 0) + "'";
    double seconds = (minutes - m) * 60.0;
    int secPrec = prec <= 4 ? 0 : prec - 4;
    return fixed(d, 0) + "d" + fixed(m, 0) + "'" + fixed(seconds, secPrec) + "\"";
}

}  // namespace

std::string formatDistance(double v, int mode, int prec)
{
    switch (mode) {
    case 1: {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.*E", prec, v);
        return buf;
    }
    case 3:
    case 4: {
        std::string sign = v < 0 ? "-" : "";
        double a = std::fabs(v);
        double feet = std::floor(a / 12.0);
        double inches = a - feet * 12.0;
        std::string in = mode == 3 ? fixed(inches, prec) : fraction(inches, prec);
        return sign + fixed(feet, 0) + "'-" + in + "\"";
    }
    case 5: return (v < 0 ? "-" : "") + fraction(std::fabs(v), prec);
    default: return fixed(v, prec);
    }
}

std::string formatAngle(double radians, int mode, int prec)
{
    double turn = 2.0 * M_PI;
    double a = std::fmod(radians, turn);
    if (a < 0) a += turn;
    double degrees = a * 180.0 / M_PI;
    switch (mode) {
    case 1: return dms(degrees, prec);
    case 2: return fixed(degrees * 400.0 / 360.0, prec) + "g";
    case 3: return fixed(a, prec) + "r";
    case 4: {
        if (std::fabs(degrees - 90) < 1e-9) return "N";
        if (std::fabs(degrees - 270) < 1e-9) return "S";
        if (degrees < 1e-9 || std::fabs(degrees - 360) < 1e-9) return "E";
        if (std::fabs(degrees - 180) < 1e-9) return "W";
        if (degrees < 90) return "N " + dms(90 - degrees, prec) + " E";
        if (degrees < 180) return "N " + dms(degrees - 90, prec) + " W";
        if (degrees < 270) return "S " + dms(270 - degrees, prec) + " W";
        return "S " + dms(degrees - 270, prec) + " E";
    }
    default: return fixed(degrees, prec);
    }
}

std::optional<double> parseDistance(const std::string& text, int mode)
{
    (void)mode;  // every form is accepted whatever the mode, as the platform does
    const char* p = text.c_str();
    while (*p == ' ') ++p;
    char* end = nullptr;
    double first = std::strtod(p, &end);
    if (end == p) return std::nullopt;
    double feet = 0, inches = 0;
    const char* q = end;
    if (*q == '\'') {
        feet = first;
        ++q;
        if (*q == '-') ++q;
        if (*q == '\0') return feet * 12.0;
        inches = std::strtod(q, &end);
        if (end == q) return std::nullopt;
        q = end;
    } else {
        inches = first;
    }
    // A fraction: "5 1/2" or "1/2".
    if (*q == ' ' || *q == '/') {
        double whole = *q == '/' ? 0 : inches;
        double num = *q == '/' ? inches : std::strtod(q, &end);
        if (*q == ' ') q = end;
        if (*q != '/') return std::nullopt;
        double den = std::strtod(q + 1, &end);
        if (end == q + 1 || den == 0) return std::nullopt;
        inches = whole + (whole < 0 ? -num / den : num / den);
        q = end;
    }
    if (*q == '"') ++q;
    while (*q == ' ') ++q;
    if (*q != '\0' || !std::isfinite(inches)) return std::nullopt;
    return feet * 12.0 + inches;
}

int sysvarInt(const char* name)
{
    resbuf rb{};
    if (zcedGetVar(name, &rb) != RTNORM) return 0;
    if (rb.restype == RTSHORT) return rb.resval.rint;
    if (rb.restype == RTLONG) return rb.resval.rlong;
    if (rb.restype == RTSTR) std::free(rb.resval.rstring);
    return 0;
}

}  // namespace zrxhost::lisp
