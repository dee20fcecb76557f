// dxf_roundtrip IN OUT [--version R12|R2000|R2004|R2007|R2010|R2013|R2018] [--precision N] [--times]
//
// Loads a drawing into the host and saves it, as the host's OPEN and SAVEAS do; the peer
// checks compare IN and OUT with another DXF library. --times prints the load and save
// seconds and the peak memory as one JSON line, for the benchmark.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "zrx.h"
#include "zrxhost/drawing_file.h"

namespace {

// DXF version names; the bare years ("2000") of older scripts are still taken.
bool versionOf(const std::string& name, ZcDb::ZcDbDwgVersion& v)
{
    struct Name { const char* text; ZcDb::ZcDbDwgVersion version; };
    static const Name names[] = {{"R12", ZcDb::kDHL_1009},   {"R2000", ZcDb::kDHL_1015}, {"R2004", ZcDb::kDHL_1800},
                                 {"R2007", ZcDb::kDHL_2100}, {"R2010", ZcDb::kDHL_2400}, {"R2013", ZcDb::kDHL_2700},
                                 {"R2018", ZcDb::kDHL_3200}};
    std::string dxfName = name.size() == 4 && name[0] == '2' ? "R" + name : name;
    for (const Name& n : names) {
        if (dxfName == n.text) {
            v = n.version;
            return true;
        }
    }
    return false;
}

int usage()
{
    std::fprintf(stderr, "usage: dxf_roundtrip IN OUT [--version R12|R2000|R2004|R2007|R2010|R2013|R2018] [--precision N] [--times]\n");
    return 2;
}

double seconds(std::chrono::steady_clock::time_point from)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) return usage();
    ZcDb::ZcDbDwgVersion version = ZcDb::kDHL_CURRENT;
    int precision = 16;
    bool times = false;
    for (int i = 3; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--version" && i + 1 < argc) {
            if (!versionOf(argv[++i], version)) return usage();
        } else if (arg == "--precision" && i + 1 < argc) {
            precision = std::atoi(argv[++i]);
        } else if (arg == "--times") {
            times = true;
        } else {
            return usage();
        }
    }
    auto db = std::make_unique<ZcDbDatabase>(false, true);
    auto start = std::chrono::steady_clock::now();
    if (db->readDwgFile(argv[1]) != Zcad::eOk) {
        std::fprintf(stderr, "%s\n", zrxhost::lastDrawingFileError().c_str());
        return 1;
    }
    double load = seconds(start);
    for (const std::string& repair : zrxhost::lastDrawingFileRepairs()) std::fprintf(stderr, "mended: %s\n", repair.c_str());
    start = std::chrono::steady_clock::now();
    if (db->dxfOut(argv[2], precision, version) != Zcad::eOk) {
        std::fprintf(stderr, "%s\n", zrxhost::lastDrawingFileError().c_str());
        return 1;
    }
    double save = seconds(start);
    std::string leftOut = zrxhost::leftOutSummary();
    if (!leftOut.empty()) std::fprintf(stderr, "left out (the version cannot hold them): %s\n", leftOut.c_str());
    if (times) {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("{\"load_s\": %.3f, \"save_s\": %.3f, \"peak_rss_kb\": %ld}\n", load, save, usage.ru_maxrss);
    }
    return 0;
}
