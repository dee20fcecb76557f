// Exploding a block reference from LISP: its attribute values stay as texts where their
// definitions were, the rest of the block as drawn, the reference gone.
#include <string>
#include <vector>

#include "TrevanCom2002.h"
#include "lisp_call_fixture.h"
#include "zrxhost/spaces.h"
#include <memory>

namespace {

class ExplodeKeepAttributes : public LispCallTest {
protected:
    void SetUp() override
    {
        LispCallTest::SetUp();
        define("explodeadd", TrevanComARX_InsertExplodeAdd);
        ZcDbObjectPointer<ZcDbBlockTable> blocks(db->blockTableId(), ZcDb::kForWrite);
        auto* block = new ZcDbBlockTableRecord;
        block->setName("FRMARK");
        ASSERT_EQ(blocks->add(blockId, block), Zcad::eOk);
        for (ZcDbEntity* e : std::vector<ZcDbEntity*>{new ZcDbLine({0, 0, 0}, {10, 0, 0}),
                                                      new ZcDbAttributeDefinition({0, 2, 0}, "-", "FRNO", "Frame?"),
                                                      new ZcDbAttributeDefinition({0, 6, 0}, "-", "NOTE", "Note?")}) {
            ZcDbObjectId id;
            ASSERT_EQ(block->appendZcDbEntity(id, e), Zcad::eOk);
            e->close();
        }
        block->close();
    }
    // Kinds and texts of model space, in drawing order.
    std::vector<std::string> drawn()
    {
        std::vector<std::string> out;
        ZcDbObjectPointer<ZcDbBlockTableRecord> ms(zrxhost::modelSpaceId(db.get()), ZcDb::kForRead);
        ZcDbBlockTableRecordIterator* raw = nullptr;
        ms->newIterator(raw);
        std::unique_ptr<ZcDbBlockTableRecordIterator> it(raw);
        for (; !it->done(); it->step()) {
            ZcDbEntity* e = nullptr;
            it->getEntity(e, ZcDb::kForRead);
            std::string kind = e->isA()->name();
            if (auto* t = ZcDbText::cast(e)) {
                kind += " " + std::string(t->textStringConst());
                kind += " @" + std::to_string(static_cast<int>(t->position().x)) + "," +
                        std::to_string(static_cast<int>(t->position().y));
            }
            out.push_back(kind);
            e->close();
        }
        return out;
    }
    ZcDbObjectId blockId;
};

TEST_F(ExplodeKeepAttributes, AttributeValuesBecomeTextsWhereTheirDefinitionsWere)
{
    auto* ref = new ZcDbBlockReference({100, 50, 0}, blockId);
    ZcDbObjectId refId = addToModelSpace(ref);
    {
        ZcDbObjectPointer<ZcDbBlockReference> r(refId, ZcDb::kForWrite);
        auto* attribute = new ZcDbAttribute({100, 52, 0}, "FR25", "FRNO");
        ASSERT_EQ(r->appendAttribute(attribute), Zcad::eOk);
        attribute->close();
    }
    EXPECT_EQ(call("(explodeadd " + ename(refId) + ")"), "\nT\n");
    // The definition no attribute answers is not drawn.
    EXPECT_EQ(drawn(), (std::vector<std::string>{"AcDbLine", "AcDbText FR25 @100,52"}));
}

TEST_F(ExplodeKeepAttributes, OtherEntitiesAndBadArgumentsGiveNil)
{
    ZcDbObjectId line = addLine(0, 0, 1, 1);
    EXPECT_EQ(call("(explodeadd " + ename(line) + ")"), "\nnil\n");
    EXPECT_EQ(call("(explodeadd)"), "\n引数エラー\nnil\n");
    EXPECT_EQ(call("(explodeadd \"X\")"), "\n引数エラー\nnil\n");
    EXPECT_EQ(drawn(), std::vector<std::string>{"AcDbLine"});
}

}  // namespace
