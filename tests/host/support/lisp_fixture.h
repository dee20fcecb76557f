// LISP typed at the command prompt of a drawing: eval() gives what the command line shows,
// without the blank lines around it.
#pragma once

#include <string>

#include "support/editor_fixture.h"

class LispTest : public EditorTest {
protected:
    std::string eval(const std::string& text)
    {
        transcript();
        zrxhost::runCommandLine(text);
        std::string t = transcript();
        while (!t.empty() && t.back() == '\n') t.pop_back();
        while (!t.empty() && t.front() == '\n') t.erase(0, 1);
        return t;
    }
};
