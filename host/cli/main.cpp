// trevan: runs scripts against drawings, offers the interactive command line and renders
// drawings to SVG.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "terminal.h"
#include "zrx.h"
#include "zrxhost/render.h"
#include "zrxhost/session.h"

namespace {

const char* kUsage =
    "usage:\n"
    "  trevan run    [--load MODULE]... [--script FILE] [--svg FILE]\n"
    "  trevan repl   [--load MODULE]...\n"
    "  trevan --help\n"
    "\n"
    "run     plays a script (default: the bundled demo script) on a new drawing, as the\n"
    "        platform's command line would, writing prompts and echoed answers to standard\n"
    "        output. Exits 0 when the script ran to its end; otherwise non-zero with a\n"
    "        one-line reason on standard error (unknown command, unusable answer, missing\n"
    "        file, a command leaving objects open, locks taken or selection sets held).\n"
    "repl    the same command line typed at the terminal, with line editing and history.\n"
    "\n"
    "options:\n"
    "  --load MODULE   load a plug-in (a shared library exporting acrxEntryPoint) first\n"
    "  --script FILE   the script to play (one answer per line; see docs/ARCHITECTURE.md)\n"
    "  --svg FILE      after the script, draw model space to an SVG file\n";

struct Options {
    std::string command;
    std::vector<std::string> modules;
    std::string script;
    std::string svg;
};

[[noreturn]] void usageError(const std::string& why)
{
    std::fprintf(stderr, "trevan: %s\n%s", why.c_str(), kUsage);
    std::exit(2);
}

Options parse(int argc, char** argv)
{
    Options o;
    if (argc < 2) usageError("no command given");
    o.command = argv[1];
    if (o.command == "--help" || o.command == "-h" || o.command == "help") {
        std::fputs(kUsage, stdout);
        std::exit(0);
    }
    if (o.command != "run" && o.command != "repl") usageError("unknown command " + o.command);
    for (int i = 2; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) usageError(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--help") {
            std::fputs(kUsage, stdout);
            std::exit(0);
        } else if (arg == "--load") {
            o.modules.push_back(value());
        } else if (arg == "--script" && o.command == "run") {
            o.script = value();
        } else if (arg == "--svg" && o.command == "run") {
            o.svg = value();
        } else {
            usageError("unknown option " + arg);
        }
    }
    return o;
}

bool loadModules(const Options& o)
{
    for (const std::string& m : o.modules) {
        if (!zcrxDynamicLinker->loadModule(m.c_str(), true)) {
            std::fprintf(stderr, "trevan: cannot load module %s\n", m.c_str());
            return false;
        }
    }
    return true;
}

int run(const Options& o)
{
    std::string scriptPath = o.script.empty() ? std::string(TREVAN_EXAMPLES_DIR) + "/demo/demo.scr" : o.script;
    std::string error;
    std::unique_ptr<zrxhost::LineSource> script = zrxhost::LineSource::fromFile(scriptPath, &error);
    if (!script) {
        std::fprintf(stderr, "trevan: %s\n", error.c_str());
        return 2;
    }
    zrxhost::startApplication();
    if (!loadModules(o)) {
        zrxhost::endApplication();
        return 2;
    }
    zrxhost::setInputMode(zrxhost::InputMode::Script);
    zrxhost::setBaseInput(script.get());
    bool finished = zrxhost::runCommandLoop();
    int status = 0;
    if (!finished) {
        std::fprintf(stderr, "trevan: script stopped at %s\n", zrxhost::scriptError().c_str());
        status = 1;
    } else if (!zrxhost::checkFailures().empty()) {
        std::fprintf(stderr, "trevan: host check failed: %s\n", zrxhost::checkFailures().front().c_str());
        status = 3;
    }
    if (status == 0 && !o.svg.empty()) {
        ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
        if (db == nullptr) {
            std::fprintf(stderr, "trevan: no drawing is open to draw\n");
            status = 2;
        } else if (!zrxhost::renderSvgFile(db, o.svg, &error)) {
            std::fprintf(stderr, "trevan: %s\n", error.c_str());
            status = 2;
        }
    }
    zrxhost::setBaseInput(nullptr);
    zrxhost::endApplication();
    return status;
}

int repl(const Options& o)
{
    bool tty = isatty(STDIN_FILENO) != 0;
    const char* home = std::getenv("HOME");
    std::string history = tty && home != nullptr ? std::string(home) + "/.trevan_history" : std::string();
    TerminalSource terminal(history);
    std::unique_ptr<zrxhost::LineSource> piped;
    if (tty) {
        useTerminalCommandLine();
    } else {
        // Piped input reads as a script would, but a bad answer is asked again.
        std::string all;
        for (std::string line; std::getline(std::cin, line);) all += line + "\n";
        piped = zrxhost::LineSource::fromText("stdin", all);
    }
    zrxhost::startApplication();
    if (!loadModules(o)) {
        zrxhost::endApplication();
        return 2;
    }
    zrxhost::setInputMode(zrxhost::InputMode::Interactive);
    zrxhost::setBaseInput(tty ? static_cast<zrxhost::AnswerSource*>(&terminal) : piped.get());
    zrxhost::runCommandLoop();
    zrxhost::setBaseInput(nullptr);
    zrxhost::endApplication();
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    Options o = parse(argc, argv);
    return o.command == "run" ? run(o) : repl(o);
}
