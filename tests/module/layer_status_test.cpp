// Layer status: reading and writing the four states, and the edit guard that opens a layer
// up for a change and puts it back on every way out.
#include <stdexcept>

#include "TrevanCom2002.h"
#include "support/host_fixture.h"

namespace {

class LayerStatus : public HostTest {
protected:
    ZcDbObjectId addLayer(const char* name, const CLayerStatus& status)
    {
        ZcDbLayerTable* table = nullptr;
        EXPECT_EQ(db->getLayerTable(table, ZcDb::kForWrite), Zcad::eOk);
        auto* layer = new ZcDbLayerTableRecord;
        layer->setName(name);
        layer->setIsFrozen(status.m_bFrozen);
        layer->setIsLocked(status.m_bLocked);
        layer->setIsOff(status.m_bOff);
        layer->setIsPlottable(status.m_bPlottable);
        ZcDbObjectId id;
        EXPECT_EQ(table->add(id, layer), Zcad::eOk);
        layer->close();
        table->close();
        return id;
    }
    CLayerStatus statusOf(const char* name)
    {
        CLayerStatus s;
        EXPECT_TRUE(TrevanComARX_GetLayerStatus(name, s));
        return s;
    }
    // Frozen and locked, off and not plottable: every state differs from a fresh layer.
    const CLayerStatus closedUp{true, true, true, false};
    const CLayerStatus openedUp{false, false, true, false};
};

TEST_F(LayerStatus, EachStateIsReadAndWrittenOnItsOwn)
{
    addLayer("STIFF", CLayerStatus(false, false, false, true));
    EXPECT_EQ(statusOf("stiff"), CLayerStatus(false, false, false, true));
    ASSERT_TRUE(TrevanComARX_SetLayerStatus("STIFF", CLayerStatus(true, false, false, false)));
    EXPECT_EQ(statusOf("STIFF"), CLayerStatus(true, false, false, false));
    ASSERT_TRUE(TrevanComARX_SetLayerStatus("STIFF", CLayerStatus(false, true, false, true)));
    EXPECT_EQ(statusOf("STIFF"), CLayerStatus(false, true, false, true));
    ASSERT_TRUE(TrevanComARX_SetLayerStatus("STIFF", CLayerStatus(false, false, true, true)));
    EXPECT_EQ(statusOf("STIFF"), CLayerStatus(false, false, true, true));
}

TEST_F(LayerStatus, AMissingLayerAnswersFalseAndLeavesTheStatusAlone)
{
    CLayerStatus s(false, true, false, true);
    EXPECT_FALSE(TrevanComARX_GetLayerStatus("NO_SUCH_LAYER", s));
    EXPECT_EQ(s, CLayerStatus(false, true, false, true));
    EXPECT_FALSE(TrevanComARX_SetLayerStatus("NO_SUCH_LAYER", s));
    EXPECT_FALSE(TrevanComARX_GetLayerStatus("", s));
    EXPECT_FALSE(TrevanComARX_GetLayerStatus(static_cast<const char*>(nullptr), s));
}

TEST_F(LayerStatus, TheGuardThawsAndUnlocksForTheChangeOnly)
{
    addLayer("STIFF", closedUp);
    {
        CLayerEditGuard guard("STIFF");
        EXPECT_TRUE(guard.isHeld());
        EXPECT_EQ(guard.savedStatus(), closedUp);
        EXPECT_EQ(statusOf("STIFF"), openedUp);
    }
    EXPECT_EQ(statusOf("STIFF"), closedUp);
}

TEST_F(LayerStatus, TheGuardRestoresWhenTheChangeFails)
{
    addLayer("STIFF", closedUp);
    bool result = TrevanComARX_EditOnLayer("STIFF", [&] {
        EXPECT_EQ(statusOf("STIFF"), openedUp);
        return false;
    });
    EXPECT_FALSE(result);
    EXPECT_EQ(statusOf("STIFF"), closedUp);
}

TEST_F(LayerStatus, TheGuardRestoresWhenTheChangeThrows)
{
    addLayer("STIFF", closedUp);
    EXPECT_THROW(TrevanComARX_EditOnLayer("STIFF", []() -> int { throw std::runtime_error("change failed"); }),
                 std::runtime_error);
    EXPECT_EQ(statusOf("STIFF"), closedUp);
}

TEST_F(LayerStatus, TheGuardRestoresWhatTheChangeDidToTheLayer)
{
    addLayer("STIFF", closedUp);
    TrevanComARX_EditOnLayer("STIFF", [] {
        return TrevanComARX_SetLayerStatus("STIFF", CLayerStatus(false, false, false, true));
    });
    EXPECT_EQ(statusOf("STIFF"), closedUp);
}

TEST_F(LayerStatus, TheGuardOfAnEntityTakesTheEntitysLayer)
{
    ZcDbObjectId layer = addLayer("STIFF", closedUp);
    auto* line = new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(10, 0, 0));
    line->setLayer(layer);
    ZcDbObjectId lineId = addToModelSpace(line);
    {
        CLayerEditGuard guard(lineId);
        EXPECT_TRUE(guard.isHeld());
        EXPECT_EQ(statusOf("STIFF"), openedUp);
        EXPECT_EQ(statusOf("0"), CLayerStatus(false, false, false, true));
    }
    EXPECT_EQ(statusOf("STIFF"), closedUp);
}

TEST_F(LayerStatus, TheGuardOfAMissingLayerStillLetsTheChangeRun)
{
    int runs = 0;
    EXPECT_EQ(TrevanComARX_EditOnLayer("NO_SUCH_LAYER", [&] { return ++runs; }), 1);
    CLayerEditGuard guard(ZcDbObjectId::kNull);
    EXPECT_FALSE(guard.isHeld());
}

}  // namespace
