// trevan: runs scripts against drawings, offers the interactive command line and renders
// drawings to SVG.
#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "convert.h"
#include "default_modules.h"
#include "installation.h"
#include "options.h"
#include "terminal.h"
#include "zrx.h"
#include "zrxhost/dialog_form.h"
#include "zrxhost/drawing_file.h"
#include "zrxhost/render.h"
#include "zrxhost/session.h"

namespace {

void fail(const std::string& why) { std::fprintf(stderr, "trevan: %s\n", why.c_str()); }

// The module and the sibling stand-in, loaded quietly as the platform loads its startup
// applications; false (the reason told) when one is missing or refuses to start.
bool loadDefaultModules()
{
    for (const DefaultModule& m : findDefaultModules()) {
        if (m.path.empty()) {
            fail("cannot find " + m.name + " (build it, or run with --no-modules)");
            return false;
        }
        if (!zcrxDynamicLinker->loadModule(m.path.c_str(), false)) {
            // The loader's own reason (a library it needs, say) tells the user what to fix.
            std::string why = "cannot load module " + m.path;
            if (void* handle = dlopen(m.path.c_str(), RTLD_NOW | RTLD_LOCAL)) dlclose(handle);
            else why += ": " + std::string(dlerror());
            fail(why);
            return false;
        }
    }
    return true;
}

// The installation, the application with its first drawing, and the modules; false (the
// reason told) when one of them cannot be had.
bool start(const Options& o)
{
    std::string error;
    if (!o.install.empty() && !useInstallation(o.install, &error)) {
        fail(error);
        return false;
    }
    zrxhost::startApplication();
    if (!o.drawing.empty()) {
        // The drawing takes the place of the new one the application starts with.
        ZcApDocument* untitled = curDoc();
        if (zcDocManager->appContextOpenDocument(o.drawing.c_str()) != Zcad::eOk) {
            fail(zrxhost::lastDrawingFileError());
            return false;
        }
        zcDocManager->closeDocument(untitled);
    }
    if (o.defaultModules && !loadDefaultModules()) return false;
    for (const std::string& m : o.modules) {
        if (!zcrxDynamicLinker->loadModule(m.c_str(), true)) {
            fail("cannot load module " + m);
            return false;
        }
    }
    return true;
}

// (load "FILE") for each LISP file, played at the command prompt before anything else.
std::unique_ptr<zrxhost::LineSource> lispLoads(const Options& o)
{
    std::string text;
    for (const std::string& file : o.lispFiles) {
        std::string quoted;
        for (char c : file) {
            if (c == '"' || c == '\\') quoted += '\\';
            quoted += c;
        }
        text += "(load \"" + quoted + "\")\n";
    }
    return zrxhost::LineSource::fromText("--load", text);
}

bool playLispLoads(const Options& o)
{
    if (o.lispFiles.empty()) return true;
    std::unique_ptr<zrxhost::LineSource> loads = lispLoads(o);
    zrxhost::setBaseInput(loads.get());
    bool ok = zrxhost::runCommandLoop();
    zrxhost::setBaseInput(nullptr);
    return ok;
}

int finish(int status)
{
    zrxhost::setBaseInput(nullptr);
    zrxhost::endApplication();
    return status;
}

zrxhost::SvgWindow svgWindow(const Options& o)
{
    return o.svgView ? zrxhost::SvgWindow::View : zrxhost::SvgWindow::Extents;
}

int run(const Options& o)
{
    std::string error;
    std::unique_ptr<zrxhost::LineSource> script =
        o.script.empty() ? zrxhost::LineSource::fromText("", "") : zrxhost::LineSource::fromFile(o.script, &error);
    if (!script) {
        fail(error);
        return 2;
    }
    if (!start(o)) return finish(2);
    zrxhost::setInputMode(zrxhost::InputMode::Script);
    if (!playLispLoads(o) || (zrxhost::setBaseInput(script.get()), !zrxhost::runCommandLoop())) {
        fail("script stopped at " + zrxhost::scriptError());
        return finish(1);
    }
    if (!zrxhost::checkFailures().empty()) {
        fail("host check failed: " + zrxhost::checkFailures().front());
        return finish(3);
    }
    ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
    if ((!o.save.empty() || !o.svg.empty()) && db == nullptr) {
        fail("no drawing is open to save or draw");
        return finish(2);
    }
    if (!o.save.empty() && db->saveAs(o.save.c_str()) != Zcad::eOk) {
        fail(zrxhost::lastDrawingFileError());
        return finish(2);
    }
    if (!o.svg.empty() && !zrxhost::renderSvgFile(db, o.svg, &error, svgWindow(o))) {
        fail(error);
        return finish(2);
    }
    return finish(0);
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
    if (!start(o)) return finish(2);
    zrxhost::setInputMode(zrxhost::InputMode::Interactive);
    zrxhost::setDialogForms(true);
    playLispLoads(o);
    zrxhost::setBaseInput(tty ? static_cast<zrxhost::AnswerSource*>(&terminal) : piped.get());
    zrxhost::runCommandLoop();
    ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
    std::string error;
    if (!o.svg.empty() && (db == nullptr || !zrxhost::renderSvgFile(db, o.svg, &error, svgWindow(o)))) {
        fail(db == nullptr ? "no drawing is open to draw" : error);
        return finish(2);
    }
    return finish(0);
}

int render(const Options& o)
{
    ZcDbDatabase db(false, true);
    if (db.readDwgFile(o.input.c_str()) != Zcad::eOk) {
        fail(zrxhost::lastDrawingFileError());
        return 2;
    }
    for (const std::string& repair : zrxhost::lastDrawingFileRepairs()) std::fprintf(stderr, "trevan: %s\n", repair.c_str());
    // Drawing variables (LTSCALE) are the drawing's own.
    zcdbHostApplicationServices()->setWorkingDatabase(&db);
    std::string error;
    bool written = zrxhost::renderSvgFile(&db, o.svg, &error);
    zcdbHostApplicationServices()->setWorkingDatabase(nullptr);
    if (!written) {
        fail(error);
        return 2;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    Options o = parseOptions(argc, argv);
    if (o.command == "render") return render(o);
    if (o.command == "convert") return convertFolder(o.input, o.output, o.version);
    return o.command == "run" ? run(o) : repl(o);
}
