// Compiling and testing selection filters.
#include "editor/filter.h"

#include <cmath>
#include <sstream>

#include "dxf/entity_pairs.h"
#include "zrxhost/resbuf_kind.h"

#include "editor/wcmatch.h"
#include "util/text_case.h"
#include "zrxhost/contract.h"
#include "db/database_impl.h"
#include "db/record_name.h"

namespace zrxhost::ed {
namespace {

bool isRelational(const std::string& op)
{
    static const char* const kOps[] = {"*", "=", "!=", "/=", "<>", "<", "<=", ">", ">=", "&", "&="};
    for (const char* o : kOps) {
        if (op == o) return true;
    }
    return false;
}

std::vector<std::string> splitOps(const std::string& op, size_t count)
{
    std::vector<std::string> ops;
    std::stringstream in(op);
    for (std::string part; std::getline(in, part, ',');) ops.push_back(part);
    if (ops.size() == 1) ops.resize(count, ops[0]);
    return ops;
}

// One test of a group value after an optional relational operator.
bool readGroupTest(const resbuf*& rb, const std::string& op, std::vector<FilterNode>& out)
{
    FilterNode test;
    test.kind = FilterNode::kGroup;
    test.code = rb->restype;
    switch (zrxhost::rbValueKind(rb->restype)) {
    case zrxhost::RbValueKind::kString:
    case zrxhost::RbValueKind::kName:
        if (rb->resval.rstring == nullptr) return false;
        test.pattern = rb->resval.rstring;
        break;
    case zrxhost::RbValueKind::kReal: test.numbers = {rb->resval.rreal}; break;
    case zrxhost::RbValueKind::kShort: test.numbers = {double(rb->resval.rint)}; break;
    case zrxhost::RbValueKind::kLong: test.numbers = {double(rb->resval.rlong)}; break;
    case zrxhost::RbValueKind::kPoint:
        test.numbers = {rb->resval.rpoint[X], rb->resval.rpoint[Y], rb->resval.rpoint[Z]};
        break;
    default: return false;
    }
    test.ops = splitOps(op, test.numbers.empty() ? 1 : test.numbers.size());
    if (test.ops.size() != std::max<size_t>(1, test.numbers.size())) return false;
    for (const std::string& o : test.ops) {
        if (!isRelational(o) || (!test.pattern.empty() && o != "=" && o != "*" && o != "!=" && o != "/=" && o != "<>"))
            return false;
    }
    out.push_back(std::move(test));
    rb = rb->rbnext;
    return true;
}


// Reads items up to a closing operator (or the end at the top level).
bool readItems(const resbuf*& rb, std::vector<FilterNode>& out, const std::string& closer)
{
    while (rb != nullptr) {
        if (rb->restype == -4) {
            if (rb->resval.rstring == nullptr) return false;
            std::string op = upperAscii(rb->resval.rstring);
            if (!closer.empty() && op == closer) {
                rb = rb->rbnext;
                return true;
            }
            if (isRelational(splitOps(op, 1)[0])) {
                rb = rb->rbnext;
                if (rb == nullptr || !readGroupTest(rb, op, out)) return false;
                continue;
            }
            FilterNode group;
            std::string close;
            if (op == "<AND") group.kind = FilterNode::kAnd, close = "AND>";
            else if (op == "<OR") group.kind = FilterNode::kOr, close = "OR>";
            else if (op == "<XOR") group.kind = FilterNode::kXor, close = "XOR>";
            else if (op == "<NOT") group.kind = FilterNode::kNot, close = "NOT>";
            else return false;  // relational tests and stray closers
            rb = rb->rbnext;
            if (!readItems(rb, group.children, close)) return false;
            if (group.kind == FilterNode::kNot && group.children.size() != 1) return false;
            if (group.kind == FilterNode::kXor && group.children.size() != 2) return false;
            if (group.children.empty()) return false;
            out.push_back(std::move(group));
            continue;
        }
        FilterNode test;
        switch (rb->restype) {
        case 0:
        case RTDXF0: test.kind = FilterNode::kType; break;  // group 0 as a chain built by zcutBuildList names it
        case 2: test.kind = FilterNode::kBlock; break;
        case 6: test.kind = FilterNode::kLinetype; break;
        case 8: test.kind = FilterNode::kLayer; break;
        case 62: test.kind = FilterNode::kColor; break;
        case -3: test.kind = FilterNode::kApps; break;
        default:
            if (!readGroupTest(rb, "=", out)) return false;
            continue;
        }
        if (test.kind == FilterNode::kColor) {
            test.color = rb->resval.rint;
            rb = rb->rbnext;
        } else if (test.kind == FilterNode::kApps) {
            rb = rb->rbnext;
            while (rb != nullptr && rb->restype == 1001) {
                if (rb->resval.rstring == nullptr) return false;
                test.apps.emplace_back(rb->resval.rstring);
                rb = rb->rbnext;
            }
            if (test.apps.empty()) return false;
        } else {
            if (rb->resval.rstring == nullptr) return false;
            test.pattern = rb->resval.rstring;
            rb = rb->rbnext;
        }
        out.push_back(std::move(test));
    }
    return closer.empty();
}

std::string recordName(ZcDbObjectId id)
{
    auto* r = zrxhost::peek<ZcDbSymbolTableRecord>(id);
    return r != nullptr ? std::string(zrxhost::recordName(r)) : std::string();
}

bool compare(const std::string& op, double value, double wanted)
{
    if (op == "*") return true;
    if (op == "=") return value == wanted;
    if (op == "!=" || op == "/=" || op == "<>") return value != wanted;
    if (op == "<") return value < wanted;
    if (op == "<=") return value <= wanted;
    if (op == ">") return value > wanted;
    if (op == ">=") return value >= wanted;
    long long v = std::llround(value), w = std::llround(wanted);
    if (op == "&") return (v & w) != 0;
    return (v & w) == w;  // "&="
}

// Every value the entity holds under the group (a point as its three coordinates), tried
// until one passes: a list of vertices passes when one vertex does, as on the platform.
bool groupMatches(const FilterNode& f, const ZcDbEntity* e)
{
    zrx::dxf::KeptTags pairs = zrx::dxf::entityPairs(e);
    bool point = f.numbers.size() == 3;
    bool seen = false;
    for (size_t k = 0; k < pairs.size(); ++k) {
        if (pairs[k].code != f.code) continue;
        seen = true;
        if (f.numbers.empty()) {
            bool same = wildcardMatch(pairs[k].value, f.pattern, true);
            if (f.ops[0] == "*" || same == (f.ops[0] == "=")) return true;
            continue;
        }
        double v[3] = {std::strtod(pairs[k].value.c_str(), nullptr), 0, 0};
        if (point) {
            for (size_t d = 1; d < 3; ++d) {
                size_t n = k + d;
                if (n < pairs.size() && pairs[n].code == f.code + 10 * int(d)) v[d] = std::strtod(pairs[n].value.c_str(), nullptr);
            }
        }
        bool all = true;
        for (size_t d = 0; d < f.numbers.size() && all; ++d) all = compare(f.ops[d], v[d], f.numbers[d]);
        if (all) return true;
    }
    // A colour the file leaves out is BYLAYER.
    if (!seen && f.code == 62 && !f.numbers.empty()) return compare(f.ops[0], 256, f.numbers[0]);
    return false;
}

}  // namespace

std::optional<FilterNode> compileFilter(const resbuf* filter)
{
    FilterNode top;
    top.kind = FilterNode::kAnd;
    if (!readItems(filter, top.children, "")) return std::nullopt;
    return top;
}

bool filterMatches(const FilterNode& f, const ZcDbEntity* e)
{
    switch (f.kind) {
    case FilterNode::kAnd:
        for (const FilterNode& c : f.children) {
            if (!filterMatches(c, e)) return false;
        }
        return true;
    case FilterNode::kOr:
        for (const FilterNode& c : f.children) {
            if (filterMatches(c, e)) return true;
        }
        return false;
    case FilterNode::kXor: return filterMatches(f.children[0], e) != filterMatches(f.children[1], e);
    case FilterNode::kNot: return !filterMatches(f.children[0], e);
    case FilterNode::kType: return wildcardMatch(e->isA()->dxfName(), f.pattern, true);
    case FilterNode::kLayer: return wildcardMatch(recordName(e->layerId()), f.pattern, true);
    case FilterNode::kLinetype: return wildcardMatch(recordName(e->linetypeId()), f.pattern, true);
    case FilterNode::kBlock: {
        auto* ref = ZcDbBlockReference::cast(e);
        return ref != nullptr && wildcardMatch(recordName(ref->blockTableRecord()), f.pattern, true);
    }
    case FilterNode::kColor: return e->colorIndex() == f.color;
    case FilterNode::kGroup: return groupMatches(f, e);
    case FilterNode::kApps: {
        resbuf* xd = e->xData(nullptr);
        bool all = true;
        for (const std::string& app : f.apps) {
            bool found = false;
            for (resbuf* rb = xd; rb != nullptr && !found; rb = rb->rbnext) {
                if (rb->restype == 1001 && rb->resval.rstring != nullptr)
                    found = wildcardMatch(rb->resval.rstring, app, true);
            }
            all = all && found;
        }
        zcutRelRb(xd);
        return all;
    }
    }
    return false;
}

}  // namespace zrxhost::ed
