// Reading answers through queued input, scripts and command answers down to the base.
#include "app/input_stack.h"

#include <fstream>
#include <sstream>

namespace zrxhost {

LineSource::LineSource(std::string name, std::vector<std::string> lines) : m_name(std::move(name)), m_lines(std::move(lines))
{
    for (std::string& l : m_lines) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
    }
}

std::unique_ptr<LineSource> LineSource::fromText(const std::string& name, const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return std::make_unique<LineSource>(name, std::move(lines));
}

std::unique_ptr<LineSource> LineSource::fromFile(const std::string& path, std::string* error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (error != nullptr) *error = "cannot read script file " + path;
        return nullptr;
    }
    std::stringstream text;
    text << in.rdbuf();
    return fromText(path, text.str());
}

std::optional<std::string> LineSource::peek()
{
    if (m_next >= m_lines.size()) return std::nullopt;
    return m_lines[m_next];
}

std::optional<std::string> LineSource::take()
{
    if (m_next >= m_lines.size()) return std::nullopt;
    return m_lines[m_next++];
}

std::string LineSource::where() const { return m_name + ":" + std::to_string(m_next); }

}  // namespace zrxhost

namespace zrxhost::app {

InputStack& inputStack()
{
    static InputStack stack;
    return stack;
}

void InputStack::pushLines(std::unique_ptr<LineSource> lines) { m_frames.push_back({std::move(lines), false, false}); }

void InputStack::pushSealed(std::unique_ptr<LineSource> lines) { m_frames.push_back({std::move(lines), true, false}); }

bool InputStack::popSealed()
{
    // The called command may have started a script (SCRIPT through zcedCommand): that stays,
    // to be played once the caller is done; only the answers go.
    for (size_t i = m_frames.size(); i-- > 0;) {
        if (!m_frames[i].sealed) continue;
        bool overrun = m_frames[i].overrun;
        m_frames.erase(m_frames.begin() + static_cast<std::ptrdiff_t>(i));
        return overrun;
    }
    return false;
}

std::optional<std::string> InputStack::read(size_t depth, bool taking)
{
    // depth counts frames from the bottom that may be read: frames[0 .. depth).
    for (size_t i = depth; i-- > 0;) {
        Frame& f = m_frames[i];
        std::optional<std::string> line = f.lines->peek();
        if (line && f.sealed && *line == "\\") {
            if (taking) f.lines->take();
            return read(i, taking);
        }
        if (line) {
            if (taking) {
                f.lines->take();
                m_where = f.lines->where();
            }
            return line;
        }
        if (f.sealed) {
            if (taking) f.overrun = true;
            return std::nullopt;
        }
        // A finished script or queue: reading goes on below it. Only the top may go, as
        // frames above it still hold their places.
        if (taking && i + 1 == m_frames.size()) m_frames.pop_back();
    }
    if (m_base == nullptr) {
        if (taking) m_endReached = true;
        return std::nullopt;
    }
    std::optional<std::string> line = taking ? m_base->take() : m_base->peek();
    if (taking) {
        if (!line) m_endReached = true;
        auto* lines = dynamic_cast<LineSource*>(m_base);
        m_where = lines != nullptr ? lines->where() : std::string();
    }
    return line;
}

namespace {
bool isComment(const std::optional<std::string>& line) { return line && !line->empty() && line->front() == ';'; }
}  // namespace

// Comment lines are dropped wherever they stand; nothing asks for them.
std::optional<std::string> InputStack::peek()
{
    std::optional<std::string> line = read(m_frames.size(), false);
    while (isComment(line)) {
        read(m_frames.size(), true);
        line = read(m_frames.size(), false);
    }
    return line;
}

std::optional<std::string> InputStack::take()
{
    std::optional<std::string> line = read(m_frames.size(), true);
    while (isComment(line)) line = read(m_frames.size(), true);
    return line;
}

}  // namespace zrxhost::app
