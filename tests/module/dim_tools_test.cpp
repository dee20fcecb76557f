// Dimension tools: arrowheads of picked dimensions changed to the module's arrow blocks by
// change type, the asking form with its remembered default, the arrow blocks made once, and
// the lattice-dimension values kept in the data folder.
#include "command_text.h"
#include "zrxhost/contract.h"
#include "stiff_arrow_fixture.h"

namespace {

class DimTools : public StiffArrowTest {
protected:
    void SetUp() override
    {
        StiffArrowTest::SetUp();
        define("dimdirect", TrevanComARX_DimDirect);
        define("dimdirect1", TrevanComARX_DimDirect1);
        define("dimdirect2", TrevanComARX_DimDirect2);
        define("dimdirect3", TrevanComARX_DimDirect3);
        define("dimdirect4", TrevanComARX_DimDirect4);
        rotated = addToModelSpace(new ZcDbRotatedDimension(0.0, {0, 0, 0}, {100, 0, 0}, {0, 20, 0}));
        aligned = addToModelSpace(new ZcDbAlignedDimension({0, 100, 0}, {60, 180, 0}, {0, 150, 0}));
    }
    std::string pick(ZcDbObjectId id) { return "#" + hex(id); }
    // The block names at the two ends, "-" for the closed filled arrow; "off" without DIMSAH.
    static std::string ends(ZcDbObjectId dimId)
    {
        ZcDbObjectPointer<ZcDbDimension> d(dimId, ZcDb::kForRead);
        if (!d->dimsah()) return "off";
        return name(d->dimblk1()) + "," + name(d->dimblk2());
    }
    static std::string name(ZcDbObjectId blockId)
    {
        if (blockId.isNull()) return "-";
        ZcDbObjectPointer<ZcDbBlockTableRecord> b(blockId, ZcDb::kForRead);
        const char* n = "";
        b->getName(n);
        return n;
    }
    // The lines of a block as "x0,y0-x1,y1" in order.
    static std::string strokes(const char* blockName)
    {
        ZcDbObjectId id;
        if (TrevanComARX_GetBlockRecordId(blockName, zcdbHostApplicationServices()->workingDatabase(), id) != 1)
            return "none";
        ZcDbObjectPointer<ZcDbBlockTableRecord> b(id, ZcDb::kForRead);
        ZcDbBlockTableRecordIterator* it = nullptr;
        b->newIterator(it);
        std::string out;
        for (; !it->done(); it->step()) {
            ZcDbEntity* e = nullptr;
            it->getEntity(e, ZcDb::kForRead);
            if (auto* l = ZcDbLine::cast(e)) {
                char text[96];
                std::snprintf(text, sizeof text, "%g,%g-%g,%g;", l->startPoint().x, l->startPoint().y,
                              l->endPoint().x, l->endPoint().y);
                out += text;
                EXPECT_EQ(l->colorIndex(), 0);
                EXPECT_EQ(l->lineWeight(), ZcDb::kLnWtByBlock);
            }
            e->close();
        }
        delete it;
        return out;
    }
    std::string play(const std::string& expression, std::vector<std::string> answers)
    {
        answer(std::move(answers));
        return call(expression);
    }

    SampleInstall install;
    ZcDbObjectId rotated, aligned;
};

TEST_F(DimTools, BothEndsTakeOpenOrTurnedBackArrows)
{
    const std::string out = play("(dimdirect1)", {pick(rotated), pick(aligned), ""});
    EXPECT_NE(out.find("寸法線を選択："), std::string::npos) << out;
    EXPECT_EQ(ends(rotated), "LiOpen,LiOpen");
    EXPECT_EQ(ends(aligned), "LiOpen,LiOpen");
    EXPECT_EQ(strokes("LiOpen"), "-1,0-0,0;-1,0.1667-0,0;-1,-0.1667-0,0;");
    play("(dimdirect2)", {pick(aligned), ""});
    EXPECT_EQ(ends(aligned), "LiOpenR,LiOpenR");
    EXPECT_EQ(ends(rotated), "LiOpen,LiOpen");
    EXPECT_EQ(strokes("LiOpenR"), "-1,0-2,0;1,0.1667-0,0;1,-0.1667-0,0;");
    // A second run finds the blocks it made.
    play("(dimdirect1)", {pick(aligned), ""});
    ZcDbObjectPointer<ZcDbBlockTable> table(db->blockTableId(), ZcDb::kForRead);
    int open = 0;
    ZcDbSymbolTableIterator* it = nullptr;
    table->newIterator(it);
    for (; !it->done(); it->step()) {
        ZcDbObjectId id;
        it->getRecordId(id);
        open += name(id) == "LiOpen" ? 1 : 0;
    }
    delete it;
    EXPECT_EQ(open, 1);
}

TEST_F(DimTools, TheOpenArrowGoesToTheEndNearerThePickedPoint)
{
    const std::string out = play("(dimdirect3)", {pick(rotated), pick(aligned), "", "90,0"});
    EXPECT_NE(out.find("方向を指示："), std::string::npos) << out;
    EXPECT_EQ(ends(rotated), "LiNone,LiOpen");
    EXPECT_EQ(ends(aligned), "LiOpen,LiNone");  // (90,0) is nearer (0,100) than (60,180)
    EXPECT_EQ(strokes("LiNone"), "-1,0-0,0;");
    play("(dimdirect3)", {pick(aligned), "", "60,200"});
    EXPECT_EQ(ends(aligned), "LiNone,LiOpen");
    play("(dimdirect3)", {pick(rotated), "", "10,50"});
    EXPECT_EQ(ends(rotated), "LiOpen,LiNone");
    // Halfway: the first end.
    play("(dimdirect4)", {pick(rotated), "", "50,-30"});
    EXPECT_EQ(ends(rotated), "LiOpen,LiOpenR");
    play("(dimdirect4)", {pick(aligned), "", "0,0"});
    EXPECT_EQ(ends(aligned), "LiOpen,LiOpenR");
}

TEST_F(DimTools, OnlyDimensionsAreTakenAndEscChangesNothing)
{
    const ZcDbObjectId line = addLine(0, -50, 100, -50);
    play("(dimdirect1)", {pick(line), ""});
    EXPECT_EQ(strokes("LiOpen"), "none");
    for (const std::vector<std::string>& answers : {std::vector<std::string>{pick(rotated), "", "*cancel*"},
                                                      std::vector<std::string>{"*cancel*"}}) {
        const std::string out = play("(dimdirect3)", answers);
        EXPECT_EQ(out.find("Host check"), std::string::npos) << out;
        EXPECT_EQ(zrxhost::openObjectCount(), 0);
        EXPECT_EQ(ends(rotated), "off");
        EXPECT_EQ(strokes("LiOpen"), "none");
    }
}

TEST_F(DimTools, TheAskingFormOffersTheLastTypeRun)
{
    std::string out = play("(dimdirect)", {"", pick(rotated), ""});
    EXPECT_NE(out.find("変更タイプ選択[ <-> (1)/ >-< (2)/ -> (3)/ >-> (4)]<1>:"), std::string::npos) << out;
    EXPECT_EQ(ends(rotated), "LiOpen,LiOpen");
    out = play("(dimdirect)", {"2", pick(rotated), ""});
    EXPECT_EQ(ends(rotated), "LiOpenR,LiOpenR");
    EXPECT_NE(install.bytesOf("TREVAN/SYSTEM/QXCOMMON/Default.ini").find("VALUE=2"), std::string::npos);
    out = play("(dimdirect)", {"*cancel*"});
    EXPECT_NE(out.find("<2>:"), std::string::npos) << out;
    EXPECT_EQ(out.find("Host check"), std::string::npos) << out;
    EXPECT_EQ(zrxhost::openObjectCount(), 0);
    EXPECT_EQ(ends(rotated), "LiOpenR,LiOpenR");
}

TEST_F(DimTools, WithoutASystemFolderNothingIsAsked)
{
    install.forgetFolders();
    const std::string out = play("(dimdirect)", {"1", pick(rotated), ""});
    EXPECT_EQ(out.find("変更タイプ"), std::string::npos) << out;
    EXPECT_EQ(ends(rotated), "off");
}

TEST_F(DimTools, LatticeValuesAreKeptWithTheDrawingsPrecision)
{
    ZcGeDoubleArray eight;
    for (int i = 1; i <= 8; ++i) eight.append(i * 100.0);
    EXPECT_FALSE(TrevanCom_SetLatticeDimension(eight));
    EXPECT_EQ(install.bytesOf("TREVAN/DATA/MST/LatticeDimension.INI"), "");
    ZcGeDoubleArray nine = eight;
    nine.append(812.3456);
    resbuf prec;
    prec.restype = RTSHORT;
    prec.resval.rint = 2;
    ASSERT_EQ(zcedSetVar("LUPREC", &prec), RTNORM);
    EXPECT_TRUE(TrevanCom_SetLatticeDimension(nine));
    const std::string file = install.bytesOf("TREVAN/DATA/MST/LatticeDimension.INI");
    EXPECT_NE(file.find("DimPD1=100.00"), std::string::npos) << file;
    EXPECT_NE(file.find("DimOO2=812.35"), std::string::npos) << file;
    ZcGeDoubleArray back;
    back.append(-1.0);
    TrevanCom_GetLatticeDimension(back);
    ASSERT_EQ(back.length(), 10);
    EXPECT_EQ(back[1], 100.0);
    EXPECT_EQ(back[9], 812.35);
}

TEST_F(DimTools, MissingLatticeValuesReadZero)
{
    ZcGeDoubleArray back;
    TrevanCom_GetLatticeDimension(back);
    ASSERT_EQ(back.length(), 9);
    for (double v : back) EXPECT_EQ(v, 0.0);
}

}  // namespace
