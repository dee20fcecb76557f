// The record of a ring plate, kept as xdata under "RING". Its fields are the ring module's;
// this one stores and copies them by kind and number.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

class TREVANCOM_API CRingData {
public:
    CRingData();
    CRingData(const CRingData& other) = default;
    ~CRingData() = default;
    CRingData& operator=(const CRingData& other) = default;

    // Writes the record. By id the entity must not be open; the list is also left as the
    // pending LISP result, as the stiffener writer does. A refused write leaves the entity's
    // xdata as it was.
    bool setRingdata(ZcDbObjectId objId, const char* appName);
    bool setRingdata(ZcDbEntity* pEnt, const char* appName);
    // Reads under the given application; false when no record is found.
    bool getRingdata(ZcDbEntity* pEnt, const char* appName);
    // Reads under "RING"; true without a change for xdata of "RING" the layout does not read.
    bool setData(ZcDbEntity* pEnt);
    bool setData(ZcDbObjectId objId);

    CString m_str1, m_str2, m_str3, m_str4;
    double m_r1, m_r2, m_r3;
    CString m_str5, m_str6, m_str7, m_str8;
    int m_n1, m_n2;
    double m_r4, m_r5;
};
