// LISP at the command prompt: reading and evaluating a text, printing its value, and
// handing an error to *error*.
#include "editor/editor.h"
#include "lisp/interp.h"
#include "lisp/lisp.h"
#include "lisp/reader.h"
#include "win/change_watch.h"

namespace zrxhost::lisp {
namespace {

// " (FILE line N)" for a text that came from a file.
std::string where(const std::string& source, const Reader& reader)
{
    if (source.empty()) return "";
    return " (" + source + " line " + std::to_string(reader.startLine()) + ")";
}

// The program's *error*, when it has one: called with the message in place of the
// platform's own report. An error inside it is reported plainly.
bool handOverToErrorFunction(const std::string& message)
{
    ValuePtr handler = symbolValue("*ERROR*");
    if (handler->kind != Value::kUsubr && handler->kind != Value::kSubr) return false;
    try {
        applyFunction(handler, {makeStr(message)});
    } catch (const std::runtime_error& e) {
        ed::write("\n; error: " + std::string(e.what()) + "\n");
    }
    return true;
}

}  // namespace

ValuePtr evalAll(const std::string& text, const std::string& source)
{
    Reader reader(text);
    ValuePtr last = nil();
    try {
        while (!reader.atEnd()) last = eval(reader.read());
    } catch (const Incomplete&) {
        fail("malformed list on input" + where(source, reader));
    } catch (const ReadError& e) {
        fail(e.what() + where(source, reader));
    }
    return last;
}

bool isComplete(const std::string& text)
{
    Reader reader(text);
    try {
        while (!reader.atEnd()) reader.read();
    } catch (const Incomplete&) {
        return false;
    } catch (const ReadError&) {
    }
    return true;
}

ValuePtr evalText(const std::string& text, std::string* error)
{
    watch::DispatchScope dispatched;
    try {
        return evalAll(text, "");
    } catch (const std::runtime_error& e) {
        if (error != nullptr) *error = e.what();
        return nullptr;
    }
}

void evalAndPrint(const std::string& text)
{
    std::string error;
    ValuePtr v = evalText(text, &error);
    if (!v) {
        if (!handOverToErrorFunction(error)) ed::write("\n; error: " + error + "\n");
        return;
    }
    // (princ) with no argument prints nothing: the quiet end of a LISP routine.
    if (v->kind == Value::kSym && v->s.empty()) return;
    ed::write("\n" + print(v) + "\n");
}

ValuePtr global(const std::string& name)
{
    auto v = symbolValue(name);
    return v;
}

void setGlobal(const std::string& name, ValuePtr value) { setSymbol(name, std::move(value)); }

}  // namespace zrxhost::lisp
