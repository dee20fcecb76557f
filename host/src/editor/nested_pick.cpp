// Picks that reach into block references: zcedNEntSel and zcedNEntSelP.
#include <limits>
#include <memory>

#include "db/access.h"
#include "db/database_impl.h"
#include "editor/editor.h"
#include "editor/geometry.h"
#include "editor/pick.h"
#include "editor/ucs_state.h"
#include "editor/view_state.h"
#include "zrx/ed_input.h"
#include "zrxhost/contract.h"

namespace zrxhost::ed {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// Nested references deeper than this are drawn by no one; it stops a block that holds a
// reference to itself.
constexpr int kMaxDepth = 32;

struct Candidate {
    NestedHit hit;
    double distance = kInf;
};

double distanceFrom(const ZcDbEntity* e, const ZcGeMatrix3d& toWorld, const ZcGePoint3d& p)
{
    if (toWorld.isEqualTo(ZcGeMatrix3d::kIdentity)) return entityDistance(e, p);
    ZcDbEntity* raw = nullptr;
    if (e->getTransformedCopy(toWorld, raw) != Zcad::eOk || raw == nullptr) return kInf;
    std::unique_ptr<ZcDbEntity> copy(raw);
    return entityDistance(copy.get(), p);
}

void search(const ZcDbBlockReference* reference, ZcDbObjectId referenceId, const ZcGeMatrix3d& outer,
            std::vector<ZcDbObjectId> containers, const ZcGePoint3d& p, int depth, Candidate& best)
{
    if (depth > kMaxDepth) return;
    ZcGeMatrix3d toWorld = outer * reference->blockTransform();
    containers.insert(containers.begin(), referenceId);
    for (ZcDbObjectId id : liveEntities(reference->blockTableRecord())) {
        auto* e = zrxhost::peek<ZcDbEntity>(id);
        // A definition's attribute definitions are not drawn by its references.
        if (e == nullptr || !isShown(e) || ZcDbAttributeDefinition::cast(e) != nullptr) continue;
        if (auto* inner = ZcDbBlockReference::cast(e)) {
            search(inner, id, toWorld, containers, p, depth + 1, best);
            continue;
        }
        double d = distanceFrom(e, toWorld, p);
        if (d <= best.distance) best = {{id, toWorld, containers}, d};
    }
}

}  // namespace

NestedHit nestedAt(ZcDbDatabase* db, ZcDbObjectId top, const ZcGePoint3d& worldPoint)
{
    zrxhost::HostAccess access;
    auto* reference = zrxhost::peek<ZcDbBlockReference>(top);
    if (db == nullptr || reference == nullptr) return {top, ZcGeMatrix3d::kIdentity, {}};
    Candidate best;
    for (ZcDbObjectId id : zrxhost::attributeIds(reference)) {
        auto* attribute = zrxhost::peek<ZcDbAttribute>(id);
        if (attribute == nullptr || id.isErased() || !isShown(attribute)) continue;
        double d = entityDistance(attribute, worldPoint);
        if (d <= best.distance) best = {{id, ZcGeMatrix3d::kIdentity, {}}, d};
    }
    Candidate inside;
    search(reference, top, ZcGeMatrix3d::kIdentity, {}, worldPoint, 0, inside);
    if (inside.distance < best.distance) best = inside;
    // The reference was hit, so something of it lies under the pick box; when only its
    // own shape is found (an empty block), the reference itself is the answer.
    if (best.hit.leaf.isNull()) return {top, ZcGeMatrix3d::kIdentity, {}};
    return best.hit;
}

namespace {

int nestedPick(const char* prompt, ads_name entres, ads_point ptres, bool pointGiven, NestedHit& hit)
{
    ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
    ZcDbObjectId top;
    ZcGePoint3d at;
    if (pointGiven) {
        at = ZcGePoint3d(ptres[X], ptres[Y], ptres[Z]);
        top = pickAt(db, ucsToWorld(at));
        if (top.isNull()) {
            setErrno(OL_ENTSELPICK);
            return RTERROR;
        }
    } else {
        int rc = pickEntity(prompt, top, at);
        if (rc != RTNORM) return rc;
    }
    hit = nestedAt(db, top, ucsToWorld(at));
    nameOf(hit.leaf, entres);
    ptres[X] = at.x;
    ptres[Y] = at.y;
    ptres[Z] = at.z;
    return RTNORM;
}

resbuf* containerList(const std::vector<ZcDbObjectId>& containers)
{
    resbuf* head = nullptr;
    resbuf* tail = nullptr;
    for (ZcDbObjectId id : containers) {
        resbuf* rb = zcutNewRb(RTENAME);
        nameOf(id, rb->resval.rlname);
        (head == nullptr ? head : tail->rbnext) = rb;
        tail = rb;
    }
    return head;
}

}  // namespace
}  // namespace zrxhost::ed

int zcedNEntSelP(const char* prompt, ads_name entres, ads_point ptres, int pickflag, ads_matrix xformres,
                 resbuf** refstkres)
{
    if (entres == nullptr || ptres == nullptr) return RTERROR;
    zrxhost::ed::NestedHit hit;
    int rc = zrxhost::ed::nestedPick(prompt, entres, ptres, pickflag != 0, hit);
    if (rc != RTNORM) return rc;
    if (xformres != nullptr) {
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) xformres[r][c] = hit.toWorld(r, c);
    }
    if (refstkres != nullptr) *refstkres = zrxhost::ed::containerList(hit.containers);
    return RTNORM;
}

int zcedNEntSel(const char* prompt, ads_name entres, ads_point ptres, ads_point xformres[4], resbuf** refstkres)
{
    if (entres == nullptr || ptres == nullptr) return RTERROR;
    zrxhost::ed::NestedHit hit;
    int rc = zrxhost::ed::nestedPick(prompt, entres, ptres, false, hit);
    if (rc != RTNORM) return rc;
    // This older form gives the matrix by columns: the images of the three axes, then
    // where the definition's origin lands.
    if (xformres != nullptr) {
        for (int c = 0; c < 4; ++c)
            for (int r = 0; r < 3; ++r) xformres[c][r] = hit.toWorld(r, c);
    }
    if (refstkres != nullptr) *refstkres = zrxhost::ed::containerList(hit.containers);
    return RTNORM;
}
