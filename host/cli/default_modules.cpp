// Finding the default plug-ins. The program's own location is asked first so that an
// installed trevan loads the installed libraries even when the build tree is still there.
#include "default_modules.h"

#include <filesystem>

namespace {

namespace fs = std::filesystem;

struct Known {
    const char* name;
    const char* built;
};

const Known kDefaults[] = {
    {"libTrevanCom2002.so", TREVAN_BUILT_MODULE},
    {"libTrevanSibling.so", TREVAN_BUILT_SIBLING},
};

fs::path installedLibDir()
{
    std::error_code ec;
    fs::path program = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    return (program.parent_path() / TREVAN_BIN_TO_LIB).lexically_normal();
}

}  // namespace

std::vector<DefaultModule> findDefaultModules()
{
    fs::path lib = installedLibDir();
    std::vector<DefaultModule> found;
    for (const Known& k : kDefaults) {
        std::error_code ec;
        DefaultModule m{k.name, {}};
        if (!lib.empty() && fs::is_regular_file(lib / k.name, ec)) m.path = (lib / k.name).string();
        else if (fs::is_regular_file(k.built, ec)) m.path = k.built;
        found.push_back(m);
    }
    return found;
}

std::string defaultModulesHelp()
{
    std::string names;
    for (const Known& k : kDefaults) names += std::string(names.empty() ? "" : ", then ") + k.name;
    return "                  Default plug-ins: " + names + "\n"
           "                  (the sibling stand-in offering the module's LISP-callable functions),\n"
           "                  each looked for in PROGRAM_DIR/" + std::string(TREVAN_BIN_TO_LIB) +
           " (an installed trevan), then\n"
           "                  in the build tree that built this program.\n";
}
