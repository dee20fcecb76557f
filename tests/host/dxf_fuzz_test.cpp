// Damaged drawings (dxf_mutations.h): the reader must always answer, with a drawing that
// saves and loads again or with an error naming the file, and never crash or hang. The
// number of cases is bounded so the suite stays fast.
#include <filesystem>

#include "dxf_mutations.h"

#include "dxf_test_files.h"
#include "support/host_fixture.h"
#include "zrxhost/drawing_file.h"

namespace {

class DxfFuzz : public HostTest {
protected:
    // A real drawing written by the host: tables, blocks, attributes, xdata, groups.
    std::string seedDrawing()
    {
        regApp("STIFF");
        ZcDbObjectId blockId;
        {
            ZcDbObjectPointer<ZcDbBlockTable> table(db->blockTableId(), ZcDb::kForWrite);
            auto* btr = new ZcDbBlockTableRecord;
            btr->setName("MARK");
            table->add(blockId, btr);
            auto* circle = new ZcDbCircle({0, 0, 0}, {0, 0, 1}, 5);
            btr->appendZcDbEntity(circle);
            circle->close();
            btr->close();
        }
        for (int i = 0; i < 6; ++i) {
            ZcDbObjectId id = addToModelSpace(new ZcDbLine({0, 0, 0}, {double(i), 1, 0}));
            ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForWrite);
            resbuf* x = zcutBuildList(1001, "STIFF", 1000, "L-100x75x7", 1070, i, 0);
            e->setXData(x);
            zcutRelRb(x);
        }
        auto* pl = new ZcDbPolyline;
        pl->addVertexAt(0, {0, 0}, 0.5);
        pl->addVertexAt(1, {5, 5});
        addToModelSpace(pl);
        ZcDbObjectId refId = addToModelSpace(new ZcDbBlockReference({1, 1, 0}, blockId));
        {
            ZcDbObjectPointer<ZcDbBlockReference> r(refId, ZcDb::kForWrite);
            auto* att = new ZcDbAttribute({0, 0, 0}, "FR.25", "FR");
            att->setHeight(2.5);
            r->appendAttribute(att);
            att->close();
        }
        addToModelSpace(new ZcDbText({0, 0, 0}, "肋骨", ZcDbObjectId::kNull, 2.5));
        std::string path = dir.file("seed.dxf");
        EXPECT_EQ(db->saveAs(path.c_str()), Zcad::eOk);
        return dxftest::readFile(path);
    }

    dxftest::ScratchDir dir;
};

// Each loaded copy is saved and the saved file must load again: what the host writes is
// always a drawing. (The peer check hands a sample of such files to ezdxf.)
TEST_F(DxfFuzz, EveryDamagedCopyGivesADrawingThatSavesAndLoadsAgainOrAnErrorNamingTheFile)
{
    std::string sampleDir = std::filesystem::path(TREVAN_SAMPLE_PLAN).parent_path().string();
    std::vector<std::string> seeds = {seedDrawing(), dxftest::readFile(sampleDir + "/hull_plan.dxf"),
                                      dxftest::readFile(sampleDir + "/plan.dxf")};
    dxftest::Mutator mutator(20240611);
    std::string path = dir.file("mutant.dxf"), saved = dir.file("saved.dxf");
    int read = 0, refused = 0;
    for (int i = 0; i < 1000; ++i) {
        dxftest::writeFile(path, mutator.mutate(seeds[i % seeds.size()]));
        ZcDbDatabase target(false, true);
        Zcad::ErrorStatus es = target.readDwgFile(path.c_str());
        ASSERT_EQ(zrxhost::openObjectCount(), 0) << zrxhost::openObjectsReport();
        if (es != Zcad::eOk) {
            ++refused;
            ASSERT_NE(zrxhost::lastDrawingFileError().find(path), std::string::npos) << zrxhost::lastDrawingFileError();
            continue;
        }
        ++read;
        ASSERT_EQ(target.saveAs(saved.c_str()), Zcad::eOk) << "mutant " << i << ": " << zrxhost::lastDrawingFileError();
        ZcDbDatabase again(false, true);
        ASSERT_EQ(again.readDwgFile(saved.c_str()), Zcad::eOk) << "mutant " << i << ": " << zrxhost::lastDrawingFileError();
        // What was mended once needs no mending the second time.
        ASSERT_TRUE(zrxhost::lastDrawingFileRepairs().empty()) << "mutant " << i << ": "
                                                               << zrxhost::lastDrawingFileRepairs().front();
    }
    // Both outcomes occur: the mutations are neither all harmless nor all fatal.
    EXPECT_GT(read, 100);
    EXPECT_GT(refused, 100);
}

TEST_F(DxfFuzz, EveryCutOfTheFileIsRefused)
{
    std::string seed = seedDrawing();
    std::string path = dir.file("cut.dxf");
    // Cuts at line ends keep every pair whole: only the missing end tells them apart.
    std::vector<size_t> cuts;
    for (size_t at = seed.find('\n'); at != std::string::npos && at + 1 < seed.size(); at = seed.find('\n', at + 1)) {
        cuts.push_back(at + 1);
    }
    for (size_t k = 0; k < cuts.size(); k += std::max<size_t>(1, cuts.size() / 150)) {
        dxftest::writeFile(path, seed.substr(0, cuts[k]));
        ZcDbDatabase target(false, true);
        ASSERT_NE(target.readDwgFile(path.c_str()), Zcad::eOk) << "cut at byte " << cuts[k];
    }
}

}  // namespace
