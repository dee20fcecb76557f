// New handles start above every in-range handle the file uses anywhere, so that no
// reference, even one to nothing, comes to name a renumbered object by accident.
#include "dxf/handle_renumbering.h"

#include <vector>

#include "dxf/tag_reader.h"
#include "dxf/tag_writer.h"

namespace zrx::dxf {

bool isHandleCode(int code)
{
    return code == 5 || code == 105 || (code >= 320 && code <= 369) || (code >= 390 && code <= 399) ||
           code == 480 || code == 481 || code == 1005;
}

HandleRenumbering::HandleRenumbering(std::string_view text, const std::string& file)
{
    TagReader in(text, file);
    Tag t;
    std::string_view type;
    bool ownHandleSeen = false, markerSeen = false;
    uint64_t highest = 0;
    std::vector<std::pair<uint64_t, uint32_t>> outOfRange;  // own handles in file order
    while (in.next(t)) {
        if (t.code == 0) {
            type = t.value;
            ownHandleSeen = markerSeen = false;
            continue;
        }
        if (t.code == 100) markerSeen = true;
        uint64_t h = 0;
        if (!isHandleCode(t.code) || !parseHandle(t.value, h)) continue;
        if (h <= kLastHandle) {
            if (h > highest) highest = h;
            continue;
        }
        const int ownCode = type == "DIMSTYLE" ? 105 : 5;
        if (type == "SECTION" && t.code == 5) {
            if (m_firstLine == 0) m_firstLine = t.line;  // $HANDSEED
        } else if (t.code == ownCode && !ownHandleSeen && !markerSeen) {
            ownHandleSeen = true;
            outOfRange.emplace_back(h, t.line);
        }
    }
    m_first = highest + 1;
    uint64_t next = m_first;
    for (const auto& [h, line] : outOfRange) {
        if (m_newHandles.emplace(h, next).second) ++next;
        if (m_firstLine == 0) m_firstLine = line;
    }
}

void HandleRenumbering::apply(Record& r)
{
    for (Tag& t : r.tags) {
        uint64_t h = 0;
        if (!isHandleCode(t.code) || !parseHandle(t.value, h) || h <= kLastHandle) continue;
        auto found = m_newHandles.find(h);
        if (found == m_newHandles.end()) continue;
        t.value = m_values.emplace_back(formatHandle(found->second));
    }
}

}  // namespace zrx::dxf
