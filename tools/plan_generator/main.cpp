// plan_generator [--install DIR] [--stiffeners N] OUTPUT.dxf
//
// Writes a sample hull plan of N stiffeners (default 57, three tanks), each carrying its
// stiffener record, through the host and the module; drawings of 10^2 to 10^6 stiffeners for
// the demo, the tests and the benchmarks. The bundled examples/drawings/plan.dxf is
//   plan_generator examples/drawings/plan.dxf
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "hull_plan.h"
#include "installation.h"
#include "zrx.h"
#include "zrxhost/drawing_file.h"

namespace {

int usage()
{
    std::fprintf(stderr, "usage: plan_generator [--install DIR] [--stiffeners N] OUTPUT.dxf\n"
                         "  --install DIR    the installation whose layer definitions and record layout are used\n"
                         "                   (default: %s)\n"
                         "  --stiffeners N   longitudinals and transverse members to draw, at least 1 (default 57)\n",
                 TREVAN_SAMPLE_INSTALL);
    return 2;
}

bool parseCount(const char* text, long& count)
{
    char* end = nullptr;
    errno = 0;
    count = std::strtol(text, &end, 10);
    return errno == 0 && end != text && *end == '\0' && count >= 1;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string install = TREVAN_SAMPLE_INSTALL, output;
    HullPlanOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--install" && i + 1 < argc) {
            install = argv[++i];
        } else if (arg == "--stiffeners" && i + 1 < argc) {
            if (!parseCount(argv[++i], options.stiffeners)) {
                std::fprintf(stderr, "plan_generator: --stiffeners wants a whole number of at least 1, not \"%s\"\n",
                             argv[i]);
                return 2;
            }
        } else if (!arg.starts_with("-") && output.empty()) {
            output = arg;
        } else {
            return usage();
        }
    }
    if (output.empty()) return usage();

    std::string error;
    if (!useInstallation(install, &error)) {
        std::fprintf(stderr, "plan_generator: %s\n", error.c_str());
        return 1;
    }
    ZcDbDatabase db;
    HullPlanSummary summary;
    if (!drawHullPlan(&db, options, summary, error)) {
        std::fprintf(stderr, "plan_generator: %s\n", error.c_str());
        return 1;
    }
    if (db.saveAs(output.c_str()) != Zcad::eOk) {
        std::fprintf(stderr, "plan_generator: %s\n", zrxhost::lastDrawingFileError().c_str());
        return 1;
    }
    std::printf("plan_generator: %ld stiffeners, %ld entities written to %s\n", summary.stiffeners, summary.entities,
                output.c_str());
    return 0;
}
