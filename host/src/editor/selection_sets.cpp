// Selection sets and the set functions of the C interface.
#include "editor/selection_sets.h"

#include <algorithm>
#include <map>

#include "editor/editor.h"
#include "zrx/ed_selection.h"

namespace zrxhost::ed {
namespace {
std::map<int64_t, SelectionSet>& sets()
{
    static auto* s = new std::map<int64_t, SelectionSet>;
    return *s;
}
int64_t g_nextNumber = 1;
}  // namespace

bool isSelectionSetName(const ads_name name) { return name != nullptr && name[0] == kSelectionSetTag; }

SelectionSet* findSet(const ads_name name)
{
    if (!isSelectionSetName(name)) return nullptr;
    auto it = sets().find(name[1]);
    return it != sets().end() ? &it->second : nullptr;
}

bool newSet(std::vector<ZcDbObjectId> ids, ads_name name)
{
    if (static_cast<int>(sets().size()) >= kMaxSelectionSets) return false;
    int64_t n = g_nextNumber++;
    sets()[n].ids = std::move(ids);
    name[0] = kSelectionSetTag;
    name[1] = n;
    return true;
}

bool freeSet(const ads_name name) { return isSelectionSetName(name) && sets().erase(name[1]) == 1; }

void holdByLisp(const ads_name name)
{
    if (SelectionSet* s = findSet(name)) s->heldByLisp = true;
}

std::vector<int64_t> setsHeldByPlugins()
{
    std::vector<int64_t> out;
    for (const auto& [n, s] : sets()) {
        if (!s.heldByLisp) out.push_back(n);
    }
    return out;
}

void freeSetByNumber(int64_t number) { sets().erase(number); }

std::vector<ZcDbObjectId>& previousSelection()
{
    static std::vector<ZcDbObjectId> previous;
    return previous;
}

}  // namespace zrxhost::ed

using namespace zrxhost::ed;

int zcedSSFree(const ads_name sname) { return freeSet(sname) ? RTNORM : RTERROR; }

int zcedSSLength(const ads_name sname, int32_t* len)
{
    SelectionSet* s = findSet(sname);
    if (s == nullptr || len == nullptr) return RTERROR;
    *len = static_cast<int32_t>(s->ids.size());
    return RTNORM;
}

int zcedSSName(const ads_name ss, int32_t i, ads_name entres)
{
    SelectionSet* s = findSet(ss);
    if (s == nullptr || i < 0 || static_cast<size_t>(i) >= s->ids.size()) return RTERROR;
    nameOf(s->ids[static_cast<size_t>(i)], entres);
    return RTNORM;
}

int zcedSSAdd(const ads_name ename, const ads_name sname, ads_name result)
{
    if (ename == nullptr && sname == nullptr) return newSet({}, result) ? RTNORM : RTERROR;
    ZcDbObjectId id = idOf(ename);
    if (id.isNull()) return RTERROR;
    if (sname == nullptr) return newSet({id}, result) ? RTNORM : RTERROR;
    SelectionSet* s = findSet(sname);
    if (s == nullptr) return RTERROR;
    if (std::find(s->ids.begin(), s->ids.end(), id) == s->ids.end()) s->ids.push_back(id);
    result[0] = sname[0];
    result[1] = sname[1];
    return RTNORM;
}

int zcedSSDel(const ads_name ename, const ads_name ss)
{
    SelectionSet* s = findSet(ss);
    ZcDbObjectId id = idOf(ename);
    if (s == nullptr) return RTERROR;
    auto it = std::find(s->ids.begin(), s->ids.end(), id);
    if (it == s->ids.end()) return RTERROR;
    s->ids.erase(it);
    return RTNORM;
}

int zcedSSMemb(const ads_name ename, const ads_name ss)
{
    SelectionSet* s = findSet(ss);
    ZcDbObjectId id = idOf(ename);
    if (s == nullptr || id.isNull()) return RTERROR;
    return std::find(s->ids.begin(), s->ids.end(), id) != s->ids.end() ? RTNORM : RTERROR;
}
