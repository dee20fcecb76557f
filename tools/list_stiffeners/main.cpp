// list_stiffeners [--install DIR] DRAWING.dxf
//
// Lists the stiffeners of a drawing with their records, as the module reads them: one line
// each with handle, section form, section name and end points, then the count. Exit status
// 1 when the drawing cannot be read or a stiffener's record cannot.
#include <cstdio>
#include <string>
#include <vector>

#include "installation.h"
#include "stiffener_listing.h"
#include "zrx.h"
#include "zrxhost/drawing_file.h"

namespace {

int usage()
{
    std::fprintf(stderr, "usage: list_stiffeners [--install DIR] DRAWING.dxf\n"
                         "  --install DIR   the installation whose record layout is read (default: %s)\n",
                 TREVAN_SAMPLE_INSTALL);
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string install = TREVAN_SAMPLE_INSTALL, drawing;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--install" && i + 1 < argc) install = argv[++i];
        else if (!arg.starts_with("-") && drawing.empty()) drawing = arg;
        else return usage();
    }
    if (drawing.empty()) return usage();

    std::string error;
    if (!useInstallation(install, &error)) {
        std::fprintf(stderr, "list_stiffeners: %s\n", error.c_str());
        return 1;
    }
    ZcDbDatabase db(false, true);
    if (db.readDwgFile(drawing.c_str()) != Zcad::eOk) {
        std::fprintf(stderr, "list_stiffeners: %s\n", zrxhost::lastDrawingFileError().c_str());
        return 1;
    }
    zcdbHostApplicationServices()->setWorkingDatabase(&db);
    std::vector<std::string> lines;
    long unreadable = 0;
    const bool listed = listStiffeners(lines, unreadable);
    zcdbHostApplicationServices()->setWorkingDatabase(nullptr);
    if (!listed) {
        std::fprintf(stderr, "list_stiffeners: the stiffeners of %s cannot be collected\n", drawing.c_str());
        return 1;
    }
    for (const std::string& line : lines) std::printf("%s\n", line.c_str());
    std::printf("%zu stiffeners in %s\n", lines.size(), drawing.c_str());
    if (unreadable > 0) {
        std::fprintf(stderr, "list_stiffeners: %ld records cannot be read\n", unreadable);
        return 1;
    }
    return 0;
}
