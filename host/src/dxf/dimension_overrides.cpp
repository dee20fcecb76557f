// Reading and writing the modelled DSTYLE overrides of a dimension.
#include "dxf/dimension_overrides.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "dxf/tag_writer.h"

namespace zrx::dxf {

namespace {

// One modelled variable: its group code, the xdata code of its value, and its override.
struct Variable {
    int code;
    int valueCode;  // 1040 real, 1070 integer, 1005 handle
    bool set;
    double real = 0.0;
    uint64_t whole = 0;
};

std::vector<Variable> variablesOf(const DimOverrides& o)
{
    return {{40, 1040, o.dimscale.has_value(), o.dimscale.value_or(0.0)},
            {41, 1040, o.dimasz.has_value(), o.dimasz.value_or(0.0)},
            {173, 1070, o.dimsah.has_value(), 0.0, o.dimsah.value_or(false) ? 1u : 0u},
            {342, 1005, o.dimblk.has_value(), 0.0, o.dimblk.value_or(0)},
            {343, 1005, o.dimblk1.has_value(), 0.0, o.dimblk1.value_or(0)},
            {344, 1005, o.dimblk2.has_value(), 0.0, o.dimblk2.value_or(0)}};
}

bool isText(const resbuf* rb, int code, std::string_view value)
{
    return rb->restype == code && rb->resval.rstring != nullptr && value == rb->resval.rstring;
}

resbuf* newText(int code, const std::string& s)
{
    resbuf* rb = zcutNewRb(code);
    rb->resval.rstring = static_cast<char*>(std::malloc(s.size() + 1));
    std::strcpy(rb->resval.rstring, s.c_str());
    return rb;
}

resbuf* newValue(const Variable& v)
{
    if (v.valueCode == 1005) return newText(1005, formatHandle(v.whole));
    resbuf* rb = zcutNewRb(v.valueCode);
    if (v.valueCode == 1040) rb->resval.rreal = v.real;
    else rb->resval.rint = static_cast<short>(v.whole);
    return rb;
}

resbuf* newVariable(int code)
{
    resbuf* rb = zcutNewRb(1070);
    rb->resval.rint = static_cast<short>(code);
    return rb;
}

Variable* find(std::vector<Variable>& vars, int code)
{
    for (Variable& v : vars) {
        if (v.code == code) return &v;
    }
    return nullptr;
}

bool isValueCode(int code) { return code == 1040 || code == 1070 || code == 1005; }

}  // namespace

DimOverrides readDimOverrides(const Record& r)
{
    DimOverrides out;
    bool inAcad = false;
    bool inStyle = false;
    for (size_t i = 0; i < r.size(); ++i) {
        const Tag& t = r[i];
        if (t.code == 1001) {
            inAcad = t.value == "ACAD";
            inStyle = false;
        } else if (inAcad && t.code == 1000 && t.value == "DSTYLE") {
            inStyle = true;
        } else if (inStyle && t.code == 1002 && t.value == "}") {
            inStyle = false;
        } else if (inStyle && t.code == 1070 && i + 1 < r.size() && isValueCode(r[i + 1].code)) {
            int64_t variable = 0;
            const Tag& value = r[i + 1];
            ++i;
            // A value that is no number is the xdata reader's to report.
            if (!parseInt(t.value, variable)) continue;
            double real = 0.0;
            int64_t whole = 0;
            uint64_t handle = 0;
            if (value.code == 1040 && parseDouble(value.value, real)) {
                if (variable == 41) out.dimasz = real;
                if (variable == 40) out.dimscale = real;
            } else if (value.code == 1070 && parseInt(value.value, whole)) {
                if (variable == 173) out.dimsah = whole != 0;
            } else if (value.code == 1005 && parseHandle(value.value, handle)) {
                if (variable == 342) out.dimblk = handle;
                if (variable == 343) out.dimblk1 = handle;
                if (variable == 344) out.dimblk2 = handle;
            }
        }
    }
    return out;
}

resbuf* withDimOverrides(resbuf* xdata, const DimOverrides& overrides)
{
    std::vector<Variable> vars = variablesOf(overrides);
    std::vector<bool> written(vars.size(), false);
    std::vector<resbuf*> in;
    for (resbuf* rb = xdata; rb != nullptr; rb = rb->rbnext) in.push_back(rb);
    std::vector<resbuf*> out;
    std::vector<resbuf*> dropped;
    auto addMissing = [&] {
        for (size_t k = 0; k < vars.size(); ++k) {
            if (vars[k].set && !written[k]) {
                out.push_back(newVariable(vars[k].code));
                out.push_back(newValue(vars[k]));
            }
            written[k] = true;
        }
    };
    bool inAcad = false;
    bool sawAcad = false;
    bool inStyle = false;
    bool sawStyle = false;
    size_t acadEnd = 0;  // where a new DSTYLE group goes
    for (size_t i = 0; i < in.size(); ++i) {
        resbuf* rb = in[i];
        if (rb->restype == 1001) {
            if (inAcad) acadEnd = out.size();
            inAcad = isText(rb, 1001, "ACAD");
            sawAcad = sawAcad || inAcad;
            inStyle = false;
        } else if (inAcad && isText(rb, 1000, "DSTYLE")) {
            inStyle = sawStyle = true;
        } else if (inStyle && isText(rb, 1002, "}")) {
            addMissing();
            inStyle = false;
        } else if (inStyle && rb->restype == 1070 && i + 1 < in.size() && isValueCode(in[i + 1]->restype)) {
            Variable* v = find(vars, rb->resval.rint);
            if (v == nullptr) {
                out.push_back(rb);
            } else {
                written[static_cast<size_t>(v - vars.data())] = true;
                dropped.push_back(in[i + 1]);
                if (v->set) {
                    out.push_back(rb);
                    out.push_back(newValue(*v));
                } else {
                    dropped.push_back(rb);
                }
                ++i;
                continue;
            }
            out.push_back(in[i + 1]);
            ++i;
            continue;
        }
        out.push_back(rb);
    }
    if (inAcad) acadEnd = out.size();
    bool anySet = false;
    for (const Variable& v : vars) anySet = anySet || v.set;
    if (!sawStyle && anySet) {
        std::vector<resbuf*> group;
        if (!sawAcad) group.push_back(newText(1001, "ACAD"));
        group.push_back(newText(1000, "DSTYLE"));
        group.push_back(newText(1002, "{"));
        std::swap(out, group);
        addMissing();
        out.push_back(newText(1002, "}"));
        std::swap(out, group);
        out.insert(out.begin() + static_cast<std::ptrdiff_t>(sawAcad ? acadEnd : out.size()), group.begin(), group.end());
    }
    for (resbuf* rb : dropped) {
        rb->rbnext = nullptr;
        zcutRelRb(rb);
    }
    for (size_t i = 0; i < out.size(); ++i) out[i]->rbnext = i + 1 < out.size() ? out[i + 1] : nullptr;
    return out.empty() ? nullptr : out[0];
}

}  // namespace zrx::dxf
