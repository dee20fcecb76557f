// Writes one object: its type, handle, reactors and owner, then subclass by subclass the
// pairs its codec gives, each subclass followed by the unmodelled pairs read under it, then
// its xdata. Pairs a version cannot hold are left out for R12.
#pragma once

#include <string_view>
#include <vector>

#include "db_object.h"
#include "dxf/record.h"
#include "dxf/tag_writer.h"
#include "dxf/version.h"

namespace zrx::dxf {

class ObjectOut {
public:
    ObjectOut(TagWriter& writer, Version version, const Extras* extras);

    // 0 type, then the handle under handleCode (105 for dimension styles).
    void begin(std::string_view type, const ZcDbObject* obj, int handleCode = 5);
    void begin(std::string_view type, uint64_t handle, uint64_t owner, int handleCode = 5);
    // Reactors, the pairs read before the first subclass (extension dictionary), owner.
    void ownership(const ZcDbObject* obj);
    void ownership(uint64_t owner);
    // Ends the subclass before (writing its kept pairs) and starts this one.
    void subclass(std::string_view marker);
    // The rest of the kept pairs and the object's xdata; only the first call writes.
    void end(const ZcDbObject* obj);
    void end();

    bool r12() const { return version == Version::R12; }
    // Unmodelled bits of a flag group, to be written with the modelled ones.
    int64_t bits(int code) const { return m_extras != nullptr ? m_extras->bitsOf(code) : 0; }
    // Whether a kept pair of this code is there (and its first value).
    bool kept(int code) const;
    std::string keptValue(int code) const;
    // True colour and colour book name are dropped when the colour index changed.
    void dropTrueColor() { m_dropTrueColor = true; }
    // A kept pair that the codec has written anew from the model is not written again.
    void dropKept(int code) { m_dropped.push_back(code); }
    // xdata to write instead of the object's own (a codec's xdata-borne properties);
    // the chain is ObjectOut's from here.
    void replaceXdata(resbuf* chain);
    ~ObjectOut();
    ObjectOut(const ObjectOut&) = delete;
    ObjectOut& operator=(const ObjectOut&) = delete;

    TagWriter& w;
    Version version;

private:
    void flushCurrent();
    void writeSection(const ExtraSection& s);

    const Extras* m_extras;
    std::vector<uint8_t> m_done;
    std::string_view m_current;
    bool m_started = false;
    bool m_dropTrueColor = false;
    bool m_ended = false;
    std::vector<int> m_dropped;
    resbuf* m_xdata = nullptr;
    bool m_replacedXdata = false;
};

// Pairs kept as they were (followers, classes, end-of-sequence records), for a version.
void writeKept(TagWriter& w, Version version, const KeptTags& tags);
void writeRawRecord(TagWriter& w, Version version, const RawRecord& r);
// Whether an R12 file can hold a pair of this code.
bool r12Code(int code);
// The xdata of an object as pairs.
void writeXdata(TagWriter& w, const ZcDbObject* obj);
void writeXdata(TagWriter& w, const resbuf* xdata);

}  // namespace zrx::dxf
