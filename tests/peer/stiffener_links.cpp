// stiffener_links INSTALL IN.dxf OUT.dxf: every stiffener of the plan gets its texts and
// actual-plate lines, the drawing is saved to OUT.dxf and read back; every link of a
// stiffener must lead to an entity whose back link names it, and every group keyed by a
// stiffener's handle must hold exactly its lines. Prints one line of counts for the peer
// check to compare with what ezdxf finds; exits 1 naming the first fault.
#include <cstdio>
#include <set>
#include <string>

#include "TrevanCom2002.h"
#include "installation.h"
#include "plan_annotation.h"
#include "zrxhost/drawing_file.h"

namespace {

struct Counts {
    long stiffeners = 0, links = 0, lines = 0, groups = 0;
};

int fault(const std::string& what)
{
    std::fprintf(stderr, "stiffener_links: %s\n", what.c_str());
    return 1;
}

const char* const kLinks[][2] = {{"STIFF_STEXT_HDNAME", "STIFF_SupportDraw_TextS"},
                                 {"STIFF_ETEXT_HDNAME", "STIFF_SupportDraw_TextE"},
                                 {"STIFF_NAMETEXT_HDNAME", "STIFF_SupportDraw_NameText"},
                                 {"STIFF_SYMARK_HDNAME", "STIFF_SupportDraw_YMarkS"},
                                 {"STIFF_EYMARK_HDNAME", "STIFF_SupportDraw_YMarkE"}};

// The members of the group stored under the key, as handles; false when there is none.
bool groupMembers(ZcDbDatabase* db, const CString& key, std::set<std::string>& handles)
{
    ZcDbDictionary* groups = nullptr;
    if (db->getGroupDictionary(groups, ZcDb::kForRead) != Zcad::eOk) return false;
    ZcDbObjectId groupId;
    const bool found = groups->getAt(key, groupId) == Zcad::eOk;
    groups->close();
    if (!found) return false;
    ZcDbObjectPointer<ZcDbGroup> group(groupId, ZcDb::kForRead);
    if (group.openStatus() != Zcad::eOk) return false;
    ZcDbObjectIdArray ids;
    group->allEntityIds(ids);
    for (ZcDbObjectId id : ids) handles.insert(static_cast<const char*>(TrevanComARX_GetHandleName(id)));
    return true;
}

std::string checkStiffener(ZcDbDatabase* db, ZcDbObjectId id, Counts& counts)
{
    const CString handle = TrevanComARX_GetHandleName(id);
    const std::string name = "stiffener " + std::string(static_cast<const char*>(handle));
    int texts = 0;
    for (const auto& [link, backLink] : kLinks) {
        CString target, back;
        if (TrevanComARX_GetXdataStr(id, link, target) != 1) continue;
        ZcDbObjectId targetId;
        if (!TrevanComARX_GetObjid(target, targetId)) return name + ": " + link + " leads nowhere";
        if (TrevanComARX_GetXdataStr(targetId, backLink, back) != 1 || back != handle)
            return name + ": " + backLink + " of " + static_cast<const char*>(target) + " does not name it";
        ++counts.links;
        if (std::string(link).find("TEXT") != std::string::npos) ++texts;
    }
    if (texts != 3) return name + ": " + std::to_string(texts) + " texts linked, not 3";
    CStringArray lines;
    if (!TrevanCom_CheckStiffLine(id, lines)) return name + ": no actual-plate lines listed";
    std::set<std::string> listed, grouped;
    for (int i = 0; i < lines.GetSize(); ++i) {
        ZcDbObjectId lineId;
        CString back;
        if (!TrevanComARX_GetObjid(lines[i], lineId)) return name + ": line " + static_cast<const char*>(lines[i]) + " is gone";
        if (TrevanComARX_GetXdataStr(lineId, "STIFF_SupportDraw_JitsuitaLine", back) != 1 || back != handle)
            return name + ": line " + static_cast<const char*>(lines[i]) + " does not name it";
        listed.insert(static_cast<const char*>(lines[i]));
    }
    if (!groupMembers(db, handle, grouped)) return name + ": no group under its handle";
    if (grouped != listed) return name + ": its group does not hold exactly its lines";
    counts.lines += static_cast<long>(listed.size());
    ++counts.groups;
    ++counts.stiffeners;
    return {};
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) return fault("usage: stiffener_links INSTALL IN.dxf OUT.dxf");
    std::string error;
    if (!useInstallation(argv[1], &error)) return fault(error);
    {
        ZcDbDatabase db(false, true);
        if (db.readDwgFile(argv[2]) != Zcad::eOk) return fault(zrxhost::lastDrawingFileError());
        zcdbHostApplicationServices()->setWorkingDatabase(&db);
        ZcDbObjectIdArray ids;
        TrevanCom_GetAllStiffObjectIdArray(ids);
        const PlanAnnotation made = annotateStiffeners(ids);
        if (made.stiffeners == 0 || made.failed != 0)
            return fault(std::to_string(made.failed) + " of " + std::to_string(made.stiffeners) + " stiffeners not annotated");
        TrevanCom_JitsuitaHyouji(ids);
        if (db.saveAs(argv[3]) != Zcad::eOk) return fault(zrxhost::lastDrawingFileError());
        zcdbHostApplicationServices()->setWorkingDatabase(nullptr);
    }
    ZcDbDatabase back(false, true);
    if (back.readDwgFile(argv[3]) != Zcad::eOk) return fault(zrxhost::lastDrawingFileError());
    zcdbHostApplicationServices()->setWorkingDatabase(&back);
    ZcDbObjectIdArray ids;
    TrevanCom_GetAllStiffObjectIdArray(ids);
    Counts counts;
    for (ZcDbObjectId id : ids) {
        const std::string wrong = checkStiffener(&back, id, counts);
        if (!wrong.empty()) return fault(wrong);
    }
    zcdbHostApplicationServices()->setWorkingDatabase(nullptr);
    std::printf("stiffeners %ld links %ld lines %ld groups %ld\n", counts.stiffeners, counts.links, counts.lines,
                counts.groups);
    return 0;
}
