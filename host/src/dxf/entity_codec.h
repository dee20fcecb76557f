// Codecs of the entity kinds the host models: each reads the pairs of its kind from a
// record into a new entity (marking what it took) and writes them back, subclass by
// subclass. What a codec does not take stays with the entity as kept pairs.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "db_entity.h"
#include "dxf/object_out.h"
#include "dxf/read_context.h"

namespace zrx::dxf {

struct FileState;

// What a writing codec may ask of the drawing being written.
struct WriteContext {
    ZcDbDatabase* db = nullptr;
    const FileState* state = nullptr;
    Version version = Version::R2013;
    // A handle for an object that exists only in the file (R12 vertices, end of sequence);
    // it is taken from the drawing's handle space so that it is never given out again.
    std::function<uint64_t()> newHandle;
    // Writes a whole entity (a block reference's attributes).
    std::function<void(const ZcDbEntity*)> writeEntity;

    // The name of a symbol table record, "" for a null or missing id.
    static std::string nameOf(ZcDbObjectId id);
};

struct EntityCodec {
    std::string_view type;  // DXF group 0
    ZcRxClass* (*cls)();
    // A new entity holding the record's data, or null when the record holds something the
    // kind cannot (the record is then kept as it is).
    ZcDbEntity* (*read)(Record& r, ReadContext& c);
    // The kind's subclasses after the common AcDbEntity part.
    void (*write)(ObjectOut& o, const ZcDbEntity* e, WriteContext& c);
    // The type written to R12: null for the same, "" for a kind R12 cannot hold.
    const char* r12Type = nullptr;
    // Codes an entity list must give to make one (entmake), separated by spaces.
    const char* required = "";
};

// The codec of a DXF type; null for kinds the host keeps as they are.
const EntityCodec* codecForType(std::string_view type);
// The codec that writes an entity of this class; null for kept ones.
const EntityCodec* codecForClass(const ZcRxClass* cls);

// Entity head and common part.
struct ObjectHead {
    uint64_t handle = 0;
    uint64_t owner = 0;
    bool hasOwner = false;
    std::vector<uint64_t> reactors;
    bool paperSpace = false;  // group 67
};
// Reads the handle (under handleCode), reactors, owner and xdata start, marking them.
ObjectHead readHead(Record& r, ReadContext& c, int handleCode = 5);
// Takes the AcDbEntity part (layer, line type, colour, scale, weight, visibility).
void readEntityCommon(Record& r, ReadContext& c, ZcDbEntity* e, Extras& keepInto);
// A line weight the platform has (ByLayer, ByBlock, Default or a standard weight).
bool isLineWeight(int64_t v);
// Takes the xdata pairs into the object (before what is left is kept).
void readXdataInto(Record& r, ReadContext& c, ZcDbObject* obj);
// Reactors are objects later in the file: they are set once every object exists.
void queueReactors(ReadContext& c, ZcDbObject* obj, const ObjectHead& head);
// Writes 0 type, handle, ownership and the AcDbEntity part.
void writeEntityHead(ObjectOut& o, std::string_view type, const ZcDbEntity* e, WriteContext& c, int readColor);

// Entity coordinate system of a normal (the arbitrary-axis rule) and back.
ZcGePoint3d ocsToWcs(const ZcGePoint3d& p, const ZcGeVector3d& normal);
ZcGePoint3d wcsToOcs(const ZcGePoint3d& p, const ZcGeVector3d& normal);
bool isWorldZ(const ZcGeVector3d& n);
constexpr double kDegrees = 57.29577951308232;

}  // namespace zrx::dxf
