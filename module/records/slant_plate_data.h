// The record of a slant plate, kept as xdata under "SLANTPLATE" by the plate module; this
// module reads and copies it.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

class TREVANCOM_API CSlantPlateData {
public:
    CSlantPlateData();
    CSlantPlateData(const CSlantPlateData& other) = default;
    ~CSlantPlateData() = default;
    CSlantPlateData& operator=(const CSlantPlateData& other) = default;
    CSlantPlateData& operator=(const CSlantPlateData* pOther);

    CString m_str1;
    double m_r1, m_r2;
    CString m_str2, m_str3, m_str4, m_str5;
    int m_n1, m_n2;
    double m_r3, m_r4;
};

// Reads the record (11 items). True without a change when the entity carries xdata of
// "SLANTPLATE" the layout does not read; false when it carries none, or without a system
// folder.
TREVANCOM_API bool TrevanComARX_GetSlantPlatedata(ZcDbEntity* pEnt, CSlantPlateData& data);
TREVANCOM_API bool TrevanComARX_GetSlantPlatedata(ZcDbObjectId objId, CSlantPlateData& data);
