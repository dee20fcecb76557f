#include "longi/link_long_command.h"

#include <map>
#include <set>
#include <vector>

#include "core/handle_names.h"
#include "core/highlight.h"
#include "core/host_errno.h"
#include "core/model_space_walk.h"
#include "core/screen_refresh.h"
#include "core/single_xdata.h"
#include "core/xdata_presence.h"
#include "longi/landing_curve_pick.h"
#include "longi/long_sections.h"
#include "longi/shared_foot.h"
#include "records/long_data.h"
#include "records/long_read.h"

namespace {

// How far a section's foot may stand off the landing line when it is added by hand.
const double kFootGap = 0.01;

enum class Step { kDone, kCancel, kHandled };

// A section of the set whose record was read; the others (xdata no layout reads among them)
// take no part in the foot check and are not written.
struct LoadedSection {
    ZcDbObjectId id;
    CLongData record;
};

// The sections of model space that cross the landing curve, and the records of those among
// them that read, taken while the walk has each open.
ZcDbObjectIdArray crossingSections(ZcDbObjectId curveId, std::map<ZcDbObjectId, CLongData>& records)
{
    ZcDbObjectIdArray set;
    ZcDbObjectPointer<ZcDbCurve> curve(curveId, ZcDb::kForRead);
    if (curve.openStatus() != Zcad::eOk) return set;
    CModelSpaceWalk walk(zcdbHostApplicationServices()->workingDatabase());
    walk.reportFailure();
    walk.visit([&](const ZcDbEntity& ent) {
        CLongData record;
        const TrevanLongRead read = TrevanCom_ReadLongRecord(&ent, TREVAN_LONG_APP, record);
        if (read == TrevanLongRead::kNone && !TrevanComARX_HasXdata(&ent, TREVAN_LONG_APP)) return true;
        ZcGePoint3dArray points;
        if (curve->intersectWith(&ent, ZcDb::kOnBothOperands, points) == Zcad::eOk && points.length() > 0) {
            set.append(ent.objectId());
            if (read == TrevanLongRead::kRead) records.emplace(ent.objectId(), record);
        }
        return true;
    });
    return set;
}

// Does the picked section's foot (its start) stand on the landing curve? Nothing to say
// when either is no curve.
enum class Foot { kOn, kOff, kUnknown };

Foot footOn(ZcDbObjectId sectionId, ZcDbObjectId curveId)
{
    ZcGePoint3d foot;
    {
        ZcDbObjectPointer<ZcDbCurve> section(sectionId, ZcDb::kForRead);
        if (section.openStatus() != Zcad::eOk || section->getStartPoint(foot) != Zcad::eOk) return Foot::kUnknown;
    }
    ZcDbObjectPointer<ZcDbCurve> curve(curveId, ZcDb::kForRead);
    ZcGePoint3d onCurve;
    if (curve.openStatus() != Zcad::eOk || curve->getClosestPointTo(foot, onCurve, false) != Zcad::eOk)
        return Foot::kUnknown;
    return foot.distanceTo(onCurve) <= kFootGap ? Foot::kOn : Foot::kOff;
}

Step pickStep(ZcDbObjectIdArray& set, ZcDbObjectId curveId)
{
    for (;;) {
        ads_name ent;
        ads_point pt;
        const int rc = zcedEntSel("\n追加する、または除外するロンジを指示:", ent, pt);
        if (rc == RTCAN) return Step::kCancel;
        if (rc != RTNORM) {
            const int err = TrevanCom_HostErrno();
            if (err == OL_ENTSELPICK) continue;
            if (err == OL_ENTSELNULL) return Step::kDone;
            zcutPrintf("\nERRNO=%d\n", err);
            return Step::kCancel;
        }
        ZcDbObjectId picked;
        if (zcdbGetObjectId(picked, ent) != Zcad::eOk) continue;
        TrevanComARX_HighLightObj(set, 0);
        const int at = set.find(picked);
        if (at >= 0) {
            set.removeAt(at);
            return Step::kHandled;
        }
        if (!TrevanComARX_HasXdata(picked, TREVAN_LONG_APP)) return Step::kHandled;
        switch (footOn(picked, curveId)) {
        case Foot::kOn: set.append(picked); break;
        case Foot::kOff: zcutPrintf("\nランディング線とロンジの足元が離れています！"); break;
        case Foot::kUnknown: break;
        }
        return Step::kHandled;
    }
}

// Lets the user add and remove sections; false when the command is cancelled.
bool editSet(ZcDbObjectIdArray& set, ZcDbObjectId curveId)
{
    for (;;) {
        TrevanCom_RefreshScreen();
        TrevanComARX_HighLightObj(set, 1);
        TrevanCom_RefreshScreen();
        const Step step = pickStep(set, curveId);
        TrevanComARX_HighLightObj(set, 0);
        if (step == Step::kCancel) return false;
        if (step == Step::kDone) return true;
    }
}

// The records of the set: those read by the walk, and those of sections the user added.
std::vector<LoadedSection> loadSet(const ZcDbObjectIdArray& set, const std::map<ZcDbObjectId, CLongData>& records)
{
    std::vector<LoadedSection> loaded;
    loaded.reserve(static_cast<size_t>(set.length()));
    for (int i = 0; i < set.length(); ++i) {
        auto found = records.find(set[i]);
        if (found != records.end()) {
            loaded.push_back(LoadedSection{set[i], found->second});
            continue;
        }
        LoadedSection s{set[i], CLongData()};
        if (TrevanCom_ReadLongRecord(set[i], TREVAN_LONG_APP, s.record) == TrevanLongRead::kRead) loaded.push_back(s);
    }
    return loaded;
}

bool feetApart(const std::vector<LoadedSection>& loaded)
{
    std::vector<ZcGePoint3d> feet;
    feet.reserve(loaded.size());
    for (const LoadedSection& s : loaded) feet.push_back(s.record.m_ptFoot);
    return !TrevanCom_HasSharedFoot(feet);
}

void setLanding(ZcDbObjectId sectionId, CLongData& record, const CString& handleName)
{
    record.m_strLandingLine = handleName;
    record.getData(sectionId, TREVAN_LONG_APP);
}

}  // namespace

void TrevanCom_LinkLong()
{
    ZcDbObjectId curveId;
    if (!TrevanCom_SelectLandingCurve(curveId)) return;
    std::map<ZcDbObjectId, CLongData> records;
    ZcDbObjectIdArray set = crossingSections(curveId, records);
    if (!editSet(set, curveId)) return;
    // Picking changes no record: those the walk read still hold.
    std::vector<LoadedSection> loaded = loadSet(set, records);
    if (!feetApart(loaded)) {
        AfxMessageBox("同一点でロンジ断面が複数作図されています。", MB_OK);
        return;
    }
    const CString handleName = TrevanComARX_GetHandleName(curveId);
    // The sections of the new set end up linked whatever they held, so only the others are
    // looked at and unlinked. A walk that cannot start leaves the old links alone.
    std::set<ZcDbObjectId> inSet;
    for (int i = 0; i < set.length(); ++i) inSet.insert(set[i]);
    ZcDbObjectIdArray old;
    TrevanCom_SectionsLinkedTo(handleName, old, inSet);
    for (int i = 0; i < old.length(); ++i) {
        CLongData record;
        if (TrevanCom_ReadLongRecord(old[i], TREVAN_LONG_APP, record) == TrevanLongRead::kRead)
            setLanding(old[i], record, "");
    }
    for (LoadedSection& s : loaded) setLanding(s.id, s.record, handleName);
    TrevanComARX_SetXdataStr(curveId, TREVAN_LANDING_MARK_APP, handleName);
}
