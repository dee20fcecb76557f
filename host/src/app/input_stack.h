// The stack of answer sources the command loop reads.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "zrxhost/session.h"

namespace zrxhost::app {

class InputStack : public AnswerSource {
public:
    void setBase(AnswerSource* base) { m_base = base; }
    // Lines read before anything below them; when they run out, reading goes on below.
    void pushLines(std::unique_ptr<LineSource> lines);
    // Lines that are all the input a command gets: when they run out, the command is
    // cancelled. A "\\" line passes one question on to the input below.
    void pushSealed(std::unique_ptr<LineSource> lines);
    // Removes the top frame; true when a sealed frame was asked for more than it had.
    bool popSealed();
    // The base ran dry: there is nothing more to read.
    bool endReached() const { return m_endReached; }
    void clearEndReached() { m_endReached = false; }
    std::string where() const { return m_where; }

    std::optional<std::string> peek() override;
    std::optional<std::string> take() override;

private:
    struct Frame {
        std::unique_ptr<LineSource> lines;
        bool sealed = false;
        bool overrun = false;
    };
    std::optional<std::string> read(size_t depth, bool taking);

    std::vector<Frame> m_frames;
    AnswerSource* m_base = nullptr;
    bool m_endReached = false;
    std::string m_where;
};

InputStack& inputStack();

}  // namespace zrxhost::app
