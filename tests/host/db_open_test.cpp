// The open/close protocol and the checks that catch a plug-in breaking it.
#include "support/host_fixture.h"
#include "zrxhost/spaces.h"

namespace {

std::string hexOf(ZcDbObjectId id)
{
    char buf[17];
    id.handle().getIntoAsciiBuffer(buf);
    return buf;
}

class OpenProtocol : public HostTest {
protected:
    ZcDbObjectId line() { return addToModelSpace(new ZcDbLine({0, 0, 0}, {10, 0, 0})); }
};

TEST_F(OpenProtocol, SecondWriteOpenIsRefused)
{
    ZcDbObjectId id = line();
    ZcDbLine* first = nullptr;
    ASSERT_EQ(zcdbOpenObject(first, id, ZcDb::kForWrite), Zcad::eOk);
    ZcDbLine* second = nullptr;
    EXPECT_EQ(zcdbOpenObject(second, id, ZcDb::kForWrite), Zcad::eWasOpenForWrite);
    EXPECT_EQ(second, nullptr);
    EXPECT_EQ(zcdbOpenObject(second, id, ZcDb::kForRead), Zcad::eWasOpenForWrite);
    first->close();
    ASSERT_EQ(zcdbOpenObject(second, id, ZcDb::kForWrite), Zcad::eOk);
    second->close();
}

TEST_F(OpenProtocol, AnEntityOnALockedLayerIsNotOpenedForWrite)
{
    ZcDbObjectId id = line();
    ZcDbLayerTable* table = nullptr;
    ASSERT_EQ(db->getLayerTable(table, ZcDb::kForWrite), Zcad::eOk);
    auto* layer = new ZcDbLayerTableRecord;
    layer->setName("LOCKED");
    ZcDbObjectId layerId;
    ASSERT_EQ(table->add(layerId, layer), Zcad::eOk);
    layer->setIsLocked(true);
    layer->close();
    table->close();
    {
        ZcDbObjectPointer<ZcDbLine> l(id, ZcDb::kForWrite);
        ASSERT_EQ(l->setLayer(layerId), Zcad::eOk);
    }
    ZcDbLine* l = nullptr;
    EXPECT_EQ(zcdbOpenObject(l, id, ZcDb::kForWrite), Zcad::eOnLockedLayer);
    EXPECT_EQ(l, nullptr);
    // Reading is allowed, and so is changing the layer record itself.
    ASSERT_EQ(zcdbOpenObject(l, id, ZcDb::kForRead), Zcad::eOk);
    EXPECT_EQ(l->upgradeOpen(), Zcad::eOnLockedLayer);
    l->close();
    ZcDbObjectPointer<ZcDbLayerTableRecord> unlock(layerId, ZcDb::kForWrite);
    ASSERT_EQ(unlock.openStatus(), Zcad::eOk);
    unlock->setIsLocked(false);
    unlock.close();
    ASSERT_EQ(zcdbOpenObject(l, id, ZcDb::kForWrite), Zcad::eOk);
    l->close();
}

TEST_F(OpenProtocol, ReadersShareButBlockWriters)
{
    ZcDbObjectId id = line();
    ZcDbLine* a = nullptr;
    ZcDbLine* b = nullptr;
    ASSERT_EQ(zcdbOpenObject(a, id, ZcDb::kForRead), Zcad::eOk);
    ASSERT_EQ(zcdbOpenObject(b, id, ZcDb::kForRead), Zcad::eOk);
    EXPECT_EQ(a, b);
    ZcDbLine* w = nullptr;
    EXPECT_EQ(zcdbOpenObject(w, id, ZcDb::kForWrite), Zcad::eWasOpenForRead);
    EXPECT_EQ(a->upgradeOpen(), Zcad::eHadMultipleReaders);
    b->close();
    EXPECT_EQ(a->upgradeOpen(), Zcad::eOk);
    EXPECT_TRUE(a->isWriteEnabled());
    a->setStartPoint({1, 1, 0});
    a->close();
    EXPECT_EQ(zrxhost::openObjectCount(), 0);
}

TEST_F(OpenProtocol, OpeningAsTheWrongKindFailsAndLeavesNothingOpen)
{
    ZcDbObjectId id = line();
    ZcDbArc* arc = nullptr;
    EXPECT_EQ(zcdbOpenObject(arc, id, ZcDb::kForRead), Zcad::eNotThatKindOfClass);
    EXPECT_EQ(arc, nullptr);
    EXPECT_EQ(zrxhost::openObjectCount(), 0);
}

TEST_F(OpenProtocol, ChangingAnObjectOpenForReadIsABreach)
{
    ZcDbObjectId id = line();
    ZcDbLine* l = nullptr;
    ASSERT_EQ(zcdbOpenObject(l, id, ZcDb::kForRead), Zcad::eOk);
    EXPECT_CONTRACT_BREACH(l->setEndPoint({5, 5, 0}));
    EXPECT_CONTRACT_BREACH(l->setColorIndex(1));
    l->close();
}

TEST_F(OpenProtocol, ReadingAClosedObjectIsABreach)
{
    auto* l = new ZcDbLine({0, 0, 0}, {1, 0, 0});
    addToModelSpace(l);
    EXPECT_CONTRACT_BREACH((void)l->startPoint());
}

TEST_F(OpenProtocol, ACommandThatLeavesAnObjectOpenIsSeen)
{
    ZcDbObjectId id = line();
    auto careless = [&] {
        ZcDbEntity* e = nullptr;
        zcdbOpenObject(e, id, ZcDb::kForWrite);
        e->setColorIndex(3);  // forgets to close
        return e;
    };
    ZcDbEntity* leaked = careless();
    EXPECT_EQ(zrxhost::openObjectCount(), 1);
    EXPECT_NE(zrxhost::openObjectsReport().find("AcDbLine open for write"), std::string::npos);
    ZcDbEntity* e = nullptr;
    EXPECT_EQ(zcdbOpenObject(e, id, ZcDb::kForRead), Zcad::eWasOpenForWrite);
    leaked->close();
}

TEST_F(OpenProtocol, ANewObjectIsTheCallersUntilAppended)
{
    auto* l = new ZcDbLine({0, 0, 0}, {1, 0, 0});
    EXPECT_FALSE(l->isDatabaseResident());
    EXPECT_CONTRACT_BREACH(l->close());
    ZcDbBlockTableRecord* ms = nullptr;
    ASSERT_EQ(zcdbOpenObject(ms, zrxhost::modelSpaceId(db.get()), ZcDb::kForWrite), Zcad::eOk);
    ZcDbObjectId id;
    ASSERT_EQ(ms->appendZcDbEntity(id, l), Zcad::eOk);
    EXPECT_EQ(ms->appendZcDbEntity(l), Zcad::eAlreadyInDb);
    EXPECT_TRUE(l->isWriteEnabled());
    EXPECT_EQ(zrxhost::openObjectCount(), 2);
    l->close();
    ms->close();
    EXPECT_EQ(l->ownerId(), zrxhost::modelSpaceId(db.get()));
}

TEST_F(OpenProtocol, AppendingNeedsTheBlockOpenForWrite)
{
    ZcDbBlockTableRecord* ms = nullptr;
    ASSERT_EQ(zcdbOpenObject(ms, zrxhost::modelSpaceId(db.get()), ZcDb::kForRead), Zcad::eOk);
    auto* l = new ZcDbLine;
    EXPECT_CONTRACT_BREACH(ms->appendZcDbEntity(l));
    ms->close();
    delete l;
}

// Destructors cannot throw, so these breaches are recorded instead.
class BreachRecorder {
public:
    BreachRecorder()
    {
        zrxhost::setContractHandler([this](const std::string& what) { m_seen += what + "\n"; });
    }
    ~BreachRecorder()
    {
        zrxhost::setContractHandler([](const std::string& what) { throw zrxhost::ContractViolation(what); });
    }
    const std::string& seen() const { return m_seen; }

private:
    std::string m_seen;
};

TEST_F(OpenProtocol, DeletingAResidentObjectIsABreach)
{
    ZcDbObjectId id = line();
    ZcDbLine* l = nullptr;
    ASSERT_EQ(zcdbOpenObject(l, id, ZcDb::kForWrite), Zcad::eOk);
    l->close();
    BreachRecorder breaches;
    delete l;
    EXPECT_NE(breaches.seen().find("object " + hexOf(id) + " was deleted"), std::string::npos);
    ZcDbLine* again = nullptr;
    EXPECT_EQ(zcdbOpenObject(again, id, ZcDb::kForRead), Zcad::ePermanentlyErased);
}

TEST_F(OpenProtocol, DestroyingADrawingWithObjectsOpenIsABreach)
{
    auto other = std::make_unique<ZcDbDatabase>();
    ZcDbBlockTable* bt = nullptr;
    ASSERT_EQ(other->getBlockTable(bt, ZcDb::kForRead), Zcad::eOk);
    BreachRecorder breaches;
    other.reset();
    EXPECT_NE(breaches.seen().find("AcDbBlockTable open for read"), std::string::npos);
    EXPECT_EQ(zrxhost::openObjectCount(), 0);
}

TEST_F(OpenProtocol, ObjectPointerClosesOnEveryPath)
{
    ZcDbObjectId id = line();
    {
        ZcDbObjectPointer<ZcDbLine> p(id, ZcDb::kForWrite);
        ASSERT_EQ(p.openStatus(), Zcad::eOk);
        p->setEndPoint({20, 0, 0});
        EXPECT_EQ(zrxhost::openObjectCount(), 1);
    }
    EXPECT_EQ(zrxhost::openObjectCount(), 0);
    ZcDbObjectPointer<ZcDbArc> wrongKind(id, ZcDb::kForRead);
    EXPECT_EQ(wrongKind.openStatus(), Zcad::eNotThatKindOfClass);
    EXPECT_EQ(zrxhost::openObjectCount(), 0);
}

TEST_F(OpenProtocol, ErasedObjectsOpenOnlyWhenAskedFor)
{
    ZcDbObjectId id = line();
    {
        ZcDbObjectPointer<ZcDbLine> p(id, ZcDb::kForWrite);
        ASSERT_EQ(p->erase(), Zcad::eOk);
        EXPECT_EQ(p->erase(), Zcad::eWasErased);
    }
    ZcDbLine* l = nullptr;
    EXPECT_EQ(zcdbOpenObject(l, id, ZcDb::kForRead), Zcad::eWasErased);
    ASSERT_EQ(zcdbOpenObject(l, id, ZcDb::kForWrite, true), Zcad::eOk);
    EXPECT_EQ(l->erase(false), Zcad::eOk);
    l->close();
    EXPECT_FALSE(id.isErased());
}

}  // namespace
