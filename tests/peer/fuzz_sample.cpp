// fuzz_sample OUTDIR DRAWING...
//
// Damages the drawings as the fuzzing test does (same mutations, same seed), loads each
// copy, and saves every 25th copy that loads into OUTDIR, for ezdxf to read in one go.
#include <cstdio>
#include <string>
#include <vector>

#include "dxf_mutations.h"
#include "dxf_test_files.h"
#include "zrx.h"
#include "zrxhost/drawing_file.h"

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: fuzz_sample OUTDIR DRAWING...\n");
        return 2;
    }
    std::string out = argv[1];
    std::vector<std::string> seeds;
    for (int i = 2; i < argc; ++i) seeds.push_back(dxftest::readFile(argv[i]));
    dxftest::Mutator mutator(20240611);
    std::string path = out + "/mutant.dxf";
    int loaded = 0, saved = 0;
    for (int i = 0; i < 3000; ++i) {
        dxftest::writeFile(path, mutator.mutate(seeds[i % seeds.size()]));
        ZcDbDatabase db(false, true);
        if (db.readDwgFile(path.c_str()) != Zcad::eOk || loaded++ % 25 != 0) continue;
        std::string target = out + "/sample_" + std::to_string(i) + ".dxf";
        if (db.saveAs(target.c_str()) != Zcad::eOk) {
            std::fprintf(stderr, "mutant %d: %s\n", i, zrxhost::lastDrawingFileError().c_str());
            return 1;
        }
        ++saved;
    }
    std::remove(path.c_str());
    std::printf("%d of %d copies loaded, %d saved\n", loaded, 3000, saved);
    return 0;
}
