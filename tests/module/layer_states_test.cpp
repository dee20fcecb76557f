// Frozen, locked and off states of layers, by name and for the layers of entities, and the
// distinct layers of a set of entities.
#include "TrevanCom2002.h"
#include "support/host_fixture.h"

namespace {

class LayerStates : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        ZcDbObjectPointer<ZcDbLayerTable> table(db->layerTableId(), ZcDb::kForWrite);
        for (const char* name : {"STIFF", "HOJO"}) {
            auto* layer = new ZcDbLayerTableRecord;
            layer->setName(name);
            ASSERT_EQ(table->add(layer), Zcad::eOk);
            layer->close();
        }
    }
    ZcDbObjectId on(const char* layer)
    {
        auto* line = new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(10, 0, 0));
        line->setDatabaseDefaults(db.get());
        line->setLayer(layer);
        return addToModelSpace(line);
    }
    std::vector<int> state(const char* layer)
    {
        bool f = true, l = true, o = true;
        bool ok = TrevanCom_GetLayerInfo(CString(layer), f, l, o);
        return {ok, f, l, o};
    }
};

TEST_F(LayerStates, SetAndGetByName)
{
    EXPECT_EQ(state("STIFF"), (std::vector<int>{1, 0, 0, 0}));
    EXPECT_TRUE(TrevanCom_SetLayerInfo(CString("stiff"), true, false, true));
    EXPECT_EQ(state("STIFF"), (std::vector<int>{1, 1, 0, 1}));
    EXPECT_EQ(state("NONE"), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_FALSE(TrevanCom_SetLayerInfo(CString("NONE"), true, true, true));
    ZcDbObjectPointer<ZcDbLayerTableRecord> held(db->clayer(), ZcDb::kForWrite);
    EXPECT_FALSE(TrevanCom_SetLayerInfo(CString("0"), false, true, false));
}

TEST_F(LayerStates, TheLayersOfEntitiesComeOnceEachInTheOrderMet)
{
    ZcDbObjectId erased = on("STIFF");
    {
        ZcDbObjectPointer<ZcDbEntity> e(erased, ZcDb::kForWrite);
        e->erase();
    }
    ZcDbObjectIdArray ids{erased, on("HOJO"), on("STIFF"), ZcDbObjectId(), on("hojo"), on("0")};
    TrevanCom_SetLayerInfo(CString("STIFF"), false, true, false);
    bool f = true, l = false, o = true;
    EXPECT_TRUE(TrevanCom_GetLayerInfo(ids[2], f, l, o));
    EXPECT_TRUE(!f && l && !o);
    EXPECT_FALSE(TrevanCom_GetLayerInfo(ZcDbObjectId(), f, l, o));

    CStringArray names;
    ZcArray<BOOL> frozen, locked, off;
    TrevanCom_GetLayerInfo(ids, names, frozen, locked, off);
    ASSERT_EQ(names.GetSize(), 3);
    EXPECT_EQ(names[0], "HOJO");
    EXPECT_EQ(names[1], "STIFF");
    EXPECT_EQ(names[2], "0");
    EXPECT_EQ(locked[1], TRUE);
    EXPECT_EQ(locked[0] + frozen[1] + off[2], FALSE);

    // Put a saved set back, each layer its own states.
    TrevanCom_SetLayerInfo(names, true, true, true);
    EXPECT_EQ(state("HOJO"), (std::vector<int>{1, 1, 1, 1}));
    TrevanCom_SetLayerInfo(names, frozen, locked, off);
    EXPECT_EQ(state("HOJO"), (std::vector<int>{1, 0, 0, 0}));
    EXPECT_EQ(state("STIFF"), (std::vector<int>{1, 0, 1, 0}));
}

}  // namespace
