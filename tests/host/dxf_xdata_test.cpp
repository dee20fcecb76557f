// Xdata in drawing files: read per application as setXData would keep it, in the file's
// code page, written back group for group; forms setXData refuses are faults of the file.
#include <string>
#include <vector>

#include "dxf_test_files.h"
#include "support/host_fixture.h"
#include "zrxhost/resbuf_kind.h"

namespace {

using dxftest::kEntitiesLine;
using dxftest::pairs;

std::string line(const std::string& xdata)
{
    return pairs({{0, "LINE"}, {5, "2A"}, {8, "HULL"}, {10, "0"}, {20, "0"}, {30, "0"}, {11, "5"}, {21, "5"},
                  {31, "0"}}) +
           xdata;
}

class DxfXdata : public HostTest {
protected:
    Zcad::ErrorStatus read(const std::string& text)
    {
        path = dir.file("x.dxf");
        dxftest::writeFile(path, text);
        Zcad::ErrorStatus es = db->readDwgFile(path.c_str());
        message = zrxhost::lastDrawingFileError();
        return es;
    }

    // The groups of the line's xdata as "code=value", strings and integers only.
    std::vector<std::string> groups()
    {
        auto e = openByHandle<ZcDbEntity>(db.get(), ZcDbHandle(0x2A));
        EXPECT_EQ(e.openStatus(), Zcad::eOk);
        std::vector<std::string> out;
        resbuf* all = e->xData();
        for (const resbuf* rb = all; rb != nullptr; rb = rb->rbnext) {
            std::string v;
            switch (zrxhost::rbValueKind(rb->restype)) {
            case zrxhost::RbValueKind::kString: v = rb->resval.rstring; break;
            case zrxhost::RbValueKind::kShort: v = std::to_string(rb->resval.rint); break;
            case zrxhost::RbValueKind::kReal: v = std::to_string(rb->resval.rreal); break;
            default: v = "?"; break;
            }
            out.push_back(std::to_string(rb->restype) + "=" + v);
        }
        zcutRelRb(all);
        return out;
    }

    dxftest::ScratchDir dir;
    std::string path;
    std::string message;
};

TEST_F(DxfXdata, AnApplicationNamedTwiceKeepsItsLastGroupsInItsFirstPlace)
{
    ASSERT_EQ(read(dxftest::r12Drawing(line(pairs({{1001, "STIFF"}, {1070, "1"}, {1001, "QORCOM"}, {1000, "FR.3"},
                                                    {1001, "stiff"}, {1070, "2"}})))),
              Zcad::eOk)
        << message;
    EXPECT_EQ(groups(), (std::vector<std::string>{"1001=STIFF", "1070=2", "1001=QORCOM", "1000=FR.3"}));
}

TEST_F(DxfXdata, ABareApplicationRemovesWhatCameBeforeItUnderThatName)
{
    ASSERT_EQ(read(dxftest::r12Drawing(line(pairs({{1001, "STIFF"}, {1070, "1"}, {1001, "QORCOM"}, {1000, "FR.3"},
                                                    {1001, "STIFF"}})))),
              Zcad::eOk)
        << message;
    EXPECT_EQ(groups(), (std::vector<std::string>{"1001=QORCOM", "1000=FR.3"}));
}

TEST_F(DxfXdata, AnApplicationWithoutANameIsAFaultAtTheFirstApplication)
{
    EXPECT_EQ(read(dxftest::r12Drawing(line(pairs({{1001, "STIFF"}, {1070, "1"}, {1001, ""}, {1000, "x"}})))),
              Zcad::eInvalidInput);
    EXPECT_NE(message.find(":" + std::to_string(kEntitiesLine + 18) + ": xdata not accepted"), std::string::npos)
        << message;
}

TEST_F(DxfXdata, AListClosedBeforeItOpensIsAFault)
{
    EXPECT_EQ(read(dxftest::r12Drawing(line(pairs({{1001, "STIFF"}, {1002, "}"}, {1002, "{"}})))),
              Zcad::eBadDxfSequence);
    EXPECT_NE(message.find("xdata not accepted"), std::string::npos) << message;
}

TEST_F(DxfXdata, ABadNumberIsNamedBeforeAFormFault)
{
    // The value that is no number comes after the nameless application: it is still the
    // fault reported, on its own line.
    EXPECT_EQ(read(dxftest::r12Drawing(line(pairs({{1001, ""}, {1070, "x"}})))), Zcad::eInvalidInput);
    EXPECT_NE(message.find(":" + std::to_string(kEntitiesLine + 21) + ": group 1070 needs an integer"),
              std::string::npos)
        << message;
}

TEST_F(DxfXdata, BinaryGroupsMustBeHexadecimal)
{
    EXPECT_EQ(read(dxftest::r12Drawing(line(pairs({{1001, "STIFF"}, {1004, "0G"}})))), Zcad::eInvalidResBuf);
    ASSERT_EQ(read(dxftest::r12Drawing(line(pairs({{1001, "STIFF"}, {1004, "00FF7a"}})))), Zcad::eOk) << message;
    auto e = openByHandle<ZcDbEntity>(db.get(), ZcDbHandle(0x2A));
    resbuf* x = e->xData("STIFF");
    ASSERT_NE(x, nullptr);
    ASSERT_NE(x->rbnext, nullptr);
    EXPECT_EQ(std::string(x->rbnext->resval.rbinary.buf, static_cast<size_t>(x->rbnext->resval.rbinary.clen)),
              std::string("\x00\xFF\x7A", 3));
    zcutRelRb(x);
}

TEST_F(DxfXdata, TextOfAnOldFileIsReadInItsCodePageAndWrittenBackTheSame)
{
    std::string sjis = "\x8A\x4F\x94\xC2";  // 外板 in Shift-JIS
    std::string text = pairs({{0, "SECTION"}, {2, "HEADER"}, {9, "$ACADVER"}, {1, "AC1009"}, {9, "$DWGCODEPAGE"},
                              {3, "ANSI_932"}, {9, "$HANDSEED"}, {5, "100"}, {0, "ENDSEC"}, {0, "SECTION"},
                              {2, "ENTITIES"}}) +
                       line(pairs({{1001, "STIFF"}, {1000, sjis + " L-100x75x7"}, {1040, "0.5"}})) +
                       pairs({{0, "ENDSEC"}, {0, "EOF"}});
    ASSERT_EQ(read(text), Zcad::eOk) << message;
    EXPECT_EQ(groups(), (std::vector<std::string>{"1001=STIFF", "1000=\xE5\xA4\x96\xE6\x9D\xBF L-100x75x7",
                                                  "1040=0.500000"}));
    std::string out = dir.file("out.dxf");
    ASSERT_EQ(db->dxfOut(out.c_str(), 16, ZcDb::kDHL_1009), Zcad::eOk) << zrxhost::lastDrawingFileError();
    EXPECT_NE(dxftest::readFile(out).find("1000\n" + sjis + " L-100x75x7\n"), std::string::npos);
}

TEST_F(DxfXdata, CodesPastTheXdataRangeAreKeptOutsideIt)
{
    ASSERT_EQ(read(dxftest::r12Drawing(line(pairs({{1001, "STIFF"}, {1070, "7"}, {1072, "kept"}})))), Zcad::eOk)
        << message;
    EXPECT_EQ(groups(), (std::vector<std::string>{"1001=STIFF", "1070=7"}));
    std::string out = dir.file("out.dxf");
    ASSERT_EQ(db->saveAs(out.c_str()), Zcad::eOk) << zrxhost::lastDrawingFileError();
    std::string saved = dxftest::readFile(out);
    EXPECT_NE(saved.find("1001\nSTIFF\n1070\n7\n"), std::string::npos);
    EXPECT_NE(saved.find("1072\nkept\n"), std::string::npos);
}

}  // namespace
