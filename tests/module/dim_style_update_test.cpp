// A named dimension style brought up to a list of settings: every known variable in its own
// type, comments and broken settings passed over, a missing style made from "ISO-25", and
// the drawing's current variables following when the style is current.
#include "command_text.h"
#include "stiff_arrow_fixture.h"

namespace {

class DimStyleUpdate : public StiffArrowTest {
protected:
    void update(const char* name, std::initializer_list<const char*> lines, const char* sep = ",")
    {
        CStringArray settings;
        for (const char* l : lines) settings.Add(l);
        TrevanCom_UpdateDimStyle(name, settings, sep, db.get());
    }
    ZcDbDimStyleTableRecord* open(const char* name)
    {
        ZcDbObjectPointer<ZcDbDimStyleTable> table(db->dimStyleTableId(), ZcDb::kForRead);
        ZcDbDimStyleTableRecord* rec = nullptr;
        return table->getAt(name, rec, ZcDb::kForRead) == Zcad::eOk ? rec : nullptr;
    }
    ZcDbObjectId block(const char* name)
    {
        ZcDbObjectPointer<ZcDbBlockTable> blocks(db->blockTableId(), ZcDb::kForWrite);
        auto* rec = new ZcDbBlockTableRecord;
        rec->setName(name);
        ZcDbObjectId id;
        EXPECT_EQ(blocks->add(id, rec), Zcad::eOk);
        rec->close();
        return id;
    }
};

TEST_F(DimStyleUpdate, EveryKindOfVariableTakesItsOwnType)
{
    style("S", 2.5);
    const ZcDbObjectId arrow = block("LiOpen");
    ZcDbObjectId romans;
    {
        ZcDbObjectPointer<ZcDbTextStyleTable> styles(db->textStyleTableId(), ZcDb::kForWrite);
        auto* rec = new ZcDbTextStyleTableRecord;
        rec->setName("ROMANS");
        ASSERT_EQ(styles->add(romans, rec), Zcad::eOk);
        rec->close();
    }
    update("S", {"1,DIMASZ,12.0000000000", "1,dimdec,\"3\"", "1,Dimsah,1", "1,DIMTIX,2", "1,DIMPOST,\"<> mm\"",
                 "1,DIMBLK1,LiOpen", "1,DIMCLRD,1", "1,DIMTXSTY,ROMANS", "1,DIMLWD,35", "1,DIMTFAC,0.5",
                 "1,DIMDSEP,.", "1,DIMFOO,7"});
    ZcDbDimStyleTableRecord* rec = open("S");
    ASSERT_NE(rec, nullptr);
    EXPECT_DOUBLE_EQ(rec->dimasz(), 12.0);
    EXPECT_EQ(rec->dimdec(), 3);
    EXPECT_TRUE(rec->dimsah());
    EXPECT_FALSE(rec->dimtix());  // on only for 1
    EXPECT_STREQ(rec->dimpost(), "<> mm");
    EXPECT_EQ(rec->dimblk1(), arrow);
    EXPECT_EQ(rec->dimclrd().colorIndex(), 1);
    EXPECT_EQ(rec->dimtxsty(), romans);
    EXPECT_EQ(rec->dimlwd(), ZcDb::kLnWt035);
    EXPECT_DOUBLE_EQ(rec->dimtfac(), 0.5);
    EXPECT_EQ(rec->dimdsep(), '.');
    rec->close();
}

TEST_F(DimStyleUpdate, CommentsAndBrokenSettingsArePassedOver)
{
    style("S", 2.5);
    update("S", {";1,DIMASZ,9", "1,DIMASZ", "1,DIMTXT,7,x", "1|DIMEXE|3"}, "|");
    ZcDbDimStyleTableRecord* rec = open("S");
    ASSERT_NE(rec, nullptr);
    EXPECT_DOUBLE_EQ(rec->dimasz(), 2.5);
    EXPECT_DOUBLE_EQ(rec->dimtxt(), 2.5);
    EXPECT_DOUBLE_EQ(rec->dimexe(), 3.0);
    rec->close();
    // Not current: nothing is said about the broken ones.
    EXPECT_EQ(transcript(), "");
}

TEST_F(DimStyleUpdate, ACurrentStyleSetsTheDrawingsVariablesFirst)
{
    const ZcDbObjectId s = style("S", 2.5);
    ASSERT_EQ(db->setDimstyle(s), Zcad::eOk);
    transcript();
    zcutPrintf(">");
    update("S", {"1,dimasz,4", "1,DIMSCALE", ";1,DIMSCALE,3", "1,DIMSCALE,5"});
    EXPECT_DOUBLE_EQ(sysReal("DIMASZ"), 4.0);
    EXPECT_DOUBLE_EQ(sysReal("DIMSCALE"), 5.0);
    EXPECT_EQ(transcript(), ">\nない");
    ZcDbDimStyleTableRecord* rec = open("S");
    ASSERT_NE(rec, nullptr);
    EXPECT_DOUBLE_EQ(rec->dimscale(), 5.0);
    rec->close();
}

TEST_F(DimStyleUpdate, AMissingStyleIsACopyOfIso25OrNothing)
{
    zcutPrintf(">");
    update("NEW", {"1,DIMASZ,4"});
    EXPECT_EQ(transcript(), ">\n寸法スタイル更新失敗");
    EXPECT_EQ(open("NEW"), nullptr);
    style("ISO-25", 2.5, 3.5);
    update("NEW", {"1,DIMASZ,4"});
    ZcDbDimStyleTableRecord* rec = open("NEW");
    ASSERT_NE(rec, nullptr);
    EXPECT_DOUBLE_EQ(rec->dimasz(), 4.0);
    EXPECT_DOUBLE_EQ(rec->dimtxt(), 3.5);
    rec->close();
    ZcDbDimStyleTableRecord* base = open("ISO-25");
    EXPECT_DOUBLE_EQ(base->dimasz(), 2.5);
    base->close();
}

}  // namespace
