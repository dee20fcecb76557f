// Support plate attributes: one single-value xdata application per attribute, read back
// with defaults for whatever the plate does not carry.
#include <cstring>
#include <string>
#include <vector>

#include "TrevanCom2002.h"
#include "support/host_fixture.h"

namespace {

class SupportPlate : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        plate = addToModelSpace(new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(300, 0, 0)));
    }
    // The codes of the application's xdata groups on the plate.
    std::vector<int> codes(const char* app)
    {
        ZcDbObjectPointer<ZcDbEntity> e(plate, ZcDb::kForRead);
        resbuf* xd = e->xData(app);
        std::vector<int> out;
        for (resbuf* rb = xd; rb != nullptr; rb = rb->rbnext) out.push_back(rb->restype);
        zcutRelRb(xd);
        return out;
    }
    SupportPlateAttr sample()
    {
        SupportPlateAttr a;
        a.m_rKaisakiLine = 12.5;
        std::strcpy(a.m_szName, "BKT-1");
        std::strcpy(a.m_szMaterial, "AH36");
        a.m_rPWT = 11.0;
        a.m_rPHG = 250.0;
        a.m_rWeight = 4.2;
        a.m_nPlaneType = 2;
        return a;
    }
    ZcDbObjectId plate;
};

TEST_F(SupportPlate, WhatIsWrittenReadsBack)
{
    ASSERT_TRUE(TrevanCom_StructSet(plate, sample()));
    SupportPlateAttr b;
    ASSERT_TRUE(b.Get(plate));
    EXPECT_EQ(b.GetObjectId(), plate);
    EXPECT_EQ(b.m_rKaisakiLine, 12.5);
    EXPECT_STREQ(b.m_szName, "BKT-1");
    EXPECT_STREQ(b.m_szMaterial, "AH36");
    EXPECT_EQ(b.m_rPWT, 11.0);
    EXPECT_EQ(b.m_rPHG, 250.0);
    EXPECT_EQ(b.m_rWeight, 4.2);
    EXPECT_EQ(b.m_nPlaneType, 2);
}

TEST_F(SupportPlate, EachAttributeIsAnApplicationOfTwoGroupsBesideTheMarker)
{
    regApp("OTHER");
    {
        ZcDbObjectPointer<ZcDbEntity> e(plate, ZcDb::kForWrite);
        resbuf* other = zcutBuildList(1001, "OTHER", 1000, "kept", 0);
        e->setXData(other);
        zcutRelRb(other);
    }
    SupportPlateAttr a = sample();
    ASSERT_TRUE(a.Set(plate));
    EXPECT_EQ(a.GetObjectId(), plate);
    EXPECT_EQ(codes("SUPPORTPLATE"), (std::vector<int>{1001, 1000}));
    EXPECT_EQ(codes("KAISAKI_LINE_LA_PTH"), (std::vector<int>{1001, 1040}));
    EXPECT_EQ(codes("PNM"), (std::vector<int>{1001, 1000}));
    EXPECT_EQ(codes("ZMT"), (std::vector<int>{1001, 1000}));
    EXPECT_EQ(codes("PWT"), (std::vector<int>{1001, 1040}));
    EXPECT_EQ(codes("PHG"), (std::vector<int>{1001, 1040}));
    EXPECT_EQ(codes("WET"), (std::vector<int>{1001, 1040}));
    EXPECT_EQ(codes("PLANETYPE"), (std::vector<int>{1001, 1070}));
    EXPECT_EQ(codes("OTHER"), (std::vector<int>{1001, 1000}));
    CString marker;
    EXPECT_EQ(TrevanComARX_GetXdataStr(plate, "SUPPORTPLATE", marker), 1);
    EXPECT_EQ(marker, "DMY");
}

TEST_F(SupportPlate, APlateWithOnlyANameReadsDefaultsForTheRest)
{
    ASSERT_EQ(TrevanComARX_SetXdataStr(plate, "PNM", "BKT-7"), 1);
    SupportPlateAttr a = sample();
    ZcDbObjectPointer<ZcDbEntity> e(plate, ZcDb::kForRead);
    ASSERT_TRUE(TrevanCom_StructGet(e.object(), &a));
    EXPECT_STREQ(a.m_szName, "BKT-7");
    EXPECT_STREQ(a.m_szMaterial, "");
    EXPECT_EQ(a.m_rKaisakiLine, 0.0);
    EXPECT_EQ(a.m_rPWT, 0.0);
    EXPECT_EQ(a.m_rPHG, 0.0);
    EXPECT_EQ(a.m_rWeight, 0.0);
    // The plane type the record held before is not kept.
    EXPECT_EQ(a.m_nPlaneType, 99);
}

TEST_F(SupportPlate, AnEmptyMaterialIsWrittenAndReadAsEmpty)
{
    SupportPlateAttr a = sample();
    a.m_szMaterial[0] = '\0';
    ASSERT_TRUE(TrevanCom_StructSet(plate, a));
    EXPECT_EQ(codes("ZMT"), (std::vector<int>{1001, 1000}));
    SupportPlateAttr b = sample();
    ASSERT_TRUE(TrevanCom_StructGet(plate, &b));
    EXPECT_STREQ(b.m_szMaterial, "");
    EXPECT_STREQ(b.m_szName, "BKT-1");
}

TEST_F(SupportPlate, ALongNameIsCutOnACharacterBoundary)
{
    // 400 three-byte characters: 1200 bytes, more than a field holds.
    std::string name;
    for (int i = 0; i < 400; ++i) name += "板";
    ASSERT_EQ(TrevanComARX_SetXdataStr(plate, "PNM", name.c_str()), 1);
    SupportPlateAttr a;
    ASSERT_TRUE(TrevanCom_StructGet(plate, &a));
    EXPECT_EQ(std::strlen(a.m_szName), 1023u - 1023u % 3u);
    EXPECT_EQ(std::string(a.m_szName), name.substr(0, 1023 - 1023 % 3));
}

TEST_F(SupportPlate, AFieldFilledToItsEndIsWrittenWithinIt)
{
    SupportPlateAttr a = sample();
    std::memset(a.m_szMaterial, 'M', sizeof a.m_szMaterial);
    ASSERT_TRUE(TrevanCom_StructSet(plate, a));
    CString material;
    ASSERT_EQ(TrevanComARX_GetXdataStr(plate, "ZMT", material), 1);
    EXPECT_EQ(material.GetLength(), 1023);
}

TEST_F(SupportPlate, InitResetsAllButTheObjectId)
{
    SupportPlateAttr a = sample();
    ASSERT_TRUE(a.Set(plate));
    TrevanCom_StructInit(&a);
    EXPECT_EQ(a.GetObjectId(), plate);
    EXPECT_EQ(a.m_nPlaneType, 99);
    EXPECT_STREQ(a.m_szName, "");
    EXPECT_EQ(a.m_rWeight, 0.0);
}

TEST_F(SupportPlate, AnEntityThatCannotBeOpenedFails)
{
    SupportPlateAttr a = sample();
    EXPECT_FALSE(a.Get(ZcDbObjectId::kNull));
    EXPECT_FALSE(a.Set(ZcDbObjectId::kNull));
    EXPECT_FALSE(TrevanCom_StructSet(ZcDbObjectId::kNull, a));
    EXPECT_FALSE(TrevanCom_StructGet(ZcDbObjectId::kNull, &a));
    // A failed read leaves the record as it was.
    EXPECT_STREQ(a.m_szName, "BKT-1");
    {
        ZcDbObjectPointer<ZcDbEntity> e(plate, ZcDb::kForRead);
        EXPECT_FALSE(TrevanCom_StructGet(e.object(), nullptr));
    }
}

}  // namespace
