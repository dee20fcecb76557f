// Layer status: reading and writing the states natively and from LISP, for layers by name
// and the layers of entities, the edit guard that opens a layer up for a change and puts it
// back on every way out, and erasing entities through it.
#include <stdexcept>

#include "TrevanCom2002.h"
#include "lisp_call_fixture.h"

namespace {

// Frozen and locked, off and not plottable: every state differs from a fresh layer.
const CLayerStatus kClosedUp{true, true, true, false};
const CLayerStatus kOpenedUp{false, false, true, false};

class LayerStatus : public LispCallTest {
protected:
    ZcDbObjectId addLayer(const char* name, const CLayerStatus& status)
    {
        ZcDbObjectPointer<ZcDbLayerTable> table(db->layerTableId(), ZcDb::kForWrite);
        auto* layer = new ZcDbLayerTableRecord;
        layer->setName(name);
        layer->setIsFrozen(status.m_bFrozen);
        layer->setIsLocked(status.m_bLocked);
        layer->setIsOff(status.m_bOff);
        layer->setIsPlottable(status.m_bPlottable);
        ZcDbObjectId id;
        EXPECT_EQ(table->add(id, layer), Zcad::eOk);
        layer->close();
        return id;
    }
    CLayerStatus statusOf(const char* name)
    {
        CLayerStatus s;
        EXPECT_TRUE(TrevanComARX_GetLayerStatus(name, s));
        return s;
    }
    ZcDbObjectId lineOn(const char* layer)
    {
        auto* line = new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(10, 0, 0));
        line->setDatabaseDefaults(db.get());
        EXPECT_EQ(line->setLayer(layer), Zcad::eOk);
        return addToModelSpace(line);
    }
    // Found, frozen, locked, off, as the layer-info functions give them.
    std::vector<int> info(const char* layer)
    {
        bool f = true, l = true, o = true;
        bool ok = TrevanCom_GetLayerInfo(CString(layer), f, l, o);
        return {ok, f, l, o};
    }
};

TEST_F(LayerStatus, EachStateIsReadAndWrittenOnItsOwn)
{
    addLayer("STIFF", CLayerStatus(false, false, false, true));
    for (const CLayerStatus& s : {CLayerStatus(true, false, false, false), CLayerStatus(false, true, false, true),
                                  CLayerStatus(false, false, true, true)}) {
        ASSERT_TRUE(TrevanComARX_SetLayerStatus("STIFF", s));
        EXPECT_EQ(statusOf("stiff"), s);
    }
    CLayerStatus s(false, true, false, true);
    EXPECT_FALSE(TrevanComARX_GetLayerStatus("NO_SUCH_LAYER", s));
    EXPECT_EQ(s, CLayerStatus(false, true, false, true));
    EXPECT_FALSE(TrevanComARX_SetLayerStatus("NO_SUCH_LAYER", s));
    EXPECT_FALSE(TrevanComARX_GetLayerStatus(static_cast<const char*>(nullptr), s));
}

TEST_F(LayerStatus, TheGuardOpensTheLayerForTheChangeAndPutsItBackOnEveryWayOut)
{
    addLayer("STIFF", kClosedUp);
    {
        CLayerEditGuard guard("STIFF");
        EXPECT_TRUE(guard.isHeld());
        EXPECT_EQ(guard.savedStatus(), kClosedUp);
        EXPECT_EQ(statusOf("STIFF"), kOpenedUp);
    }
    EXPECT_EQ(statusOf("STIFF"), kClosedUp);
    // A change that fails, or changes the layer itself.
    EXPECT_FALSE(TrevanComARX_EditOnLayer("STIFF", [&] { return statusOf("STIFF") == kClosedUp; }));
    EXPECT_EQ(statusOf("STIFF"), kClosedUp);
    TrevanComARX_EditOnLayer("STIFF", [] { return TrevanComARX_SetLayerStatus("STIFF", CLayerStatus(false, false, false, true)); });
    EXPECT_EQ(statusOf("STIFF"), kClosedUp);
    EXPECT_THROW(TrevanComARX_EditOnLayer("STIFF", []() -> int { throw std::runtime_error("change failed"); }),
                 std::runtime_error);
    EXPECT_EQ(statusOf("STIFF"), kClosedUp);
    // The guard of an entity takes the entity's layer.
    ZcDbObjectId lineId = lineOn("STIFF");
    {
        CLayerEditGuard guard(lineId);
        EXPECT_EQ(statusOf("STIFF"), kOpenedUp);
        EXPECT_EQ(statusOf("0"), CLayerStatus(false, false, false, true));
    }
    EXPECT_EQ(statusOf("STIFF"), kClosedUp);
    // Without a layer to guard the change still runs.
    EXPECT_FALSE(CLayerEditGuard(ZcDbObjectId::kNull).isHeld());
    EXPECT_EQ(TrevanComARX_EditOnLayer("NO_SUCH_LAYER", [] { return 7; }), 7);
}

TEST_F(LayerStatus, LispGetsAndSetsTheFourFlagsNumberingItsArgumentErrors)
{
    define("getlayerstatus", TrevanComARX_GetLayerStatusLispFunc);
    define("setlayerstatus", TrevanComARX_SetLayerStatusLispFunc);
    addLayer("STIFF", kOpenedUp);
    const std::pair<const char*, const char*> calls[] = {
        {"(getlayerstatus \"STIFF\")", "\n(0 0 1 0)\n"},
        {"(getlayerstatus \"NO_SUCH_LAYER\")", "\nnil\n"},
        {"(getlayerstatus)", "\n引数エラー\nnil\n"},
        {"(getlayerstatus 1)", "\n引数エラー1\nnil\n"},
        {"(setlayerstatus \"NO_SUCH_LAYER\" '(1 0 0 1))", "\nnil\n"},
        {"(setlayerstatus)", "\n引数エラー\nnil\n"},
        {"(setlayerstatus 12 '(1 0 0 1))", "\n引数エラー1\nnil\n"},
        // The flags not in a list of their own.
        {"(setlayerstatus \"STIFF\" 1 0 0 1)", "\n引数エラー2\nnil\n"},
        {"(setlayerstatus \"STIFF\" '(1.0 0 0 1))", "\n引数エラー3\nnil\n"},
        {"(setlayerstatus \"STIFF\" '(1 0 \"0\" 1))", "\n引数エラー5\nnil\n"},
        // Three flags: the list ends where the fourth should be.
        {"(setlayerstatus \"STIFF\" '(1 0 0))", "\n引数エラー6\nnil\n"},
        // A flag beyond 16 bits does not arrive as a short.
        {"(setlayerstatus \"STIFF\" '(1 0 0 70000))", "\n引数エラー6\nnil\n"},
        {"(setlayerstatus \"STIFF\" '(1 0 0 1 1))", "\n引数エラー7\nnil\n"},
    };
    for (const auto& [expression, answer] : calls) EXPECT_EQ(call(expression), answer) << expression;
    EXPECT_EQ(statusOf("STIFF"), kOpenedUp);

    EXPECT_EQ(call("(setlayerstatus \"STIFF\" '(1 0 0 1))"), "\nT\n");
    EXPECT_EQ(statusOf("STIFF"), CLayerStatus(true, false, false, true));
    // Any non-zero integer counts as set; arguments after the list are ignored.
    EXPECT_EQ(call("(setlayerstatus \"STIFF\" '(0 -1 7 0) \"more\" 2)"), "\nT\n");
    EXPECT_EQ(statusOf("STIFF"), CLayerStatus(false, true, true, false));
}

TEST_F(LayerStatus, AnEntityOnAFrozenLockedLayerIsErasedAndTheLayerStaysAsItWas)
{
    addLayer("STIFF", kOpenedUp);
    addLayer("LOCKED", CLayerStatus(false, true, false, true));
    ZcDbObjectId ids[] = {lineOn("STIFF"), lineOn("0"), lineOn("LOCKED"), lineOn("0"), lineOn("LOCKED")};
    ASSERT_TRUE(TrevanComARX_SetLayerStatus("STIFF", kClosedUp));
    EXPECT_TRUE(TrevanComARX_DeleteObj(ids[0]));
    EXPECT_EQ(statusOf("STIFF"), kClosedUp);
    // A second erase finds nothing to open.
    EXPECT_FALSE(TrevanComARX_DeleteObj(ids[0]));
    EXPECT_EQ(statusOf("STIFF"), kClosedUp);
    // By handle name and by lists; a name that leads nowhere fails the list, the rest go.
    EXPECT_TRUE(TrevanComARX_DeleteObj(TrevanComARX_GetHandleName(ids[1]).GetString()));
    CStringArray names;
    names.Add(TrevanComARX_GetHandleName(ids[2]));
    names.Add("FFFFFF");
    EXPECT_FALSE(TrevanComARX_DeleteObj(names));
    EXPECT_TRUE(TrevanComARX_DeleteObj(ZcDbObjectIdArray{ids[3], ids[4]}));
    for (ZcDbObjectId id : ids) EXPECT_TRUE(id.isErased());
    EXPECT_TRUE(statusOf("LOCKED").m_bLocked);
}

TEST_F(LayerStatus, LayerInfoByNameAndForTheDistinctLayersOfEntitiesInTheOrderMet)
{
    addLayer("STIFF", CLayerStatus(false, false, false, true));
    addLayer("HOJO", CLayerStatus(false, false, false, true));
    EXPECT_TRUE(TrevanCom_SetLayerInfo(CString("stiff"), true, false, true));
    EXPECT_EQ(info("STIFF"), (std::vector<int>{1, 1, 0, 1}));
    EXPECT_EQ(info("NONE"), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_FALSE(TrevanCom_SetLayerInfo(CString("NONE"), true, true, true));
    {
        ZcDbObjectPointer<ZcDbLayerTableRecord> held(db->clayer(), ZcDb::kForWrite);
        EXPECT_FALSE(TrevanCom_SetLayerInfo(CString("0"), false, true, false));
    }
    ZcDbObjectId erased = lineOn("STIFF");
    TrevanComARX_DeleteObj(erased);
    ZcDbObjectIdArray ids{erased, lineOn("HOJO"), lineOn("STIFF"), ZcDbObjectId(), lineOn("hojo"), lineOn("0")};
    TrevanCom_SetLayerInfo(CString("STIFF"), false, true, false);
    bool f = true, l = false, o = true;
    EXPECT_TRUE(TrevanCom_GetLayerInfo(ids[2], f, l, o));
    EXPECT_TRUE(!f && l && !o);
    EXPECT_FALSE(TrevanCom_GetLayerInfo(ZcDbObjectId(), f, l, o));

    CStringArray names;
    ZcArray<BOOL> frozen, locked, off;
    TrevanCom_GetLayerInfo(ids, names, frozen, locked, off);
    ASSERT_EQ(names.GetSize(), 3);
    EXPECT_EQ(names[0] + "," + names[1] + "," + names[2], "HOJO,STIFF,0");
    EXPECT_EQ((std::vector<BOOL>{frozen[1], locked[1], off[1], locked[0]}), (std::vector<BOOL>{FALSE, TRUE, FALSE, FALSE}));
    // A saved set goes back, each layer its own states.
    TrevanCom_SetLayerInfo(names, true, true, true);
    EXPECT_EQ(info("HOJO"), (std::vector<int>{1, 1, 1, 1}));
    TrevanCom_SetLayerInfo(names, frozen, locked, off);
    EXPECT_EQ(info("HOJO"), (std::vector<int>{1, 0, 0, 0}));
    EXPECT_EQ(info("STIFF"), (std::vector<int>{1, 0, 1, 0}));
}

}  // namespace
