// Calls a LISP-callable export the way a sibling module does: the export is defined as a
// LISP function and an expression is evaluated at the command prompt, so its arguments
// arrive exactly as the platform passes them.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "support/editor_fixture.h"

class LispCallTest : public EditorTest {
protected:
    void TearDown() override
    {
        for (auto& [name, code] : m_defined) zcedUndef(name.c_str(), code);
        EditorTest::TearDown();
    }
    void define(const char* name, int (*function)())
    {
        int code = 100 + static_cast<int>(m_defined.size());
        ASSERT_EQ(zcedDefun(name, code), RTNORM);
        zcedRegFunc(function, code);
        m_defined.emplace_back(name, code);
    }
    // Everything the expression printed, its value last on a line of its own. The call
    // starts in mid-line, so that a message's opening new line shows.
    std::string call(const std::string& expression)
    {
        transcript();
        zcutPrintf(">");
        zrxhost::runCommandLine(expression);
        return transcript().substr(1);
    }
    // A LISP expression naming the entity.
    std::string ename(ZcDbObjectId id) { return "(handent \"" + hex(id) + "\")"; }

    std::vector<std::pair<std::string, int>> m_defined;
};
