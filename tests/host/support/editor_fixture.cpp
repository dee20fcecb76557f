#include "support/editor_fixture.h"

#include "zrxhost/display_state.h"

void EditorTest::SetUp()
{
    HostTest::SetUp();
    zrxhost::setCommandLineSink([this](std::string_view t) { m_transcript += t; });
    zrxhost::setInputMode(zrxhost::InputMode::Interactive);
    zrxhost::clearScriptError();
    zrxhost::resetDisplayState();
}

void EditorTest::TearDown()
{
    zrxhost::setAnswerSource(nullptr);
    zrxhost::setCommandLineSink(nullptr);
    zrxhost::setInputMode(zrxhost::InputMode::Interactive);
    zrxhost::clearScriptError();
    HostTest::TearDown();
}

void EditorTest::answer(std::vector<std::string> lines)
{
    m_input = std::make_unique<zrxhost::LineSource>("test", std::move(lines));
    zrxhost::setAnswerSource(m_input.get());
}

std::string EditorTest::transcript() { return std::exchange(m_transcript, {}); }

ZcDbObjectId EditorTest::addLine(double ax, double ay, double bx, double by)
{
    return addToModelSpace(new ZcDbLine(ZcGePoint3d(ax, ay, 0), ZcGePoint3d(bx, by, 0)));
}

std::string EditorTest::hex(ZcDbObjectId id)
{
    char buf[17];
    id.handle().getIntoAsciiBuffer(buf, sizeof buf);
    return buf;
}

ZcDbObjectId EditorTest::idOf(const ads_name name)
{
    ZcDbObjectId id;
    zcdbGetObjectId(id, name);
    return id;
}
