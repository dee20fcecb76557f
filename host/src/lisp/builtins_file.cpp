// Text files: open, close, write-line, read-line. Files are named as the module names
// them (Windows paths through the drive map) or as host paths.
#include <cctype>

#include "editor/editor.h"
#include "lisp/interp.h"
#include "zrxhost/drive_map.h"

namespace zrxhost::lisp {
namespace {

ValuePtr open(const Args& a)
{
    arity(a, 2, 3);
    std::string mode = str(a[1]);
    for (char& c : mode) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (mode != "r" && mode != "w" && mode != "a") fail("bad argument value: " + print(a[1]));
    const std::string& name = str(a[0]);
    bool windows = name.find('\\') != std::string::npos || (name.size() >= 2 && name[1] == ':');
    std::optional<std::string> path = windows ? hostPath(name) : std::optional<std::string>(name);
    if (!path) return nil();
    auto file = std::make_shared<OpenFile>();
    file->f = std::fopen(path->c_str(), mode.c_str());
    file->writing = mode != "r";
    return file->f != nullptr ? makeFile(std::move(file)) : nil();
}

OpenFile& fileArg(const ValuePtr& v)
{
    if (v->kind != Value::kFile) badArgument("filep", v);
    return *v->file;
}

}  // namespace

void addFileFunctions(Builtins& b)
{
    define(b, "OPEN", open);
    define(b, "CLOSE", [](const Args& a) {
        arity(a, 1, 1);
        OpenFile& f = fileArg(a[0]);
        if (f.f == nullptr) fail("bad argument value: file already closed");
        std::fclose(f.f);
        f.f = nullptr;
        return nil();
    });
    define(b, "WRITE-LINE", [](const Args& a) {
        arity(a, 1, 2);
        const std::string& text = str(a[0]);
        if (a.size() == 1) {
            ed::write("\n" + print(a[0]));
            return a[0];
        }
        OpenFile& f = fileArg(a[1]);
        if (f.f == nullptr || !f.writing) fail("bad argument value: file not open for writing");
        std::fputs((text + "\n").c_str(), f.f);
        return a[0];
    });
    define(b, "READ-LINE", [](const Args& a) {
        arity(a, 1, 1);
        OpenFile& f = fileArg(a[0]);
        if (f.f == nullptr || f.writing) fail("bad argument value: file not open for reading");
        std::string line;
        int c = 0;
        while ((c = std::fgetc(f.f)) != EOF && c != '\n') line += static_cast<char>(c);
        if (c == EOF && line.empty()) return nil();
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return makeStr(line);
    });
}

}  // namespace zrxhost::lisp
