// Erasing entities through frozen and locked layers, by id, handle name and list.
#include "TrevanCom2002.h"
#include "support/host_fixture.h"

namespace {

class DeleteEntity : public HostTest {
protected:
    ZcDbObjectId lineOn(const char* layerName, double y)
    {
        auto* line = new ZcDbLine(ZcGePoint3d(0, y, 0), ZcGePoint3d(10, y, 0));
        line->setDatabaseDefaults(db.get());
        EXPECT_EQ(line->setLayer(layerName), Zcad::eOk);
        return addToModelSpace(line);
    }
    void addLayer(const char* name, bool frozen, bool locked, bool off)
    {
        ZcDbLayerTable* table = nullptr;
        ASSERT_EQ(db->getLayerTable(table, ZcDb::kForWrite), Zcad::eOk);
        auto* layer = new ZcDbLayerTableRecord;
        layer->setName(name);
        table->add(layer);
        layer->close();
        table->close();
        ASSERT_TRUE(TrevanComARX_SetLayerStatus(name, CLayerStatus(frozen, locked, off, true)));
    }
    static bool erased(ZcDbObjectId id) { return id.isErased(); }
};

TEST_F(DeleteEntity, AnEntityOnAFrozenLockedLayerGoesAndTheLayerStaysAsItWas)
{
    addLayer("STIFF", false, false, false);
    ZcDbObjectId line = lineOn("STIFF", 0);
    ASSERT_TRUE(TrevanComARX_SetLayerStatus("STIFF", CLayerStatus(true, true, true, false)));
    EXPECT_TRUE(TrevanComARX_DeleteObj(line));
    EXPECT_TRUE(erased(line));
    CLayerStatus after;
    ASSERT_TRUE(TrevanComARX_GetLayerStatus("STIFF", after));
    EXPECT_EQ(after, CLayerStatus(true, true, true, false));
    // A second erase finds nothing to open.
    EXPECT_FALSE(TrevanComARX_DeleteObj(line));
    ASSERT_TRUE(TrevanComARX_GetLayerStatus("STIFF", after));
    EXPECT_EQ(after, CLayerStatus(true, true, true, false));
}

TEST_F(DeleteEntity, HandleNamesAndListsEraseEachOne)
{
    addLayer("LOCKED", false, true, false);
    ZcDbObjectId a = lineOn("0", 0);
    ZcDbObjectId b = lineOn("LOCKED", 1);
    ZcDbObjectId c = lineOn("0", 2);
    ZcDbObjectId d = lineOn("LOCKED", 3);
    EXPECT_TRUE(TrevanComARX_DeleteObj(TrevanComARX_GetHandleName(a).GetString()));
    CStringArray names;
    names.Add(TrevanComARX_GetHandleName(b));
    names.Add("FFFFFF");
    EXPECT_FALSE(TrevanComARX_DeleteObj(names));
    ZcDbObjectIdArray ids;
    ids.append(c);
    ids.append(d);
    EXPECT_TRUE(TrevanComARX_DeleteObj(ids));
    EXPECT_TRUE(erased(a) && erased(b) && erased(c) && erased(d));
    CLayerStatus after;
    ASSERT_TRUE(TrevanComARX_GetLayerStatus("LOCKED", after));
    EXPECT_TRUE(after.m_bLocked);
}

}  // namespace
