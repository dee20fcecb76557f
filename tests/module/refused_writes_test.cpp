// A write the module refuses changes nothing: a record that cannot be stored (a string past
// the xdata limit, no usable definition file, a number that is not finite) leaves the
// entity's old record and every other application's xdata where they were, and xdata no
// layout reads is never overwritten by a writer that changes one field.
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <sstream>

#include "command_text.h"
#include "stiff_persist_fixture.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// The value a LISP call gave, after whatever it printed.
std::string lastLine(const std::string& text)
{
    const std::string t = trimmed(text);
    const size_t n = t.rfind('\n');
    return n == std::string::npos ? t : t.substr(n + 1);
}

class RefusedWrites : public StiffPersistTest {
protected:
    // A stiffener between the xdata of two other applications, so that order shows too.
    ZcDbObjectId stiffener()
    {
        ZcDbObjectId id = addLine(0, 0, 1000, 0);
        EXPECT_EQ(TrevanComARX_SetXdataStr(id, "STIFF_STEXT_HDNAME", "1A3"), 1);
        EXPECT_TRUE(TrevanComARX_SetStiffdata(id, sample()));
        {
            ZcDbObjectPointer<ZcDbEntity> ent(id, ZcDb::kForWrite);
            EXPECT_EQ(TrevanComARX_SetXdataReal(ent.object(), "STIFF_ETEXT_ANGLE", 0.5), 1);
        }
        return id;
    }
    // Every application's xdata, in order, as text.
    std::string xdata(ZcDbObjectId id)
    {
        ZcDbObjectPointer<ZcDbEntity> ent(id, ZcDb::kForRead);
        resbuf* all = ent->xData(nullptr);
        std::ostringstream out;
        out.precision(17);
        for (const resbuf* rb = all; rb != nullptr; rb = rb->rbnext) {
            out << rb->restype << ':';
            if (rb->restype == 1000 || rb->restype == 1001) out << rb->resval.rstring;
            else if (rb->restype == 1040) out << rb->resval.rreal;
            else if (rb->restype == 1070) out << rb->resval.rint;
            out << ' ';
        }
        zcutRelRb(all);
        return out.str();
    }
};

TEST_F(RefusedWrites, ARecordThatCannotBeStoredLeavesTheOldOneByIdAndOnAnOpenEntity)
{
    define("stiffangle", TrevanComARX_SetStiffAngle);
    ZcDbObjectId id = stiffener();
    const std::string before = xdata(id);
    // The angle is written as text: 1e308 gives a string past the 255-byte limit.
    EXPECT_EQ(lastLine(call("(stiffangle " + ename(id) + " 1e308)")), "nil");
    EXPECT_EQ(xdata(id), before);
    CStiffData longName = sample();
    longName.m_strName = CString(std::string(256, 'N').c_str());
    EXPECT_FALSE(TrevanComARX_SetStiffdata(id, longName));
    EXPECT_EQ(xdata(id), before);
    {
        ZcDbObjectPointer<ZcDbEntity> ent(id, ZcDb::kForRead);
        EXPECT_FALSE(TrevanComARX_SetStiffdata(ent.object(), longName));
    }
    EXPECT_EQ(xdata(id), before);
    EXPECT_EQ(stored(readBack(id)), stored(sample()));
}

TEST_F(RefusedWrites, AMissingEmptyOrUnreadableDefinitionFileLeavesTheOldRecord)
{
    ZcDbObjectId id = stiffener();
    const std::string before = xdata(id);
    const std::string ent = install.bytesOf("TREVAN/SYSTEM/STD/stiff.ent");
    const std::filesystem::path file = install.at("TREVAN/SYSTEM/STD/stiff.ent");
    CStiffData changed = sample();
    changed.m_strName = "L-200x90x9";

    std::filesystem::remove(file);
    EXPECT_FALSE(TrevanComARX_SetStiffdata(id, changed));
    EXPECT_EQ(xdata(id), before);
    install.putStd("stiff.ent", "");
    EXPECT_FALSE(TrevanComARX_SetStiffdata(id, changed));
    EXPECT_EQ(xdata(id), before);
    install.putStd("stiff.ent", "\xFF\xFE garbage\r\n;;;\r\n");
    {
        ZcDbObjectPointer<ZcDbEntity> open(id, ZcDb::kForWrite);
        EXPECT_FALSE(TrevanComARX_SetStiffdata(open.object(), changed));
    }
    EXPECT_EQ(xdata(id), before);
    // A folder where the file should be cannot be read at all.
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    EXPECT_FALSE(TrevanComARX_SetStiffdata(id, changed));
    EXPECT_EQ(xdata(id), before);

    std::filesystem::remove(file);
    install.putStd("stiff.ent", ent);
    ASSERT_TRUE(TrevanComARX_SetStiffdata(id, changed));
    EXPECT_EQ(readBack(id).m_strName, "L-200x90x9");
}

TEST_F(RefusedWrites, TheAngleWriterDoesNotOverwriteXdataNoLayoutReads)
{
    define("stiffangle", TrevanComARX_SetStiffAngle);
    ZcDbObjectId id = addLine(0, 0, 1000, 0);
    plant(id, zcutBuildList(RTSTR, "STIFF", RTSTR, "LONG_A", RTSTR, "L", RTSTR, "C", RTREAL, 1.0, RTREAL, 2.0,
                            RTREAL, 3.0, RTREAL, 4.0, RTREAL, 5.0, RTREAL, 6.0, RTSTR, "S", RTSTR, "S", RTSTR, "R,R",
                            RTSTR, "", RTSTR, "X,1.0", RTSHORT, 1, RTSHORT, 2, RTREAL, 0.0, RTREAL, 0.0, 0),
          "STIFF.OLD1");
    std::filesystem::remove(install.at("TREVAN/SYSTEM/STD/STIFF.OLD1"));
    const std::string before = xdata(id);
    CStiffData r;
    ASSERT_TRUE(TrevanComARX_GetStiffdata(id, r));
    EXPECT_EQ(lastLine(call("(stiffangle " + ename(id) + " 10.0)")), "nil");
    EXPECT_EQ(xdata(id), before);
}

TEST_F(RefusedWrites, ANumberThatIsNotFiniteIsStoredByNoWriter)
{
    define("stiffangle", TrevanComARX_SetStiffAngle);
    define("setltscale", TrevanComARX_SetObjLtscaleLispFunc);
    ZcDbObjectId id = stiffener();
    const std::string before = xdata(id);
    const std::string e = ename(id);
    for (const char* number : {"(* 1e308 10.0)", "(- (* 1e308 10.0))", "(- (* 1e308 10.0) (* 1e308 10.0))"}) {
        EXPECT_EQ(trimmed(call("(stiffangle " + e + " " + number + ")")), "引数エラー\nnil") << number;
        EXPECT_EQ(trimmed(call("(setltscale " + e + " " + number + ")")), "引数エラー\nnil") << number;
    }
    EXPECT_EQ(xdata(id), before);
    {
        ZcDbObjectPointer<ZcDbEntity> ent(id, ZcDb::kForWrite);
        EXPECT_EQ(ent->linetypeScale(), 1.0);
        EXPECT_EQ(TrevanComARX_SetXdataReal(ent.object(), "STIFF_ETEXT_ANGLE", kInf), 0);
        EXPECT_EQ(TrevanComARX_SetXdataReal(ent.object(), "STIFF_ETEXT_ANGLE", std::nan("")), 0);
    }
    EXPECT_EQ(xdata(id), before);

    CStiffData record = sample();
    record.m_rWeight = kInf;
    EXPECT_FALSE(TrevanComARX_SetStiffdata(id, record));
    record = sample();
    record.setToritsukeAngle(-kInf);
    EXPECT_EQ(record.m_strRes2, sample().m_strRes2);
    EXPECT_EQ(xdata(id), before);

    EXPECT_FALSE(TrevanCom_SetCurveSEpt(id, ZcGePoint3d(kInf, 0, 0), ZcGePoint3d(1, 1, 0)));
    EXPECT_FALSE(TrevanCom_SetCurveSEpt(id, ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, std::nan(""), 0)));
    ZcGePoint3d s, end;
    ASSERT_TRUE(TrevanCom_GetCurveSEpt(id, s, end));
    EXPECT_EQ(s, ZcGePoint3d(0, 0, 0));
    EXPECT_EQ(end, ZcGePoint3d(1000, 0, 0));
}

TEST_F(RefusedWrites, ASupportPlateKeepsItsAttributesWhenANewOneIsNotFinite)
{
    ZcDbObjectId plate = addLine(0, 0, 300, 0);
    SupportPlateAttr old;
    old.m_rPWT = 11.0;
    std::strcpy(old.m_szName, "BKT-1");
    ASSERT_TRUE(old.Set(plate));
    const std::string before = xdata(plate);
    SupportPlateAttr next = old;
    std::strcpy(next.m_szName, "BKT-2");
    next.m_rWeight = kInf;
    EXPECT_FALSE(next.Set(plate));
    next.m_rWeight = 1.0;
    next.m_rPHG = std::nan("");
    EXPECT_FALSE(TrevanCom_StructSet(plate, next));
    EXPECT_EQ(xdata(plate), before);
}

}  // namespace
