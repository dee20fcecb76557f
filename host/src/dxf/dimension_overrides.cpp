// Reading and writing the modelled DSTYLE overrides of a dimension.
#include "dxf/dimension_overrides.h"

#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

namespace zrx::dxf {

namespace {

constexpr int kDimasz = 41;
constexpr int kDimscale = 40;

bool isText(const resbuf* rb, int code, std::string_view value)
{
    return rb->restype == code && rb->resval.rstring != nullptr && value == rb->resval.rstring;
}

resbuf* newVariable(int code)
{
    resbuf* rb = zcutNewRb(1070);
    rb->resval.rint = static_cast<short>(code);
    return rb;
}

resbuf* newReal(double v)
{
    resbuf* rb = zcutNewRb(1040);
    rb->resval.rreal = v;
    return rb;
}

resbuf* newText(int code, const char* s)
{
    resbuf* rb = zcutNewRb(code);
    rb->resval.rstring = static_cast<char*>(std::malloc(std::strlen(s) + 1));
    std::strcpy(rb->resval.rstring, s);
    return rb;
}

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
        } else if (inStyle && t.code == 1070 && i + 1 < r.size() && r[i + 1].code == 1040) {
            int64_t variable = 0;
            double value = 0.0;
            // A value that is no number is the xdata reader's to report.
            if (!parseInt(t.value, variable) || !parseDouble(r[i + 1].value, value)) continue;
            if (variable == kDimasz) out.dimasz = value;
            if (variable == kDimscale) out.dimscale = value;
            ++i;
        }
    }
    return out;
}

resbuf* withDimOverrides(resbuf* xdata, const DimOverrides& overrides)
{
    std::vector<resbuf*> in;
    for (resbuf* rb = xdata; rb != nullptr; rb = rb->rbnext) in.push_back(rb);
    std::vector<resbuf*> out;
    std::vector<resbuf*> dropped;
    bool setAsz = false;
    bool setScale = false;
    auto addMissing = [&] {
        if (overrides.dimasz && !setAsz) {
            out.push_back(newVariable(kDimasz));
            out.push_back(newReal(*overrides.dimasz));
        }
        if (overrides.dimscale && !setScale) {
            out.push_back(newVariable(kDimscale));
            out.push_back(newReal(*overrides.dimscale));
        }
        setAsz = setScale = true;
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
        } else if (inStyle && rb->restype == 1070 && i + 1 < in.size() && in[i + 1]->restype == 1040) {
            const int variable = rb->resval.rint;
            const std::optional<double>* value = variable == kDimasz ? &overrides.dimasz
                                                 : variable == kDimscale ? &overrides.dimscale
                                                                         : nullptr;
            if (value != nullptr) {
                (variable == kDimasz ? setAsz : setScale) = true;
                if (value->has_value()) {
                    in[i + 1]->resval.rreal = **value;
                } else {
                    dropped.push_back(rb);
                    dropped.push_back(in[i + 1]);
                    ++i;
                    continue;
                }
            }
            out.push_back(rb);
            out.push_back(in[i + 1]);
            ++i;
            continue;
        }
        out.push_back(rb);
    }
    if (inAcad) acadEnd = out.size();
    if (!sawStyle && (overrides.dimasz || overrides.dimscale)) {
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
