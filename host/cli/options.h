// trevan's command line: the command, its options and the defaults the bundle gives.
#pragma once

#include <string>
#include <vector>

struct Options {
    std::string command;  // run, repl, render or convert
    bool defaultModules = true;        // the module and the sibling stand-in, found as default_modules.h says
    std::vector<std::string> modules;  // --load: loaded after the default ones
    std::vector<std::string> lispFiles;  // --load FILE.lsp, and run's --script FILE.lsp: loaded after the modules
    std::string install;  // empty: no drive map
    std::string drawing;  // empty: a new drawing
    std::string script;
    std::string save;
    std::string svg;
    bool svgView = false;  // --svg-view: the SVG shows the drawing's view, not its extents
    std::string input;  // render: the drawing to draw; convert: the folder of DWG drawings
    std::string output;   // convert: the folder the DXF files go to
    std::string version;  // convert: the DXF version to write; empty: the host's own
};

// Parses the arguments, filling in the bundled defaults; exits with the usage text on
// --help (status 0) and on a mistake (status 2).
Options parseOptions(int argc, char** argv);
