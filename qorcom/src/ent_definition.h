// ".ent" definition files: the ordered, typed items of one record's xdata.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "zc_adsdefs.h"

// Item types as bits, so that one position may accept more than one type.
enum EntType : unsigned { kEntString = 1u, kEntReal = 2u, kEntInteger = 4u };

struct EntItem {
    std::string name;
    unsigned types = 0;  // EntType bits
};

struct EntDefinition {
    enum class Status { kOk, kMissing, kMalformed };
    Status status = Status::kMissing;
    std::vector<EntItem> items;
};

// Reads the definition file (a Windows path). A malformed file is reported on the command
// line with its line and what is wrong there; a missing one is not, as callers decide.
EntDefinition loadEntDefinition(const char* path);

// The definition file as loadEntDefinition reads it, parsed once and kept while a change
// notification on its folder stays quiet: every read and write of a record names its file,
// and reading and parsing it each time cost far more than the record itself. After a change
// the file is read again and parsed again when its bytes differ.
std::shared_ptr<const EntDefinition> findEntDefinition(const char* path);

// The type a result-buffer code stands for in a typed list (RTSTR, RTREAL, RTSHORT) or in
// stored xdata (1000, 1040, 1070); 0 for any other code.
inline unsigned entTypeOfListCode(int restype)
{
    switch (restype) {
    case RTSTR: return kEntString;
    case RTREAL: return kEntReal;
    case RTSHORT: return kEntInteger;
    default: return 0;
    }
}

inline unsigned entTypeOfXdataCode(int code)
{
    switch (code) {
    case 1000: return kEntString;
    case 1040: return kEntReal;
    case 1070: return kEntInteger;
    default: return 0;
    }
}

inline int listCodeOf(unsigned type)
{
    return type == kEntString ? RTSTR : type == kEntReal ? RTREAL : RTSHORT;
}

inline int xdataCodeOf(unsigned type)
{
    return type == kEntString ? 1000 : type == kEntReal ? 1040 : 1070;
}
