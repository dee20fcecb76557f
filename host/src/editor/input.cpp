// The prompt functions: points, corners, distances, angles, numbers, text and keywords.
#include <cmath>
#include <cstring>

#include "editor/cursor.h"
#include "editor/editor.h"
#include "zrx/ed_input.h"

namespace zrxhost::ed {
namespace {

void copyPoint(const ZcGePoint3d& p, ads_point out)
{
    out[X] = p.x;
    out[Y] = p.y;
    out[Z] = p.z;
}

// What a text answer is when it is not the value asked for: a keyword (RTKWORD), or any
// text when RSG_OTHER allows it; nothing otherwise.
std::optional<int> keywordAnswer(const InitGet& init, const std::string& text)
{
    if (auto kw = matchKeyword(init, text)) {
        setLastInput(*kw);
        return RTKWORD;
    }
    if (init.bits & RSG_OTHER) {
        setLastInput(text);
        return RTKWORD;
    }
    return std::nullopt;
}

// Enter: RTNONE, unless the question must be answered.
std::optional<int> enterAnswer(const InitGet& init, const char* required)
{
    if (!(init.bits & RSG_NONULL)) return RTNONE;
    if (!reject(required, "")) return RTCAN;
    return std::nullopt;
}

// A number within the initget limits, or the message why not.
const char* numberLimit(const InitGet& init, double v)
{
    if ((init.bits & RSG_NOZERO) && v == 0.0) return "Value must be nonzero.";
    if ((init.bits & RSG_NONEG) && v < 0.0) return "Value must be positive.";
    return nullptr;
}

int askPoint(const ads_point /*base*/, const char* prompt, ads_point result, const char* fallback, const InitGet& init)
{
    for (;;) {
        Answer a = ask(prompt, fallback);
        if (a.kind == Answer::kCancel) return RTCAN;
        if (a.kind == Answer::kEnter) {
            if (auto r = enterAnswer(init, "Requires a point.")) return *r;
            continue;
        }
        if (auto p = parsePoint(a.text)) {
            if (init.bits & RSG_2D) p->z = 0.0;
            copyPoint(*p, result);
            noteLastPoint(*p);
            clickAt(*p);
            return RTNORM;
        }
        if (auto r = keywordAnswer(init, a.text)) return *r;
        if (!reject("Point or option keyword required.", a.text)) return RTCAN;
    }
}

// A number, or a point measured from base (asked for first when there is none).
int askMeasure(const ads_point base, const char* prompt, ads_real* result, const InitGet& init, bool angle)
{
    for (;;) {
        Answer a = ask(prompt, angle ? "\nSpecify angle: " : "\nSpecify distance: ");
        if (a.kind == Answer::kCancel) return RTCAN;
        if (a.kind == Answer::kEnter) {
            if (auto r = enterAnswer(init, angle ? "Requires an angle." : "Requires numeric distance or two points."))
                return *r;
            continue;
        }
        std::optional<double> value;
        if (auto v = parseReal(a.text)) {
            value = angle ? *v * M_PI / 180.0 : *v;
        } else if (auto p = parsePoint(a.text)) {
            ZcGePoint3d from;
            if (base != nullptr) {
                from.set(base[X], base[Y], base[Z]);
            } else {
                from = *p;
                ads_point second;
                InitGet none;
                int rc = askPoint(nullptr, "\nSpecify second point: ", second, "", none);
                if (rc != RTNORM) return rc == RTNONE ? RTCAN : rc;
                p = ZcGePoint3d(second[X], second[Y], second[Z]);
            }
            ZcGeVector3d d = *p - from;
            value = angle ? std::atan2(d.y, d.x) : std::hypot(d.x, d.y, (init.bits & RSG_2D) ? 0.0 : d.z);
            if (angle && *value < 0) *value += 2 * M_PI;
        } else if (auto r = keywordAnswer(init, a.text)) {
            return *r;
        } else {
            if (!reject(angle ? "Requires valid numeric angle or second point." : "Requires numeric distance or second point.",
                        a.text))
                return RTCAN;
            continue;
        }
        if (const char* why = numberLimit(init, *value)) {
            if (!reject(why, a.text)) return RTCAN;
            continue;
        }
        *result = *value;
        return RTNORM;
    }
}

int copyText(const std::string& text, char* result, size_t bufLen)
{
    if (result == nullptr || bufLen == 0) return RTERROR;
    if (text.size() + 1 > bufLen) {
        std::memcpy(result, text.data(), bufLen - 1);
        result[bufLen - 1] = '\0';
        return RTINPUTTRUNCATED;
    }
    std::memcpy(result, text.c_str(), text.size() + 1);
    return RTNORM;
}

}  // namespace
}  // namespace zrxhost::ed

using namespace zrxhost::ed;

int zcedGetPoint(const ads_point pt, const char* prompt, ads_point result)
{
    InitGet init = takeInitGet();
    return askPoint(pt, prompt, result, "\nSpecify point: ", init);
}

int zcedGetCorner(const ads_point pt, const char* prompt, ads_point result)
{
    InitGet init = takeInitGet();
    if (pt == nullptr) return RTERROR;
    return askPoint(pt, prompt, result, "\nSpecify opposite corner: ", init);
}

int zcedGetDist(const ads_point pt, const char* prompt, ads_real* result)
{
    InitGet init = takeInitGet();
    return askMeasure(pt, prompt, result, init, false);
}

int zcedGetAngle(const ads_point pt, const char* prompt, ads_real* result)
{
    InitGet init = takeInitGet();
    return askMeasure(pt, prompt, result, init, true);
}

int zcedGetReal(const char* prompt, ads_real* result)
{
    InitGet init = takeInitGet();
    for (;;) {
        Answer a = ask(prompt, "\nEnter a number: ");
        if (a.kind == Answer::kCancel) return RTCAN;
        if (a.kind == Answer::kEnter) {
            if (auto r = enterAnswer(init, "Requires numeric value.")) return *r;
            continue;
        }
        if (auto v = parseReal(a.text)) {
            if (const char* why = numberLimit(init, *v)) {
                if (!reject(why, a.text)) return RTCAN;
                continue;
            }
            *result = *v;
            return RTNORM;
        }
        if (auto r = keywordAnswer(init, a.text)) return *r;
        if (!reject("Requires numeric value.", a.text)) return RTCAN;
    }
}

int zcedGetInt(const char* prompt, int* result)
{
    InitGet init = takeInitGet();
    for (;;) {
        Answer a = ask(prompt, "\nEnter an integer: ");
        if (a.kind == Answer::kCancel) return RTCAN;
        if (a.kind == Answer::kEnter) {
            if (auto r = enterAnswer(init, "Requires an integer value.")) return *r;
            continue;
        }
        if (auto v = parseInt(a.text)) {
            if (*v < -32768 || *v > 32767) {
                if (!reject("Requires an integer between -32768 and 32767.", a.text)) return RTCAN;
                continue;
            }
            if (const char* why = numberLimit(init, *v)) {
                if (!reject(why, a.text)) return RTCAN;
                continue;
            }
            *result = *v;
            return RTNORM;
        }
        if (auto r = keywordAnswer(init, a.text)) return *r;
        if (!reject("Requires an integer value.", a.text)) return RTCAN;
    }
}

int zcedGetString(int cronly, const char* prompt, char* result, size_t bufLen)
{
    takeInitGet();
    Answer a = ask(prompt, "\nEnter text: ");
    if (a.kind == Answer::kCancel) return RTCAN;
    std::string text = a.text;
    if (!cronly) text = text.substr(0, text.find(' '));
    return copyText(text, result, bufLen);
}

int zcedGetString(int cronly, const char* prompt, char* result) { return zcedGetString(cronly, prompt, result, 133); }

int zcedGetKword(const char* prompt, char* result, size_t bufLen)
{
    InitGet init = takeInitGet();
    for (;;) {
        Answer a = ask(prompt, "\nEnter an option: ");
        if (a.kind == Answer::kCancel) return RTCAN;
        if (a.kind == Answer::kEnter) {
            if (auto r = enterAnswer(init, "Invalid option keyword.")) {
                if (*r == RTNONE && result != nullptr && bufLen > 0) result[0] = '\0';
                return *r;
            }
            continue;
        }
        if (auto kw = matchKeyword(init, a.text)) {
            setLastInput(*kw);
            return copyText(*kw, result, bufLen);
        }
        if (init.bits & RSG_OTHER) {
            setLastInput(a.text);
            return copyText(a.text, result, bufLen);
        }
        if (!reject("Invalid option keyword.", a.text)) return RTCAN;
    }
}

int zcedGetKword(const char* prompt, char* result) { return zcedGetKword(prompt, result, 133); }
