// Opens one drawing file a number of times as OPEN does (a DWG through the DWG reader
// program) and prints the median seconds as JSON, for bench/dwg_open.py.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "zrx.h"
#include "zrxhost/drawing_file.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: trevan_dwg_open FILE [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    std::vector<double> seconds;
    for (int i = 0; i < runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        ZcDbDatabase db(false, true);
        if (db.readDwgFile(argv[1]) != Zcad::eOk) {
            std::fprintf(stderr, "%s\n", zrxhost::lastDrawingFileError().c_str());
            return 1;
        }
        seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(seconds.begin(), seconds.end());
    std::printf("{\"median_s\": %.6f, \"runs\": %d}\n", seconds[seconds.size() / 2], runs);
    return 0;
}
