// Compiling and testing selection filters.
#include "editor/filter.h"

#include "editor/wcmatch.h"
#include "util/text_case.h"
#include "zrxhost/contract.h"
#include "db/database_impl.h"
#include "db/record_name.h"

namespace zrxhost::ed {
namespace {

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
        default: return false;
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
