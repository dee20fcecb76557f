// Dimension variables a single dimension overrides travel in the ACAD application's xdata
// as a DSTYLE group: 1000 "DSTYLE", 1002 "{", then each variable as 1070 <its group code>
// and its value, 1002 "}". The host models DIMASZ (41) and DIMSCALE (40) of them.
#pragma once

#include <optional>

#include "dxf/record.h"
#include "zc_resbuf.h"

namespace zrx::dxf {

struct DimOverrides {
    std::optional<double> dimasz;
    std::optional<double> dimscale;
};

// The overrides in a record's ACAD xdata; the pairs stay for the xdata reader.
DimOverrides readDimOverrides(const Record& r);

// The xdata chain with its DSTYLE values of the modelled variables set to the overrides:
// changed in place, added before the group's end, or removed when not overridden. Other
// variables and applications are left as they are. Takes the chain, returns the new one.
resbuf* withDimOverrides(resbuf* xdata, const DimOverrides& overrides);

}  // namespace zrx::dxf
