// The plug-ins trevan loads unless told otherwise: the module, then the sibling stand-in
// that offers the module's LISP-callable exports to LISP.
#pragma once

#include <string>
#include <vector>

struct DefaultModule {
    std::string name;  // its file name
    std::string path;  // where it was found; empty when nowhere
};

// Each default module is looked for first beside the program as an installation lays it
// out (PROGRAM_DIR/../lib), then where this build tree built it.
std::vector<DefaultModule> findDefaultModules();

// How the rule reads in the help text.
std::string defaultModulesHelp();
