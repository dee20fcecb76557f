// Parsing trevan's arguments. Defaults come from the bundle in examples/: the sample
// installation (when there is one), the sample hull plan and the demo script.
#include "options.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "default_modules.h"

namespace {

const std::string kExamples = TREVAN_EXAMPLES_DIR;
const std::string kSampleInstall = kExamples + "/install";
const std::string kSampleDrawing = kExamples + "/drawings/hull_plan.dxf";
const std::string kDemoScript = kExamples + "/demo/demo.scr";

std::string usage()
{
    bool bundled = std::filesystem::is_directory(kSampleInstall);
    return "usage:\n"
           "  trevan run    [--install DIR] [--drawing FILE] [--script FILE] [--save FILE]\n"
           "                [--svg FILE [--svg-view]] [--no-modules] [--load MODULE|FILE.lsp]...\n"
           "  trevan repl   [--install DIR] [--drawing FILE] [--svg FILE [--svg-view]] [--no-modules]\n"
           "                [--load MODULE|FILE.lsp]...\n"
           "  trevan render FILE.dxf|FILE.dwg -o FILE.svg\n"
           "  trevan convert SRC_FOLDER DST_FOLDER [--version V]\n"
           "  trevan --help\n"
           "\n"
           "run     plays a script on a drawing, as the platform's command line would, writing\n"
           "        prompts and echoed answers to standard output. Exits 0 when the script ran\n"
           "        to its end; otherwise non-zero with a one-line reason on standard error\n"
           "        (unknown command, unusable answer, missing or unreadable file, a command\n"
           "        leaving objects open, locks taken or selection sets held).\n"
           "repl    the same command line typed at the terminal, with line editing and history.\n"
           "render  draws a drawing file's model space to SVG.\n"
           "convert writes every DWG drawing of SRC_FOLDER as DXF into DST_FOLDER (made when\n"
           "        missing), in version V (R12, R2000, R2004, R2007, R2010, R2013, R2018;\n"
           "        default R2013): a line per drawing, then a summary. Exits 0 when every\n"
           "        drawing was converted, 1 when some failed.\n"
           "\n"
           "options:\n"
           "  --install DIR   the installation the module works in: drive C: is DIR/drive_c\n"
           "                  (DIR itself when it has none) and the registry is DIR/registry.reg.\n"
           "                  DIR/odbc/odbcinst.ini, when there, registers the ODBC drivers\n"
           "                  unless ODBCSYSINI or ODBCINSTINI is set.\n" +
           std::string(bundled ? "                  Default: the sample installation, " + kSampleInstall + ".\n"
                               : "                  Default: none; without it no drive is mapped.\n") +
           "  --drawing FILE  the drawing to open first. Default: the sample hull plan,\n"
           "                  " + kSampleDrawing + ", when run plays the\n"
           "                  demo script; otherwise a new drawing\n"
           "  --script FILE   the script to play (default: " + kDemoScript + "); a FILE.lsp is\n"
           "                  loaded as a LISP program\n"
           "  --save FILE     after the script, save the current drawing to FILE (DXF)\n"
           "  --svg FILE      after the script (repl: when the session ends), draw the current drawing's\n"
           "                  model space to FILE, with the temporary vectors of its view\n"
           "  --svg-view      draw only what the drawing's view shows (as ZOOM left it), not all of\n"
           "                  model space\n"
           "  --load MODULE   also load this plug-in (a shared library exporting acrxEntryPoint),\n"
           "                  after the default ones; a FILE.lsp is loaded as a LISP program after\n"
           "                  the plug-ins (repeatable, in order)\n"
           "  --no-modules    load none of the default plug-ins (--load still adds its own).\n" +
           defaultModulesHelp() +
           "  -o FILE         render: the SVG file to write\n";
}

[[noreturn]] void usageError(const std::string& why)
{
    std::fprintf(stderr, "trevan: %s\n%s", why.c_str(), usage().c_str());
    std::exit(2);
}

}  // namespace

static bool isLispFile(const std::string& path)
{
    std::string ext = std::filesystem::path(path).extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".lsp";
}

Options parseOptions(int argc, char** argv)
{
    Options o;
    if (argc < 2) usageError("no command given");
    o.command = argv[1];
    if (o.command == "--help" || o.command == "-h" || o.command == "help") {
        std::fputs(usage().c_str(), stdout);
        std::exit(0);
    }
    if (o.command != "run" && o.command != "repl" && o.command != "render" && o.command != "convert") {
        usageError("unknown command " + o.command);
    }
    bool run = o.command == "run", convert = o.command == "convert";
    bool session = o.command != "render" && !convert;
    bool drawingGiven = false, installGiven = false;
    for (int i = 2; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) usageError(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--help") {
            std::fputs(usage().c_str(), stdout);
            std::exit(0);
        } else if (arg == "--load" && session) {
            std::string file = value();
            (isLispFile(file) ? o.lispFiles : o.modules).push_back(file);
        } else if (arg == "--no-modules" && session) {
            o.defaultModules = false;
        } else if (arg == "--install" && session) {
            o.install = value();
            installGiven = true;
        } else if (arg == "--drawing" && session) {
            o.drawing = value();
            drawingGiven = true;
        } else if (arg == "--script" && run) {
            o.script = value();
        } else if (arg == "--save" && run) {
            o.save = value();
        } else if (arg == "--svg" && session) {
            o.svg = value();
        } else if (arg == "--svg-view" && session) {
            o.svgView = true;
        } else if (arg == "-o" && !session) {
            o.svg = value();
        } else if (arg == "--version" && convert) {
            o.version = value();
        } else if (!session && arg.front() != '-' && o.input.empty()) {
            o.input = arg;
        } else if (convert && arg.front() != '-' && o.output.empty()) {
            o.output = arg;
        } else {
            usageError("unknown option " + arg);
        }
    }
    if (convert && o.output.empty()) usageError("convert needs a source and a target folder");
    if (!session && !convert && (o.input.empty() || o.svg.empty())) usageError("render needs a drawing and -o FILE.svg");
    if (session && !installGiven && std::filesystem::is_directory(kSampleInstall)) o.install = kSampleInstall;
    // A script of its own brings its own drawing: the sample plan is the demo's.
    if (run && !drawingGiven && o.script.empty()) o.drawing = kSampleDrawing;
    if (run && o.script.empty()) o.script = kDemoScript;
    // A LISP program as the script is loaded as --load would, with nothing else to play.
    if (run && isLispFile(o.script)) {
        o.lispFiles.push_back(o.script);
        o.script.clear();
    }
    return o;
}
