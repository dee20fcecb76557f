// TRV_LINKLONG and TRV_LINKLONGCHECK as a user runs them: the sections crossing a landing
// line offered, added and removed by hand, linked as a whole, and shown again.
#include "longitudinal_fixture.h"

namespace {

class LongitudinalLinks : public LongitudinalTest {
protected:
    void SetUp() override
    {
        LongitudinalTest::SetUp();
        shell = line(0, 0, 10000, 0);
        for (double x : {1000.0, 2000.0, 3000.0}) onShell.push_back(section({x, 0}, {x, 250}));
        // Its web crosses the shell, its foot stands below it.
        crossing = section({5000, -100}, {5000, 200});
        apart = section({4000, 100}, {4000, 350});
    }
    std::string shellHandle() { return hex(shell); }
    std::vector<ZcDbObjectId> all() { return {onShell[0], onShell[1], onShell[2], crossing, apart}; }

    ZcDbObjectId shell;
    std::vector<ZcDbObjectId> onShell;
    ZcDbObjectId crossing;
    ZcDbObjectId apart;
};

TEST_F(LongitudinalLinks, EnterAtOnceLinksTheCrossingSectionsAndMarksTheLine)
{
    std::vector<std::string> seen;
    std::string out = watch("TRV_LINKLONG", {pick(shell), ""}, all(), seen);
    ASSERT_EQ(seen.size(), 2u) << out;
    EXPECT_EQ(seen[1], "****.") << "the crossing sections are shown while the user picks";
    for (ZcDbObjectId id : all()) EXPECT_FALSE(zrxhost::isHighlighted(id));
    for (ZcDbObjectId id : onShell) EXPECT_EQ(landingOf(id), shellHandle());
    EXPECT_EQ(landingOf(crossing), shellHandle());
    EXPECT_EQ(landingOf(apart), "");
    EXPECT_EQ(markOf(shell), shellHandle());
    EXPECT_NE(out.find("追加する、または除外するロンジを指示:"), std::string::npos) << out;
    EXPECT_TRUE(zrxhost::checkFailures().empty());
}

TEST_F(LongitudinalLinks, SectionsAreRemovedAndAddedBackOnlyWhenTheirFootIsOnTheLine)
{
    ZcDbObjectId plain = line(6000, 0, 6000, 300);
    std::vector<std::string> seen;
    std::string out = watch("TRV_LINKLONG",
                            {pick(shell), pick(onShell[1]), pick(crossing), pick(apart), pick(plain), pick(onShell[1]),
                             pick(crossing), ""},
                            all(), seen);
    ASSERT_EQ(seen.size(), 8u) << out;
    EXPECT_EQ(seen[2], "*.**.");
    EXPECT_EQ(seen[3], "*.*..");
    // The foot of "apart" is 100 off the line; the plain line carries no record.
    EXPECT_NE(out.find("\nランディング線とロンジの足元が離れています！"), std::string::npos) << out;
    EXPECT_EQ(seen[5], "*.*..");
    EXPECT_EQ(seen[6], "***..");
    // Added by hand, "crossing" is held to its foot too.
    EXPECT_EQ(seen[7], "***..");
    EXPECT_EQ(landingOf(crossing), "");
    EXPECT_EQ(landingOf(apart), "");
    for (ZcDbObjectId id : onShell) EXPECT_EQ(landingOf(id), shellHandle());
}

TEST_F(LongitudinalLinks, TwoSectionsOnOneFootStopTheLinkBeforeAnythingIsWritten)
{
    ZcDbObjectId twin = section({2000, 0}, {2000, -250});
    std::string out = play("TRV_LINKLONG", {pick(shell), ""});
    EXPECT_NE(out.find("[MessageBox] 同一点でロンジ断面が複数作図されています。"), std::string::npos) << out;
    for (ZcDbObjectId id : {onShell[0], twin, crossing}) EXPECT_EQ(landingOf(id), "");
    EXPECT_EQ(markOf(shell), "-");
    // Without the twin the same line links.
    play("TRV_LINKLONG", {pick(shell), pick(twin), ""});
    EXPECT_EQ(landingOf(onShell[1]), shellHandle());
    EXPECT_EQ(landingOf(twin), "");
}

TEST_F(LongitudinalLinks, FeetAreOneWithinThePointToleranceAcrossAnyGrid)
{
    // Just below a whole millimetre, against a foot on it: the same point to the platform.
    ZcDbObjectId near = section({2000 - 1e-11, 0}, {2000 - 1e-11, -250});
    std::string out = play("TRV_LINKLONG", {pick(shell), ""});
    EXPECT_NE(out.find("同一点でロンジ断面が複数作図されています。"), std::string::npos) << out;
    EXPECT_EQ(landingOf(near), "");
    // A hundredth of a millimetre apart they are two sections.
    ZcDbObjectId apartByHundredth = section({3000.01, 0}, {3000.01, -250});
    out = play("TRV_LINKLONG", {pick(shell), pick(near), ""});
    EXPECT_EQ(out.find("同一点"), std::string::npos) << out;
    EXPECT_EQ(landingOf(apartByHundredth), shellHandle());
}

TEST_F(LongitudinalLinks, SectionsWhoseRecordNoLayoutReadsAreLeftAsTheyWere)
{
    // Two of them on the line: neither has a foot to compare, nor a record to write back.
    std::vector<ZcDbObjectId> odd;
    for (double x : {8000.0, 9000.0}) {
        odd.push_back(section({x, 0}, {x, 250}));
        Lock lock;
        resbuf* xd = zcutBuildList(1001, "LONG", 1000, "?", 0);
        ZcDbObjectPointer<ZcDbEntity> ent(odd.back(), ZcDb::kForWrite);
        ASSERT_EQ(ent->setXData(xd), Zcad::eOk);
        zcutRelRb(xd);
    }
    std::string out = play("TRV_LINKLONG", {pick(shell), ""});
    EXPECT_EQ(out.find("同一点"), std::string::npos) << out;
    for (ZcDbObjectId id : odd) EXPECT_EQ(text(id, "LONG"), "?");
    EXPECT_EQ(landingOf(onShell[0]), shellHandle());
}

TEST_F(LongitudinalLinks, LinkingAgainReplacesTheLinesSetAsAWhole)
{
    play("TRV_LINKLONG", {pick(shell), ""});
    play("TRV_LINKLONG", {pick(shell), pick(onShell[0]), pick(crossing), ""});
    EXPECT_EQ(landingOf(onShell[0]), "");
    EXPECT_EQ(landingOf(crossing), "");
    EXPECT_EQ(landingOf(onShell[2]), shellHandle());
    // Everything removed: every old link goes, the mark stays.
    play("TRV_LINKLONG", {pick(shell), pick(onShell[0]), pick(onShell[1]), pick(onShell[2]), pick(crossing), ""});
    for (ZcDbObjectId id : all()) EXPECT_EQ(landingOf(id), "");
    EXPECT_EQ(markOf(shell), shellHandle());
}

TEST_F(LongitudinalLinks, ASectionLinkedToAnotherLineLeavesTheFirst)
{
    play("TRV_LINKLONG", {pick(shell), ""});
    // A bilge line through the first section's web, well above its foot.
    ZcDbObjectId bilge = line(500, 100, 1500, 100);
    play("TRV_LINKLONG", {pick(bilge), ""});
    EXPECT_EQ(landingOf(onShell[0]), hex(bilge));
    EXPECT_EQ(landingOf(onShell[1]), shellHandle());
    EXPECT_EQ(markOf(shell), shellHandle());

    std::vector<std::string> seen;
    std::string out = watch("TRV_LINKLONGCHECK", {pick(shell), ""}, all(), seen);
    ASSERT_EQ(seen.size(), 2u) << out;
    EXPECT_EQ(seen[1], ".***.");
    for (ZcDbObjectId id : all()) EXPECT_FALSE(zrxhost::isHighlighted(id));
}

TEST_F(LongitudinalLinks, AnErasedLandingLineLeavesItsSectionsToTheNextLine)
{
    play("TRV_LINKLONG", {pick(shell), ""});
    const std::string old = shellHandle();
    {
        Lock lock;
        ZcDbObjectPointer<ZcDbEntity> ent(shell, ZcDb::kForWrite);
        ASSERT_EQ(ent->erase(), Zcad::eOk);
    }
    ZcDbObjectId hull = line(0, 0, 10000, 0);
    // A pick where the erased line was finds the new one.
    std::string out = play("TRV_LINKLONG", {"1500,0", ""});
    EXPECT_NE(hex(hull), old);
    for (ZcDbObjectId id : onShell) EXPECT_EQ(landingOf(id), hex(hull));
    EXPECT_EQ(markOf(hull), hex(hull));
    // Sections of the erased line that the new one misses keep their old link.
    ZcDbObjectId stray = section({20000, 0}, {20000, 300}, old);
    play("TRV_LINKLONG", {pick(hull), ""});
    EXPECT_EQ(landingOf(stray), old);
}

TEST_F(LongitudinalLinks, EscInTheEditLoopChangesNothing)
{
    play("TRV_LINKLONG", {pick(shell), pick(onShell[0]), pick(apart), "*cancel*"});
    for (ZcDbObjectId id : all()) {
        EXPECT_EQ(landingOf(id), "");
        EXPECT_FALSE(zrxhost::isHighlighted(id));
    }
    EXPECT_EQ(markOf(shell), "-");
    EXPECT_TRUE(zrxhost::checkFailures().empty());
}

TEST_F(LongitudinalLinks, TheCheckTakesOnlyMarkedLinesAndLinksInAnyLetterCase)
{
    ZcDbObjectId named = line(0, -500, 10000, -500);
    play("TRV_DEFLONGLINE", {pick(named), "N1", ""});
    // A keel line whose handle has letters in it.
    ZcDbObjectId keel;
    do keel = line(0, -3000, 10000, -3000);
    while (hex(keel).find_first_of("ABCDEF") == std::string::npos);
    std::vector<ZcDbObjectId> onKeel;
    for (double x : {1000.0, 2000.0}) onKeel.push_back(section({x, -3000}, {x, -2750}));
    play("TRV_LINKLONG", {pick(keel), ""});
    std::string lower = hex(keel);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    // Off the line, linked by an older drawing that wrote the handle in lower case.
    onKeel.push_back(section({7000, -2500}, {7000, -2200}, lower));
    onKeel.push_back(onShell[0]);

    std::vector<std::string> seen;
    std::string out = watch("TRV_LINKLONGCHECK", {pick(named), pick(keel), "*cancel*"}, onKeel, seen);
    EXPECT_NE(out.find("\nロンジランディング線ではありません"), std::string::npos) << out;
    ASSERT_EQ(seen.size(), 3u) << out;
    EXPECT_EQ(seen[2], "***.");
    for (ZcDbObjectId id : onKeel) EXPECT_FALSE(zrxhost::isHighlighted(id));

    // Every section removed: the lower-case link goes too, and the marked line with no
    // sections still waits for one answer.
    play("TRV_LINKLONG", {pick(keel), pick(onKeel[0]), pick(onKeel[1]), ""});
    EXPECT_EQ(landingOf(onKeel[2]), "");
    out = watch("TRV_LINKLONGCHECK", {pick(keel), "", "TRV_LINKLONGCHECK"}, onKeel, seen);
    EXPECT_EQ(seen.size(), 2u) << out;
    EXPECT_EQ(seen[1], "....");
}

}  // namespace
