// Corrupted drawings: cut short, lines swapped, bytes changed, lines dropped or doubled.
// The reader must always answer, with a drawing or with an error naming the file, and
// never crash or hang. The number of cases is bounded so the suite stays fast.
#include <chrono>
#include <random>

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

    std::vector<std::string> lines(const std::string& text)
    {
        std::vector<std::string> out;
        size_t start = 0;
        while (start < text.size()) {
            size_t nl = text.find('\n', start);
            if (nl == std::string::npos) nl = text.size();
            out.push_back(text.substr(start, nl - start));
            start = nl + 1;
        }
        return out;
    }

    std::string join(const std::vector<std::string>& ls)
    {
        std::string out;
        for (const std::string& l : ls) out += l + "\n";
        return out;
    }

    std::string mutate(const std::string& text, std::mt19937& rng)
    {
        std::vector<std::string> ls = lines(text);
        auto pick = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng); };
        switch (pick(6)) {
        case 0:
            return text.substr(0, pick(text.size()));
        case 1: {
            size_t i = pick(ls.size() - 1);
            std::swap(ls[i], ls[i + 1]);
            break;
        }
        case 2: {
            std::string t = text;
            for (int k = 0; k < 4; ++k) t[pick(t.size())] = static_cast<char>(pick(256));
            return t;
        }
        case 3:
            ls.erase(ls.begin() + static_cast<long>(pick(ls.size())));
            break;
        case 4: {
            size_t i = pick(ls.size());
            ls.insert(ls.begin() + static_cast<long>(i), ls[i]);
            break;
        }
        default: {
            // A handle or a number replaced by another one of the file.
            size_t i = pick(ls.size()), j = pick(ls.size());
            ls[i] = ls[j];
            break;
        }
        }
        return join(ls);
    }

    dxftest::ScratchDir dir;
};

TEST_F(DxfFuzz, EveryCorruptedCopyGivesADrawingOrAnErrorNamingTheFile)
{
    std::string seed = seedDrawing();
    ASSERT_FALSE(seed.empty());
    std::mt19937 rng(20240611);
    std::string path = dir.file("mutant.dxf");
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(4);
    int read = 0, refused = 0;
    for (int i = 0; i < 1500 && std::chrono::steady_clock::now() < deadline; ++i) {
        dxftest::writeFile(path, mutate(seed, rng));
        ZcDbDatabase target(false, true);
        Zcad::ErrorStatus es = target.readDwgFile(path.c_str());
        if (es == Zcad::eOk) {
            ++read;
            // What was read can be written again.
            ASSERT_EQ(target.saveAs(dir.file("again.dxf").c_str()), Zcad::eOk) << zrxhost::lastDrawingFileError();
        } else {
            ++refused;
            ASSERT_NE(zrxhost::lastDrawingFileError().find(path), std::string::npos) << zrxhost::lastDrawingFileError();
        }
        ASSERT_EQ(zrxhost::openObjectCount(), 0) << zrxhost::openObjectsReport();
    }
    // Both outcomes occur: the mutations are neither all harmless nor all fatal.
    EXPECT_GT(read, 0);
    EXPECT_GT(refused, 0);
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
