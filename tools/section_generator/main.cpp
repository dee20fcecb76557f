// section_generator [--install DIR] OUTPUT.dxf
//
// Writes the sample midship section with its shell longitudinals, each carrying its
// longitudinal record, through the host and the module. The bundled
// examples/drawings/shell_section.dxf is
//   section_generator examples/drawings/shell_section.dxf
#include <cstdio>
#include <string>

#include "installation.h"
#include "shell_section.h"
#include "zrx.h"
#include "zrxhost/drawing_file.h"

int main(int argc, char** argv)
{
    std::string install = TREVAN_SAMPLE_INSTALL, output;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--install" && i + 1 < argc) {
            install = argv[++i];
        } else if (!arg.starts_with("-") && output.empty()) {
            output = arg;
        } else {
            output.clear();
            break;
        }
    }
    if (output.empty()) {
        std::fprintf(stderr, "usage: section_generator [--install DIR] OUTPUT.dxf\n"
                             "  --install DIR    the installation whose layer definitions and record layout are used\n"
                             "                   (default: %s)\n",
                     TREVAN_SAMPLE_INSTALL);
        return 2;
    }
    std::string error;
    if (!useInstallation(install, &error)) {
        std::fprintf(stderr, "section_generator: %s\n", error.c_str());
        return 1;
    }
    ZcDbDatabase db;
    ShellSectionSummary summary;
    if (!drawShellSection(&db, summary, error)) {
        std::fprintf(stderr, "section_generator: %s\n", error.c_str());
        return 1;
    }
    if (db.saveAs(output.c_str()) != Zcad::eOk) {
        std::fprintf(stderr, "section_generator: %s\n", zrxhost::lastDrawingFileError().c_str());
        return 1;
    }
    std::printf("section_generator: %ld longitudinals, %ld entities written to %s\n", summary.longitudinals,
                summary.entities, output.c_str());
    return 0;
}
