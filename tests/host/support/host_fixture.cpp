#include "support/host_fixture.h"
#include "zrxhost/spaces.h"

void HostTest::SetUp()
{
    zrxhost::setContractHandler([](const std::string& what) { throw zrxhost::ContractViolation(what); });
    db = std::make_unique<ZcDbDatabase>();
    zcdbHostApplicationServices()->setWorkingDatabase(db.get());
}

void HostTest::TearDown()
{
    EXPECT_EQ(zrxhost::openObjectCount(), 0) << zrxhost::openObjectsReport();
    // Close whatever a failed test left open so the drawing can go quietly.
    zrxhost::setContractHandler([](const std::string&) {});
    db.reset();
    zrxhost::resetContractHandler();
}

ZcDbObjectId HostTest::addToModelSpace(ZcDbEntity* entity)
{
    ZcDbBlockTableRecord* ms = nullptr;
    EXPECT_EQ(zcdbOpenObject(ms, zrxhost::modelSpaceId(db.get()), ZcDb::kForWrite), Zcad::eOk);
    ZcDbObjectId id;
    EXPECT_EQ(ms->appendZcDbEntity(id, entity), Zcad::eOk);
    entity->close();
    ms->close();
    return id;
}

void HostTest::regApp(const char* name)
{
    ZcDbRegAppTable* table = nullptr;
    ASSERT_EQ(db->getRegAppTable(table, ZcDb::kForWrite), Zcad::eOk);
    auto* record = new ZcDbRegAppTableRecord;
    record->setName(name);
    ASSERT_EQ(table->add(record), Zcad::eOk);
    record->close();
    table->close();
}
