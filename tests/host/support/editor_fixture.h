// A drawing with the editor's input and command line under the test's control: answers
// are given as lines, and everything written to the command line is kept.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "support/host_fixture.h"
#include "zrxhost/session.h"

class EditorTest : public HostTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The lines the next questions take, as a script gives them.
    void answer(std::vector<std::string> lines);
    // The transcript so far, then forgotten.
    std::string transcript();
    // A line from a to b in model space.
    ZcDbObjectId addLine(double ax, double ay, double bx, double by);
    std::string hex(ZcDbObjectId id);
    ZcDbObjectId idOf(const ads_name name);

    std::unique_ptr<zrxhost::LineSource> m_input;
    std::string m_transcript;
};
