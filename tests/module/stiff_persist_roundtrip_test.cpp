// Writing a stiffener record to its entity and reading it back: every stored field, 16-bit
// integers, the side string, and what happens without an installation.
#include "stiff_persist_fixture.h"

namespace {

using StiffPersistRoundTrip = StiffPersistTest;

TEST_F(StiffPersistRoundTrip, EveryStoredFieldComesBackWrittenById)
{
    ZcDbObjectId line = addLine(0, 0, 1000, 0);
    const CStiffData written = sample();
    ASSERT_TRUE(TrevanComARX_SetStiffdata(line, written));
    expectSameStored(readBack(line), written);
}

TEST_F(StiffPersistRoundTrip, EveryStoredFieldComesBackWrittenToAnOpenEntity)
{
    ZcDbObjectId line = addLine(0, 0, 1000, 0);
    const CStiffData written = sample();
    {
        // Held open for read only: the write upgrades it.
        ZcDbObjectPointer<ZcDbEntity> ent(line, ZcDb::kForRead);
        ASSERT_TRUE(TrevanComARX_SetStiffdata(ent.object(), written));
        CStiffData inPlace;
        ASSERT_TRUE(TrevanComARX_GetStiffdata(ent.object(), inPlace));
        expectSameStored(inPlace, written);
    }
    expectSameStored(readBack(line), written);
}

TEST_F(StiffPersistRoundTrip, IntegersKeepTheirLow16BitsWithSign)
{
    ZcDbObjectId line = addLine(0, 0, 1000, 0);
    CStiffData s = sample();
    s.m_nRes1 = 70000;
    s.m_nRes2 = -1;
    s.m_nNewRes1 = 65535;
    s.m_nNewRes2 = 32768;
    ASSERT_TRUE(TrevanComARX_SetStiffdata(line, s));
    CStiffData r = readBack(line);
    EXPECT_EQ(r.m_nRes1, 4464);
    EXPECT_EQ(r.m_nRes2, -1);
    EXPECT_EQ(r.m_nNewRes1, -1);
    EXPECT_EQ(r.m_nNewRes2, -32768);
}

TEST_F(StiffPersistRoundTrip, ALoneSideLetterIsCompletedOnTheEntityNotInTheCallersRecord)
{
    ZcDbObjectId a = addLine(0, 0, 1000, 0);
    ZcDbObjectId b = addLine(0, 100, 1000, 100);
    CStiffData left = sample();
    left.m_strItanige = "L";
    ASSERT_TRUE(TrevanComARX_SetStiffdata(a, left));
    EXPECT_EQ(left.m_strItanige, "L");
    EXPECT_EQ(readBack(a).m_strItanige, "L,L");

    CStiffData blank = sample();
    blank.m_strItanige.Empty();
    {
        ZcDbObjectPointer<ZcDbEntity> ent(b, ZcDb::kForWrite);
        ASSERT_TRUE(TrevanComARX_SetStiffdata(ent.object(), blank));
    }
    EXPECT_TRUE(blank.m_strItanige.IsEmpty());
    EXPECT_EQ(readBack(b).m_strItanige, ",");
}

TEST_F(StiffPersistRoundTrip, TheMemberWriteCompletesTheSidesOfItsOwnRecord)
{
    ZcDbObjectId line = addLine(0, 0, 1000, 0);
    CStiffData s = sample();
    s.m_strItanige = "l";
    ASSERT_TRUE(s.setStiffdata(line, "STIFF"));
    EXPECT_EQ(s.m_strItanige, "l,l");
    EXPECT_EQ(readBack(line).m_strItanige, "l,l");
}

TEST_F(StiffPersistRoundTrip, WithoutTheSystemFolderNothingIsWrittenNorRead)
{
    ZcDbObjectId line = addLine(0, 0, 1000, 0);
    ASSERT_TRUE(TrevanComARX_SetStiffdata(line, sample()));
    forgetSystemFolder();

    CStiffData other = sample();
    other.m_strName = "FB-100x10";
    EXPECT_FALSE(TrevanComARX_SetStiffdata(line, other));
    {
        ZcDbObjectPointer<ZcDbEntity> ent(line, ZcDb::kForWrite);
        EXPECT_FALSE(TrevanComARX_SetStiffdata(ent.object(), other));
    }
    CStiffData untouched;
    untouched.m_strName = "kept";
    EXPECT_FALSE(TrevanComARX_GetStiffdata(line, untouched));
    EXPECT_EQ(untouched.m_strName, "kept");
    // The record already there survives the failed writes.
    EXPECT_TRUE(TrevanComARX_HasXdata(line, "STIFF"));
}

TEST_F(StiffPersistRoundTrip, AnEntityThatCannotBeOpenedFails)
{
    ZcDbObjectId line = addLine(0, 0, 1000, 0);
    EXPECT_FALSE(TrevanComARX_SetStiffdata(ZcDbObjectId::kNull, sample()));
    CStiffData r;
    EXPECT_FALSE(TrevanComARX_GetStiffdata(ZcDbObjectId::kNull, r));
    EXPECT_FALSE(TrevanComARX_GetStiffdata(static_cast<ZcDbEntity*>(nullptr), r));
    // Already open for write elsewhere: the write by id cannot open it, and leaves it be.
    ZcDbObjectPointer<ZcDbEntity> held(line, ZcDb::kForWrite);
    EXPECT_FALSE(TrevanComARX_SetStiffdata(line, sample()));
    EXPECT_FALSE(TrevanComARX_HasXdata(held.object(), "STIFF"));
}

}  // namespace
