// Records: typed access to pairs and what remains of them.
#include "dxf/record.h"

#include "dxf/code_page.h"
#include "dxf/dxf_error.h"

#include <cstdint>

namespace zrx::dxf {

const ExtraSection* Extras::find(std::string_view marker) const
{
    for (const ExtraSection& s : sections) {
        if (s.marker == marker) return &s;
    }
    return nullptr;
}

int64_t Extras::bitsOf(int code) const
{
    for (const auto& [c, b] : bits) {
        if (c == code) return b;
    }
    return 0;
}

void Record::clear()
{
    tags.clear();
    markerNo.clear();
    markerNames.assign(1, std::string_view());
    m_used.clear();
    m_hasMarkers = false;
}

void Record::add(const Tag& t)
{
    if (markerNames.empty()) markerNames.emplace_back();
    if (t.code == 100 && markerNames.size() < 0xFFFF) {
        markerNames.push_back(t.value);
        m_hasMarkers = true;
    }
    tags.push_back(t);
    markerNo.push_back(static_cast<uint16_t>(markerNames.size() - 1));
    m_used.push_back(t.code == 100 ? 1 : 0);
}

void Record::resetUse()
{
    for (size_t i = 0; i < tags.size(); ++i) m_used[i] = tags[i].code == 100 ? 1 : 0;
}

namespace {
[[noreturn]] void badValue(const Tag& t, const std::string& file, const char* kind)
{
    throw DxfError(Zcad::eInvalidInput, file, t.line + 1,
                   "group " + std::to_string(t.code) + " needs " + kind + ", not \"" +
                       std::string(t.value.substr(0, 40)) + "\"");
}
}  // namespace

double Record::real(size_t i, const std::string& file)
{
    double v = 0.0;
    if (!parseDouble(tags[i].value, v)) badValue(tags[i], file, "a number");
    use(i);
    return v;
}

int64_t Record::integer(size_t i, const std::string& file)
{
    int64_t v = 0;
    if (!parseInt(tags[i].value, v)) badValue(tags[i], file, "an integer");
    // A value wider than its group's integer is no value the platform could have written.
    ValueKind kind = valueKind(tags[i].code);
    if ((kind == ValueKind::kInt16 && (v < INT16_MIN || v > INT16_MAX)) ||
        (kind == ValueKind::kInt32 && (v < INT32_MIN || v > INT32_MAX))) {
        badValue(tags[i], file, kindName(kind));
    }
    use(i);
    return v;
}

void Record::checkValue(size_t i, const std::string& file) const
{
    const Tag& t = tags[i];
    if (!valueFits(t.code, t.value)) badValue(t, file, kindName(valueKind(t.code)));
    // A point's x goes with its y, as readers take points whole.
    const bool pointX = (t.code >= 10 && t.code <= 18) || (t.code >= 110 && t.code <= 112) || t.code == 210 ||
                        (t.code >= 1010 && t.code <= 1013);
    if (pointX && (i + 1 >= tags.size() || tags[i + 1].code != t.code + 10)) {
        throw DxfError(Zcad::eInvalidInput, file, t.line,
                       "group " + std::to_string(t.code) + " has no group " + std::to_string(t.code + 10) + " after it");
    }
}

uint64_t Record::handle(size_t i, const std::string& file)
{
    uint64_t v = 0;
    if (!parseHandle(tags[i].value, v)) badValue(tags[i], file, "a handle");
    use(i);
    return v;
}

ZcGePoint3d Record::point(size_t& i, const std::string& file)
{
    int code = tags[i].code;
    ZcGePoint3d p;
    p.x = real(i, file);
    if (i + 1 < tags.size() && tags[i + 1].code == code + 10) p.y = real(++i, file);
    if (i + 1 < tags.size() && tags[i + 1].code == code + 20) p.z = real(++i, file);
    return p;
}

ZcGeVector3d Record::vector(size_t& i, const std::string& file)
{
    ZcGePoint3d p = point(i, file);
    return {p.x, p.y, p.z};
}

bool isEntityCommonCode(int code)
{
    switch (code) {
    case 6: case 8: case 48: case 60: case 62: case 67: case 92: case 160: case 284: case 310:
    case 347: case 348: case 370: case 380: case 390: case 410: case 420: case 430: case 440:
        return true;
    default:
        return false;
    }
}

Extras Record::leftovers(CodePage& cp, const std::string& file, bool everyMarker) const
{
    // Kept pairs are written back as they are: each must be a value of its kind.
    for (size_t i = 0; i < tags.size(); ++i) {
        if (!m_used[i]) checkValue(i, file);
    }
    Extras out;
    int lastSection = -1;
    if (everyMarker && m_hasMarkers) {
        // One section per marker, in order; "" first for what comes before them.
        out.sections.resize(markerNames.size());
        for (size_t k = 0; k < markerNames.size(); ++k) out.sections[k].marker = std::string(markerNames[k]);
        for (size_t i = 0; i < tags.size(); ++i) {
            if (!m_used[i]) out.sections[markerNo[i]].tags.push_back(KeptTag{tags[i].code, cp.decode(tags[i].value)});
        }
        if (out.sections[0].tags.empty()) out.sections.erase(out.sections.begin());
        return out;
    }
    for (size_t i = 0; i < tags.size(); ++i) {
        if (m_used[i]) continue;
        std::string_view marker = markerAt(i);
        int section = markerNo[i];
        if (!m_hasMarkers) {
            marker = isEntityCommonCode(tags[i].code) ? "AcDbEntity" : "~";
            section = marker == "~" ? 1 : 0;
        }
        if (out.sections.empty() || section != lastSection) {
            out.sections.push_back(ExtraSection{std::string(marker), {}});
            lastSection = section;
        }
        out.sections.back().tags.push_back(KeptTag{tags[i].code, cp.decode(tags[i].value)});
    }
    return out;
}

RawRecord Record::kept(CodePage& cp, const std::string& file) const
{
    for (size_t i = 0; i < tags.size(); ++i) checkValue(i, file);
    RawRecord r{std::string(type), {}};
    r.tags.reserve(tags.size());
    for (const Tag& t : tags) r.tags.push_back(KeptTag{t.code, cp.decode(t.value)});
    return r;
}

}  // namespace zrx::dxf

