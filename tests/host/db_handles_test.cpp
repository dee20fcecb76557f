// Handles: unique, written as the platform writes them, found in both directions, and
// still there after erasure.
#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "dxf_test_files.h"
#include "support/host_fixture.h"
#include "zrxhost/spaces.h"

namespace {

using Handles = HostTest;

std::string hexOf(const ZcDbHandle& h)
{
    char buf[17];
    EXPECT_TRUE(h.getIntoAsciiBuffer(buf));
    return buf;
}

TEST_F(Handles, TextIsUpperCaseHexWithoutLeadingZeros)
{
    EXPECT_EQ(hexOf(ZcDbHandle(0x1a3)), "1A3");
    EXPECT_EQ(hexOf(ZcDbHandle(0xFFFFFFFFFFFFFFFFull)), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(static_cast<uint64_t>(ZcDbHandle("01a3")), 0x1A3u);
    EXPECT_TRUE(ZcDbHandle("1G").isNull());
    EXPECT_TRUE(ZcDbHandle("").isNull());
    EXPECT_TRUE(ZcDbHandle("11112222333344445").isNull());  // more than 64 bits
    char tiny[3];
    EXPECT_FALSE(ZcDbHandle(0x1A3).getIntoAsciiBuffer(tiny, sizeof tiny));
}

TEST_F(Handles, EveryNewObjectGetsItsOwnAndLookupFindsIt)
{
    std::set<uint64_t> seen;
    for (int i = 0; i < 200; ++i) {
        ZcDbObjectId id = addToModelSpace(new ZcDbLine({0, 0, 0}, {double(i), 1, 0}));
        ZcDbHandle h = id.handle();
        EXPECT_TRUE(seen.insert(static_cast<uint64_t>(h)).second);
        ZcDbObjectId found;
        ASSERT_EQ(db->getZcDbObjectId(found, false, h), Zcad::eOk);
        EXPECT_EQ(found, id);
        EXPECT_EQ(ZcDbHandle(hexOf(h).c_str()), h);
    }
    EXPECT_GT(static_cast<uint64_t>(db->handseed()), *seen.rbegin());
}

// Handles a file gives in patterns a sequence-minded lookup could trip over: runs far
// apart, handles whose low 32 bits are alike, and more handles than a small table holds.
TEST_F(Handles, HandlesFromAFileAreFoundWhateverTheirPattern)
{
    std::vector<uint64_t> handles = {0x2A, 0x10000002AULL, 0xFFFFFFFF0000002AULL, 0x7FFFFFFFFFFFFFFFULL};
    for (uint64_t i = 1; i <= 3000; ++i) handles.push_back(0x100000 + i * 0x1000);
    for (uint64_t i = 0; i < 3000; ++i) handles.push_back(0x30 + i);
    std::string entities;
    char hex[17];
    for (uint64_t h : handles) {
        std::snprintf(hex, sizeof hex, "%llX", static_cast<unsigned long long>(h));
        entities += dxftest::pairs({{0, "POINT"}, {5, hex}, {8, "HULL"}, {10, "0"}, {20, "0"}, {30, "0"}});
    }
    dxftest::ScratchDir dir;
    std::string path = dir.file("handles.dxf");
    // Objects the file leaves without a handle are numbered from its seed, clear of these.
    dxftest::writeFile(path, dxftest::r12Drawing(entities, "FFFFFFFFFF000000"));
    ASSERT_EQ(db->readDwgFile(path.c_str()), Zcad::eOk) << zrxhost::lastDrawingFileError();

    for (uint64_t h : handles) {
        ZcDbObjectId id;
        ASSERT_EQ(db->getZcDbObjectId(id, false, ZcDbHandle(h)), Zcad::eOk) << std::hex << h;
        EXPECT_EQ(static_cast<uint64_t>(id.handle()), h);
    }
    for (uint64_t missing : {0x2BULL, 0x20000002AULL, 0x100800ULL, 0x30ULL + 3000, 0xFFFFFFFF00000030ULL}) {
        ZcDbObjectId id;
        EXPECT_EQ(db->getZcDbObjectId(id, false, ZcDbHandle(missing)), Zcad::eUnknownHandle) << std::hex << missing;
    }
    // A new object takes a handle no object of the file has.
    ZcDbObjectId added = addToModelSpace(new ZcDbLine({0, 0, 0}, {1, 0, 0}));
    EXPECT_EQ(std::count(handles.begin(), handles.end(), static_cast<uint64_t>(added.handle())), 0);
}

TEST_F(Handles, UnknownHandleIsReported)
{
    ZcDbObjectId id;
    EXPECT_EQ(db->getZcDbObjectId(id, false, ZcDbHandle(0xABCDEF)), Zcad::eUnknownHandle);
    EXPECT_TRUE(id.isNull());
    EXPECT_EQ(db->getZcDbObjectId(id, false, ZcDbHandle()), Zcad::eNullHandle);
}

TEST_F(Handles, ErasedObjectsStayFindableButIteratorsSkipThem)
{
    ZcDbObjectId a = addToModelSpace(new ZcDbLine({0, 0, 0}, {1, 0, 0}));
    ZcDbObjectId b = addToModelSpace(new ZcDbLine({0, 0, 0}, {2, 0, 0}));
    ZcDbObjectId c = addToModelSpace(new ZcDbLine({0, 0, 0}, {3, 0, 0}));
    {
        ZcDbObjectPointer<ZcDbLine> p(b, ZcDb::kForWrite);
        ASSERT_EQ(p->erase(), Zcad::eOk);
    }
    ZcDbObjectId found;
    ASSERT_EQ(db->getZcDbObjectId(found, false, b.handle()), Zcad::eOk);
    EXPECT_EQ(found, b);
    EXPECT_TRUE(found.isErased());

    ZcDbObjectPointer<ZcDbBlockTableRecord> ms(zrxhost::modelSpaceId(db.get()), ZcDb::kForRead);
    ZcDbBlockTableRecordIterator* it = nullptr;
    ASSERT_EQ(ms->newIterator(it), Zcad::eOk);
    std::vector<ZcDbObjectId> order;
    for (; !it->done(); it->step()) {
        ZcDbObjectId id;
        it->getEntityId(id);
        order.push_back(id);
    }
    delete it;
    EXPECT_EQ(order, (std::vector<ZcDbObjectId>{a, c}));

    ASSERT_EQ(ms->newIterator(it, true, false), Zcad::eOk);
    int all = 0;
    for (; !it->done(); it->step(true, false)) ++all;
    delete it;
    EXPECT_EQ(all, 3);
}

TEST_F(Handles, EntityNamesRoundTripAndGoStaleWithTheirDrawing)
{
    ZcDbObjectId id = addToModelSpace(new ZcDbLine({0, 0, 0}, {1, 0, 0}));
    ads_name name;
    ASSERT_EQ(zcdbGetAdsName(name, id), Zcad::eOk);
    ZcDbObjectId back;
    ASSERT_EQ(zcdbGetObjectId(back, name), Zcad::eOk);
    EXPECT_EQ(back, id);

    ads_name other;
    {
        ZcDbDatabase scratch;
        ZcDbObjectId ms = zrxhost::modelSpaceId(&scratch);
        ASSERT_EQ(zcdbGetAdsName(other, ms), Zcad::eOk);
    }
    EXPECT_EQ(zcdbGetObjectId(back, other), Zcad::eInvalidAdsName);
}

TEST_F(Handles, ADrawingWhoseSeedIsAtTheEndOfTheHandlesStillGivesEveryNewObjectItsOwn)
{
    dxftest::ScratchDir dir;
    std::string path = dir.file("seed.dxf");
    std::string line = dxftest::pairs({{0, "LINE"}, {5, "2A"}, {8, "HULL"}, {10, "0"}, {20, "0"}, {30, "0"},
                                       {11, "5"}, {21, "5"}, {31, "0"}});
    dxftest::writeFile(path, dxftest::r12Drawing(line, "FFFFFFFFFFFFFFFF"));
    auto d = loadDrawing(path);
    ASSERT_EQ(zrxhost::lastDrawingFileRepairs().size(), 1u);
    std::set<uint64_t> seen = {0x2A};
    ZcDbObjectPointer<ZcDbBlockTableRecord> ms(zrxhost::modelSpaceId(d.get()), ZcDb::kForWrite);
    for (int i = 0; i < 4; ++i) {
        ZcDbObjectId id;
        auto* l = new ZcDbLine({0, 0, 0}, {1, double(i), 0});
        ASSERT_EQ(ms->appendZcDbEntity(id, l), Zcad::eOk);
        l->close();
        EXPECT_TRUE(seen.insert(static_cast<uint64_t>(id.handle())).second) << hexOf(id.handle());
        EXPECT_GT(static_cast<uint64_t>(id.handle()), 0x2Au);
    }
}

}  // namespace
