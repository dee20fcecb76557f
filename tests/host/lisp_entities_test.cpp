// Entities from LISP: entget, entmod and entmake speak the drawing file's group codes, for
// every kind the host models, xdata included; names, walking and tables.
#include "support/lisp_fixture.h"
#include "zrxhost/spaces.h"

namespace {

class LispEntities : public LispTest {
protected:
    // Makes the entity of the list, then checks that what entget gives entmod takes back
    // unchanged.
    void roundTrip(const std::string& list)
    {
        SCOPED_TRACE(list);
        ASSERT_NE(eval("(entmake '" + list + ")"), "nil");
        eval("(setq e (entlast) before (entget e '(\"*\")))");
        ASSERT_NE(eval("before"), "nil");
        EXPECT_NE(eval("(entmod before)"), "nil");
        EXPECT_EQ(eval("(equal before (entget e '(\"*\")) 1e-9)"), "T") << eval("before") << "\n" << eval("(entget e '(\"*\"))");
    }
};

TEST_F(LispEntities, EntgetSpeaksTheFileCodes)
{
    ZcDbObjectId line = addLine(1, 2, 11, 2);
    eval("(setq e (handent \"" + hex(line) + "\"))");
    EXPECT_EQ(eval("(cdr (assoc 0 (entget e)))"), "\"LINE\"");
    EXPECT_EQ(eval("(cdr (assoc 5 (entget e)))"), "\"" + hex(line) + "\"");
    EXPECT_EQ(eval("(assoc 10 (entget e))"), "(10 1.0 2.0 0.0)");
    EXPECT_EQ(eval("(assoc 11 (entget e))"), "(11 11.0 2.0 0.0)");
    EXPECT_EQ(eval("(cdr (assoc 8 (entget e)))"), "\"0\"");
    EXPECT_EQ(eval("(eq (cdr (assoc -1 (entget e))) e)"), "T");
    EXPECT_EQ(eval("(type (cdr (assoc 330 (entget e))))"), "ENAME");
}

TEST_F(LispEntities, EveryKindRoundTripsThroughEntmod)
{
    eval("(regapp \"TRV_TEST\")");
    roundTrip("((0 . \"LINE\") (8 . \"HULL\") (62 . 1) (10 0.0 0.0 0.0) (11 10.0 5.0 0.0) "
              "(-3 (\"TRV_TEST\" (1000 . \"L-1\") (1040 . 2.5) (1010 1.0 2.0 3.0))))");
    roundTrip("((0 . \"CIRCLE\") (10 1.0 2.0 0.0) (40 . 3.0))");
    roundTrip("((0 . \"ARC\") (10 1.0 2.0 0.0) (40 . 3.0) (50 . 0.0) (51 . 90.0))");
    roundTrip("((0 . \"POINT\") (10 4.0 5.0 0.0))");
    roundTrip("((0 . \"LWPOLYLINE\") (90 . 3) (70 . 1) (10 0.0 0.0) (42 . 0.5) (10 10.0 0.0) (10 10.0 10.0))");
    roundTrip("((0 . \"TEXT\") (10 1.0 1.0 0.0) (40 . 2.5) (1 . \"外板 L-1\") (50 . 90.0))");
    roundTrip("((0 . \"RAY\") (10 0.0 0.0 0.0) (11 1.0 0.0 0.0))");
    roundTrip("((0 . \"XLINE\") (10 0.0 0.0 0.0) (11 0.0 1.0 0.0))");
    roundTrip("((0 . \"SPLINE\") (70 . 8) (71 . 3) (72 . 8) (73 . 4) (74 . 0) (40 . 0.0) (40 . 0.0) (40 . 0.0) "
              "(40 . 0.0) (40 . 1.0) (40 . 1.0) (40 . 1.0) (40 . 1.0) (10 0.0 0.0 0.0) (10 1.0 2.0 0.0) "
              "(10 3.0 2.0 0.0) (10 4.0 0.0 0.0))");
    roundTrip("((0 . \"LEADER\") (76 . 2) (10 0.0 0.0 0.0) (10 5.0 5.0 0.0))");
    roundTrip("((0 . \"ATTDEF\") (10 0.0 0.0 0.0) (40 . 2.0) (1 . \"\") (3 . \"Name?\") (2 . \"NAME\"))");
    roundTrip("((0 . \"DIMENSION\") (70 . 33) (10 0.0 5.0 0.0) (13 0.0 0.0 0.0) (14 10.0 0.0 0.0))");
    ZcDbBlockTableRecord* block = new ZcDbBlockTableRecord;
    block->setName("STIFF_MARK");
    ZcDbBlockTable* table = nullptr;
    ASSERT_EQ(zcdbOpenObject(table, db->blockTableId(), ZcDb::kForWrite), Zcad::eOk);
    ASSERT_EQ(table->add(block), Zcad::eOk);
    block->close();
    table->close();
    roundTrip("((0 . \"INSERT\") (2 . \"STIFF_MARK\") (10 5.0 5.0 0.0) (41 . 2.0) (50 . 45.0))");
}

TEST_F(LispEntities, EntmodChangesTheEntityInPlace)
{
    ZcDbObjectId line = addLine(0, 0, 10, 0);
    eval("(setq e (handent \"" + hex(line) + "\") d (entget e))");
    EXPECT_NE(eval("(entmod (subst '(11 20.0 0.0 0.0) (assoc 11 d) d))"), "nil");
    ZcDbLine* l = nullptr;
    ASSERT_EQ(zcdbOpenObject(l, line, ZcDb::kForRead), Zcad::eOk);
    EXPECT_EQ(l->endPoint(), ZcGePoint3d(20, 0, 0));
    l->close();
    // A common property appended after the kind's own data counts, the last of its code winning.
    EXPECT_NE(eval("(entmod (append (entget e) '((62 . 1) (8 . \"HULL\") (62 . 3))))"), "nil");
    ASSERT_EQ(zcdbOpenObject(l, line, ZcDb::kForRead), Zcad::eOk);
    EXPECT_EQ(l->colorIndex(), 3);
    l->close();
    EXPECT_EQ(eval("(cdr (assoc 8 (entget e)))"), "\"HULL\"");
    // Another kind cannot be put in its place.
    EXPECT_EQ(eval("(entmod (subst '(0 . \"CIRCLE\") (assoc 0 d) d))"), "nil");
}

TEST_F(LispEntities, EntmodMovesAReferenceWithItsAttributes)
{
    auto* block = new ZcDbBlockTableRecord;
    block->setName("FRAME_NO");
    ZcDbBlockTable* table = nullptr;
    ASSERT_EQ(zcdbOpenObject(table, db->blockTableId(), ZcDb::kForWrite), Zcad::eOk);
    ZcDbObjectId blockId;
    ASSERT_EQ(table->add(blockId, block), Zcad::eOk);
    auto* definition = new ZcDbAttributeDefinition({0, 0, 0}, "", "FR", "Frame?");
    block->appendZcDbEntity(definition);
    definition->close();
    block->close();
    table->close();
    auto* reference = new ZcDbBlockReference({0, 0, 0}, blockId);
    ZcDbBlockTableRecord* ms = nullptr;
    ASSERT_EQ(zcdbOpenObject(ms, zrxhost::modelSpaceId(db.get()), ZcDb::kForWrite), Zcad::eOk);
    ZcDbObjectId refId;
    ms->appendZcDbEntity(refId, reference);
    ms->close();
    auto* attribute = new ZcDbAttribute({0, 0, 0}, "FR25", "FR");
    ZcDbObjectId attId;
    ASSERT_EQ(reference->appendAttribute(attId, attribute), Zcad::eOk);
    attribute->close();
    reference->close();

    eval("(setq e (handent \"" + hex(refId) + "\") d (entget e))");
    EXPECT_NE(eval("(entmod (subst '(10 50.0 0.0 0.0) (assoc 10 d) d))"), "nil");
    ZcDbBlockReference* moved = nullptr;
    ASSERT_EQ(zcdbOpenObject(moved, refId, ZcDb::kForRead), Zcad::eOk);
    EXPECT_EQ(moved->position(), ZcGePoint3d(50, 0, 0));
    ZcDbObjectIterator* it = moved->attributeIterator();
    ASSERT_FALSE(it->done());
    EXPECT_EQ(it->objectId(), attId);
    delete it;
    moved->close();
    // The attribute still answers to its reference.
    EXPECT_EQ(eval("(eq (cdr (assoc 330 (entget (handent \"" + hex(attId) + "\")))) e)"), "T");
}

TEST_F(LispEntities, XdataComesWithTheApplicationsAskedFor)
{
    ZcDbObjectId line = addLine(0, 0, 10, 0);
    eval("(regapp \"STIFF\") (regapp \"OTHER\")");
    eval("(setq e (handent \"" + hex(line) + "\"))");
    eval("(entmod (append (entget e) '((-3 (\"STIFF\" (1000 . \"L-100\")) (\"OTHER\" (1070 . 3))))))");
    EXPECT_EQ(eval("(assoc -3 (entget e))"), "nil");
    EXPECT_EQ(eval("(assoc -3 (entget e '(\"STIFF\")))"), "(-3 (\"STIFF\" (1000 . \"L-100\")))");
    EXPECT_EQ(eval("(length (cdr (assoc -3 (entget e '(\"*\")))))"), "2");
    // entmod naming one application leaves the other's xdata alone.
    eval("(entmod (append (entget e) '((-3 (\"STIFF\" (1000 . \"L-200\"))))))");
    EXPECT_EQ(eval("(cdr (assoc -3 (entget e '(\"*\"))))"), "((\"STIFF\" (1000 . \"L-200\")) (\"OTHER\" (1070 . 3)))");
    // An application that is not registered is refused.
    EXPECT_EQ(eval("(entmod (append (entget e) '((-3 (\"NOAPP\" (1000 . \"x\"))))))"), "nil");
}

TEST_F(LispEntities, EntmakeRefusesIncompleteLists)
{
    EXPECT_EQ(eval("(entmake '((0 . \"LINE\") (10 0.0 0.0 0.0)))"), "nil");
    EXPECT_EQ(eval("(entmake '((0 . \"CIRCLE\") (10 0.0 0.0 0.0)))"), "nil");
    EXPECT_EQ(eval("(entmake '((0 . \"NOSUCHKIND\") (10 0.0 0.0 0.0)))"), "nil");
    EXPECT_EQ(eval("(entmake '((0 . \"CIRCLE\") (10 0.0 0.0 0.0) (40 . \"big\")))"), "nil");
    EXPECT_EQ(eval("(entmake '((10 0.0 0.0 0.0)))"), "nil");
    EXPECT_EQ(eval("(entlast)"), "nil");
    EXPECT_NE(eval("(entmake '((0 . \"CIRCLE\") (8 . \"NEWLAYER\") (10 0.0 0.0 0.0) (40 . 1.0)))"), "nil");
    EXPECT_EQ(eval("(cdr (assoc 2 (tblsearch \"LAYER\" \"NEWLAYER\")))"), "\"NEWLAYER\"");
}

TEST_F(LispEntities, EntmakeBuildsBlocksAndReferencesWithAttributes)
{
    std::string before = eval("(entlast)");
    EXPECT_NE(eval("(entmake '((0 . \"BLOCK\") (2 . \"YMARK\") (70 . 2) (10 0.0 0.0 0.0)))"), "nil");
    EXPECT_NE(eval("(entmake '((0 . \"LINE\") (10 0.0 0.0 0.0) (11 5.0 5.0 0.0)))"), "nil");
    EXPECT_NE(eval("(entmake '((0 . \"ATTDEF\") (10 0.0 0.0 0.0) (40 . 2.0) (1 . \"\") (3 . \"No?\") (2 . \"NO\") (70 . 0)))"), "nil");
    // Nothing of a definition enters model space.
    EXPECT_EQ(eval("(entlast)"), before);
    EXPECT_EQ(eval("(entmake '((0 . \"ENDBLK\")))"), "\"YMARK\"");
    EXPECT_EQ(eval("(cdr (assoc 2 (tblsearch \"BLOCK\" \"YMARK\")))"), "\"YMARK\"");

    EXPECT_NE(eval("(entmake '((0 . \"INSERT\") (2 . \"YMARK\") (66 . 1) (10 10.0 0.0 0.0)))"), "nil");
    EXPECT_NE(eval("(entmake '((0 . \"ATTRIB\") (10 10.0 0.0 0.0) (40 . 2.0) (1 . \"L-12\") (2 . \"NO\") (70 . 0)))"), "nil");
    EXPECT_EQ(eval("(entlast)"), before);
    EXPECT_NE(eval("(entmake '((0 . \"SEQEND\")))"), "nil");
    EXPECT_EQ(eval("(cdr (assoc 0 (entget (entlast))))"), "\"INSERT\"");
    ads_name last;
    zcdbEntLast(last);
    ZcDbBlockReference* reference = nullptr;
    ASSERT_EQ(zcdbOpenObject(reference, idOf(last), ZcDb::kForRead), Zcad::eOk);
    std::vector<std::string> values;
    ZcDbObjectIterator* it = reference->attributeIterator();
    for (; !it->done(); it->step()) {
        ZcDbAttribute* a = nullptr;
        zcdbOpenObject(a, it->objectId(), ZcDb::kForRead);
        values.emplace_back(a->textStringConst());
        a->close();
    }
    delete it;
    reference->close();
    EXPECT_EQ(values, std::vector<std::string>({"L-12"}));
}

TEST_F(LispEntities, AComplexEntityIsThrownAwayWholeOnAPartThatDoesNotFit)
{
    // A standalone attribute or end has nothing to belong to.
    EXPECT_EQ(eval("(entmake '((0 . \"ATTRIB\") (10 0.0 0.0 0.0) (40 . 2.0) (1 . \"x\") (2 . \"T\")))"), "nil");
    EXPECT_EQ(eval("(entmake '((0 . \"ENDBLK\")))"), "nil");
    // A wrong part rejects the whole definition; the ENDBLK after it finds nothing open.
    eval("(entmake '((0 . \"BLOCK\") (2 . \"HALF\") (70 . 0) (10 0.0 0.0 0.0)))");
    EXPECT_EQ(eval("(entmake '((0 . \"SEQEND\")))"), "nil");
    EXPECT_EQ(eval("(entmake '((0 . \"ENDBLK\")))"), "nil");
    EXPECT_EQ(eval("(tblsearch \"BLOCK\" \"HALF\")"), "nil");
    // (entmake) with no list cancels what was gathered.
    eval("(entmake '((0 . \"BLOCK\") (2 . \"TMP\") (70 . 0) (10 0.0 0.0 0.0)))");
    eval("(entmake '((0 . \"LINE\") (10 0.0 0.0 0.0) (11 1.0 0.0 0.0)))");
    EXPECT_EQ(eval("(entmake)"), "nil");
    EXPECT_EQ(eval("(entmake '((0 . \"ENDBLK\")))"), "nil");
    EXPECT_EQ(eval("(tblsearch \"BLOCK\" \"TMP\")"), "nil");
    // Anonymous blocks get the next free name; a name in use is redefined.
    eval("(entmake '((0 . \"BLOCK\") (2 . \"*U\") (70 . 1) (10 0.0 0.0 0.0)))");
    eval("(entmake '((0 . \"LINE\") (10 0.0 0.0 0.0) (11 1.0 0.0 0.0)))");
    EXPECT_EQ(eval("(entmake '((0 . \"ENDBLK\")))"), "\"*U1\"");
    eval("(entmake '((0 . \"BLOCK\") (2 . \"MARK\") (70 . 0) (10 0.0 0.0 0.0)))");
    eval("(entmake '((0 . \"LINE\") (10 0.0 0.0 0.0) (11 1.0 0.0 0.0)))");
    eval("(entmake '((0 . \"ENDBLK\")))");
    eval("(entmake '((0 . \"BLOCK\") (2 . \"MARK\") (70 . 0) (10 0.0 0.0 0.0)))");
    eval("(entmake '((0 . \"CIRCLE\") (10 0.0 0.0 0.0) (40 . 2.0)))");
    EXPECT_EQ(eval("(entmake '((0 . \"ENDBLK\")))"), "\"MARK\"");
    EXPECT_EQ(eval("(cdr (assoc 0 (entget (cdr (assoc -2 (tblsearch \"BLOCK\" \"MARK\"))))))"), "\"CIRCLE\"");
}

TEST_F(LispEntities, WalkingNamesAndErasing)
{
    ZcDbObjectId a = addLine(0, 0, 1, 0);
    ZcDbObjectId b = addLine(0, 0, 2, 0);
    EXPECT_EQ(eval("(cdr (assoc 5 (entget (entnext))))"), "\"" + hex(a) + "\"");
    EXPECT_EQ(eval("(cdr (assoc 5 (entget (entnext (entnext)))))"), "\"" + hex(b) + "\"");
    EXPECT_EQ(eval("(entnext (entlast))"), "nil");
    eval("(setq gone (entlast))");
    EXPECT_EQ(eval("(eq (entdel gone) gone)"), "T");
    EXPECT_EQ(eval("(cdr (assoc 5 (entget (entlast))))"), "\"" + hex(a) + "\"");
    EXPECT_EQ(eval("(entget gone)"), "nil");
    eval("(entdel gone)");
    EXPECT_EQ(eval("(cdr (assoc 5 (entget (entlast))))"), "\"" + hex(b) + "\"");
    EXPECT_EQ(eval("(eq (entupd gone) gone)"), "T");
    // A walk started anywhere goes on from that entity, erased ones skipped.
    for (int k = 0; k < 200; ++k) addLine(k, 1, k, 2);
    eval("(setq e (entnext) n 0)");
    eval("(while e (setq n (1+ n) e (entnext e)))");
    EXPECT_EQ(eval("(+ n 0)"), "202");
    eval("(setq mid (entnext (entnext (entnext))))");
    eval("(entdel (entnext mid))");
    eval("(setq e mid n 0)");
    eval("(while e (setq n (1+ n) e (entnext e)))");
    EXPECT_EQ(eval("(+ n 0)"), "199");
    EXPECT_EQ(eval("(cdr (assoc 5 (entget (entnext (entnext)))))"), "\"" + hex(b) + "\"");
}

TEST_F(LispEntities, TablesAndApplications)
{
    EXPECT_EQ(eval("(regapp \"TRV_NEW\")"), "\"TRV_NEW\"");
    EXPECT_EQ(eval("(regapp \"TRV_NEW\")"), "nil");
    EXPECT_EQ(eval("(cdr (assoc 0 (tblsearch \"layer\" \"0\")))"), "\"LAYER\"");
    EXPECT_EQ(eval("(assoc 5 (tblsearch \"LAYER\" \"0\"))"), "nil");
    EXPECT_EQ(eval("(tblsearch \"LAYER\" \"NOSUCH\")"), "nil");
    EXPECT_EQ(eval("(cdr (assoc 2 (tblnext \"APPID\" T)))"), "\"ACAD\"");
    EXPECT_EQ(eval("(type (tblobjname \"LAYER\" \"0\"))"), "ENAME");
    // tblsearch with setnext: tblnext goes on after the record found.
    eval("(regapp \"TRV_AFTER\")");
    eval("(tblsearch \"APPID\" \"TRV_NEW\" T)");
    EXPECT_EQ(eval("(cdr (assoc 2 (tblnext \"APPID\")))"), "\"TRV_AFTER\"");
    eval("(tblsearch \"APPID\" \"TRV_NEW\")");
    EXPECT_EQ(eval("(tblnext \"APPID\")"), "nil");
}

}  // namespace
