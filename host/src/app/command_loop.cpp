// The command loop: the command prompt, commands with their document locks, LISP at the
// prompt, transparent commands, and the checks after each command.
#include <map>
#include <memory>
#include <set>

#include "app/app.h"
#include "app/input_stack.h"
#include "db/database_impl.h"
#include "docs/docs.h"
#include "editor/editor.h"
#include "editor/selection_sets.h"
#include "lisp/lisp.h"
#include "util/text_case.h"
#include "win/change_watch.h"
#include "zrx/ed_commands.h"
#include "zrxhost/contract.h"
#include "zrxhost/session.h"

namespace zrxhost {
namespace {

std::vector<std::string>& failures()
{
    static std::vector<std::string> f;
    return f;
}

// Each drawing has its own command line: Enter repeats the last command of that drawing.
std::string& lastCommand()
{
    static std::string none;
    ZcApDocument* doc = docs::current();
    return doc != nullptr ? stateOf(doc)->lastCommand : none;
}
int g_depth = 0;  // commands running, nested ones included

// What a command line names: a registered command, a host command or a LISP command.
struct Resolved {
    ZcEdCommand* registered = nullptr;
    const app::BuiltinCommand* builtin = nullptr;
    std::string lispCommand;
    std::string name;
    bool found() const { return registered != nullptr || builtin != nullptr || !lispCommand.empty(); }
};

Resolved resolve(std::string word)
{
    Resolved r;
    bool builtinFirst = false;
    bool global = false;
    // "_" asks for the global name, "." for the host's own command, in either order.
    while (!word.empty() && (word.front() == '_' || word.front() == '.')) {
        (word.front() == '.' ? builtinFirst : global) = true;
        word.erase(0, 1);
    }
    r.name = upperAscii(word);
    if (word.empty()) return r;
    if (builtinFirst) r.builtin = app::findBuiltin(word);
    if (r.builtin == nullptr && global) {
        // Modules often register the global name with the "_" it is typed with.
        r.registered = zcedRegCmds->lookupGlobalCmd(word.c_str());
        if (r.registered == nullptr) r.registered = zcedRegCmds->lookupGlobalCmd(("_" + word).c_str());
    } else if (r.builtin == nullptr) {
        r.registered = zcedRegCmds->lookupLocalCmd(word.c_str());
        if (r.registered == nullptr) r.registered = zcedRegCmds->lookupGlobalCmd(word.c_str());
    }
    if (r.builtin == nullptr && r.registered == nullptr && lisp::isDefined("C:" + word)) r.lispCommand = "C:" + r.name;
    if (!r.found()) r.builtin = app::findBuiltin(word);
    return r;
}

void execute(const Resolved& r)
{
    watch::DispatchScope dispatched;
    ed::setErrno(0);
    if (r.builtin != nullptr) {
        r.builtin->run();
    } else if (r.registered != nullptr) {
        r.registered->functionAddr()();
    } else {
        std::string error;
        if (!lisp::callExternal(r.lispCommand, {}, &error)) ed::write("\n; error: " + error + "\n");
    }
}

// Closes what a command left open, so the next command and the drawing's end are not
// held up by it; the report has been made already.
void closeLeftOpen()
{
    for (ZcDbDatabase* db : liveDatabases()) {
        for (const zrxhost::ObjectStub& s : zrxhost::stateOf(db)->stubs()) {
            while (s.isOpen() && s.object != nullptr) s.object->close();
        }
    }
}

// The locks each open document holds, so that a command that moved to another document
// (a new drawing it made) is still held to the locks it took in every one.
std::map<ZcApDocument*, int> lockCounts()
{
    std::map<ZcApDocument*, int> counts;
    std::unique_ptr<ZcApDocumentIterator> it(zcDocManager->newZcApDocumentIterator());
    for (; !it->done(); it->step()) counts[it->document()] = docs::lockCount(it->document());
    return counts;
}

void check(const std::string& name, ZcApDocument* commandDoc, const std::map<ZcApDocument*, int>& locksBefore,
           const std::vector<int64_t>& setsBefore)
{
    std::vector<std::string> found;
    if (openObjectCount() > 0) {
        std::string report = openObjectsReport();
        if (!report.empty() && report.back() == '\n') report.pop_back();
        found.push_back(name + " left " + std::to_string(openObjectCount()) + " object(s) open: " + report);
        closeLeftOpen();
    }
    for (const auto& [doc, locks] : lockCounts()) {
        auto before = locksBefore.find(doc);
        int allowed = before != locksBefore.end() ? before->second : 0;
        if (locks <= allowed) continue;
        std::string where = doc == commandDoc ? "" : std::string(" in ") + doc->docTitle();
        found.push_back(name + " left " + std::to_string(locks - allowed) + " document lock(s) taken" + where);
        while (docs::lockCount(doc) > allowed) zcDocManager->unlockDocument(doc);
    }
    std::set<int64_t> before(setsBefore.begin(), setsBefore.end());
    int leaked = 0;
    for (int64_t n : ed::setsHeldByPlugins()) {
        if (before.count(n) == 0) {
            ++leaked;
            ed::freeSetByNumber(n);
        }
    }
    if (leaked > 0) found.push_back(name + " left " + std::to_string(leaked) + " selection set(s) unreleased");
    for (const std::string& f : found) {
        ed::write("\n** Host check failed: " + f + "\n");
        failures().push_back(f);
    }
}

// A top-level command: the document lock its context asks for, and the checks after it.
void runChecked(const Resolved& r)
{
    lastCommand() = r.name;
    bool session = (r.registered != nullptr && (r.registered->commandFlags() & ZCRX_CMD_SESSION) != 0) ||
                   (r.builtin != nullptr && r.builtin->session);
    ZcApDocument* doc = docs::current();
    bool hostLocked = !session && doc != nullptr &&
                      zcDocManager->lockDocument(doc, ZcAp::kAutoWrite, nullptr, nullptr, false) == Zcad::eOk;
    std::map<ZcApDocument*, int> locksBefore = lockCounts();
    std::vector<int64_t> setsBefore = ed::setsHeldByPlugins();
    docs::setCommandActive(doc, true);
    ++g_depth;
    execute(r);
    --g_depth;
    // The command ends in the document it started in, wherever it went meanwhile.
    docs::setCommandActive(doc, false);
    check(r.name, doc, locksBefore, setsBefore);
    // The document may have gone with the command (CLOSE).
    if (hostLocked && docs::lockCount(doc) > 0) zcDocManager->unlockDocument(doc);
    if (!scriptError().empty()) ed::write("\n*Cancel*\n");
}

void runLisp(std::string text)
{
    // An expression may go on over several lines.
    while (!lisp::isComplete(text)) {
        std::optional<std::string> more = ask("(_> ");
        ed::noteLineEnded();
        if (!more) break;
        // Esc drops the unfinished expression, as at the platform's prompt.
        if (equalsNoCase(*more, "*cancel*")) {
            ed::write("*Cancel*\n");
            return;
        }
        text += "\n" + *more;
    }
    // An expression at the prompt runs in the document, locked for it as a command is.
    ZcApDocument* doc = docs::current();
    bool hostLocked =
        doc != nullptr && zcDocManager->lockDocument(doc, ZcAp::kAutoWrite, nullptr, nullptr, false) == Zcad::eOk;
    std::map<ZcApDocument*, int> locksBefore = lockCounts();
    std::vector<int64_t> setsBefore = ed::setsHeldByPlugins();
    ++g_depth;
    lisp::evalAndPrint(text);
    --g_depth;
    check("(" + std::string("LISP") + ")", doc, locksBefore, setsBefore);
    if (hostLocked && docs::lockCount(doc) > 0) zcDocManager->unlockDocument(doc);
}

}  // namespace

bool runTransparentCommand(const std::string& name)
{
    Resolved r = resolve(name);
    bool transparent = r.registered != nullptr && (r.registered->commandFlags() & ZCRX_CMD_TRANSPARENT) != 0;
    if (r.builtin != nullptr) transparent = equalsNoCase(r.name, "ZOOM") || equalsNoCase(r.name, "SETVAR");
    if (!transparent) return false;
    ed::write(">>");
    execute(r);
    ed::write("\nResuming command.\n");
    return true;
}

void runCommandLine(const std::string& line)
{
    if (!line.empty() && line.front() == '(') {
        runLisp(line);
        return;
    }
    std::string word = line;
    if (!word.empty() && word.front() == '\'') word.erase(0, 1);
    Resolved r = resolve(word);
    if (!r.found()) {
        ed::write("\nUnknown command \"" + upperAscii(word) + "\".  Press F1 for help.\n");
        if (inputMode() == InputMode::Script) raiseScriptError("unknown command \"" + upperAscii(word) + "\"");
        return;
    }
    runChecked(r);
}

bool runCommandLoop()
{
    app::InputStack& stack = app::inputStack();
    AnswerSource* previous = answerSource();
    setAnswerSource(&stack);
    stack.clearEndReached();
    for (;;) {
        if (!scriptError().empty()) break;
        std::vector<std::string> queued = docs::takeQueuedInput();
        if (!queued.empty()) stack.pushLines(std::make_unique<LineSource>("queued input", std::move(queued)));
        ed::Answer a = ed::ask("\nCommand: ", "");
        if (stack.endReached()) break;
        if (a.kind == ed::Answer::kCancel) {
            ed::write("*Cancel*\n");
            continue;
        }
        if (a.kind == ed::Answer::kEnter) {
            // Enter repeats the last command, as on the platform.
            if (std::string last = lastCommand(); !last.empty()) runCommandLine(last);
            continue;
        }
        runCommandLine(a.text);
    }
    setAnswerSource(previous);
    return scriptError().empty();
}

const std::vector<std::string>& checkFailures() { return failures(); }
void clearCheckFailures() { failures().clear(); }

void startApplication()
{
    app::registerBuiltins();
    zcrxSysRegistry();
    if (docs::current() == nullptr) docs::newDefaultDocument();
}

void endApplication()
{
    app::unloadAllModules();
    docs::closeAllDocuments();
    lastCommand().clear();
}

}  // namespace zrxhost

namespace zrxhost::app {

int runCommandWith(const std::string& name, std::vector<std::string> answers)
{
    Resolved r = resolve(name);
    if (!r.found()) return RTERROR;
    InputStack& stack = inputStack();
    AnswerSource* previous = answerSource();
    if (previous != &stack) {
        // Called outside the command loop (a test, a plug-in's own driver): the input
        // below the answers is whatever was there.
        stack.setBase(previous);
        setAnswerSource(&stack);
    }
    stack.pushSealed(std::make_unique<LineSource>("command " + r.name, std::move(answers)));
    if (g_depth == 0) {
        runChecked(r);
    } else {
        ++g_depth;
        execute(r);
        --g_depth;
    }
    bool overrun = stack.popSealed();
    if (previous != &stack) setAnswerSource(previous);
    return overrun ? RTCAN : RTNORM;
}

}  // namespace zrxhost::app
