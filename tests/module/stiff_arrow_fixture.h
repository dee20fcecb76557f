// Stiffeners with Y marks in a fresh drawing on a copy of the sample installation: lines and
// aligned dimensions carrying their records, marks linked both ways, and dimension styles.
#pragma once

#include <string>

#include "TrevanCom2002.h"
#include "install_fixture.h"
#include "lisp_call_fixture.h"

class StiffArrowTest : public LispCallTest {
protected:
    void SetUp() override
    {
        LispCallTest::SetUp();
        ZcDbObjectPointer<ZcDbBlockTable> blocks(db->blockTableId(), ZcDb::kForWrite);
        auto* block = new ZcDbBlockTableRecord;
        block->setName("YMARK");
        ASSERT_EQ(blocks->add(markBlock, block), Zcad::eOk);
        ZcDbObjectId part;
        auto* stroke = new ZcDbLine({0, 0, 0}, {0, 1, 0});
        ASSERT_EQ(block->appendZcDbEntity(part, stroke), Zcad::eOk);
        stroke->close();
        block->close();
    }
    ZcDbObjectId record(ZcDbObjectId id, const ZcGePoint3d& a, const ZcGePoint3d& b)
    {
        CStiffData s;
        s.m_ptStart = a;
        s.m_ptEnd = b;
        s.m_strFType = "LONG_FB";
        s.m_strCode = "F1";
        EXPECT_TRUE(TrevanComARX_SetStiffdata(id, s));
        return id;
    }
    ZcDbObjectId lineStiff(double x0, double y0, double x1, double y1)
    {
        return record(addToModelSpace(new ZcDbLine({x0, y0, 0}, {x1, y1, 0})), {x0, y0, 0}, {x1, y1, 0});
    }
    ZcDbObjectId dimStiff(double x0, double x1, double y, ZcDbObjectId style = ZcDbObjectId::kNull)
    {
        return record(addToModelSpace(new ZcDbAlignedDimension({x0, y, 0}, {x1, y, 0}, {x0, y + 50, 0}, nullptr, style)),
                      {x0, y, 0}, {x1, y, 0});
    }
    // A Y mark at the point, linked both ways as the start ("S") or end ("E") mark.
    ZcDbObjectId mark(ZcDbObjectId stiff, const ZcGePoint3d& at, char end)
    {
        const ZcDbObjectId id = addToModelSpace(new ZcDbBlockReference(at, markBlock));
        const std::string link = std::string("STIFF_") + end + "YMARK_HDNAME";
        const std::string back = std::string("STIFF_SupportDraw_YMark") + end;
        EXPECT_EQ(TrevanComARX_SetXdataStr(stiff, link.c_str(), hex(id).c_str()), 1);
        EXPECT_EQ(TrevanComARX_SetXdataStr(id, back.c_str(), hex(stiff).c_str()), 1);
        return id;
    }
    static double markScale(ZcDbObjectId id)
    {
        ZcDbObjectPointer<ZcDbBlockReference> r(id, ZcDb::kForRead);
        const ZcGeScale3d s = r->scaleFactors();
        EXPECT_EQ(s.sx, s.sy);
        EXPECT_EQ(s.sx, s.sz);
        return s.sx;
    }
    static double arrowSize(ZcDbObjectId id)
    {
        ZcDbObjectPointer<ZcDbDimension> d(id, ZcDb::kForRead);
        return d->dimasz();
    }
    // A dimension style of that name with the arrow size and text height given.
    ZcDbObjectId style(const char* name, double asz, double txt = 2.5)
    {
        ZcDbObjectPointer<ZcDbDimStyleTable> table(db->dimStyleTableId(), ZcDb::kForWrite);
        auto* rec = new ZcDbDimStyleTableRecord;
        rec->setName(name);
        rec->setDimasz(asz);
        rec->setDimtxt(txt);
        ZcDbObjectId id;
        EXPECT_EQ(table->add(id, rec), Zcad::eOk);
        rec->close();
        return id;
    }
    // The style's arrow size; -1 when the drawing has no such style.
    double styleArrow(const char* name)
    {
        ZcDbObjectPointer<ZcDbDimStyleTable> table(db->dimStyleTableId(), ZcDb::kForRead);
        ZcDbDimStyleTableRecord* rec = nullptr;
        if (table->getAt(name, rec, ZcDb::kForRead) != Zcad::eOk) return -1.0;
        const double v = rec->dimasz();
        rec->close();
        return v;
    }
    static double sysReal(const char* name)
    {
        resbuf rb;
        EXPECT_EQ(zcedGetVar(name, &rb), RTNORM);
        return rb.resval.rreal;
    }

    SampleInstall install;
    ZcDbObjectId markBlock;
};
