// System variables: the platform's types and defaults, what may be set, and per drawing.
#include <cstdlib>

#include "support/editor_fixture.h"

namespace {

class EdSysvars : public EditorTest {
protected:
    resbuf get(const char* name)
    {
        resbuf rb{};
        EXPECT_EQ(zcedGetVar(name, &rb), RTNORM) << name;
        return rb;
    }
    std::string getString(const char* name)
    {
        resbuf rb = get(name);
        EXPECT_EQ(rb.restype, RTSTR);
        std::string s = rb.resval.rstring;
        std::free(rb.resval.rstring);
        return s;
    }
    int setShort(const char* name, int v)
    {
        resbuf rb{};
        rb.restype = RTSHORT;
        rb.resval.rint = static_cast<short>(v);
        return zcedSetVar(name, &rb);
    }
    int setString(const char* name, const char* v)
    {
        resbuf rb{};
        rb.restype = RTSTR;
        rb.resval.rstring = const_cast<char*>(v);
        return zcedSetVar(name, &rb);
    }
    void addLayer(const char* name, bool frozen)
    {
        ZcDbLayerTable* t = nullptr;
        db->getLayerTable(t, ZcDb::kForWrite);
        auto* r = new ZcDbLayerTableRecord;
        r->setName(name);
        r->setIsFrozen(frozen);
        t->add(r);
        r->close();
        t->close();
    }
};

TEST_F(EdSysvars, DefaultsComeInThePlatformsTypes)
{
    EXPECT_EQ(get("PICKSTYLE").restype, RTSHORT);
    EXPECT_EQ(get("pickbox").resval.rint, 3);
    EXPECT_EQ(get("WORLDUCS").resval.rint, 1);
    resbuf x = get("UCSXDIR");
    EXPECT_EQ(x.restype, RT3DPOINT);
    EXPECT_DOUBLE_EQ(x.resval.rpoint[0], 1.0);
    EXPECT_DOUBLE_EQ(get("UCSYDIR").resval.rpoint[1], 1.0);
    EXPECT_EQ(get("DIMASZ").restype, RTREAL);
    EXPECT_DOUBLE_EQ(get("DIMSCALE").resval.rreal, 1.0);
    EXPECT_DOUBLE_EQ(get("TEXTSIZE").resval.rreal, 2.5);
    EXPECT_EQ(getString("DIMSTYLE"), "Standard");
    EXPECT_EQ(getString("CLAYER"), "0");
    EXPECT_EQ(get("PDMODE").resval.rint, 0);
    EXPECT_EQ(get("LUPREC").resval.rint, 4);
    EXPECT_EQ(get("VIEWSIZE").restype, RTREAL);
    EXPECT_FALSE(getString("ACADVER").empty());
    resbuf rb;
    EXPECT_EQ(zcedGetVar("NOSUCHVAR", &rb), RTERROR);
}

TEST_F(EdSysvars, ReadOnlyWrongTypeAndOutOfRangeAreRefused)
{
    EXPECT_EQ(setShort("WORLDUCS", 0), RTERROR);
    EXPECT_EQ(setString("DIMSTYLE", "Standard"), RTERROR);
    EXPECT_EQ(setShort("PICKSTYLE", 4), RTERROR);
    EXPECT_EQ(setShort("LUPREC", 9), RTERROR);
    EXPECT_EQ(setString("PDMODE", "3"), RTERROR);
    EXPECT_EQ(setShort("PDMODE", 3), RTNORM);
    EXPECT_EQ(get("PDMODE").resval.rint, 3);
    // An integer for a real variable is taken.
    EXPECT_EQ(setShort("DIMASZ", 4), RTNORM);
    EXPECT_DOUBLE_EQ(get("DIMASZ").resval.rreal, 4.0);
    EXPECT_EQ(setShort("TEXTSIZE", 0), RTERROR);
}

TEST_F(EdSysvars, ClayerNamesAnExistingThawedLayer)
{
    addLayer("HULL", false);
    addLayer("OLD", true);
    EXPECT_EQ(setString("CLAYER", "hull"), RTNORM);
    EXPECT_EQ(getString("CLAYER"), "HULL");
    EXPECT_EQ(db->clayer().isNull(), false);
    EXPECT_EQ(setString("CLAYER", "OLD"), RTERROR);
    EXPECT_EQ(setString("CLAYER", "MISSING"), RTERROR);
    EXPECT_EQ(getString("CLAYER"), "HULL");
}

TEST_F(EdSysvars, DrawingVariablesBelongToTheirDrawing)
{
    setShort("PDMODE", 34);
    setShort("PICKBOX", 5);
    ZcDbDatabase other;
    zcdbHostApplicationServices()->setWorkingDatabase(&other);
    EXPECT_EQ(get("PDMODE").resval.rint, 0);
    EXPECT_EQ(get("PICKBOX").resval.rint, 5);
    zcdbHostApplicationServices()->setWorkingDatabase(db.get());
    EXPECT_EQ(get("PDMODE").resval.rint, 34);
    setShort("PICKBOX", 3);
}

}  // namespace
