// What a drawing read from a file holds beyond the host's model, kept with the database so
// that a save writes it back: header variables, classes, sections the host does not know,
// the order of the tables, the unmodelled pairs of modelled objects, the BLOCK/ENDBLK
// pairs of each block and the end-of-sequence record of block references with attributes.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "dxf/record.h"
#include "zrx/db_id.h"

class ZcDbDatabase;

namespace zrx::dxf {

struct HeaderVariable {
    std::string name;  // "$INSBASE"
    KeptTags values;
};

struct RawSection {
    std::string name;
    KeptTags tags;
};

// The begin and end objects of a block definition: their handles and unmodelled pairs.
struct BlockEnds {
    uint64_t beginHandle = 0;
    uint64_t endHandle = 0;
    Extras begin;
    Extras end;
};

struct FileState {
    std::string codePage = "ANSI_1252";
    std::vector<HeaderVariable> header;
    std::vector<RawRecord> classes;
    std::vector<RawSection> otherSections;  // THUMBNAILIMAGE, ACDSDATA…, after OBJECTS
    std::vector<std::string> tableOrder;     // table names as they came ("VPORT", "LTYPE"…)
    std::map<std::string, ZcDbObjectId> rawTables;
    // Records of modelled tables that no host record can hold (a shape file's style has
    // no name), by table name.
    std::map<std::string, std::vector<RawRecord>> keptRecords;
    std::unordered_map<uint64_t, Extras> extras;  // by handle of the modelled object
    std::unordered_map<uint64_t, BlockEnds> blockEnds;  // by handle of the block record
    std::unordered_map<uint64_t, RawRecord> seqends;    // by handle of the block reference

    const HeaderVariable* variable(const std::string& name) const;
    const Extras* extrasOf(uint64_t handle) const;
};

// The state of a database, made empty on first use.
ZRX_API FileState& fileState(ZcDbDatabase* db);
// Null when the database has none.
const FileState* findFileState(const ZcDbDatabase* db);

}  // namespace zrx::dxf
