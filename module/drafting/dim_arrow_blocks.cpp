#include "drafting/dim_arrow_blocks.h"

#include <initializer_list>

namespace {

struct Stroke {
    double x0, y0, x1, y1;
};

// Lines ByBlock in colour, line type and weight, so an arrow takes the dimension's look.
bool arrowBlock(const char* name, std::initializer_list<Stroke> strokes, ZcDbObjectId& blockId)
{
    ZcDbDatabase* pDb = zcdbHostApplicationServices()->workingDatabase();
    ZcDbBlockTable* pTable = nullptr;
    if (pDb == nullptr || pDb->getBlockTable(pTable, ZcDb::kForRead) != Zcad::eOk) return false;
    if (pTable->getAt(name, blockId) == Zcad::eOk) {
        pTable->close();
        return true;
    }
    auto* pBlock = new ZcDbBlockTableRecord;
    pBlock->setName(name);
    if (pTable->upgradeOpen() != Zcad::eOk || pTable->add(blockId, pBlock) != Zcad::eOk) {
        delete pBlock;
        pTable->close();
        return false;
    }
    for (const Stroke& s : strokes) {
        auto* pLine = new ZcDbLine(ZcGePoint3d(s.x0, s.y0, 0.0), ZcGePoint3d(s.x1, s.y1, 0.0));
        pLine->setColorIndex(0);
        pLine->setLinetype("ByBlock");
        pLine->setLineWeight(ZcDb::kLnWtByBlock);
        ZcDbObjectId lineId;
        if (pBlock->appendZcDbEntity(lineId, pLine) == Zcad::eOk) pLine->close();
        else delete pLine;
    }
    pBlock->close();
    pTable->close();
    return true;
}

}  // namespace

bool TrevanCom_GetDimOpenId(ZcDbObjectId& blockId)
{
    return arrowBlock("LiOpen", {{-1, 0, 0, 0}, {-1, 0.1667, 0, 0}, {-1, -0.1667, 0, 0}}, blockId);
}

bool TrevanCom_GetDimOpenRId(ZcDbObjectId& blockId)
{
    return arrowBlock("LiOpenR", {{-1, 0, 2, 0}, {1, 0.1667, 0, 0}, {1, -0.1667, 0, 0}}, blockId);
}

bool TrevanCom_GetDimNoneId(ZcDbObjectId& blockId)
{
    return arrowBlock("LiNone", {{-1, 0, 0, 0}}, blockId);
}
