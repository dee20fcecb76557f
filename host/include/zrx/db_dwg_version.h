// Drawing file versions a database can be saved as.
#pragma once

namespace ZcDb {
enum ZcDbDwgVersion {
    kDHL_1009 = 16,  // R12
    kDHL_1015 = 23,  // 2000
    kDHL_1800 = 25,  // 2004
    kDHL_2100 = 27,  // 2007
    kDHL_2400 = 29,  // 2010
    kDHL_2700 = 31,  // 2013
    kDHL_3200 = 33,  // 2018
    kDHL_CURRENT = kDHL_2700,
};
}  // namespace ZcDb
