// The record of a deck section, kept as xdata under "UDECKSECTION" by the deck module;
// this module reads and copies it.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

class TREVANCOM_API CDeckSectionData {
public:
    CDeckSectionData();
    CDeckSectionData(const CDeckSectionData& other) = default;
    ~CDeckSectionData() = default;
    CDeckSectionData& operator=(const CDeckSectionData& other) = default;
    CDeckSectionData& operator=(const CDeckSectionData* pOther);

    CString m_str1, m_str2, m_str3;
    double m_r1, m_r2;
    CString m_str4, m_str5;
    int m_n1, m_n2;
    double m_r3, m_r4;
};

// Reads the record (11 items). True without a change when the entity carries xdata of
// "UDECKSECTION" the layout does not read; false when it carries none, or without a system
// folder.
TREVANCOM_API bool TrevanComARX_GetDeckSectiondata(ZcDbEntity* pEnt, CDeckSectionData& data);
TREVANCOM_API bool TrevanComARX_GetDeckSectiondata(ZcDbObjectId objId, CDeckSectionData& data);
