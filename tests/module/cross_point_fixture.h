// A plan with stiffeners in the actual-plate display on a copy of the sample installation,
// and completed detail drawings of its intersections written into the ENDTYPE folder as the
// sibling modules leave them: the frame's record entity with the members' records, the
// vertical reference line and the support plates with their attributes.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "TrevanCom2002.h"
#include "install_fixture.h"
#include "lisp_call_fixture.h"
#include "zrxhost/spaces.h"

struct DetailPlate {
    std::vector<ZcGePoint2d> outline;
    double thick;
    const char* material;
};

struct DetailDrawing {
    const CStiffData* through = nullptr;
    const CStiffData* right = nullptr;
    const CStiffData* left = nullptr;
    ZcGePoint3d refStart{0, -1000, 0};
    ZcGePoint3d refEnd{0, 1000, 0};
    std::vector<DetailPlate> plates;
    bool record = true;
    bool refLine = true;
};

// The corners of a closed polyline, in order.
inline void expectCorners(ZcDbObjectId polyId, const std::vector<ZcGePoint2d>& expected)
{
    ZcDbObjectPointer<ZcDbPolyline> poly(polyId, ZcDb::kForRead);
    ASSERT_EQ(poly.openStatus(), Zcad::eOk);
    ASSERT_EQ(poly->numVerts(), expected.size());
    EXPECT_TRUE(poly->isClosed());
    for (unsigned int i = 0; i < expected.size(); ++i) {
        ZcGePoint2d p;
        poly->getPointAt(i, p);
        EXPECT_NEAR(p.x, expected[i].x, 1e-6) << "corner " << i;
        EXPECT_NEAR(p.y, expected[i].y, 1e-6) << "corner " << i;
    }
}

// The string an entity carries under the application; "" when none.
inline std::string xdataStr(ZcDbObjectId id, const char* app)
{
    CString value;
    TrevanComARX_GetXdataStr(id, app, value);
    return value.str();
}

class CrossPointTest : public LispCallTest {
protected:
    void SetUp() override
    {
        LispCallTest::SetUp();
        TrevanComARX_MakeLayer("STIFF", 4, "CONTINUOUS", -3, "", db.get());
        define("crossset", TrevanComARX_StiffCrossDataSetFunc);
        define("crossturn", TrevanComARX_StiffCrossReverseFunc);
    }
    ZcDbObjectIdArray carrying(const char* app)
    {
        ZcDbObjectIdArray ids;
        TrevanCom_GetAllObjectIdArray(db.get(), ids, app);
        return ids;
    }

    static CStiffData section(const char* ftype, const char* code, double web, double thick, const char* side = "R")
    {
        CStiffData s;
        s.m_strFType = ftype;
        s.m_strCode = code;
        s.m_rWebWidth = web;
        s.m_rWebThick = thick;
        s.setStiffItanigeAxis(side);
        return s;
    }
    ZcDbObjectId member(CStiffData s, ZcGePoint3d start, ZcGePoint3d end)
    {
        ZcDbObjectId id = addToModelSpace(new ZcDbLine(start, end));
        s.m_ptStart = start;
        s.m_ptEnd = end;
        EXPECT_TRUE(TrevanComARX_SetStiffdata(id, s));
        {
            ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForWrite);
            e->setLayer("STIFF");
        }
        TrevanCom_CreateJitsuitaLine(id);
        members.append(id);
        return id;
    }
    void actualPlateDisplay() { ASSERT_TRUE(TrevanCom_JitsuitaHyouji(members)); }
    std::string pick(ZcDbObjectId stiff)
    {
        ZcDbObjectIdArray lines;
        TrevanCom_CheckStiffLine(stiff, lines);
        return "#" + hex(lines[0]);
    }

    // Writes ENDTYPE\ship\combination\symbol.dwg; its Windows path.
    std::string writeDetail(const std::string& ship, const std::string& combination, const std::string& symbol,
                            const DetailDrawing& d)
    {
        ZcDbDatabase detail;
        ZcDbDatabase* working = zcdbHostApplicationServices()->workingDatabase();
        zcdbHostApplicationServices()->setWorkingDatabase(&detail);
        if (d.record) {
            auto* frame = new ZcDbPoint(ZcGePoint3d(0, 0, 0));
            ZcDbObjectId id = append(detail, frame);
            ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForWrite);
            const std::pair<const CStiffData*, const char*> records[] = {{d.through, "CROSSDET_STIFF_STIFFPLANA"},
                                                                         {d.right, "CROSSDET_STIFF_STIFFPLANBR"},
                                                                         {d.left, "CROSSDET_STIFF_STIFFPLANBL"}};
            for (const auto& [record, app] : records) {
                if (record == nullptr) continue;
                EXPECT_TRUE(CStiffData(*record).setStiffdata(e.object(), app));
            }
        }
        if (d.refLine) {
            ZcDbObjectId id = append(detail, new ZcDbLine(d.refStart, d.refEnd));
            EXPECT_EQ(TrevanComARX_SetXdataStr(id, "PlanRecord_Stline", "DMY"), 1);
        }
        for (const DetailPlate& p : d.plates) {
            auto* outline = new ZcDbPolyline;
            for (unsigned int i = 0; i < p.outline.size(); ++i) outline->addVertexAt(i, p.outline[i]);
            outline->setClosed(true);
            ZcDbObjectId id = append(detail, outline);
            SupportPlateAttr attr;
            std::snprintf(attr.m_szMaterial, sizeof attr.m_szMaterial, "%s", p.material);
            attr.m_rPWT = p.thick;
            EXPECT_TRUE(TrevanCom_StructSet(id, attr));
        }
        zcdbHostApplicationServices()->setWorkingDatabase(working);
        const std::string folder = "TREVAN/DATA/ENDTYPE/" + ship + "/" + combination;
        std::filesystem::create_directories(install.at(folder));
        EXPECT_EQ(detail.saveAs(install.at(folder + "/" + symbol + ".dwg").c_str()), Zcad::eOk);
        return "C:\\TREVAN\\DATA\\ENDTYPE\\" + ship + "\\" + combination + "\\" + symbol + ".dwg";
    }

    static ZcDbObjectId append(ZcDbDatabase& target, ZcDbEntity* entity)
    {
        ZcDbBlockTableRecord* ms = nullptr;
        EXPECT_EQ(zcdbOpenObject(ms, zrxhost::modelSpaceId(&target), ZcDb::kForWrite), Zcad::eOk);
        ZcDbObjectId id;
        EXPECT_EQ(ms->appendZcDbEntity(id, entity), Zcad::eOk);
        entity->close();
        ms->close();
        return id;
    }

    SampleInstall install;
    ZcDbObjectIdArray members;
    CStiffData throughSection = section("LONG_F", "F150", 150, 10, "R");
    CStiffData rightSection = section("LONG_F", "F200", 200, 12, "R");
    CStiffData leftSection = section("LONG_F", "F250", 250, 14, "L");
    // Reaching 20 to 300 from the detail's web centre (x 5) on its right, 12 thick.
    DetailPlate nearPlate{{{25, -700}, {305, -700}, {305, -560}, {25, -600}}, 12, "AH32"};
};
