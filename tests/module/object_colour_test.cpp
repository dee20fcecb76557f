// The colour an entity is seen in, and giving it one, natively and from LISP.
#include "TrevanCom2002.h"
#include "command_text.h"
#include "lisp_call_fixture.h"

namespace {

class ObjectColour : public LispCallTest {
protected:
    void SetUp() override
    {
        LispCallTest::SetUp();
        ZcDbObjectPointer<ZcDbLayerTable> table(db->layerTableId(), ZcDb::kForWrite);
        auto* layer = new ZcDbLayerTableRecord;
        layer->setName("LONG");
        layer->setColor(ZcCmColor::fromIndex(5));
        ASSERT_EQ(table->add(layer), Zcad::eOk);
        layer->close();
    }
    ZcDbObjectId onLong(int color)
    {
        auto* line = new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(10, 0, 0));
        line->setDatabaseDefaults(db.get());
        line->setLayer("LONG");
        line->setColorIndex(static_cast<uint16_t>(color));
        return addToModelSpace(line);
    }
    int ownColour(ZcDbObjectId id)
    {
        ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForRead);
        return e->colorIndex();
    }
};

TEST_F(ObjectColour, ByLayerAndByBlockShowTheLayersColour)
{
    EXPECT_EQ(TrevanCom_GetObjCol(onLong(256)), 5);
    EXPECT_EQ(TrevanCom_GetObjCol(onLong(0)), 5);
    EXPECT_EQ(TrevanCom_GetObjCol(onLong(1)), 1);
    EXPECT_EQ(TrevanCom_GetObjCol(ZcDbObjectId()), 0);
}

TEST_F(ObjectColour, AColourAlreadySeenChangesNothing)
{
    ZcDbObjectId byLayer = onLong(256);
    EXPECT_TRUE(TrevanCom_SetObjCol(byLayer, 5));
    EXPECT_EQ(ownColour(byLayer), 256);
    EXPECT_TRUE(TrevanCom_SetObjCol(byLayer, 3));
    EXPECT_EQ(ownColour(byLayer), 3);
    EXPECT_FALSE(TrevanCom_SetObjCol(byLayer, 300));
    EXPECT_FALSE(TrevanCom_SetObjCol(ZcDbObjectId(), 3));
}

TEST_F(ObjectColour, TheLispFormGivesTOrNilWithTheArgumentError)
{
    define("objcol", TrevanComARX_SetObjCol);
    ZcDbObjectId line = onLong(256);
    EXPECT_EQ(trimmed(call("(objcol " + ename(line) + " 5)")), "T");
    EXPECT_EQ(ownColour(line), 256);
    EXPECT_EQ(trimmed(call("(objcol " + ename(line) + " 2)")), "T");
    EXPECT_EQ(ownColour(line), 2);
    EXPECT_EQ(trimmed(call("(objcol " + ename(line) + " 2.0)")), "引数エラー\nnil");
    EXPECT_EQ(trimmed(call("(objcol " + ename(line) + " 999)")), "引数エラー\nnil");
    EXPECT_EQ(trimmed(call("(objcol)")), "引数エラー\nnil");
}

}  // namespace
