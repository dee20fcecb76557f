#include "cross/detail_frame.h"

#include <memory>

#include "core/geom_extents.h"
#include "core/model_space_append.h"
#include "core/model_space_walk.h"
#include "settings/sys_dir.h"

namespace {

// The frame's block in the drawing, read in from the frame drawing when it is not there yet.
bool frameBlock(ZcDbDatabase* pDb, const CString& path, ZcDbObjectId& blockId)
{
    {
        ZcDbObjectPointer<ZcDbBlockTable> table(pDb->blockTableId(), ZcDb::kForRead);
        if (table.openStatus() != Zcad::eOk) return false;
        if (table->getAt(TREVANCOM_FRAME_BLOCK, blockId) == Zcad::eOk) return true;
    }
    auto source = std::make_unique<ZcDbDatabase>(false, true);
    if (source->readDwgFile(path) != Zcad::eOk) return false;
    return pDb->insert(blockId, TREVANCOM_FRAME_BLOCK, source.get()) == Zcad::eOk;
}

}  // namespace

bool TrevanCom_CrossDrawFrame(CString& framePath, ZcGePoint3d& centre)
{
    ZcDbDatabase* pDb = zcdbHostApplicationServices()->workingDatabase();
    ZcDbObjectIdArray ids;
    {
        CModelSpaceWalk walk(pDb);
        if (walk.failure() != CModelSpaceWalk::kNone) {
            walk.reportFailure();
            return false;
        }
        walk.appendIds(ids);
    }
    ZcGePoint3d maxPt, minPt;
    if (!TrevanComARX_GetGeomExtents(ids, maxPt, minPt)) return false;
    centre = ZcGePoint3d((minPt.x + maxPt.x) / 2, (minPt.y + maxPt.y) / 2, (minPt.z + maxPt.z) / 2);
    CString dataDir;
    if (!TrevanComARX_GetDataDirFunc(dataDir)) return false;
    framePath = dataDir + "\\SYM\\WAKU_PLANRECORD.dwg";

    ZcDbObjectId blockId;
    if (!frameBlock(pDb, framePath, blockId)) {
        zcutPrintf("\n図枠%sを読み込めませんでした。", static_cast<const char*>(framePath));
        return true;
    }
    auto* pRef = new ZcDbBlockReference(centre, blockId);
    pRef->setDatabaseDefaults(pDb);
    ZcDbObjectId refId;
    if (!TrevanCom_AppendToModelSpace(pRef, refId, pDb)) delete pRef;
    return true;
}
