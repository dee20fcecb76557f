// Loading line types from .lin files: finding the file, choosing definitions, refusing what
// the drawing cannot hold, and the pattern reaching the drawing file.
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "support/host_fixture.h"
#include "zrxhost/linetype_file.h"
#include "zrxhost/session.h"
#include "db/record_name.h"

namespace {

namespace fs = std::filesystem;

const char* const kLin =
    ";; Trevan hull drafting line types\n"
    "*CENTER,Center ____ _ ____ _ ____\n"
    "A,31.75,-6.35,6.35,-6.35\n"
    "\n"
    "*HIDDEN,Hidden __ __ __ __\r\n"
    "A, 6.35, -3.175\r\n"
    "*center,a second CENTER that is never read\n"
    "A,1,-1\n"
    "*GAS_LINE,Gas line ----GAS----GAS----\n"
    "A,12.7,-5.08,[\"GAS\",STANDARD,S=2.54,R=0.0,X=-2.54,Y=-1.27],-6.35\n"
    "*BROKEN,a pattern that is not one\n"
    "A,5,-x\n"
    "*SOLID\n"
    "A\n"
    "*ONE,a single length is no cycle\n"
    "A,5\n";

class LinetypeFiles : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        char pattern[] = "/tmp/trevan-lin-XXXXXX";
        dir = mkdtemp(pattern);
        std::ofstream(dir / "hull.lin", std::ios::binary) << kLin;
    }
    void TearDown() override
    {
        zrxhost::setSupportFolders({});
        fs::remove_all(dir);
        HostTest::TearDown();
    }
    Zcad::ErrorStatus load(const char* name) { return db->loadLineTypeFile(name, (dir / "hull.lin").c_str()); }
    // The record's name, comments and dashes; empty when the drawing has no such line type.
    std::vector<std::string> record(ZcDbDatabase* d, const char* name)
    {
        ZcDbObjectPointer<ZcDbLinetypeTable> table(d->linetypeTableId(), ZcDb::kForRead);
        ZcDbLinetypeTableRecord* rec = nullptr;
        std::vector<std::string> out;
        if (table->getAt(name, rec, ZcDb::kForRead) != Zcad::eOk) return out;
        const char* comments = "";
        rec->comments(comments);
        out = {zrxhost::recordName(rec), comments, std::to_string(rec->patternLength())};
        for (int i = 0; i < rec->numDashes(); ++i) out.push_back(std::to_string(rec->dashLengthAt(i)));
        rec->close();
        return out;
    }
    fs::path dir;
};

using R = std::vector<std::string>;

TEST_F(LinetypeFiles, TheFirstDefinitionOfTheNameIsLoadedWithItsPattern)
{
    ASSERT_EQ(load("center"), Zcad::eOk);
    EXPECT_EQ(record(db.get(), "CENTER"),
              (R{"CENTER", "Center ____ _ ____ _ ____", "50.800000", "31.750000", "-6.350000", "6.350000", "-6.350000"}));
    ASSERT_EQ(load("HIDDEN"), Zcad::eOk);
    EXPECT_EQ(record(db.get(), "HIDDEN"), (R{"HIDDEN", "Hidden __ __ __ __", "9.525000", "6.350000", "-3.175000"}));
    // The alignment alone is a solid line.
    ASSERT_EQ(load("SOLID"), Zcad::eOk);
    EXPECT_EQ(record(db.get(), "SOLID"), (R{"SOLID", "", "0.000000"}));
    EXPECT_TRUE(zrxhost::lastLinetypeFileError().empty());
}

TEST_F(LinetypeFiles, WhatCannotBeLoadedIsRefusedAndNamed)
{
    EXPECT_EQ(db->loadLineTypeFile("CENTER", (dir / "missing.lin").c_str()), Zcad::eFileNotFound);
    EXPECT_EQ(load("PHANTOM"), Zcad::eKeyNotFound);
    EXPECT_EQ(load("GAS_LINE"), Zcad::eNotImplementedYet);
    EXPECT_EQ(zrxhost::lastLinetypeFileError(), "hull.lin:9: GAS_LINE: shape and text elements are not supported");
    EXPECT_EQ(load("BROKEN"), Zcad::eInvalidInput);
    EXPECT_EQ(zrxhost::lastLinetypeFileError(), "hull.lin:11: BROKEN: \"-x\" is not a length");
    EXPECT_EQ(load("ONE"), Zcad::eInvalidInput);
    EXPECT_TRUE(record(db.get(), "GAS_LINE").empty());
    // A line type the drawing has is left as it is.
    ASSERT_EQ(load("CENTER"), Zcad::eOk);
    std::ofstream(dir / "hull.lin", std::ios::binary) << "*CENTER,changed\nA,1,-1\n";
    EXPECT_EQ(load("CENTER"), Zcad::eDuplicateRecordName);
    EXPECT_EQ(record(db.get(), "CENTER")[1], "Center ____ _ ____ _ ____");
}

TEST_F(LinetypeFiles, APatternLoadsEverySimpleLineTypeTheDrawingLacks)
{
    ASSERT_EQ(load("HIDDEN"), Zcad::eOk);
    ASSERT_EQ(load("*"), Zcad::eOk);
    for (const char* name : {"CENTER", "SOLID"}) EXPECT_FALSE(record(db.get(), name).empty()) << name;
    for (const char* name : {"GAS_LINE", "BROKEN", "ONE"}) EXPECT_TRUE(record(db.get(), name).empty()) << name;
    EXPECT_EQ(load("PH*"), Zcad::eKeyNotFound);
}

TEST_F(LinetypeFiles, ABareNameIsFoundOnTheSupportPathAndShiftJisIsRead)
{
    fs::create_directories(dir / "support");
    // "スチフナ裏" in Shift-JIS.
    std::ofstream(dir / "support" / "Trevan.lin", std::ios::binary)
        << "*STIFF_URA,\x83\x58\x83\x60\x83\x74\x83\x69\x97\xA0\nA,10,-5\n";
    EXPECT_EQ(db->loadLineTypeFile("STIFF_URA", "Trevan.lin"), Zcad::eFileNotFound);
    zrxhost::setSupportFolders({(dir / "support").string()});
    ASSERT_EQ(db->loadLineTypeFile("STIFF_URA", "Trevan.lin"), Zcad::eOk);
    EXPECT_EQ(record(db.get(), "STIFF_URA")[1], "スチフナ裏");
}

TEST_F(LinetypeFiles, TheLoadedPatternIsWrittenWithTheDrawingAndReadBack)
{
    ASSERT_EQ(load("CENTER"), Zcad::eOk);
    ASSERT_EQ(db->saveAs((dir / "plan.dxf").c_str()), Zcad::eOk);
    std::ifstream in(dir / "plan.dxf");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    size_t at = text.find("\nCENTER\n");
    ASSERT_NE(at, std::string::npos);
    std::string entry = text.substr(at, text.find("\n  0\n", at) - at);
    EXPECT_NE(entry.find(" 73\n4\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find(" 49\n-6.35"), std::string::npos) << entry;
    ZcDbDatabase back(false, true);
    ASSERT_EQ(back.readDwgFile((dir / "plan.dxf").c_str()), Zcad::eOk);
    EXPECT_EQ(record(&back, "CENTER"), record(db.get(), "CENTER"));
}

}  // namespace
