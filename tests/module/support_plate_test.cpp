// Support plate attributes: one single-value xdata application per attribute, read back
// with defaults for whatever the plate does not carry.
#include <cstdio>
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
    static SupportPlateAttr sample()
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
    // Every attribute in one line, for comparing records whole.
    static std::string fields(const SupportPlateAttr& a)
    {
        char text[3000];
        std::snprintf(text, sizeof text, "%g|%s|%s|%g|%g|%g|%d", a.m_rKaisakiLine, a.m_szName, a.m_szMaterial, a.m_rPWT,
                      a.m_rPHG, a.m_rWeight, a.m_nPlaneType);
        return text;
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
    ZcDbObjectId plate;
};

TEST_F(SupportPlate, EachAttributeIsAnApplicationOfItsOwnAndReadsBack)
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
    const std::pair<const char*, int> groups[] = {{"SUPPORTPLATE", 1000}, {"KAISAKI_LINE_LA_PTH", 1040}, {"PNM", 1000},
                                                  {"ZMT", 1000},          {"PWT", 1040},                 {"PHG", 1040},
                                                  {"WET", 1040},          {"PLANETYPE", 1070},           {"OTHER", 1000}};
    for (const auto& [app, code] : groups) EXPECT_EQ(codes(app), (std::vector<int>{1001, code})) << app;
    CString marker;
    EXPECT_EQ(TrevanComARX_GetXdataStr(plate, "SUPPORTPLATE", marker), 1);
    EXPECT_EQ(marker, "DMY");

    // Nothing is read from or written to an entity that does not open.
    SupportPlateAttr b = sample();
    EXPECT_FALSE(b.Get(ZcDbObjectId::kNull) || b.Set(ZcDbObjectId::kNull) || TrevanCom_StructSet(ZcDbObjectId::kNull, b) ||
                 TrevanCom_StructGet(ZcDbObjectId::kNull, &b));
    EXPECT_EQ(fields(b), fields(sample()));
    b = SupportPlateAttr();
    ASSERT_TRUE(b.Get(plate));
    EXPECT_EQ(b.GetObjectId(), plate);
    EXPECT_EQ(fields(b), fields(sample()));
    // Init resets all but the object id.
    TrevanCom_StructInit(&b);
    EXPECT_EQ(b.GetObjectId(), plate);
    EXPECT_EQ(fields(b), fields(SupportPlateAttr()));
}

TEST_F(SupportPlate, APlateWithOnlyANameReadsDefaultsForTheRest)
{
    ASSERT_EQ(TrevanComARX_SetXdataStr(plate, "PNM", "BKT-7"), 1);
    SupportPlateAttr a = sample();
    ZcDbObjectPointer<ZcDbEntity> e(plate, ZcDb::kForRead);
    ASSERT_TRUE(TrevanCom_StructGet(e.object(), &a));
    EXPECT_FALSE(TrevanCom_StructGet(e.object(), nullptr));
    // The plane type the record held before is not kept either.
    EXPECT_EQ(fields(a), "0|BKT-7||0|0|0|99");
}

TEST_F(SupportPlate, TextsAreWrittenAndReadWithinTheirFields)
{
    SupportPlateAttr a = sample();
    a.m_szName[0] = '\0';
    std::memset(a.m_szMaterial, 'M', sizeof a.m_szMaterial);
    ASSERT_TRUE(TrevanCom_StructSet(plate, a));
    EXPECT_EQ(codes("PNM"), (std::vector<int>{1001, 1000}));
    CString material;
    ASSERT_EQ(TrevanComARX_GetXdataStr(plate, "ZMT", material), 1);
    EXPECT_EQ(material.GetLength(), 1023);

    // 400 three-byte characters: 1200 bytes, cut on a character boundary.
    std::string name;
    for (int i = 0; i < 400; ++i) name += "板";
    ASSERT_EQ(TrevanComARX_SetXdataStr(plate, "PNM", name.c_str()), 1);
    SupportPlateAttr b;
    ASSERT_TRUE(TrevanCom_StructGet(plate, &b));
    EXPECT_EQ(std::string(b.m_szName), name.substr(0, 1023 - 1023 % 3));
}

}  // namespace
