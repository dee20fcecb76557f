// One drawing object as read: its group-0 type and the pairs up to the next group 0, with
// a mark on each pair the host has taken into its model. What is left unmarked is kept as
// Extras, filed under the subclass marker it came after, and written back in its place.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dxf/tag.h"
#include "zrx/ge_point3d.h"
#include "zrx/ge_vector3d.h"

namespace zrx::dxf {

class CodePage;

// Pairs of one subclass the host does not model. marker is the subclass marker ("" before
// the first one); "~" holds pairs of a file without markers that belong after the kind's data.
struct ExtraSection {
    std::string marker;
    KeptTags tags;
};

struct Extras {
    std::vector<ExtraSection> sections;
    // The colour index the object had when read: its true colour is kept only while the
    // index is unchanged, since a new index means a new colour.
    int readColor = -1;
    // Bits of flag groups the host does not model (a polyline's linetype generation),
    // by group code; written back together with the modelled bits.
    std::vector<std::pair<int, int64_t>> bits;
    bool empty() const { return sections.empty() && bits.empty(); }
    int64_t bitsOf(int code) const;
    const ExtraSection* find(std::string_view marker) const;
};

// A whole object kept as it was: followers of an unmodelled entity (vertices, end of
// sequence), classes, and the end markers of blocks.
struct RawRecord {
    std::string type;
    KeptTags tags;
};

class Record {
public:
    std::string_view type;
    uint32_t line = 0;
    std::vector<Tag> tags;
    std::vector<uint16_t> markerNo;           // subclass markers seen up to each pair
    std::vector<std::string_view> markerNames;  // by number; 0 is "" (before the first)
    std::string_view markerAt(size_t i) const { return markerNames[markerNo[i]]; }

    void clear();
    void add(const Tag& t);
    size_t size() const { return tags.size(); }
    const Tag& operator[](size_t i) const { return tags[i]; }
    bool used(size_t i) const { return m_used[i] != 0; }
    void use(size_t i) { m_used[i] = 1; }
    void unuse(size_t i) { m_used[i] = 0; }
    // Back to nothing taken (subclass markers aside): a codec gave up on the record.
    void resetUse();
    bool hasMarkers() const { return m_hasMarkers; }

    // Typed values; a value that is not a number of that kind is a fault of the file.
    double real(size_t i, const std::string& file);
    int64_t integer(size_t i, const std::string& file);
    uint64_t handle(size_t i, const std::string& file);
    // x at i, y and z after it (z optional); marks them and leaves i on the last one.
    ZcGePoint3d point(size_t& i, const std::string& file);
    ZcGeVector3d vector(size_t& i, const std::string& file);

    // Everything not taken, as kept pairs under their subclass markers. Kept whole
    // objects keep every marker, even one with nothing left under it.
    // Throw DxfError for a kept value that is not of its code's kind.
    Extras leftovers(CodePage& cp, const std::string& file, bool everyMarker = false) const;
    // The whole record as kept pairs (for objects the host keeps as they are).
    RawRecord kept(CodePage& cp, const std::string& file) const;
    // Throws DxfError when the pair's value is not of its code's kind.
    void checkValue(size_t i, const std::string& file) const;

private:
    std::vector<uint8_t> m_used;
    bool m_hasMarkers = false;
};

// Codes that every entity carries in its AcDbEntity part, for files without markers.
bool isEntityCommonCode(int code);

}  // namespace zrx::dxf
