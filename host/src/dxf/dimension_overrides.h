// Dimension variables a single dimension overrides travel in the ACAD application's xdata
// as a DSTYLE group: 1000 "DSTYLE", 1002 "{", then each variable as 1070 <its group code>
// and its value, 1002 "}". The host models DIMSCALE (40), DIMASZ (41), DIMSAH (173) and the
// arrow blocks DIMBLK (342), DIMBLK1 (343) and DIMBLK2 (344) of them; a block is named by
// its handle (1005), 0 for the closed filled arrow.
#pragma once

#include <cstdint>
#include <optional>

#include "dxf/record.h"
#include "zc_resbuf.h"

namespace zrx::dxf {

struct DimOverrides {
    std::optional<double> dimasz;
    std::optional<double> dimscale;
    std::optional<bool> dimsah;
    std::optional<uint64_t> dimblk;
    std::optional<uint64_t> dimblk1;
    std::optional<uint64_t> dimblk2;
};

// The overrides in a record's ACAD xdata; the pairs stay for the xdata reader.
DimOverrides readDimOverrides(const Record& r);

// The xdata chain with its DSTYLE values of the modelled variables set to the overrides:
// changed in place, added before the group's end, or removed when not overridden. Other
// variables and applications are left as they are. Takes the chain, returns the new one.
resbuf* withDimOverrides(resbuf* xdata, const DimOverrides& overrides);

}  // namespace zrx::dxf
